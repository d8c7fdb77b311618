#include "settings/window/sounds_page_view.h"

#include "settings/tfcolors.h"
#include "settings/window/settings_styles.h"
#include "settings/window/simple_views.h"
#include "ui/kit/button_view.h"
#include "ui/kit/check_box_view.h"
#include "ui/kit/edit_view.h"
#include "ui/kit/geometry.h"
#include "ui/kit/label_view.h"

namespace norvi {

namespace {

using namespace ui::kit;

// A small speaker beside the heading: the magnet, the cone and two sound waves.
class SpeakerView : public View {
public:
    explicit SpeakerView(Colour colour) : colour_(colour) {}
    void paint(Painter& p) override {
        p.fill(placed(0, 5, 4, 6), colour_);
        for (int i = 0; i < 5; ++i) p.verticalLine(4 + i, 4 - i, 12 + i, colour_);
        p.verticalLine(11, 5, 11, colour_);
        p.verticalLine(14, 3, 13, colour_);
    }

private:
    Colour colour_;
};

struct SoundSlotPlace {
    const char* label;
    ui::CheckBox Tfcolors::*enable;
    ui::Edit Tfcolors::*path;
    int slot;  // 1 .. 4
    Point at;  // the row's top-left corner
};

constexpr SoundSlotPlace kSlots[] = {
    {"Caps Lock On", &Tfcolors::cb1, &Tfcolors::Edit1, 1, {40, 76}},
    {"Caps Lock Off", &Tfcolors::cb2, &Tfcolors::Edit2, 2, {40, 116}},
    {"Num Lock On", &Tfcolors::cb3, &Tfcolors::Edit3, 3, {560, 76}},
    {"Num Lock Off", &Tfcolors::cb4, &Tfcolors::Edit4, 4, {560, 116}},
};

// Within a row, left to right.
constexpr Rect kEnable = placed(0, 2, 17, 17);
constexpr Rect kLabel = placed(22, 2, 90, 17);
constexpr Rect kPath = placed(112, 0, 260, 21);
constexpr Size kPictureButton{23, 22};
constexpr int kFirstButton = 378;
constexpr int kButtonStep = 26;

constexpr Rect kHeading = placed(48, 16, 200, 18);
constexpr Rect kSpeaker = placed(24, 17, 16, 16);
constexpr Rect kColumnRule = placed(536, 64, 1, 86);
// Right-aligned with the Num Lock column's last button.
constexpr Rect kReset = placed(881, 176, 132, 22);

struct PictureButton {
    ButtonGlyph glyph;
    void (Tfcolors::*click)(int slot);
    const char* hint;
};

// Test, open, find.
constexpr PictureButton kButtons[] = {
    {ButtonGlyph::Play, &Tfcolors::testSoundClick, ""},
    {ButtonGlyph::Folder, &Tfcolors::openSoundClick, "Open"},
    {ButtonGlyph::Magnifier, &Tfcolors::findSoundClick, "Find Sound"},
};

Rect inRow(const Rect& r, Point row) { return offsetBy(r, row.x, row.y); }

}  // namespace

void buildSoundsPage(View& page, const PageContext& context) {
    Tfcolors& d = context.dialog;
    const Theme& theme = context.theme;
    const SettingsStyles& styles = settingsStyles();

    page.add<SpeakerView>(theme.colours.white).setBounds(kSpeaker);
    page.add<LabelView>("Sounds", styles.heading).setBounds(kHeading);
    page.add<FillView>(styles.columnRule).setBounds(kColumnRule);
    for (const SoundSlotPlace& s : kSlots) {
        page.add<CheckBoxView>(d.*s.enable, theme.checkBox).setBounds(inRow(kEnable, s.at));
        page.add<LabelView>(s.label, styles.label).setBounds(inRow(kLabel, s.at));
        page.add<EditView>(d.*s.path, styles.edit).setBounds(inRow(kPath, s.at));
        for (std::size_t i = 0; i < std::size(kButtons); ++i) {
            auto& button = page.add<ButtonView>("", styles.pictureButton);
            const int left = kFirstButton + static_cast<int>(i) * kButtonStep;
            button.setBounds(inRow(placed(left, 0, kPictureButton.width, kPictureButton.height), s.at));
            button.setGlyph(kButtons[i].glyph);
            button.setHint(kButtons[i].hint);
            const int slot = s.slot;
            const auto click = kButtons[i].click;
            button.onClick = [&d, slot, click] { (d.*click)(slot); };
        }
    }
    addButton(page, "Reset to default", theme.button, kReset, [&d] { d.SpeedButton22Click(); });
}

}  // namespace norvi
