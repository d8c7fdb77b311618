#include "settings/window/position_grid_view.h"

#include "settings/tfcolors.h"
#include "settings/window/page_context.h"
#include "ui/kit/geometry.h"
#include "ui/kit/pressable_view.h"
#include "ui/kit/theme.h"

namespace norvi {

namespace {

using ui::kit::Painter;

constexpr Colour kFrameGrey = 0x00808080;
constexpr Colour kScreenBlack = 0x00000000;
constexpr Colour kStandSilver = 0x00C0C0C0;
constexpr Colour kBaseGrey = 0x00808080;
constexpr Colour kCellHover = 0x00303030;
constexpr Colour kCellPressed = 0x00505050;
constexpr Colour kCaption = 0x00FFFFFF;
const FontSpec kCaptionFont{"Segoe UI", 21, true};

// Page positions of the frame (116, 800), the stand (206, 890) and the base (170, 930),
// taken relative to the frame.
constexpr PositionGridLayout kLayout{
    placed(0, 0, 198, 124),
    placed(4, 2, 190, 120),
    placed(90, 90, 18, 41),
    placed(54, 130, 90, 5),
    {64, 40},
};

constexpr const char* kPositionHints[9] = {"Top left",    "Top center",    "Top right",
                                           "Middle left", "Middle center", "Middle right",
                                           "Bottom left", "Bottom center", "Bottom right"};

// One of the nine buttons: acts on release over it, like every button of the dialog.
class PositionCellView : public ui::kit::PressableView {
public:
    PositionCellView(Tfcolors& dialog, int position)
        : PressableView(ui::kit::EnterKey::Clicks), dialog_(dialog), position_(position) {
        setHint(kPositionHints[position - 1]);
    }

    void paint(Painter& p) override {
        const Rect all = ui::kit::sized(size());
        if (looksPressed())
            p.fill(all, kCellPressed);
        else if (hovered())
            p.fill(all, kCellHover);
        p.text(all, kCaptionFont, dialog_.positionCaption(position_), kCaption, ui::kit::TextAlign::Center);
        paintFocusMark(p, ui::kit::inset(all, 3), kCaption);
    }

protected:
    void clicked() override { dialog_.choosePosition(position_); }

private:
    Tfcolors& dialog_;
    int position_;
};

}  // namespace

Rect PositionGridLayout::cellRect(int position) const {
    const int index = position - 1, column = index % 3, row = index / 3;
    // Three 64-pixel buttons share the 190-pixel screen: neighbours overlap by a pixel.
    const int step = (screen.width() - cell.width) / 2;
    return Rect::fromSize(screen.left + column * step, screen.top + row * cell.height, cell.width, cell.height);
}

const PositionGridLayout& positionGridLayout() { return kLayout; }

PositionGridView::PositionGridView(Tfcolors& dialog) : dialog_(dialog) {
    for (int position = 1; position <= 9; ++position)
        add<PositionCellView>(dialog, position).setBounds(kLayout.cellRect(position));
}

void PositionGridView::paint(Painter& p) {
    // The stand reaches up behind the frame, as a monitor's neck does.
    p.fill(kLayout.stand, kStandSilver);
    p.fill(kLayout.base, kBaseGrey);
    p.fill(kLayout.frame, kFrameGrey);
    p.fill(kLayout.screen, kScreenBlack);
}

}  // namespace norvi
