#include "app/program.h"
#include "settings/tfcolors.h"

namespace norvi {

namespace {

struct ColourButton {
    int button;  // XiButton1 .. XiButton8
    ui::Panel Tfcolors::*swatch;
    Colour FloatingColours::*value;
    // An off-state button opens the picker on the on-state colour of the same kind.
    Colour FloatingColours::*pickerStart;
};

using F = FloatingColours;
constexpr ColourButton kColourButtons[] = {
    {1, &Tfcolors::c5, &F::capsOnFontColor, &F::capsOnFontColor},
    {5, &Tfcolors::c7, &F::capsOffFontColor, &F::capsOnFontColor},
    {3, &Tfcolors::c1, &F::capsOnColor, &F::capsOnColor},
    {6, &Tfcolors::c8, &F::capsOffColor, &F::capsOnColor},
    {2, &Tfcolors::c6, &F::numOnFontColor, &F::numOnFontColor},
    {7, &Tfcolors::c3, &F::numOffFontColor, &F::numOnFontColor},
    {4, &Tfcolors::c2, &F::numOnColor, &F::numOnColor},
    {8, &Tfcolors::c9, &F::numOffColor, &F::numOnColor},
};

constexpr int kDefaultCapsWidth = 75;

}  // namespace

void Tfcolors::floatingColourClick(int button) {
    for (const ColourButton& b : kColourButtons) {
        if (b.button != button) continue;
        FloatingColours& colours = p_.colours;
        const auto chosen = ColorDialog->choose(colours.*b.pickerStart);
        if (!chosen) return;
        colours.*b.value = *chosen;
        (this->*b.swatch).setColour(*chosen);
        p_.tray.barvajIkone();
        return;
    }
}

void Tfcolors::paintFloatingSwatches() {
    for (const ColourButton& b : kColourButtons) (this->*b.swatch).setColour(p_.colours.*b.value);
}

void Tfcolors::SpeedButton6Click() {
    JTR.setPosition(255);
    p_.mainform->setOpacity(JTR.position());
    Xx1.setChecked(false);
    Edit8.setText("ABC");
    Edit6.setText("abc");
    Edit9.setText("7");
    Edit7.setText("7");
    p_.mainform->Ctabla.setWidth(kDefaultCapsWidth);
    p_.colours = FloatingColours{};
    paintFloatingSwatches();
    p_.tray.barvajIkone();
}

}  // namespace norvi
