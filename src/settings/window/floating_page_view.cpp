#include "settings/window/floating_page_view.h"

#include "settings/tfcolors.h"
#include "settings/window/settings_styles.h"
#include "settings/window/simple_views.h"
#include "ui/kit/button_view.h"
#include "ui/kit/edit_view.h"
#include "ui/kit/geometry.h"
#include "ui/kit/group_box_view.h"
#include "ui/kit/label_view.h"
#include "ui/kit/slider_view.h"
#include "ui/kit/swatch_view.h"

namespace norvi {

namespace {

using namespace ui::kit;

// A colour button of this page: the swatch's strip, a dark divider, then the button.
class DividedSwatchView : public SwatchView {
public:
    DividedSwatchView(ui::Panel& model, std::string caption, const SwatchStyle& style, const ButtonStyle& buttonStyle,
                      Colour divider)
        : SwatchView(model, std::move(caption), style, buttonStyle), divider_(divider) {}

    void paint(Painter& p) override {
        SwatchView::paint(p);
        p.verticalLine(button().bounds().left - 1, 1, size().height - 1, divider_);
    }

private:
    Colour divider_;
};

struct TextField {
    const char* label;
    ui::Edit Tfcolors::*edit;
};

struct ColourButton {
    const char* caption;
    ui::Panel Tfcolors::*swatch;
    int button;  // XiButton1 .. XiButton8
};

struct LockGroup {
    const char* caption;
    Rect bounds;
    TextField texts[2];
    ColourButton colours[4];  // on text, off text, on background, off background
};

constexpr LockGroup kGroups[] = {
    {" Caps Lock ",
     placed(60, 60, 453, 273),
     {{"On Text", &Tfcolors::Edit8}, {" Off Text", &Tfcolors::Edit6}},
     {{"On text Color", &Tfcolors::c5, 1},
      {"Off text Color", &Tfcolors::c7, 5},
      {"On background Color", &Tfcolors::c1, 3},
      {"Off background Color", &Tfcolors::c8, 6}}},
    {" Num Lock ",
     placed(540, 60, 453, 273),
     {{"On Text", &Tfcolors::Edit9}, {"Off Text", &Tfcolors::Edit7}},
     {{"On text Color", &Tfcolors::c6, 2},
      {"Off text Color", &Tfcolors::c3, 7},
      {"On background Color", &Tfcolors::c2, 4},
      {"Off background Color", &Tfcolors::c9, 8}}},
};

// Inside a group: the texts on the left, the colour buttons in a column on the right.
constexpr Rect kTextLabel = placed(32, 52, 60, 17);
constexpr Rect kTextField = placed(100, 50, 105, 21);
constexpr int kTextStep = 44;
constexpr Rect kColourButton = placed(258, 48, 160, 25);
constexpr int kColourStep = 44;
constexpr int kColourButtonWidth = 130;

constexpr Rect kHeading = placed(24, 16, 400, 18);
constexpr Rect kOpacityLabel = placed(64, 368, 60, 17);
constexpr Rect kOpacitySlider = placed(130, 364, 193, 25);
constexpr Rect kReset = placed(861, 366, 132, 22);

}  // namespace

void buildFloatingPage(View& page, const PageContext& context) {
    Tfcolors& d = context.dialog;
    const Theme& theme = context.theme;
    const SettingsStyles& styles = settingsStyles();
    SwatchStyle swatchStyle = theme.swatch;
    swatchStyle.buttonWidth = kColourButtonWidth;

    page.add<LabelView>("Floating Indicator on Desktop", styles.heading).setBounds(kHeading);
    for (const LockGroup& g : kGroups) {
        auto& group = page.add<GroupBoxView>(g.caption, theme.groupBox);
        group.setBounds(g.bounds);
        for (int i = 0; i < 2; ++i) {
            group.add<LabelView>(g.texts[i].label, styles.softLabel).setBounds(offsetBy(kTextLabel, 0, i * kTextStep));
            group.add<EditView>(d.*g.texts[i].edit, styles.edit).setBounds(offsetBy(kTextField, 0, i * kTextStep));
        }
        for (int i = 0; i < 4; ++i) {
            const ColourButton& c = g.colours[i];
            auto& swatch =
                group.add<DividedSwatchView>(d.*c.swatch, c.caption, swatchStyle, styles.colourButton, styles.swatchDivider);
            swatch.setBounds(offsetBy(kColourButton, 0, i * kColourStep));
            const int button = c.button;
            swatch.button().onClick = [&d, button] { d.floatingColourClick(button); };
        }
    }
    page.add<LabelView>("Opacity", styles.label).setBounds(kOpacityLabel);
    page.add<SliderView>(d.JTR, theme.slider).setBounds(kOpacitySlider);
    addButton(page, "Reset to default", theme.button, kReset, [&d] { d.SpeedButton6Click(); });
}

}  // namespace norvi
