// List boxes and scroll areas: order, selection, wheel steps and clamping.
#include <string>
#include <vector>

#include "kit_fixture.h"
#include "ui/kit/button_view.h"
#include "ui/kit/list_box_view.h"
#include "ui/kit/scroll_area_view.h"
#include "ui/kit/virtual_keys.h"

namespace norvi::test {
namespace {

using namespace ui::kit;

class KitListTest : public KitTest {
protected:
    Form form{win, pf.text, pf.clock, kSize, kBackground};
    // 16-pixel rows inside a one-pixel border: 100 pixels show six rows.
    ListBoxView& list = form.add<ListBoxView>(theme.listBox, &pf.collation);
    std::vector<std::string> log;

    void SetUp() override {
        list.setBounds(Rect::fromSize(10, 10, 200, 100));
        list.onSelect = [this](int i) { log.push_back("select " + list.items()[static_cast<std::size_t>(i)]); };
        list.onDoubleClick = [this](int i) { log.push_back("open " + list.items()[static_cast<std::size_t>(i)]); };
    }
    Point row(int visibleRow) const { return {40, 10 + 1 + visibleRow * 16 + 8}; }
};

TEST_F(KitListTest, SortedInsertIgnoresCaseAndKeepsTheSelectionOnItsEntry) {
    for (const char* path : {"C:\\b.wav", "c:\\A.wav", "C:\\c.WAV", "c:\\a.wav", "C:\\B.wav"}) list.add(path);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"c:\\A.wav", "c:\\a.wav", "C:\\b.wav", "C:\\B.wav", "C:\\c.WAV"}))
        << "equal names stay in the order they came";
    click(row(2));
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(list.add("C:\\0.wav"), 0);
    EXPECT_EQ(list.items()[static_cast<std::size_t>(list.selected())], "C:\\b.wav");

    // Beyond ASCII too: "Č" and "č" are one letter (byte order would put every "č" after
    // every "Č"), and so are "Ж" and "ж".
    ListBoxView& wide = form.add<ListBoxView>(theme.listBox, &pf.collation);
    for (const char* name : {"\xC4\x8C" "b", "\xC4\x8D" "a", "\xC4\x8C" "c", "\xD0\x96" "b", "\xD0\xB6" "a"})
        wide.add(name);
    EXPECT_EQ(wide.items(), (std::vector<std::string>{"\xC4\x8D" "a", "\xC4\x8C" "b", "\xC4\x8C" "c", "\xD0\xB6" "a",
                                                      "\xD0\x96" "b"}));

    ListBoxView& plain = form.add<ListBoxView>(theme.listBox);
    plain.add("b");
    plain.add("A");
    EXPECT_EQ(plain.items(), (std::vector<std::string>{"b", "A"}));
}

TEST_F(KitListTest, ClickSelectsAndDoubleClickSelectsThenOpens) {
    for (const char* item : {"a", "b", "c"}) list.add(item);
    click(row(1));
    win.onDoubleClick(row(2));
    release(row(2));
    click(row(5));  // below the last entry: nothing
    EXPECT_EQ(log, (std::vector<std::string>{"select b", "select c", "open c"}));
    EXPECT_EQ(list.selected(), 2);

    form.repaint();
    EXPECT_EQ(pixel({12, row(2).y}), theme.listBox.selected);
    EXPECT_EQ(pixel({12, row(1).y}), theme.listBox.background);

    key(kVkUp);
    key(kVkHome);
    EXPECT_EQ(log.back(), "select a");
    list.clear();
    EXPECT_EQ(list.selected(), -1);
}

TEST_F(KitListTest, WheelScrollsThreeRowsANotchWithinTheList) {
    for (int i = 0; i < 20; ++i) list.add(std::string(1, static_cast<char>('a' + i)));
    ASSERT_EQ(list.scroll().maximum(), 20 - 6);
    const struct {
        int delta;
        int offset;
    } turns[] = {{-kWheelNotch, 3}, {-2 * kWheelNotch, 9}, {-kWheelNotch * 5, 14}, {kWheelNotch, 11},
                 {kWheelNotch * 9, 0}};
    for (const auto& t : turns) {
        wheel(t.delta, row(0));
        EXPECT_EQ(list.scroll().offset(), t.offset) << "delta " << t.delta;
    }
    wheel(-kWheelNotch, row(0));
    click(row(0));
    EXPECT_EQ(log.back(), "select d") << "rows are hit where they show after scrolling";
}

class KitScrollTest : public KitTest {
protected:
    Form form{win, pf.text, pf.clock, kSize, kBackground};
    ScrollAreaView& area = form.add<ScrollAreaView>(theme.scrollArea);
    std::vector<int> unused;

    void SetUp() override {
        area.setBounds(Rect::fromSize(0, 0, 200, 100));
        area.setContentHeight(150);  // 50 pixels to scroll
        form.onUnusedWheel = [this](int delta, Point) { unused.push_back(delta); };
    }
};

TEST_F(KitScrollTest, EachNotchMovesEightPixelsAndTheOffsetStaysInRange) {
    const struct {
        int delta;
        int offset;
    } turns[] = {{-kWheelNotch, 8}, {-kWheelNotch, 16}, {kWheelNotch, 8}, {kWheelNotch * 3, 0},
                 {-kWheelNotch * 6, 48}, {-kWheelNotch, 50}, {-kWheelNotch, 50},
                 {-kWheelNotch / 2, 50}, {kWheelNotch / 2, 50}, {kWheelNotch / 2, 50}, {kWheelNotch / 2, 42}};
    for (const auto& t : turns) {
        wheel(t.delta, {50, 50});
        EXPECT_EQ(area.offset(), t.offset) << "delta " << t.delta;
    }
    area.setOffset(-5);
    EXPECT_EQ(area.offset(), 0);
    area.setOffset(1000);
    EXPECT_EQ(area.offset(), 50);
    area.setContentHeight(120);
    EXPECT_EQ(area.offset(), 20) << "shorter content pulls the offset back into range";
    area.scrollSteps(-1);
    EXPECT_EQ(area.offset(), 12);

    wheel(-kWheelNotch, {300, 200});
    EXPECT_EQ(unused, (std::vector<int>{-kWheelNotch})) << "outside the area the form's hook gets the wheel";
}

TEST_F(KitScrollTest, ContentScrollsUnderAClippedViewport) {
    auto& deep = area.add<ButtonView>("Deep", theme.button);
    deep.setBounds(Rect::fromSize(10, 110, 60, 30));
    int clicks = 0;
    deep.onClick = [&] { ++clicks; };
    form.repaint();
    EXPECT_EQ(pixel({15, 99}), theme.colours.page) << "content below the viewport is not painted";
    click({15, 120});
    EXPECT_EQ(clicks, 0);

    area.setOffset(50);  // the button now spans y 60 to 90
    click({15, 65});
    EXPECT_EQ(clicks, 1);
    pf.clock.advance(20);
    EXPECT_EQ(pixel({10, 60}), theme.button.border);
    EXPECT_EQ(pixel({191, 99}), theme.scrollArea.scrollBar.thumb) << "scrolled to the end: the thumb at the bottom";
    EXPECT_EQ(pixel({191, 0}), theme.scrollArea.scrollBar.track);
}

}  // namespace
}  // namespace norvi::test
