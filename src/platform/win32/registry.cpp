#include "platform/win32/registry.h"

#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace norvi::win32 {

namespace {

UniqueKey openUserKey(const std::string& subKey, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, widen(subKey).c_str(), 0, access | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return {};
    return UniqueKey(key);
}

}  // namespace

bool Win32Registry::writeUserString(const std::string& subKey, const std::string& name, const std::string& value) {
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, widen(subKey).c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY,
                        nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return false;
    const UniqueKey key(raw);
    const std::wstring data = widen(value);
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool Win32Registry::deleteUserValue(const std::string& subKey, const std::string& name) {
    const UniqueKey key = openUserKey(subKey, KEY_SET_VALUE);
    return key && RegDeleteValueW(key.get(), widen(name).c_str()) == ERROR_SUCCESS;
}

std::optional<std::string> Win32Registry::readUserString(const std::string& subKey, const std::string& name) {
    const UniqueKey key = openUserKey(subKey, KEY_QUERY_VALUE);
    if (!key) return std::nullopt;
    const std::wstring valueName = widen(name);
    // The value may grow between the two calls: ask again until the buffer holds it.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD bytes = 0;
        if (RegGetValueW(key.get(), nullptr, valueName.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS)
            return std::nullopt;
        std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LSTATUS status =
            RegGetValueW(key.get(), nullptr, valueName.c_str(), RRF_RT_REG_SZ, nullptr, buffer.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return std::nullopt;
        buffer.resize(bytes / sizeof(wchar_t));
        while (!buffer.empty() && buffer.back() == L'\0') buffer.pop_back();
        return narrow(buffer);
    }
    return std::nullopt;
}

}  // namespace norvi::win32
