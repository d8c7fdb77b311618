#include "platform/win32/profile.h"

#include <windows.h>

#include <climits>

#include "platform/win32/files.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace norvi::win32 {

namespace {

// The profile functions' buffer: 2047 characters and the terminating zero.
constexpr DWORD kValueBuffer = 2048;
constexpr char kUtf16Bom[] = "\xFF\xFE";

bool representableInAnsi(const std::wstring& text) {
    if (text.empty() || text.size() > INT_MAX) return true;
    BOOL lost = FALSE;
    const int length = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &lost);
    return needed > 0 && !lost;
}

bool startsWith(const std::string& bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() && std::string_view(bytes).substr(0, prefix.size()) == prefix;
}

// A new file begins as UTF-16LE, so whatever is written later keeps every character.
bool createUnicodeFile(const std::wstring& path) {
    UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError() == ERROR_FILE_EXISTS;  // someone was quicker: use theirs
    DWORD written = 0;
    return WriteFile(file.get(), kUtf16Bom, 2, &written, nullptr) && written == 2;
}

// Rewrites an ANSI file as UTF-16LE with the same text. Files that are Unicode already
// (a UTF-16 or UTF-8 byte order mark) are left alone.
bool convertAnsiFileToUnicode(const std::wstring& path, const std::string& bytes) {
    if (startsWith(bytes, kUtf16Bom) || startsWith(bytes, "\xFE\xFF") || startsWith(bytes, "\xEF\xBB\xBF"))
        return true;
    if (bytes.size() > INT_MAX / 2) return false;
    std::wstring text;
    if (!bytes.empty()) {
        const int length = static_cast<int>(bytes.size());
        const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
        if (needed <= 0) return false;
        text.resize(static_cast<std::size_t>(needed));
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), needed);
    }
    std::string unicode(kUtf16Bom, 2);
    unicode.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return writeWholeFile(path, unicode);
}

}  // namespace

std::string Win32Profile::read(const std::string& file, const std::string& section, const std::string& key,
                               const std::string& fallback) {
    std::wstring buffer(kValueBuffer, L'\0');
    const DWORD length = GetPrivateProfileStringW(widen(section).c_str(), widen(key).c_str(),
                                                  widen(fallback).c_str(), buffer.data(), kValueBuffer,
                                                  widen(file).c_str());
    return narrow(std::wstring_view(buffer.data(), length));
}

bool Win32Profile::write(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& value) {
    const std::wstring path = widen(file), wideSection = widen(section), wideKey = widen(key),
                       wideValue = widen(value);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (!createUnicodeFile(path)) return false;
    } else if (!representableInAnsi(wideSection) || !representableInAnsi(wideKey) ||
               !representableInAnsi(wideValue)) {
        const auto existing = readWholeFile(path);
        if (!existing || !convertAnsiFileToUnicode(path, *existing)) return false;
    }
    return WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideValue.c_str(), path.c_str()) != 0;
}

}  // namespace norvi::win32
