// String values under HKEY_CURRENT_USER, always in the 64-bit view of the registry.
#pragma once

#include "platform/platform.h"

namespace norvi::win32 {

class Win32Registry : public Registry {
public:
    bool writeUserString(const std::string& subKey, const std::string& name, const std::string& value) override;
    bool deleteUserValue(const std::string& subKey, const std::string& name) override;
    std::optional<std::string> readUserString(const std::string& subKey, const std::string& name) override;
};

}  // namespace norvi::win32
