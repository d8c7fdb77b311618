// The settings window's Watermark, Floating and Sounds pages: each control reached with
// the mouse runs the handler that exists for it.
#include "settings/window/font_box_view.h"
#include "settings/window/position_grid_view.h"
#include "settings/window/simple_views.h"
#include "settings_window_fixture.h"
#include "ui/kit/button_view.h"
#include "ui/kit/group_box_view.h"
#include "ui/kit/label_view.h"
#include "ui/kit/list_box_view.h"
#include "ui/kit/scroll_area_view.h"
#include "ui/kit/slider_view.h"
#include "ui/kit/swatch_view.h"

namespace norvi::test {
namespace {

class SettingsWindowPages : public SettingsWindowTest {
protected:
    ui::kit::ButtonView& button(const std::string& caption, int page) {
        auto found = viewsWhere<ui::kit::ButtonView>([&](ui::kit::ButtonView& b) {
            return b.caption() == caption && b.isWithin(sw().pageView(page));
        });
        EXPECT_EQ(found.size(), 1u) << caption;
        return *found.at(0);
    }
    ui::kit::SwatchView& swatchOf(const ui::Panel& model) {
        auto* view = viewOf<ui::kit::SwatchView>(model);
        EXPECT_NE(view, nullptr);
        return *view;
    }
    void chooseColour(Colour c) { pf.prompts.colourAnswers.push_back(fake::FakeDialogs::ColourAnswer{c, std::nullopt}); }
};

// The words a page shows beside its controls: every label, with each group box's labels
// under the group's caption, in tree order.
TEST_F(SettingsWindowPages, TheBasicAndFloatingPagesShowExactlyTheirOwnCaptions) {
    start();
    const auto wordsOn = [&](int page) {
        std::vector<std::string> words;
        std::function<void(ui::kit::View&, const std::string&)> walk = [&](ui::kit::View& v, const std::string& in) {
            std::string group = in;
            if (auto* box = dynamic_cast<ui::kit::GroupBoxView*>(&v)) group = box->caption() + ": ";
            if (auto* label = dynamic_cast<ui::kit::LabelView*>(&v)) words.push_back(group + label->text());
            for (const auto& child : v.children()) walk(*child, group);
        };
        walk(sw().pageView(page), "");
        return words;
    };
    EXPECT_EQ(wordsOn(0), std::vector<std::string>{}) << "the Basic page has no heading, only its groups and boxes";
    EXPECT_EQ(wordsOn(2), (std::vector<std::string>{"Floating Indicator on Desktop", " Caps Lock : On Text",
                                                    " Caps Lock :  Off Text", " Num Lock : On Text",
                                                    " Num Lock : Off Text", "Opacity"}))
        << "the Caps group's off label keeps its leading space; the Num group's has none";
}

TEST_F(SettingsWindowPages, TheNinePositionButtonsSetThePositionAndShowABCOnTheChosenOne) {
    Program& p = start();
    stopPoll();
    whileOpen([&] {
        selectTab(1);
        sw().watermarkScroll().setOffset(1100 - 672);  // the grid sits low on the page
        auto grids = viewsWhere<PositionGridView>([](PositionGridView&) { return true; });
        ASSERT_EQ(grids.size(), 1u);
        const auto& cells = grids[0]->children();
        ASSERT_EQ(cells.size(), 9u);
        for (int position : {1, 9, 4, 5, 3, 7, 2, 8, 6}) {
            click(*cells[static_cast<std::size_t>(position - 1)]);
            EXPECT_EQ(p.watermark.TXTpolozaj, position);
            for (int n = 1; n <= 9; ++n) EXPECT_EQ(d().positionCaption(n), n == position ? "ABC" : "") << position;
        }
        // Neighbouring buttons share their edge pixel; a click there picks exactly one.
        const Rect third = positionGridLayout().cellRect(3), second = positionGridLayout().cellRect(2);
        EXPECT_EQ(second.right - 1, third.left);
        EXPECT_EQ(positionGridLayout().cellRect(9).right, positionGridLayout().screen.right) << "the screen holds the grid";
        click(sw().okButton());
    });
    EXPECT_EQ(p.watermark.TXTpolozaj, 6) << "kept by OK";
}

TEST_F(SettingsWindowPages, WatermarkSlidersShowTheModelsLabels) {
    start();
    whileOpen([&] {
        selectTab(1);
        auto* slider = viewOf<ui::kit::SliderView>(d().sdFontSize);
        ASSERT_NE(slider, nullptr);
        const Point left = inForm(*slider, {2, slider->size().height / 2});
        win().onMouseDown(MouseButton::Left, left);
        win().onMouseUp(MouseButton::Left, left);
        EXPECT_EQ(d().sdFontSize.position(), 6) << "a press at the track's start";
        EXPECT_EQ(d().fontSizeLabel, "6 px");
        auto labels = viewsWhere<LiveTextView>([&](LiveTextView& v) { return v.text() == "6 px"; });
        EXPECT_EQ(labels.size(), 1u) << "the value label reads the model's text";
        click(sw().cancelButton());
    });
    EXPECT_EQ(d().sdFontSize.position(), 300) << "Cancel puts the size back";
}

TEST_F(SettingsWindowPages, AFaceChosenFromTheFontListBecomesTheWatermarkFont) {
    Program& p = start();
    whileOpen([&] {
        selectTab(1);
        auto boxes = viewsWhere<FontBoxView>([](FontBoxView&) { return true; });
        ASSERT_EQ(boxes.size(), 1u);
        click(*boxes[0]);
        ASSERT_TRUE(boxes[0]->open());
        auto lists = viewsWhere<ui::kit::ListBoxView>([](ui::kit::ListBoxView& l) { return l.shown(); });
        ASSERT_EQ(lists.size(), 1u);
        ui::kit::ListBoxView& list = *lists[0];
        EXPECT_EQ(list.items(), pf.text.faces);
        EXPECT_EQ(list.items()[static_cast<std::size_t>(list.selected())], "Arial") << "the face in use is marked";
        const int tahoma = 3;
        ASSERT_EQ(list.items()[tahoma], "Tahoma");
        click(inForm(list, {20, 1 + tahoma * 16 + 8}));
        EXPECT_FALSE(boxes[0]->open());
        EXPECT_EQ(p.watermark.SelectedFont, "Tahoma");
        EXPECT_EQ(d().sampleFace, "Tahoma");
        click(sw().okButton());
    });
}

TEST_F(SettingsWindowPages, ShowOnNextDisplayOnlyWithMoreThanOneDisplay) {
    for (int displays : {1, 2}) {
        pf.display.displayList = {{0, 0, 1920, 1080}};
        if (displays == 2) pf.display.displayList.push_back({1920, 0, 3840, 1080});
        start();
        auto found = viewsWhere<ui::kit::ButtonView>(
            [](ui::kit::ButtonView& b) { return b.caption() == "Show on next display"; });
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0]->visible(), displays > 1) << displays;
        program.reset();
    }
}

struct FloatingButton {
    const char* group;  // which of the page's two groups, by its first colour's swatch
    ui::Panel Tfcolors::*swatch;
    Colour FloatingColours::*value;
    Colour FloatingColours::*pickerStart;
};

TEST_F(SettingsWindowPages, EachFloatingColourButtonOpensThePickerAndPaintsItsSwatch) {
    using F = FloatingColours;
    const FloatingButton buttons[] = {
        {"Caps", &Tfcolors::c5, &F::capsOnFontColor, &F::capsOnFontColor},
        {"Caps", &Tfcolors::c7, &F::capsOffFontColor, &F::capsOnFontColor},
        {"Caps", &Tfcolors::c1, &F::capsOnColor, &F::capsOnColor},
        {"Caps", &Tfcolors::c8, &F::capsOffColor, &F::capsOnColor},
        {"Num", &Tfcolors::c6, &F::numOnFontColor, &F::numOnFontColor},
        {"Num", &Tfcolors::c3, &F::numOffFontColor, &F::numOnFontColor},
        {"Num", &Tfcolors::c2, &F::numOnColor, &F::numOnColor},
        {"Num", &Tfcolors::c9, &F::numOffColor, &F::numOnColor},
    };
    Program& p = start();
    stopPoll();
    whileOpen([&] {
        selectTab(2);
        Colour next = 0x00010203;
        for (const FloatingButton& b : buttons) {
            ui::kit::SwatchView& swatch = swatchOf(d().*b.swatch);
            ASSERT_TRUE(swatch.shown());
            const Colour start = p.colours.*b.pickerStart;
            chooseColour(next);
            click(swatch.button());
            ASSERT_FALSE(pf.prompts.colourRequests.empty());
            EXPECT_EQ(pf.prompts.colourRequests.back().initial, start) << b.group;
            EXPECT_EQ(p.colours.*b.value, next);
            EXPECT_EQ(win().picture.pixel(centreOf(swatch).x - 80 + 10, centreOf(swatch).y), next)
                << "the strip left of the button shows the colour";
            next += 0x00010101;
        }
        click(sw().okButton());
    });
}

TEST_F(SettingsWindowPages, FloatingResetAndSoundsResetRunTheirHandlers) {
    Program& p = start();
    whileOpen([&] {
        selectTab(2);
        d().Edit8.setText("X");
        p.colours.capsOnColor = 0x00000001;
        click(button("Reset to default", 2));
        EXPECT_EQ(d().Edit8.text(), "ABC");
        EXPECT_EQ(p.colours.capsOnColor, FloatingColours{}.capsOnColor);
        selectTab(3);
        d().Edit3.setText("C:\\gone.wav");
        d().cb3.setChecked(false);
        click(button("Reset to default", 3));
        EXPECT_EQ(d().Edit3.text(), "Default");
        EXPECT_TRUE(d().cb3.checked());
        click(sw().okButton());
    });
}

TEST_F(SettingsWindowPages, EachSoundSlotsButtonsTestOpenAndFindForTheirSlot) {
    start();
    ui::Edit Tfcolors::*const fields[] = {&Tfcolors::Edit1, &Tfcolors::Edit2, &Tfcolors::Edit3, &Tfcolors::Edit4};
    pf.disk.files["C:\\Sounds\\found.wav"] = "RIFF";
    int finds = 0;
    d().findSoundFile = [&] {
        ++finds;
        return std::optional<std::string>("C:\\Sounds\\found.wav");
    };
    whileOpen([&] {
        selectTab(3);
        for (int slot = 1; slot <= 4; ++slot) {
            SCOPED_TRACE(slot);
            ui::Edit& field = d().*fields[slot - 1];
            auto* edit = viewOf<ui::kit::EditView>(field);
            ASSERT_NE(edit, nullptr);
            // The three picture buttons follow the field on its row: test, open, find.
            auto rowButtons = viewsWhere<ui::kit::ButtonView>([&](ui::kit::ButtonView& b) {
                return b.isWithin(sw().pageView(3)) && b.bounds().top == edit->bounds().top &&
                       b.bounds().left > edit->bounds().left && b.bounds().left < edit->bounds().left + 400;
            });
            ASSERT_EQ(rowButtons.size(), 3u);
            field.setText("C:\\Sounds\\mine.wav");
            const std::size_t played = pf.audio.played.size();
            click(*rowButtons[0]);
            ASSERT_EQ(pf.audio.played.size(), played + 1);
            EXPECT_EQ(pf.audio.played.back().file, "C:\\Sounds\\mine.wav");
            pf.prompts.fileAnswers.push_back("C:\\Sounds\\opened.wav");
            click(*rowButtons[1]);
            EXPECT_EQ(field.text(), "C:\\Sounds\\opened.wav");
            EXPECT_EQ(field.background(), kMissingSoundFieldColour) << "a path naming no file is marked";
            click(*rowButtons[2]);
            EXPECT_EQ(field.text(), "C:\\Sounds\\found.wav");
            EXPECT_EQ(finds, slot);
        }
        click(sw().okButton());
    });
}

}  // namespace
}  // namespace norvi::test
