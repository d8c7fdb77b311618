// The configuration profile through GetPrivateProfileStringW / WritePrivateProfileStringW.
// The wide functions write a file in its own encoding, and an ANSI file cannot hold text
// outside the ANSI code page; so a new file starts as UTF-16LE, and an existing ANSI file is
// converted to UTF-16LE (losslessly) before it must receive such text.
#pragma once

#include "platform/platform.h"

namespace norvi::win32 {

class Win32Profile : public Profile {
public:
    std::string read(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& fallback) override;
    bool write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& value) override;
};

}  // namespace norvi::win32
