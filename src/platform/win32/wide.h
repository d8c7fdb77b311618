// UTF-8 inside Norvi, UTF-16 at the Windows boundary: the only place text changes form.
#pragma once

#include <string>
#include <string_view>

namespace norvi::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace norvi::win32
