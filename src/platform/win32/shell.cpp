#include "platform/win32/shell.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/win32/wide.h"

namespace norvi::win32 {

void Win32Shell::openUrl(const std::string& url) {
    // Nothing to tell the user when no browser opens: the result is not looked at.
    ShellExecuteW(nullptr, nullptr, widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::optional<FileVersion> Win32Version::fileVersion(const std::string& path) {
    const std::wstring file = widen(path);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<std::uint8_t> block(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data())) return std::nullopt;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO)) return std::nullopt;
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
    if (info->dwSignature != 0xFEEF04BD) return std::nullopt;
    return FileVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS), HIWORD(info->dwFileVersionLS),
                       LOWORD(info->dwFileVersionLS)};
}

}  // namespace norvi::win32
