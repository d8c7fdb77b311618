// Display geometry, DPI and the pointer, as the system reports them.
#pragma once

#include "platform/platform.h"

namespace norvi::win32 {

class Win32Screen : public Screen {
public:
    Size primarySize() override;
    Rect workArea() override;
    Rect workAreaAt(const Rect& window) override;
    std::vector<Rect> displays() override;
    int logicalDpiY() override;
    int dpiAt(const Rect& area) override;
    Size trayIconSize() override;
    int doubleClickTimeMilliseconds() override;
    Point cursorPosition() override;
};

}  // namespace norvi::win32
