// The places the sound finder's folder chooser offers: the shell's folder namespace from
// the desktop down, as the shell's own folder drop-down shows it, with the shell's icons.
#include <windows.h>
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <string>

#include "platform/win32/com.h"
#include "platform/win32/dib.h"
#include "platform/win32/files.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace norvi::win32 {

namespace {

using ItemIdList = TaskMemory<ITEMIDLIST>;

constexpr int kSmallIcon = 16;
// Folders only, and hidden ones left out, as the shell shows them by default.
constexpr SHCONTF kFolders = SHCONTF_FOLDERS;

std::string knownFolderPath(REFKNOWNFOLDERID id) {
    wchar_t* raw = nullptr;
    const HRESULT result = SHGetKnownFolderPath(id, 0, nullptr, &raw);
    const TaskMemory<wchar_t> path(raw);  // freed even on failure
    return SUCCEEDED(result) && path ? narrow(path.get()) : std::string();
}

// The display name of a child of parent (SHGDN_NORMAL: "This PC", "Local Disk (C:)").
std::string displayName(IShellFolder& parent, LPCITEMIDLIST child) {
    STRRET name{};
    if (FAILED(parent.GetDisplayNameOf(child, SHGDN_NORMAL, &name))) return {};
    wchar_t text[MAX_PATH] = {};
    // StrRetToBufW frees what the STRRET holds, whatever its form.
    if (FAILED(StrRetToBufW(&name, child, text, MAX_PATH))) return {};
    return narrow(text);
}

// The file-system folder of an absolute item; empty for a virtual one.
std::string pathOf(LPCITEMIDLIST absolute) {
    wchar_t path[MAX_PATH] = {};
    return SHGetPathFromIDListW(absolute, path) ? narrow(path) : std::string();
}

Bitmap smallIconOf(LPCITEMIDLIST absolute) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(reinterpret_cast<LPCWSTR>(absolute), 0, &info, sizeof info,
                        SHGFI_PIDL | SHGFI_ICON | SHGFI_SMALLICON))
        return {};
    const UniqueIcon icon(info.hIcon);
    return pictureOfIcon(icon.get(), kSmallIcon);
}

// One child of a folder: its ID relative to the folder and absolute.
struct Child {
    ItemIdList relative;
    ItemIdList absolute;
};

// The folder children of folder (whose absolute ID is folderId), sorted as the shell sorts
// them for display (IShellFolder::CompareIDs); in the listing's order if it cannot compare.
std::vector<Child> folderChildren(IShellFolder& folder, LPCITEMIDLIST folderId) {
    std::vector<Child> children;
    IEnumIDList* rawList = nullptr;
    // S_FALSE: nothing to list.
    if (folder.EnumObjects(nullptr, kFolders, &rawList) != S_OK || !rawList) return children;
    const ComPtr<IEnumIDList> list(rawList);
    for (;;) {
        LPITEMIDLIST raw = nullptr;
        ULONG got = 0;
        if (list->Next(1, &raw, &got) != S_OK || got != 1) break;
        ItemIdList relative(raw);
        ItemIdList absolute(ILCombine(folderId, relative.get()));
        if (absolute) children.push_back({std::move(relative), std::move(absolute)});
        if (children.size() >= 1000) break;  // a runaway listing
    }
    bool comparable = true;
    std::stable_sort(children.begin(), children.end(), [&](const Child& a, const Child& b) {
        if (!comparable) return false;
        const HRESULT order = folder.CompareIDs(0, a.relative.get(), b.relative.get());
        if (FAILED(order)) {
            comparable = false;
            return false;
        }
        return static_cast<short>(HRESULT_CODE(order)) < 0;
    });
    return children;
}

FolderPlace placeOf(IShellFolder& parent, const Child& child, int depth) {
    return {displayName(parent, child.relative.get()), pathOf(child.absolute.get()), depth,
            smallIconOf(child.absolute.get())};
}

}  // namespace

std::vector<FolderPlace> Win32Files::folderPlaces() {
    const ComApartment com;
    std::vector<FolderPlace> places;
    IShellFolder* rawDesktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&rawDesktop)) || !rawDesktop) return places;
    const ComPtr<IShellFolder> desktop(rawDesktop);
    LPITEMIDLIST rawRoot = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &rawRoot)) || !rawRoot) return places;
    const ItemIdList root(rawRoot);  // the desktop: an empty ID list
    LPITEMIDLIST rawComputer = nullptr;
    const ItemIdList computer(SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &rawComputer))
                                  ? rawComputer
                                  : nullptr);

    // The root: the shell names it; its folder is the user's desktop folder.
    std::string rootName = displayName(*desktop, root.get());
    if (rootName.empty()) rootName = "Desktop";
    std::string rootPath = knownFolderPath(FOLDERID_Desktop);
    if (rootPath.empty()) rootPath = pathOf(root.get());
    places.push_back({std::move(rootName), std::move(rootPath), 0, smallIconOf(root.get())});

    for (const Child& child : folderChildren(*desktop, root.get())) {
        places.push_back(placeOf(*desktop, child, 1));
        if (!computer || !ILIsEqual(child.absolute.get(), computer.get())) continue;
        // The computer folder opens one level deeper: its drives.
        IShellFolder* rawFolder = nullptr;
        if (FAILED(desktop->BindToObject(child.relative.get(), nullptr, IID_IShellFolder,
                                         reinterpret_cast<void**>(&rawFolder))) ||
            !rawFolder)
            continue;
        const ComPtr<IShellFolder> folder(rawFolder);
        for (const Child& drive : folderChildren(*folder, child.absolute.get()))
            places.push_back(placeOf(*folder, drive, 2));
    }
    return places;
}

}  // namespace norvi::win32
