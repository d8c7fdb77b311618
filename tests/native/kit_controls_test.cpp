// Check boxes, sliders, edit fields, tab strips and swatches driving their models.
#include <string>
#include <vector>

#include "kit_fixture.h"
#include "ui/kit/check_box_view.h"
#include "ui/kit/edit_view.h"
#include "ui/kit/swatch_view.h"
#include "ui/kit/slider_view.h"
#include "ui/kit/tab_strip_view.h"
#include "ui/kit/virtual_keys.h"

namespace norvi::test {
namespace {

using namespace ui::kit;

TEST_F(KitTest, CheckBoxClickTogglesTheModelAndRunsItsActionOnce) {
    ui::CheckBox box("Sound");
    std::vector<bool> actions;
    box.onClick = [&] { actions.push_back(box.checked()); };
    Form form(win, pf.text, pf.clock, kSize, kBackground);
    form.add<CheckBoxView>(box, theme.checkBox).setBounds(Rect::fromSize(10, 10, 120, 17));
    const Point tickPixel{10 + 5, 10 + 2 + 8};  // on the tick's lower stroke

    form.repaint();
    EXPECT_NE(pixel(tickPixel), theme.checkBox.tick);
    click({20, 15});
    EXPECT_TRUE(box.checked());
    EXPECT_EQ(actions, (std::vector<bool>{true}));
    EXPECT_EQ(pixel(tickPixel), theme.checkBox.tick);
    click({100, 15});  // on the caption
    EXPECT_EQ(actions, (std::vector<bool>{true, false}));

    press({20, 15});
    release({200, 200});
    EXPECT_EQ(actions.size(), 2u) << "released off the box: no click";

    box.setChecked(true);  // from code: the view follows at the next turn of the loop
    pf.clock.advance(20);
    EXPECT_EQ(pixel(tickPixel), theme.checkBox.tick);
}

class KitSliderTest : public KitTest {
protected:
    // 110 pixels wide with a 10-pixel thumb: 100 pixels of travel for 0..50, two a step.
    ui::Slider level{0, 50, 10};
    std::vector<int> changes;
    Form form{win, pf.text, pf.clock, kSize, kBackground};
    SliderView& view = form.add<SliderView>(level, theme.slider);
    static constexpr int kLeft = 20, kMid = 12;

    void SetUp() override {
        view.setBounds(Rect::fromSize(kLeft, 0, 110, 25));
        level.onChange = [this] { changes.push_back(level.position()); };
    }
    int thumbAt() const { return kLeft + view.thumbLeftFor(level.position()); }
};

TEST_F(KitSliderTest, DragMovesThroughEveryPositionAndClampsAtTheEnds) {
    const int grab = thumbAt() + 5;  // the thumb's middle: position 10 at thumb left 20
    press({grab, kMid});
    EXPECT_TRUE(changes.empty()) << "a press on the thumb does not move it";
    for (int x = grab + 1; x <= grab + 6; ++x) moveTo({x, kMid});
    EXPECT_EQ(changes, (std::vector<int>{11, 12, 13})) << "one change per position reached";
    changes.clear();
    moveTo({kLeft + 500, kMid});
    moveTo({kLeft + 600, kMid});
    EXPECT_EQ(changes, (std::vector<int>{50})) << "past the right end it stays at the maximum";
    moveTo({-300, kMid});
    release({-300, kMid});
    EXPECT_EQ(level.position(), 0);
    EXPECT_EQ(changes.back(), 0);
}

TEST_F(KitSliderTest, PressOnTheTrackJumpsThere) {
    press({kLeft + 5 + 80, kMid});  // thumb centred at 80 pixels: position 40
    release({kLeft + 5 + 80, kMid});
    EXPECT_EQ(changes, (std::vector<int>{40}));
}

TEST_F(KitSliderTest, KeysStepPageAndGoToTheEnds) {
    click({thumbAt() + 5, kMid});  // focus
    struct Case {
        int vk;
        int expected;
    };
    const Case cases[] = {{kVkRight, 11}, {kVkLeft, 10}, {kVkUp, 9}, {kVkDown, 10}, {kVkPageDown, 20},
                          {kVkPageUp, 10}, {kVkEnd, 50}, {kVkRight, 50}, {kVkHome, 0}, {kVkLeft, 0}};
    for (const Case& c : cases) {
        key(c.vk);
        EXPECT_EQ(level.position(), c.expected) << "key " << c.vk;
    }
    EXPECT_EQ(changes, (std::vector<int>{11, 10, 9, 10, 20, 10, 50, 0})) << "no change action at a bound";
}

TEST_F(KitTest, EditTypingAndCaretKeys) {
    struct Case {
        const char* what;
        std::string initial;
        int maxLength;
        std::function<void(KitTest&)> input;
        std::string text;
        std::size_t caret;
    };
    const Case cases[] = {
        {"typing appends", "", 0, [](KitTest& t) { t.type("abc"); }, "abc", 3},
        {"maximum length stops typing", "ab", 4, [](KitTest& t) { t.type("cdef"); }, "abcd", 4},
        {"backspace", "abc", 0, [](KitTest& t) { t.key(kVkBack); t.key(kVkBack); }, "a", 1},
        {"backspace at the start", "abc", 0, [](KitTest& t) { t.key(kVkHome); t.key(kVkBack); }, "abc", 0},
        {"delete at the caret", "abc", 0, [](KitTest& t) { t.key(kVkHome); t.key(kVkDelete); }, "bc", 0},
        {"delete at the end", "abc", 0, [](KitTest& t) { t.key(kVkDelete); }, "abc", 3},
        {"home then type", "bc", 0, [](KitTest& t) { t.key(kVkHome); t.type("a"); }, "abc", 1},
        {"end after left", "ac", 0, [](KitTest& t) { t.key(kVkLeft); t.type("b"); t.key(kVkEnd); }, "abc", 3},
        {"left and right stop at the ends", "ab", 0,
         [](KitTest& t) { for (int i = 0; i < 4; ++i) t.key(kVkLeft); t.key(kVkRight); }, "ab", 1},
        {"backspace removes a whole character", "a\xC3\xA9", 0, [](KitTest& t) { t.key(kVkBack); }, "a", 1},
        {"typed code point becomes UTF-8", "", 0, [](KitTest& t) { t.win.onChar(U'\u010D'); }, "\xC4\x8D", 2},
        {"maximum counts characters, not bytes", "\xC3\xA9\xC3\xA9", 3, [](KitTest& t) { t.type("xy"); },
         "\xC3\xA9\xC3\xA9x", 5},
        {"control characters are not text", "a", 0, [](KitTest& t) { t.type("\b\t\r"); }, "a", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui::Edit model(c.initial, c.maxLength);
        int changes = 0;
        model.onChange = [&] { ++changes; };
        Form form(win, pf.text, pf.clock, kSize, kBackground);
        auto& edit = form.add<EditView>(model, theme.edit);
        edit.setBounds(Rect::fromSize(10, 10, 200, 21));
        click({100, 20});  // focus; the caret goes to the end of the short text
        c.input(*this);
        EXPECT_EQ(model.text(), c.text);
        EXPECT_EQ(edit.caret(), c.caret);
        EXPECT_EQ(changes > 0, model.text() != c.initial) << "onChange runs exactly when the text changes";
    }
}

TEST_F(KitTest, ReadOnlyEditMovesItsCaretButKeepsItsText) {
    ui::Edit model("C:\\a.wav");
    Form form(win, pf.text, pf.clock, kSize, kBackground);
    auto& edit = form.add<EditView>(model, theme.edit);
    edit.setBounds(Rect::fromSize(10, 10, 200, 21));
    edit.setReadOnly(true);
    click({100, 20});
    type("x");
    key(kVkBack);
    key(kVkHome);
    key(kVkDelete);
    EXPECT_EQ(model.text(), "C:\\a.wav");
    EXPECT_EQ(edit.caret(), 0u);
}

TEST_F(KitTest, EditClickPlacesTheCaretAndShowsItOnlyWhileTheWindowHasFocus) {
    ui::Edit model("abcdef");
    Form form(win, pf.text, pf.clock, kSize, kBackground);
    auto& edit = form.add<EditView>(model, theme.edit);
    edit.setBounds(Rect::fromSize(10, 10, 200, 21));
    win.onFocusGained();
    // Bold 13-pixel text advances 7 pixels with ink across each whole advance; the text
    // starts 4 pixels inside the field, at x 14.
    click({14 + 7 * 2 + 2, 20});  // nearer the boundary after "ab"
    EXPECT_EQ(edit.caret(), 2u);
    click({150, 20});  // past the end
    EXPECT_EQ(edit.caret(), 6u);
    const Point caret{14 + 7 * 6, 20};
    EXPECT_EQ(pixel(caret), theme.edit.caret);
    win.onFocusLost();
    EXPECT_EQ(pixel(caret), model.background());
}

TEST_F(KitTest, TabStripRunsThePressHookBeforeSelecting) {
    std::vector<std::string> log;
    Form form(win, pf.text, pf.clock, kSize, kBackground);
    auto& tabs = form.add<TabStripView>(std::vector<std::string>{" One ", " Two "}, theme.tabStrip);
    tabs.setBounds(Rect::fromSize(0, 0, 300, 30));
    tabs.onPress = [&](MouseButton b, Point) {
        log.push_back(b == MouseButton::Left ? "press" : "press right");
        win.startSystemMove();  // as the dialog does: the move ends the capture
        log.push_back(form.captured() ? "still captured" : "capture ended");
    };
    tabs.onSelect = [&](int i) { log.push_back("select " + std::to_string(i)); };
    const Point second = {tabs.tabRect(1).left + 3, 15};

    press(second);
    release(second);
    EXPECT_EQ(log, (std::vector<std::string>{"press", "capture ended", "select 1"}));
    EXPECT_EQ(tabs.selected(), 1);
    EXPECT_EQ(win.systemMoves, 1);

    log.clear();
    click(second);  // already selected
    press({tabs.tabRect(0).left + 3, 15}, MouseButton::Right);
    press({295, 15});  // the strip right of the tabs
    EXPECT_EQ(log, (std::vector<std::string>{"press", "capture ended", "press right", "capture ended", "press",
                                             "capture ended"}));
    EXPECT_EQ(tabs.selected(), 1);

    form.repaint();
    const Rect first = tabs.tabRect(0), chosen = tabs.tabRect(1);
    EXPECT_EQ(first.top, 4) << "26-pixel tabs sit on the strip's bottom edge";
    EXPECT_EQ(pixel({first.left + 1, first.top + 1}), theme.colours.unselectedTab);
    EXPECT_EQ(pixel({chosen.left + 1, chosen.top + 1}), theme.colours.page);
    EXPECT_EQ(pixel({first.left + 1, 1}), theme.colours.stripBackground);
}

TEST_F(KitTest, SwatchShowsThePanelColourBesideItsButton) {
    ui::Panel colour("", 0x00C0C0C0);
    Form form(win, pf.text, pf.clock, kSize, kBackground);
    auto& swatch = form.add<SwatchView>(colour, "On Text Color", theme.swatch, theme.button);
    swatch.setBounds(Rect::fromSize(10, 10, 137, 25));
    int clicks = 0;
    swatch.button().onClick = [&] { ++clicks; };

    EXPECT_EQ(swatch.button().bounds(), Rect::fromSize(26, 1, 110, 23));
    form.repaint();
    EXPECT_EQ(pixel({10, 10}), theme.swatch.border);
    EXPECT_EQ(pixel({10 + 1, 10 + 12}), 0x00C0C0C0u);
    EXPECT_EQ(pixel({10 + 25, 10 + 12}), 0x00C0C0C0u) << "the strip of colour left of the button";
    EXPECT_EQ(pixel({10 + 26, 10 + 12}), theme.button.border);
    click({10 + 100, 20});
    EXPECT_EQ(clicks, 1);
    colour.setColour(0x000000FF);
    pf.clock.advance(20);
    EXPECT_EQ(pixel({10 + 5, 10 + 12}), 0x000000FFu);
}

}  // namespace
}  // namespace norvi::test
