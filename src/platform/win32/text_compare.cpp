#include "platform/win32/text_compare.h"

#include <windows.h>

#include <climits>

#include "platform/win32/wide.h"

namespace norvi::win32 {

int Win32TextCompare::compareNoCase(std::string_view a, std::string_view b) {
    const std::wstring x = widen(a), y = widen(b);
    if (x.size() <= INT_MAX && y.size() <= INT_MAX) {
        const int result = CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, x.c_str(), static_cast<int>(x.size()),
                                           y.c_str(), static_cast<int>(y.size()), nullptr, nullptr, 0);
        if (result != 0) return result - CSTR_EQUAL;
    }
    // The system could not compare them: an order all the same, by code units.
    return x.compare(y) < 0 ? -1 : x == y ? 0 : 1;
}

}  // namespace norvi::win32
