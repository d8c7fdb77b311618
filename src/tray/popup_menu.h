// The shared popup menu's items, in menu order. The check marks are settings.
#pragma once

#include <vector>

#include "ui/widgets.h"

namespace norvi {

class PopupMenu {
public:
    PopupMenu();

    using Kind = ui::MenuItem::Kind;
    ui::MenuItem Setcolors1{"Settings", Kind::Command};
    ui::MenuItem separator1{"-", Kind::Separator};
    ui::MenuItem DOD{"Textual Indicator", Kind::Check};
    ui::MenuItem Dop{"Iconic Indicator", Kind::Check};
    ui::MenuItem mfTimer{"Keep Last Displayed Visible", Kind::Check};
    ui::MenuItem Showonnextdisplay1{"Show Displayed on Next display", Kind::Command, false};
    ui::MenuItem separator2{"-", Kind::Separator};
    ui::MenuItem SOD{"Floating Indicator", Kind::Check};
    ui::MenuItem ShowTI{"Show Norvi in System tray", Kind::Check, false};
    ui::MenuItem SnL{"Num Lock in System tray", Kind::Check};
    ui::MenuItem separator3{"-", Kind::Separator};
    ui::MenuItem zvok{"Sound", Kind::Check};
    ui::MenuItem separator4{"-", Kind::Separator};
    ui::MenuItem Load{"Load at Startup", Kind::Check};
    ui::MenuItem VisittheNorviwebsite1{"Visit the Norvi website", Kind::Command};
    ui::MenuItem separator5{"-", Kind::Separator};
    ui::MenuItem UserGuide1{"User Guide", Kind::Command};
    ui::MenuItem About1{"About...", Kind::Command};
    ui::MenuItem Exit1{"Exit", Kind::Command};

    // Every item top to bottom, separators and hidden items included.
    std::vector<ui::MenuItem*> items();

    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
};

}  // namespace norvi
