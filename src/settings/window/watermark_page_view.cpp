#include "settings/window/watermark_page_view.h"

#include <string>

#include "app/program.h"
#include "settings/tfcolors.h"
#include "settings/window/font_box_view.h"
#include "settings/window/icon_preview_view.h"
#include "settings/window/position_grid_view.h"
#include "settings/window/settings_styles.h"
#include "settings/window/simple_views.h"
#include "ui/kit/button_view.h"
#include "ui/kit/check_box_view.h"
#include "ui/kit/edit_view.h"
#include "ui/kit/geometry.h"
#include "ui/kit/group_box_view.h"
#include "ui/kit/label_view.h"
#include "ui/kit/list_box_view.h"
#include "ui/kit/slider_view.h"
#include "ui/kit/swatch_view.h"

namespace norvi {

namespace {

using namespace ui::kit;

enum class Text { Heading, Section, Label };

struct LabelPlace {
    const char* text;
    Rect bounds;
    Text kind;
};

// Page coordinates, top to bottom.
constexpr LabelPlace kLabels[] = {
    {"Desktop Watermark Indicator ", placed(24, 16, 300, 18), Text::Heading},
    {"Text", placed(32, 136, 100, 18), Text::Section},
    {"Font Size", placed(64, 426, 90, 17), Text::Label},
    {"Font Name", placed(560, 426, 90, 17), Text::Label},
    {"Icon", placed(32, 520, 100, 18), Text::Section},
    {"Position", placed(119, 782, 100, 18), Text::Section},
    {"Opacity", placed(440, 816, 170, 17), Text::Label},
    {"Hide the displayed text after", placed(440, 874, 170, 17), Text::Label},
};

constexpr Rect kSeparators[] = {placed(31, 128, 993, 1), placed(31, 512, 993, 1), placed(30, 738, 993, 1)};

struct BoxPlace {
    ui::CheckBox Tfcolors::*box;
    Rect bounds;
};

constexpr BoxPlace kPageBoxes[] = {
    {&Tfcolors::CbShowCaps, placed(64, 71, 130, 17)},
    {&Tfcolors::cbShowNum, placed(205, 71, 130, 17)},
    {&Tfcolors::cbTimer, placed(621, 922, 164, 17)},
};

// The two text groups; inside each, the on row and the off row.
struct TextRow {
    const char* label;
    ui::Edit Tfcolors::*edit;
    ui::Panel Tfcolors::*swatch;
    const char* button;
    int colourButton;  // textColourClick's index
    ui::CheckBox Tfcolors::*transparent;
};

struct TextGroup {
    const char* caption;
    Rect bounds;
    TextRow rows[2];
};

constexpr TextGroup kTextGroups[] = {
    {" Caps Lock ",
     placed(60, 190, 453, 164),
     {{"On Text", &Tfcolors::edclon, &Tfcolors::Panel7, "On Text Color", 0, &Tfcolors::sdclon},
      {"Off Text", &Tfcolors::edcloff, &Tfcolors::Panel11, "Off Text Color", 1, &Tfcolors::sdclOff}}},
    {" Num Lock ",
     placed(540, 190, 453, 164),
     {{"On Text", &Tfcolors::ednlon, &Tfcolors::Panel15, "On Text Color", 2, &Tfcolors::sdnlOn},
      {"Off Text", &Tfcolors::ednloff, &Tfcolors::Panel17, "Off Text Color", 3, &Tfcolors::sdnlOff}}},
};

// Inside a group, for row 0 and row 1 (42 pixels lower).
constexpr int kRowStep = 42;
constexpr Rect kRowLabel = placed(16, 54, 44, 17);
constexpr Rect kRowEdit = placed(61, 52, 105, 21);
constexpr Rect kRowSwatch = placed(182, 50, 137, 25);
constexpr Rect kRowTransparent = placed(342, 54, 100, 17);

struct SliderPlace {
    ui::Slider Tfcolors::*slider;
    std::string Tfcolors::*valueLabel;
    Rect bounds;
    Rect value;
};

constexpr SliderPlace kSliders[] = {
    {&Tfcolors::sdFontSize, &Tfcolors::fontSizeLabel, placed(160, 422, 193, 25), placed(365, 428, 100, 17)},
    {&Tfcolors::floatOpa, &Tfcolors::opacityLabel, placed(620, 812, 193, 25), placed(822, 818, 100, 17)},
    {&Tfcolors::sdTimeOut, &Tfcolors::timeOutLabel, placed(620, 870, 193, 25), placed(822, 876, 100, 17)},
};

constexpr Rect kFontBox = placed(652, 423, 193, 22);
constexpr int kFontListHeight = 200;
constexpr Rect kSample = placed(861, 414, 89, 41);
constexpr Rect kIconPreview = placed(116, 568, 81, 81);
constexpr Rect kIconSwatch = placed(213, 596, 140, 25);
constexpr Rect kNextDisplay = placed(145, 1031, 140, 25);
constexpr Rect kReset = placed(821, 1031, 132, 22);

Rect rowBounds(const Rect& r, int row) { return offsetBy(r, 0, row * kRowStep); }

}  // namespace

void buildWatermarkPage(View& page, const PageContext& context) {
    Tfcolors& d = context.dialog;
    const Theme& theme = context.theme;
    const SettingsStyles& styles = settingsStyles();

    for (const LabelPlace& l : kLabels) {
        const LabelStyle& style = l.kind == Text::Heading   ? styles.heading
                                  : l.kind == Text::Section ? styles.sectionLabel
                                                            : styles.label;
        page.add<LabelView>(l.text, style).setBounds(l.bounds);
    }
    for (const Rect& r : kSeparators) page.add<FillView>(styles.separator).setBounds(r);
    for (const BoxPlace& b : kPageBoxes) page.add<CheckBoxView>(d.*b.box, theme.checkBox).setBounds(b.bounds);

    for (const TextGroup& g : kTextGroups) {
        auto& group = page.add<GroupBoxView>(g.caption, theme.groupBox);
        group.setBounds(g.bounds);
        for (int row = 0; row < 2; ++row) {
            const TextRow& r = g.rows[row];
            group.add<LabelView>(r.label, styles.softLabel).setBounds(rowBounds(kRowLabel, row));
            group.add<EditView>(d.*r.edit, styles.edit).setBounds(rowBounds(kRowEdit, row));
            auto& swatch = group.add<SwatchView>(d.*r.swatch, r.button, theme.swatch, styles.colourButton);
            swatch.setBounds(rowBounds(kRowSwatch, row));
            const int button = r.colourButton;
            swatch.button().onClick = [&d, button] { d.textColourClick(button); };
            group.add<CheckBoxView>(d.*r.transparent, theme.checkBox).setBounds(rowBounds(kRowTransparent, row));
        }
    }

    for (const SliderPlace& s : kSliders) {
        page.add<SliderView>(d.*s.slider, theme.slider).setBounds(s.bounds);
        std::string Tfcolors::*label = s.valueLabel;
        page.add<LiveTextView>([&d, label] { return d.*label; }, styles.label).setBounds(s.value);
    }

    auto& fontBox = page.add<FontBoxView>(d.FCB, context.program.watermark.SelectedFont, styles.edit);
    fontBox.setBounds(kFontBox);
    auto& sample = page.add<LiveTextView>([] { return std::string("Abc"); }, styles.label, TextAlign::Center);
    sample.setFontSource([&d, height = styles.sampleHeight] { return FontSpec{d.sampleFace, height}; });
    sample.setBounds(kSample);

    page.add<IconPreviewView>([&d] { return &d.ImagebARVA; }, d.Panel5, theme.colours.buttonBorder)
        .setBounds(kIconPreview);
    auto& icon = page.add<SwatchView>(d.Panel5, "Icon Color", theme.swatch, styles.colourButton);
    icon.setBounds(kIconSwatch);
    icon.button().onClick = [&d] { d.iconColourClick(); };

    const PositionGridLayout& grid = positionGridLayout();
    page.add<PositionGridView>(d).setBounds(Rect::fromSize(kPositionGridAt.x, kPositionGridAt.y, grid.frame.width(),
                                                            grid.base.bottom));

    auto& nextDisplay = addButton(page, "Show on next display", theme.button, kNextDisplay, [&d] { d.xiNextMonitorClick(); });
    nextDisplay.setHint("Show to next monitor");
    nextDisplay.setVisible(d.xiNextMonitorVisible);
    addButton(page, "Reset to default", theme.button, kReset, [&d] { d.sbREset10Click(); });

    // Last, so that the open list paints over the controls below the field.
    fontBox.attachList(page.add<ListBoxView>(theme.listBox), kFontListHeight);
}

}  // namespace norvi
