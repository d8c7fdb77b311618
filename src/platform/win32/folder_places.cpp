// The places the sound finder's folder chooser offers, from the shell's known folders and
// the system's drive list.
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <memory>

#include "platform/win32/files.h"
#include "platform/win32/wide.h"

namespace norvi::win32 {

namespace {

struct TaskMemoryFree {
    void operator()(wchar_t* p) const { CoTaskMemFree(p); }
};

std::string knownFolderPath(REFKNOWNFOLDERID id) {
    wchar_t* raw = nullptr;
    const HRESULT result = SHGetKnownFolderPath(id, 0, nullptr, &raw);
    const std::unique_ptr<wchar_t, TaskMemoryFree> path(raw);  // freed even on failure
    return SUCCEEDED(result) && path ? narrow(path.get()) : std::string();
}

}  // namespace

std::vector<FolderPlace> Win32Files::folderPlaces() {
    std::vector<FolderPlace> places;
    const struct {
        const KNOWNFOLDERID* id;
        const char* name;
        int depth;
    } known[] = {
        {&FOLDERID_Desktop, "Desktop", 0},
        {&FOLDERID_Documents, "Documents", 1},
        {&FOLDERID_Music, "Music", 1},
        {&FOLDERID_Downloads, "Downloads", 1},
    };
    for (const auto& k : known) {
        std::string path = knownFolderPath(*k.id);
        if (!path.empty()) places.push_back({k.name, std::move(path), k.depth});
    }
    // "C:\", NUL, "D:\", NUL, ..., NUL.
    wchar_t drives[512] = {};
    const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(drives) - 1), drives);
    if (length > 0 && length < std::size(drives)) {
        for (const wchar_t* d = drives; *d; d += wcslen(d) + 1) {
            if (GetDriveTypeW(d) == DRIVE_NO_ROOT_DIR) continue;
            const std::string root = narrow(d);
            places.push_back({root, root, 1});
        }
    }
    return places;
}

}  // namespace norvi::win32
