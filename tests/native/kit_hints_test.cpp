// Hints: the form shows a view's hint in a tooltip window after the pointer rests on it,
// and takes it away as Windows tooltips go.
#include <string>

#include "kit_fixture.h"
#include "ui/kit/button_view.h"
#include "ui/kit/hints.h"
#include "ui/kit/label_view.h"
#include "ui/kit/tooltip.h"

namespace norvi::test {
namespace {

using namespace ui::kit;

class KitHintsTest : public KitTest {
protected:
    Form form{win, pf.text, pf.clock, kSize, kBackground};
    ButtonView& close = form.add<ButtonView>("", theme.closeButton);
    ButtonView& other = form.add<ButtonView>("Other", theme.button);
    ButtonView& plain = form.add<ButtonView>("Plain", theme.button);
    const Point onClose{15, 15}, onOther{115, 15}, onPlain{215, 15}, bare{300, 200};
    // The form's window lies at (500, 300) on the screen.
    static constexpr Point kWindowAt{500, 300};

    void SetUp() override {
        close.setBounds(Rect::fromSize(10, 10, 24, 24));
        close.setHint("Close");
        other.setBounds(Rect::fromSize(100, 10, 75, 25));
        other.setHint("Top left");
        plain.setBounds(Rect::fromSize(200, 10, 75, 25));
        form.enableHints(pf, theme.tooltip);
        win.setBounds(Rect::fromSize(kWindowAt.x, kWindowAt.y, kSize.width, kSize.height));
        win.onFocusGained();
    }
    // The pointer moves to p, and the system's cursor with it.
    void point(Point p) {
        pf.display.cursor = {kWindowAt.x + p.x, kWindowAt.y + p.y};
        moveTo(p);
    }
    fake::FakeWindow* tip() { return pf.window(kTooltipClassName); }
    std::string tipText() {
        fake::FakeWindow* w = tip();
        return w && w->isVisible() ? w->args.title : std::string();
    }
};

TEST_F(KitHintsTest, TheHintShowsAfterThePointerRestsAndSitsBelowRightOfIt) {
    point(onClose);
    pf.clock.advance(499);
    EXPECT_EQ(tip(), nullptr);
    pf.clock.advance(1);
    ASSERT_NE(tip(), nullptr);
    fake::FakeWindow& w = *tip();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.args.title, "Close");
    EXPECT_TRUE(w.args.topmost);
    EXPECT_TRUE(w.args.noActivate) << "a tooltip never takes the focus";
    EXPECT_TRUE(w.args.clickThrough);

    // Segoe UI 12 on the fake: 5 characters of 6 pixels, a 14-pixel cell; padding and border.
    const TooltipStyle& style = theme.tooltip;
    const Size text = pf.text.textExtent(style.font, "Close");
    const Point cursor = pf.display.cursor;
    EXPECT_EQ(w.bounds(), Rect::fromSize(cursor.x + style.offset.x, cursor.y + style.offset.y,
                                         text.width + 2 * style.paddingX + 2, text.height + 2 * style.paddingY + 2));
    EXPECT_EQ(w.picture.pixel(0, 0), style.border);
    EXPECT_EQ(w.picture.pixel(w.picture.width() - 1, w.picture.height() - 1), style.border);
    EXPECT_EQ(w.picture.pixel(2, 2), style.background);
    EXPECT_EQ(pf.text.drawnFonts.back(), style.font) << "the text is drawn in the tooltip's font";
    bool ink = false;
    for (int x = 0; x < w.picture.width(); ++x) ink = ink || w.picture.pixel(x, w.picture.height() / 2) == style.text;
    EXPECT_TRUE(ink) << "black text across the middle";
}

TEST_F(KitHintsTest, ThePointerHasToRestAndViewsWithoutAHintShowNone) {
    point(onClose);
    pf.clock.advance(400);
    point({onClose.x + 2, onClose.y});  // still moving
    pf.clock.advance(400);
    EXPECT_EQ(tip(), nullptr) << "each move starts the wait again";
    pf.clock.advance(100);
    EXPECT_EQ(tipText(), "Close");

    point(onPlain);
    EXPECT_EQ(tip(), nullptr) << "leaving the view takes the tip away at once";
    pf.clock.advance(5000);
    EXPECT_EQ(tip(), nullptr) << "a view without a hint";
    point(bare);
    pf.clock.advance(5000);
    EXPECT_EQ(tip(), nullptr) << "bare area";

    win.onFocusLost();
    point(onClose);
    pf.clock.advance(1000);
    EXPECT_EQ(tip(), nullptr) << "only while the window is active";
}

TEST_F(KitHintsTest, WhatTakesTheTipAwayAndWhenItComesBack) {
    struct Case {
        const char* what;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"a press", [&] { press(onClose); release(onClose); }},
        {"a right press", [&] { press(onClose, MouseButton::Right); release(onClose, MouseButton::Right); }},
        {"a wheel turn", [&] { wheel(-120, onClose); }},
        {"the time running out", [&] { pf.clock.advance(5000); }},
        {"the window losing the focus", [&] {
             win.onFocusLost();
             win.onFocusGained();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        point(bare);
        point(onClose);
        pf.clock.advance(500);
        ASSERT_EQ(tipText(), "Close");
        c.act();
        EXPECT_EQ(tip(), nullptr);
        point({onClose.x + 1, onClose.y + 1});
        pf.clock.advance(1000);
        EXPECT_EQ(tip(), nullptr) << "not again while the pointer stays on the view";
    }
    // Out and back in: the tip comes again.
    point(bare);
    point(onClose);
    pf.clock.advance(500);
    EXPECT_EQ(tipText(), "Close");
    // The pointer leaving the window.
    win.onMouseLeave();
    EXPECT_EQ(tip(), nullptr);
}

TEST_F(KitHintsTest, MovingOnFromOneTipToAnotherShowsTheNextSooner) {
    point(onClose);
    pf.clock.advance(500);
    ASSERT_EQ(tipText(), "Close");
    point(onOther);
    EXPECT_EQ(tip(), nullptr);
    pf.clock.advance(100);
    EXPECT_EQ(tipText(), "Top left");
    EXPECT_EQ(tip()->bounds().left, kWindowAt.x + onOther.x + theme.tooltip.offset.x) << "placed for the new pointer";
}

TEST_F(KitHintsTest, AViewThatHidesTakesItsTipAlong) {
    point(onOther);
    pf.clock.advance(500);
    ASSERT_EQ(tipText(), "Top left");
    other.setVisible(false);
    EXPECT_EQ(tip(), nullptr);
    pf.clock.advance(1000);
    EXPECT_EQ(tip(), nullptr);
}

TEST(TooltipPlace, StaysInsideTheWorkArea) {
    const Rect work{0, 0, 1920, 1040};
    const Size size{80, 22};
    const Point offset{10, 20};
    struct Case {
        const char* what;
        Point pointer;
        Rect expected;
    };
    const Case cases[] = {
        {"below and right of the pointer", {500, 300}, Rect::fromSize(510, 320, 80, 22)},
        {"moved left at the right edge", {1900, 300}, Rect::fromSize(1840, 320, 80, 22)},
        {"above the pointer at the bottom", {500, 1030}, Rect::fromSize(510, 1030 - 22 - 2, 80, 22)},
        {"both at the bottom-right corner", {1919, 1039}, Rect::fromSize(1840, 1039 - 24, 80, 22)},
        {"never off the left or top", {-50, -50}, Rect::fromSize(0, 0, 80, 22)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Tooltip::place(size, c.pointer, work, offset), c.expected) << c.what;
    // A second display to the right has its own work area.
    EXPECT_EQ(Tooltip::place(size, {3830, 300}, {1920, 0, 3840, 1080}, offset), Rect::fromSize(3760, 320, 80, 22));
}

}  // namespace
}  // namespace norvi::test
