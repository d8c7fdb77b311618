// The settings window's hints: resting the pointer on the close button, a position
// button, "Show on next display" or a sound slot's open and find buttons shows its text.
#include <string>
#include <vector>

#include "settings/window/position_grid_view.h"
#include "settings_window_fixture.h"
#include "ui/kit/button_view.h"
#include "ui/kit/edit_view.h"
#include "ui/kit/scroll_area_view.h"
#include "ui/kit/tooltip.h"

namespace norvi::test {
namespace {

class SettingsHintsTest : public SettingsWindowTest {
protected:
    // Rests the pointer on the view and reports the tooltip's text, empty for none.
    std::string hintShownFor(const ui::kit::View& view) {
        const Point bare{500, 740};  // the bottom bar, left of the buttons
        win().onMouseMove(bare);
        const Point at = centreOf(view);
        pf.display.cursor = {win().bounds().left + at.x, win().bounds().top + at.y};
        win().onMouseMove(at);
        pf.clock.advance(500);
        fake::FakeWindow* tip = pf.window(ui::kit::kTooltipClassName);
        return tip && tip->isVisible() ? tip->args.title : std::string();
    }
};

TEST_F(SettingsHintsTest, EachControlWithAHintShowsIt) {
    pf.display.displayList = {{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}};
    start();
    stopPoll();
    whileOpen([&] {
        win().onFocusGained();
        EXPECT_EQ(hintShownFor(sw().closeButton()), "Close");
        EXPECT_EQ(hintShownFor(sw().okButton()), "") << "OK has no hint";

        selectTab(1);
        sw().watermarkScroll().setOffset(1100 - 672);
        auto grids = viewsWhere<PositionGridView>([](PositionGridView&) { return true; });
        ASSERT_EQ(grids.size(), 1u);
        const char* const names[] = {"Top left",    "Top center",    "Top right",    "Middle left", "Middle center",
                                     "Middle right", "Bottom left", "Bottom center", "Bottom right"};
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(hintShownFor(*grids[0]->children().at(static_cast<std::size_t>(i))), names[i]);
        auto next = viewsWhere<ui::kit::ButtonView>(
            [](ui::kit::ButtonView& b) { return b.caption() == "Show on next display"; });
        ASSERT_EQ(next.size(), 1u);
        EXPECT_EQ(hintShownFor(*next[0]), "Show to next monitor");

        selectTab(3);
        for (ui::Edit* field : {&d().Edit1, &d().Edit2, &d().Edit3, &d().Edit4}) {
            auto* edit = viewOf<ui::kit::EditView>(*field);
            ASSERT_NE(edit, nullptr);
            // Test, open and find follow the field on its row.
            auto row = viewsWhere<ui::kit::ButtonView>([&](ui::kit::ButtonView& b) {
                return b.isWithin(sw().pageView(3)) && b.bounds().top == edit->bounds().top &&
                       b.bounds().left > edit->bounds().left && b.bounds().left < edit->bounds().left + 400;
            });
            ASSERT_EQ(row.size(), 3u);
            EXPECT_EQ(hintShownFor(*row[0]), "");
            EXPECT_EQ(hintShownFor(*row[1]), "Open");
            EXPECT_EQ(hintShownFor(*row[2]), "Find Sound");
        }
        click(sw().cancelButton());
    });
    EXPECT_EQ(pf.window(ui::kit::kTooltipClassName), nullptr) << "the click on Cancel took the tip away";
}

}  // namespace
}  // namespace norvi::test
