#include "platform/win32/files.h"

#include <windows.h>
#include <shlobj.h>

#include <climits>

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace norvi::win32 {

namespace {

// Norvi's own files are a few kilobytes; refusing a huge one keeps a hostile file from
// exhausting memory.
constexpr LONGLONG kLargestReadableFile = 64LL * 1024 * 1024;

DWORD attributesOf(const std::string& path) { return GetFileAttributesW(widen(path).c_str()); }

}  // namespace

std::optional<std::string> readWholeFile(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestReadableFile) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(bytes.size() - done);
        if (!ReadFile(file.get(), bytes.data() + done, want, &got, nullptr)) return std::nullopt;
        if (got == 0) break;  // the file shrank meanwhile
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

bool writeWholeFile(const std::wstring& path, std::string_view bytes) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

std::string Win32Files::localAppDataFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    return narrow(path);
}

bool Win32Files::directoryExists(const std::string& path) {
    const DWORD a = attributesOf(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32Files::fileExists(const std::string& path) {
    const DWORD a = attributesOf(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::createDirectory(const std::string& path) {
    return CreateDirectoryW(widen(path).c_str(), nullptr) != 0;
}

std::optional<std::string> Win32Files::readFile(const std::string& path) { return readWholeFile(widen(path)); }

bool Win32Files::writeFile(const std::string& path, std::string_view bytes) {
    return writeWholeFile(widen(path), bytes);
}

bool Win32Files::listDirectory(const std::string& folder,
                               const std::function<bool(const DirectoryEntry&)>& onEntry) {
    std::wstring pattern = widen(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
    pattern += L'*';
    // Beyond MAX_PATH a listing needs the extended-length form, which takes a drive path
    // as it is (the sound finder walks trees that deep).
    if (pattern.size() >= MAX_PATH && pattern.size() > 2 && pattern[1] == L':') pattern.insert(0, L"\\\\?\\");
    WIN32_FIND_DATAW data{};
    UniqueFind find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0));
    if (!find) return false;
    do {
        DirectoryEntry entry;
        entry.name = narrow(data.cFileName);
        entry.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.isReparsePoint = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        // The listing gives a reparse point's tag in dwReserved0. No tag at all tells
        // nothing of where the point leads, so it counts as leading elsewhere.
        entry.isNameSurrogate =
            entry.isReparsePoint && (data.dwReserved0 == 0 || IsReparseTagNameSurrogate(data.dwReserved0));
        if (!onEntry(entry)) break;
    } while (FindNextFileW(find.get(), &data));
    return true;
}

std::string Win32Files::programPath() {
    // A path longer than the buffer comes back cut to the buffer's size: grow and ask again.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return narrow(std::wstring_view(buffer.data(), length));
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace norvi::win32
