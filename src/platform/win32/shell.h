// The shell's "open this" and the version records of program files.
#pragma once

#include "platform/platform.h"

namespace norvi::win32 {

class Win32Shell : public Shell {
public:
    void openUrl(const std::string& url) override;
};

class Win32Version : public Version {
public:
    std::optional<FileVersion> fileVersion(const std::string& path) override;
};

}  // namespace norvi::win32
