// The widget kit from the keyboard: Space and Enter on buttons and check boxes, focus
// marks that show only once the keyboard was used, and Tab scrolling a view into sight.
#include <string>
#include <vector>

#include "kit_fixture.h"
#include "ui/kit/button_view.h"
#include "ui/kit/check_box_view.h"
#include "ui/kit/edit_view.h"
#include "ui/kit/list_box_view.h"
#include "ui/kit/scroll_area_view.h"
#include "ui/kit/slider_view.h"
#include "ui/kit/virtual_keys.h"

namespace norvi::test {
namespace {

using namespace ui::kit;

class KitKeyboardTest : public KitTest {
protected:
    ui::CheckBox sound{"Sound"};
    ui::Edit text{"abc"};
    ui::Slider level{0, 10, 5};
    Form form{win, pf.text, pf.clock, kSize, kBackground};
    ButtonView& ok = form.add<ButtonView>("OK", theme.button);
    CheckBoxView& box = form.add<CheckBoxView>(sound, theme.checkBox);
    EditView& edit = form.add<EditView>(text, theme.edit);
    SliderView& slider = form.add<SliderView>(level, theme.slider);
    int clicks = 0;
    std::vector<int> unused;  // keys that reached the dialog

    void SetUp() override {
        ok.setBounds(Rect::fromSize(10, 10, 75, 25));
        box.setBounds(Rect::fromSize(10, 50, 140, 17));
        edit.setBounds(Rect::fromSize(10, 80, 105, 21));
        slider.setBounds(Rect::fromSize(10, 120, 193, 25));
        ok.onClick = [this] { ++clicks; };
        form.onUnusedKey = [this](int vk, KeyModifiers) { unused.push_back(vk); };
        win.onFocusGained();
    }
    void keyUp(int vk) { win.onKeyUp(vk); }
};

// What a key sequence does to the focused control.
enum class Step { Down, Up, Tab };
struct KeyCase {
    const char* what;
    bool onCheckBox;  // else on the button
    std::vector<std::pair<Step, int>> keys;
    KeyModifiers modifiers;
    int clicks;    // of the button
    bool checked;  // the check box afterwards
    std::vector<int> unused;
    bool held = false;  // still showing pressed at the end
};

TEST_F(KitKeyboardTest, SpaceAndEnterPressTheFocusedControlAsWindowsButtonsDo) {
    const KeyCase cases[] = {
        {"Space clicks a button on its release", false, {{Step::Down, kVkSpace}, {Step::Up, kVkSpace}}, {}, 1, false, {}},
        {"Space held repeats without more clicks", false,
         {{Step::Down, kVkSpace}, {Step::Down, kVkSpace}, {Step::Down, kVkSpace}, {Step::Up, kVkSpace}}, {}, 1, false, {}},
        {"Space down alone holds the button without a click", false, {{Step::Down, kVkSpace}}, {}, 0, false, {}, true},
        {"the focus leaving ends a Space press without a click", false,
         {{Step::Down, kVkSpace}, {Step::Tab, 0}, {Step::Up, kVkSpace}}, {}, 0, false, {}},
        {"Enter clicks a button at once", false, {{Step::Down, kVkReturn}}, {}, 1, false, {}},
        {"Control+Space is not a press", false, {{Step::Down, kVkSpace}, {Step::Up, kVkSpace}}, {.control = true}, 0,
         false, {kVkSpace}},
        {"Escape goes on to the dialog", false, {{Step::Down, kVkEscape}}, {}, 0, false, {kVkEscape}},
        {"Space toggles a check box on its release", true, {{Step::Down, kVkSpace}, {Step::Up, kVkSpace}}, {}, 0, true, {}},
        {"Enter on a check box goes on to the dialog", true, {{Step::Down, kVkReturn}}, {}, 0, false, {kVkReturn}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        clicks = 0;
        unused.clear();
        sound.setChecked(false);
        form.setFocus(nullptr);  // lets go of a press the previous case left held
        form.setFocus(c.onCheckBox ? static_cast<View*>(&box) : &ok);
        for (const auto& [step, vk] : c.keys) {
            if (step == Step::Down) key(vk, c.modifiers);
            if (step == Step::Up) keyUp(vk);
            if (step == Step::Tab) key(kVkTab);
        }
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_EQ(sound.checked(), c.checked);
        EXPECT_EQ(unused, c.unused);
        EXPECT_EQ(ok.isPressed(), c.held && !c.onCheckBox);
        if (c.held) {
            EXPECT_EQ(pixel({12, 12}), theme.button.pressedFace) << "looks pressed while held";
        }
        EXPECT_FALSE(box.isPressed());
    }
}

TEST_F(KitKeyboardTest, FocusMarksShowOnlyOnceTheKeyboardWasUsed) {
    const Point corner{10 + 3, 10 + 3};  // where the button's dotted mark starts
    const Colour face = theme.button.face, mark = theme.button.text;
    // A click focuses the button, but the mouse alone never shows a mark.
    press({20, 20});
    release({80, 80});  // released off the button: no click
    ASSERT_EQ(form.focused(), &ok);
    EXPECT_EQ(pixel(corner), face);

    key(kVkTab, {.shift = true});
    key(kVkTab);
    ASSERT_EQ(form.focused(), &ok);
    EXPECT_EQ(pixel(corner), mark) << "after Tab the focused button shows its mark";
    EXPECT_EQ(pixel({corner.x + 1, corner.y}), face) << "a dotted line";

    win.onFocusLost();
    EXPECT_EQ(pixel(corner), face) << "not while the window is inactive";
    win.onFocusGained();
    EXPECT_EQ(pixel(corner), mark);

    // The check box marks its caption; typing in the edit field shows no marks by itself.
    key(kVkTab);
    ASSERT_EQ(form.focused(), &box);
    EXPECT_EQ(pixel(corner), face) << "the mark moved off the button";
    const Rect caption = Rect::fromSize(10 + 13 + 6 - 2, 50, 100, 17);
    int marked = 0;
    for (int x = caption.left; x < caption.right; ++x) marked += pixel({x, caption.top + 1}) == theme.checkBox.text;
    EXPECT_GT(marked, 5) << "dots along the caption's top";

    key(kVkTab);
    key(kVkTab);
    ASSERT_EQ(form.focused(), &slider);
    EXPECT_EQ(pixel({10, 120}), theme.slider.thumbHover) << "the slider is framed";

    form.hideFocusCues();  // the dialog opens again
    form.setFocus(&ok);
    form.repaint();
    EXPECT_EQ(pixel(corner), face);
    type("x");
    EXPECT_EQ(pixel(corner), face) << "characters are not navigation";
    key(kVkRight);
    EXPECT_EQ(pixel(corner), mark) << "an arrow key is";
}

TEST_F(KitTest, AListMarksItsSelectedRowOrItsTopRow) {
    Form form(win, pf.text, pf.clock, kSize, kBackground);
    auto& list = form.add<ListBoxView>(theme.listBox);
    list.setBounds(Rect::fromSize(10, 10, 200, 100));
    for (const char* item : {"one", "two", "three"}) list.add(item);
    win.onFocusGained();
    key(kVkTab);
    ASSERT_EQ(form.focused(), &list);
    // Rows start inside the one-pixel border, 16 pixels each.
    EXPECT_EQ(pixel({11, 11}), theme.listBox.text) << "the top row, none selected";
    key(kVkDown);
    ASSERT_EQ(list.selected(), 0);
    key(kVkDown);
    EXPECT_EQ(pixel({11, 11}), theme.listBox.background) << "the mark moved";
    EXPECT_EQ(pixel({11, 11 + 16}), theme.listBox.selectedText) << "on the selected row";
    EXPECT_EQ(pixel({12, 11 + 16}), theme.listBox.selected) << "dotted";
}

TEST_F(KitTest, TabScrollsTheFocusedViewIntoSight) {
    Form form(win, pf.text, pf.clock, kSize, kBackground);
    auto& area = form.add<ScrollAreaView>(theme.scrollArea);
    area.setBounds(Rect::fromSize(0, 0, 300, 200));
    area.setContentHeight(1000);
    auto& top = area.add<ButtonView>("Top", theme.button);
    top.setBounds(Rect::fromSize(10, 10, 75, 25));
    auto& low = area.add<ButtonView>("Low", theme.button);
    low.setBounds(Rect::fromSize(10, 600, 75, 25));
    auto& outside = form.add<ButtonView>("Outside", theme.button);
    outside.setBounds(Rect::fromSize(310, 10, 75, 25));

    key(kVkTab);
    EXPECT_EQ(area.offset(), 0) << "in sight already";
    key(kVkTab);
    ASSERT_EQ(form.focused(), &low);
    EXPECT_EQ(area.offset(), 625 - 200) << "just enough to show its bottom edge";
    key(kVkTab);
    EXPECT_EQ(area.offset(), 625 - 200) << "a view outside the area moves nothing";
    key(kVkTab);
    ASSERT_EQ(form.focused(), &top);
    EXPECT_EQ(area.offset(), 10) << "back up to its top edge";
}

}  // namespace
}  // namespace norvi::test
