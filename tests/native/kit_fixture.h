// A fake window for widget-kit tests, with the user's input as one-line calls and the
// composed picture as pixels. Tests declare their models first and their Form after, so
// the views (destroyed with the form) never outlive the models they show.
#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "ui/kit/form.h"
#include "ui/kit/theme.h"

namespace norvi::test {

class KitTest : public ::testing::Test {
public:  // table cases drive the input through the fixture
    static constexpr Size kSize{400, 300};
    static constexpr Colour kBackground = 0x00544A43;

    fake::FakePlatform pf;
    std::unique_ptr<NativeWindow> native = pf.createWindow({"KitForm", "", Rect::fromSize(0, 0, kSize.width, kSize.height)});
    fake::FakeWindow& win = static_cast<fake::FakeWindow&>(*native);
    const ui::kit::Theme& theme = ui::kit::darkTheme();

    void press(Point p, MouseButton b = MouseButton::Left) { win.onMouseDown(b, p); }
    void release(Point p, MouseButton b = MouseButton::Left) { win.onMouseUp(b, p); }
    void moveTo(Point p) { win.onMouseMove(p); }
    void click(Point p) { press(p); release(p); }
    void drag(Point from, Point to) { press(from); moveTo(to); release(to); }
    void wheel(int delta, Point p) { win.onMouseWheel(delta, p); }
    void key(int vk, KeyModifiers m = {}) { win.onKeyDown(vk, m); }
    // Types ASCII text one character at a time.
    void type(const std::string& text) {
        for (char c : text) win.onChar(static_cast<char32_t>(static_cast<unsigned char>(c)));
    }
    Colour pixel(Point p) const { return win.picture.pixel(p.x, p.y); }
};

}  // namespace norvi::test
