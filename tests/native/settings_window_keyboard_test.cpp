// The settings window from the keyboard (Tab order, Space and Enter, focus marks, the
// Watermark page scrolling to the focused control) and its font drop-down closing when
// the user turns elsewhere.
#include <functional>

#include "app/program.h"
#include "settings/window/font_box_view.h"
#include "settings/window/position_grid_view.h"
#include "settings_window_fixture.h"
#include "ui/kit/button_view.h"
#include "ui/kit/list_box_view.h"
#include "ui/kit/scroll_area_view.h"
#include "ui/kit/virtual_keys.h"

namespace norvi::test {
namespace {

using ui::kit::kVkTab;

class SettingsKeyboardTest : public SettingsWindowTest {
protected:
    void key(int vk, KeyModifiers m = {}) { win().onKeyDown(vk, m); }
    void keyUp(int vk) { win().onKeyUp(vk); }
    void space() {
        key(ui::kit::kVkSpace);
        keyUp(ui::kit::kVkSpace);
    }
    ui::kit::View* focused() { return sw().form().focused(); }
    FontBoxView& fontBox() {
        auto boxes = viewsWhere<FontBoxView>([](FontBoxView&) { return true; });
        EXPECT_EQ(boxes.size(), 1u);
        return *boxes.at(0);
    }
    ui::kit::ListBoxView& fontList() {
        auto lists = viewsWhere<ui::kit::ListBoxView>([&](ui::kit::ListBoxView& l) { return l.isWithin(sw().pageView(1)); });
        EXPECT_EQ(lists.size(), 1u);
        return *lists.at(0);
    }
};

TEST_F(SettingsKeyboardTest, TabWalksTheBasicPageAndTheBottomBarAndSpaceOrEnterActs) {
    Program& p = start();
    ui::CheckBox Tfcolors::*const boxes[] = {&Tfcolors::cbText,    &Tfcolors::cbIcon,     &Tfcolors::cbKeepDisplayed,
                                             &Tfcolors::cbNorviondesktop, &Tfcolors::cbNumTray, &Tfcolors::cbSound,
                                             &Tfcolors::cbLoadStart};
    bool textual = false;
    whileOpen([&] {
        win().onFocusGained();
        EXPECT_FALSE(sw().form().focusCuesShown());
        for (ui::CheckBox Tfcolors::*box : boxes) {
            key(kVkTab);
            EXPECT_EQ(focused(), viewOf<ui::kit::CheckBoxView>(d().*box)) << (d().*box).caption();
        }
        EXPECT_TRUE(sw().form().focusCuesShown());
        key(kVkTab);
        EXPECT_EQ(focused(), &sw().closeButton());
        key(kVkTab);
        EXPECT_EQ(focused(), &sw().okButton()) << "the hidden scroll-to-top button is passed by";
        key(kVkTab);
        EXPECT_EQ(focused(), &sw().cancelButton());
        key(kVkTab);
        EXPECT_EQ(focused(), viewOf<ui::kit::CheckBoxView>(d().cbText)) << "round again, past the hidden field";
        key(kVkTab, {.shift = true});
        EXPECT_EQ(focused(), &sw().cancelButton());

        // Space on "Textual Indicator" runs its click action, as a click does.
        key(kVkTab);
        textual = d().cbText.checked();
        space();
        EXPECT_EQ(d().cbText.checked(), !textual);
        EXPECT_EQ(p.mainform->menu.DOD.checked(), !textual) << "the mirrored menu item follows";

        key(kVkTab, {.shift = true});
        key(kVkTab, {.shift = true});
        ASSERT_EQ(focused(), &sw().okButton());
        key(ui::kit::kVkReturn);  // closes with OK
    });
    EXPECT_EQ(pf.prompts.modalsLeftOpen, 0) << "Enter on OK closed the dialog";
    EXPECT_EQ(d().cbText.checked(), !textual) << "kept by OK";
    whileOpen([&] {
        EXPECT_FALSE(sw().form().focusCuesShown()) << "a new opening hides focus marks again";
        EXPECT_EQ(focused(), &sw().focusField());
        click(sw().cancelButton());
    });
}

TEST_F(SettingsKeyboardTest, ControlTabAndControlPageKeysTurnThePages) {
    start();
    whileOpen([&] {
        key(kVkTab);
        ASSERT_NE(focused(), nullptr);
        ASSERT_TRUE(focused()->isWithin(sw().pageView(0)));
        struct Turn {
            int key;
            KeyModifiers modifiers;
            int page;
        };
        const Turn turns[] = {
            {kVkTab, {.control = true}, 1},
            {kVkTab, {.control = true}, 2},
            {ui::kit::kVkPageDown, {.control = true}, 3},
            {kVkTab, {.control = true}, 0},
            {kVkTab, {.shift = true, .control = true}, 3},
            {ui::kit::kVkPageUp, {.control = true}, 2},
            {ui::kit::kVkPageDown, {}, 2},  // without Control: nothing
            {kVkTab, {.control = true, .alt = true}, 2},
        };
        for (const Turn& t : turns) {
            key(t.key, t.modifiers);
            EXPECT_EQ(sw().page(), t.page) << t.key;
            EXPECT_EQ(sw().tabs().selected(), t.page);
        }
        // The focus was on the Basic page, which went away: Tab starts on the page showing.
        key(kVkTab);
        ASSERT_NE(focused(), nullptr);
        EXPECT_TRUE(focused()->isWithin(sw().pageView(2)));
        click(sw().cancelButton());
    });
}

TEST_F(SettingsKeyboardTest, TabScrollsTheWatermarkPageToTheFocusedControl) {
    Program& p = start();
    stopPoll();
    whileOpen([&] {
        win().onFocusGained();
        selectTab(1);
        auto grids = viewsWhere<PositionGridView>([](PositionGridView&) { return true; });
        ASSERT_EQ(grids.size(), 1u);
        ui::kit::View& topLeft = *grids[0]->children().at(0);
        for (int i = 0; i < 60 && focused() != &topLeft; ++i) key(kVkTab);
        ASSERT_EQ(focused(), &topLeft);
        EXPECT_GT(sw().watermarkScroll().offset(), 0);
        const Point at = centreOf(topLeft);
        const Rect pageArea = sw().pageView(1).bounds();
        EXPECT_GE(at.y - topLeft.size().height / 2, pageArea.top) << "in sight";
        EXPECT_LE(at.y + topLeft.size().height / 2, pageArea.bottom) << "in sight";
        space();
        EXPECT_EQ(p.watermark.TXTpolozaj, 1) << "Space on a position button chooses it";
        click(sw().okButton());
    });
}

TEST_F(SettingsKeyboardTest, EnterIsOkAndEscapeCancelWhereverTheFocusIsButOnAButtonOrAnOpenList) {
    const struct {
        const char* what;
        int vk;
        DialogResult result;
    } cases[] = {{"Enter", ui::kit::kVkReturn, DialogResult::OK}, {"Escape", ui::kit::kVkEscape, DialogResult::Cancel}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        start();
        stopPoll();
        const Colour before = d().Panel7.colour();
        whileOpen([&] {
            d().Panel7.setColour(before ^ 0x00000042);
            selectTab(1);
            click(fontBox());
            key(c.vk);
            EXPECT_FALSE(fontBox().open());
            EXPECT_EQ(d().modalResult(), DialogResult::None) << "the key only closed the open list";
            ASSERT_EQ(focused(), &fontBox());
            key(c.vk);
        });
        EXPECT_EQ(pf.prompts.modalsLeftOpen, 0);
        EXPECT_EQ(d().modalResult(), c.result);
        EXPECT_EQ(d().Panel7.colour(), c.result == DialogResult::OK ? before ^ 0x00000042 : before);
        program.reset();
    }
}

TEST_F(SettingsKeyboardTest, TheOpenFontListClosesWithoutAChoiceWhenTheUserTurnsElsewhere) {
    Program& p = start();
    // Each way of turning away from the open list.
    struct TurnAway {
        const char* what;
        std::function<void()> act;
    };
    const TurnAway ways[] = {
        {"a press on another control, which does nothing else",
         [&] { click(*viewOf<ui::kit::CheckBoxView>(d().CbShowCaps)); }},
        {"a press on bare page", [&] { click({20, 100}); }},
        {"a press on the tab strip", [&] { selectTab(0); }},
        {"Tab", [&] { key(kVkTab); }},
        {"Escape, which leaves the dialog open", [&] { key(ui::kit::kVkEscape); }},
        {"the window losing the focus", [&] { win().onFocusLost(); }},
        {"the page scrolling under the wheel", [&] { wheel(-120, {20, 100}); }},
        {"the page scrolling by code", [&] { sw().watermarkScroll().setOffset(40); }},
    };
    whileOpen([&] {
        for (const TurnAway& way : ways) {
            SCOPED_TRACE(way.what);
            win().onFocusGained();
            selectTab(1);
            sw().watermarkScroll().setOffset(0);
            const bool showCaps = d().CbShowCaps.checked();
            click(fontBox());
            ASSERT_TRUE(fontBox().open());
            way.act();
            EXPECT_FALSE(fontBox().open());
            EXPECT_FALSE(fontList().visible());
            EXPECT_EQ(p.watermark.SelectedFont, "Arial") << "no choice";
            EXPECT_EQ(d().CbShowCaps.checked(), showCaps) << "the closing press did nothing else";
            EXPECT_EQ(sw().page(), 1) << "the closing press selected no tab";
            EXPECT_TRUE(d().visible());
        }
        click(sw().cancelButton());
    });
}

TEST_F(SettingsKeyboardTest, TheOpenFontListKeepsTheWheelAndTheKeyboardChoosesFaces) {
    Program& p = start();
    pf.text.faces.clear();
    for (char c = 'A'; c <= 'Z'; ++c) pf.text.faces.push_back(std::string("Face ") + c);
    pf.text.faces.push_back("Arial");
    std::sort(pf.text.faces.begin(), pf.text.faces.end());
    program.reset();
    Program& q = start();
    (void)p;
    whileOpen([&] {
        win().onFocusGained();
        selectTab(1);
        click(fontBox());
        ASSERT_TRUE(fontBox().open());
        ASSERT_TRUE(fontList().scroll().scrolls()) << "more faces than rows";
        const int listTop = fontList().scroll().offset();
        wheel(-120, centreOf(fontList()));
        EXPECT_TRUE(fontBox().open()) << "the wheel over the list scrolls the list";
        EXPECT_GT(fontList().scroll().offset(), listTop);
        EXPECT_EQ(sw().watermarkScroll().offset(), 0) << "and not the page";

        // The focus stayed with the field; Down chooses the next face, the list follows.
        EXPECT_EQ(focused(), &fontBox());
        key(ui::kit::kVkDown);
        EXPECT_EQ(q.watermark.SelectedFont, "Face A");
        EXPECT_EQ(fontList().items()[static_cast<std::size_t>(fontList().selected())], "Face A");
        key(ui::kit::kVkReturn);
        EXPECT_FALSE(fontBox().open()) << "Enter closes the list";
        EXPECT_TRUE(d().visible()) << "and does not reach the dialog";
        key(0x73);  // F4
        EXPECT_TRUE(fontBox().open());
        key(0x73);
        EXPECT_FALSE(fontBox().open());
        key(ui::kit::kVkEnd);
        EXPECT_EQ(q.watermark.SelectedFont, "Face Z");
        key(ui::kit::kVkHome);
        EXPECT_EQ(q.watermark.SelectedFont, "Arial");
        key(ui::kit::kVkUp);
        EXPECT_EQ(q.watermark.SelectedFont, "Arial") << "the first face stays";
        click(sw().okButton());
    });
}

}  // namespace
}  // namespace norvi::test
