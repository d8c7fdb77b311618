#include "tray/popup_menu.h"

namespace norvi {

PopupMenu::PopupMenu() { Dop.setDefault(true); }

std::vector<ui::MenuItem*> PopupMenu::items() {
    return {&Setcolors1, &separator1, &DOD, &Dop, &mfTimer, &Showonnextdisplay1, &separator2,
            &SOD, &ShowTI, &SnL, &separator3, &zvok, &separator4, &Load, &VisittheNorviwebsite1,
            &separator5, &UserGuide1, &About1, &Exit1};
}

}  // namespace norvi
