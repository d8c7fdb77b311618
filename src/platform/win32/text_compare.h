// Texts compared without regard to case by the user's locale (CompareStringEx).
#pragma once

#include "platform/platform.h"

namespace norvi::win32 {

class Win32TextCompare : public TextCompare {
public:
    int compareNoCase(std::string_view a, std::string_view b) override;
};

}  // namespace norvi::win32
