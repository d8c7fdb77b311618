// The form's routing of input to views, hover and press looks, and repaint coalescing.
#include <vector>

#include "fixture.h"
#include "kit_fixture.h"
#include "ui/kit/button_view.h"
#include "ui/kit/check_box_view.h"
#include "ui/kit/edit_view.h"
#include "ui/kit/group_box_view.h"
#include "ui/kit/label_view.h"
#include "ui/kit/list_box_view.h"
#include "ui/kit/scroll_area_view.h"
#include "ui/kit/slider_view.h"
#include "ui/kit/virtual_keys.h"

namespace norvi::test {
namespace {

using namespace ui::kit;

TEST_F(KitTest, PressesGoToTheDeepestViewThatTakesTheMouseAndBareAreaToTheHook) {
    ui::CheckBox box("Sound");
    Form form(win, pf.text, pf.clock, kSize, kBackground);
    auto& button = form.add<ButtonView>("OK", theme.button);
    button.setBounds(Rect::fromSize(10, 10, 75, 25));
    auto& check = form.add<CheckBoxView>(box, theme.checkBox);
    check.setBounds(Rect::fromSize(10, 50, 140, 17));
    form.add<LabelView>("Label", theme.label).setBounds(Rect::fromSize(10, 80, 140, 15));
    auto& group = form.add<GroupBoxView>(" Group ", theme.groupBox);
    group.setBounds(Rect::fromSize(200, 10, 190, 110));
    auto& inGroup = group.add<ButtonView>("In", theme.button);
    inGroup.setBounds(Rect::fromSize(20, 30, 50, 20));
    auto& area = form.add<ScrollAreaView>(theme.scrollArea);
    area.setBounds(Rect::fromSize(200, 150, 190, 140));
    area.setContentHeight(400);
    auto& scrolled = area.add<ButtonView>("Deep", theme.button);
    scrolled.setBounds(Rect::fromSize(10, 300, 60, 20));
    auto& hidden = form.add<ButtonView>("Hidden", theme.button);
    hidden.setBounds(Rect::fromSize(10, 200, 60, 20));
    hidden.setVisible(false);
    area.setOffset(250);  // the "Deep" button now shows at form y 150 + 300 - 250 = 200

    std::vector<Point> bare;
    form.onBackgroundPress = [&](MouseButton, Point p) { bare.push_back(p); };
    struct Case {
        Point at;
        View* expected;  // nullptr: bare area
    };
    const Case cases[] = {
        {{10, 10}, &button},        // top-left corner is inside
        {{84, 34}, &button},        // bottom-right pixel
        {{85, 34}, nullptr},        // just right of it
        {{20, 58}, &check},
        {{20, 85}, nullptr},        // labels are bare
        {{205, 60}, nullptr},       // the group's frame and inside are bare
        {{225, 45}, &inGroup},      // a child of the group, in the group's coordinates
        {{215, 205}, &scrolled},    // scrolled content is hit where it shows
        {{215, 155}, nullptr},      // and not where it lay before scrolling
        {{20, 205}, nullptr},       // hidden views take nothing
        {{385, 200}, &area},        // the scroll bar of the area
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "at " << c.at.x << "," << c.at.y);
        bare.clear();
        press(c.at);
        EXPECT_EQ(form.captured(), c.expected);
        EXPECT_EQ(win.captured, c.expected != nullptr);
        EXPECT_EQ(bare.size(), c.expected ? 0u : 1u);
        release(c.at);
        EXPECT_EQ(form.captured(), nullptr);
        EXPECT_FALSE(win.captured);
    }
}

class KitButtonTest : public KitTest {
protected:
    Form form{win, pf.text, pf.clock, kSize, kBackground};
    ButtonView& ok = form.add<ButtonView>("OK", theme.button);
    int clicks = 0;
    const Point inside{20, 20};
    const Point outside{200, 200};

    void SetUp() override {
        ok.setBounds(Rect::fromSize(10, 10, 75, 25));
        ok.onClick = [this] { ++clicks; };
    }
};

TEST_F(KitButtonTest, ClickRunsOnReleaseOverTheButtonOnly) {
    press(inside);
    EXPECT_EQ(clicks, 0) << "a press alone does not click";
    release(inside);
    EXPECT_EQ(clicks, 1);

    // Held, dragged away and back: the capture keeps the press, the release decides.
    press(inside);
    moveTo(outside);
    EXPECT_TRUE(win.captured);
    moveTo(inside);
    release(inside);
    EXPECT_EQ(clicks, 2);

    press(inside);
    moveTo(outside);
    release(outside);
    EXPECT_EQ(clicks, 2) << "released elsewhere: no click";
}

TEST_F(KitButtonTest, LostCaptureCancelsThePress) {
    press(inside);
    win.setCapture(false);  // another window took the capture
    EXPECT_EQ(form.captured(), nullptr);
    release(inside);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(ok.isPressed());
}

TEST_F(KitButtonTest, FaceAndTextColoursFollowHoverAndPress) {
    // Face at (3, 3); the fake's first glyph box of "OK" starts at x 32, rows 8 to 17.
    const Point face{10 + 3, 10 + 3}, ink{10 + 33, 10 + 12};
    const Colour border = theme.colours.buttonBorder;
    struct Step {
        const char* what;
        std::function<void()> act;
        Colour face, text;
    };
    const Step steps[] = {
        {"idle", [] {}, theme.colours.buttonFace, theme.colours.white},
        {"hovered", [&] { moveTo(inside); }, theme.colours.buttonHover, theme.colours.white},
        {"pressed", [&] { press(inside); }, theme.colours.buttonPressed, 0x00000000},
        {"held outside", [&] { moveTo(outside); }, theme.colours.buttonFace, theme.colours.white},
        {"held back on", [&] { moveTo(inside); }, theme.colours.buttonPressed, 0x00000000},
        {"released", [&] { release(inside); }, theme.colours.buttonHover, theme.colours.white},
        {"pointer gone", [&] { win.onMouseLeave(); }, theme.colours.buttonFace, theme.colours.white},
    };
    form.repaint();
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(pixel(face), s.face);
        EXPECT_EQ(pixel(ink), s.text);
        EXPECT_EQ(pixel({10, 10}), border);
        EXPECT_EQ(pixel({10 + 74, 10 + 24}), border);
    }
}

TEST_F(KitButtonTest, CloseButtonStyleUsesItsOwnColours) {
    auto& close = form.add<ButtonView>("", theme.closeButton);
    close.setGlyph(ButtonGlyph::Close);
    close.setBounds(Rect::fromSize(300, 0, 28, 30));
    const Point face{302, 2};
    form.repaint();
    EXPECT_EQ(pixel(face), 0x00525252u);
    moveTo(face);
    EXPECT_EQ(pixel(face), 0x000000BBu);
    press(face);
    EXPECT_EQ(pixel(face), 0x000121D3u);
    EXPECT_EQ(pixel({300 + 10, 11}), theme.colours.white) << "the cross's top-left stroke";
}

TEST_F(KitButtonTest, EveryInputEventRepaintsOnceHoweverMuchChanged) {
    auto& label = form.add<LabelView>("0", theme.label);
    label.setBounds(Rect::fromSize(10, 50, 100, 15));
    ok.onClick = [&] {
        for (int i = 1; i <= 5; ++i) label.setText(std::to_string(i));
        ok.setCaption("Done");
    };
    form.repaint();
    const int before = win.pictureCalls;
    press(inside);
    EXPECT_EQ(win.pictureCalls, before + 1);
    release(inside);
    EXPECT_EQ(win.pictureCalls, before + 2) << "the click's six changes repaint once";
    moveTo(inside);
    EXPECT_EQ(win.pictureCalls, before + 2) << "nothing changed: no repaint";

    // Outside input events a change waits for the message loop, and a burst paints once.
    label.setText("a");
    label.setText("b");
    EXPECT_EQ(win.pictureCalls, before + 2);
    pf.clock.advance(20);
    EXPECT_EQ(win.pictureCalls, before + 3);
    EXPECT_EQ(pixel({10 + 1, 50 + 10}), theme.label.text) << "the label shows its last text";
}

TEST_F(KitTest, TabCyclesTheFocusOverShownFocusableViewsBothWays) {
    ui::Edit first("a"), second("b"), parked("");
    ui::Slider level(0, 10, 5);
    Form form(win, pf.text, pf.clock, kSize, kBackground);
    auto& e1 = form.add<EditView>(first, theme.edit);
    auto& button = form.add<ButtonView>("OK", theme.button);
    form.add<LabelView>("not focusable", theme.label);
    auto& s = form.add<SliderView>(level, theme.slider);
    auto& hidden = form.add<EditView>(second, theme.edit);
    auto& park = form.add<EditView>(parked, theme.edit);
    auto& list = form.add<ListBoxView>(theme.listBox);
    hidden.setVisible(false);
    park.setTabStop(false);

    std::vector<View*> seen;
    for (int i = 0; i < 5; ++i) {
        key(kVkTab);
        seen.push_back(form.focused());
    }
    EXPECT_EQ(seen, (std::vector<View*>{&e1, &button, &s, &list, &e1}));
    // From a view out of the Tab order, Tab starts at the first.
    form.setFocus(&park);
    key(kVkTab);
    EXPECT_EQ(form.focused(), &e1);
    key(kVkTab, {.shift = true});
    EXPECT_EQ(form.focused(), &list);

    list.setVisible(false);
    EXPECT_EQ(form.focused(), nullptr) << "hiding the focused view drops the focus";
}

TEST_F(KitTest, TextIsClippedToItsRectangle) {
    Form form(win, pf.text, pf.clock, kSize, kBackground);
    // Eleven-pixel text advances 5 pixels a character: 30 characters need 150 pixels.
    form.add<LabelView>(std::string(30, 'W'), theme.label).setBounds(Rect::fromSize(10, 10, 52, 15));
    form.repaint();
    const Rect ink = boxOf(form.picture(), theme.label.text);
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.right, 62);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 25);
}

}  // namespace
}  // namespace norvi::test
