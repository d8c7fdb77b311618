// The settings dialog's window: its frame, the tabs, OK and Cancel, moving, scrolling and
// the Basic page's boxes, used through the window as a user would.
#include "settings/basic_page.h"
#include "settings_window_fixture.h"
#include "ui/kit/button_view.h"
#include "ui/kit/scroll_area_view.h"
#include "ui/kit/tab_strip_view.h"

namespace norvi::test {
namespace {

TEST_F(SettingsWindowTest, IsABorderlessTopmostWindowShownAtTheRememberedPlace) {
    start();
    ASSERT_NE(pf.window(kSettingsClassName), nullptr);
    EXPECT_EQ(win().args.title, " Settings");
    EXPECT_TRUE(win().args.topmost);
    EXPECT_FALSE(win().isVisible()) << "created hidden";
    const Rect centred = Rect::fromSize((1920 - 1075) / 2, (1080 - 750) / 2, 1075, 750);
    whileOpen([&] {
        EXPECT_TRUE(win().isVisible());
        EXPECT_EQ(win().bounds(), centred);
        EXPECT_EQ(win().picture.width(), 1075);
        EXPECT_EQ(win().picture.height(), 750);
        EXPECT_EQ(sw().form().focused(), static_cast<ui::kit::View*>(&sw().focusField())) << "no visible control shows a focus mark";
        win().setBounds(Rect::fromSize(40, 50, 1075, 750));  // the user moved it
        click(sw().cancelButton());
    });
    EXPECT_FALSE(win().isVisible());
    whileOpen([&] {
        EXPECT_EQ(win().bounds(), Rect::fromSize(40, 50, 1075, 750)) << "shown where it was left";
        click(sw().okButton());
    });
}

TEST_F(SettingsWindowTest, EachTabShowsItsPageAndScrollToTopOnlyWithTheWatermarkPage) {
    start();
    whileOpen([&] {
        EXPECT_EQ(sw().tabs().count(), 4);
        for (int tab : {1, 2, 3, 0}) {
            selectTab(tab);
            EXPECT_EQ(sw().page(), tab);
            for (int page = 0; page < 4; ++page) EXPECT_EQ(sw().pageView(page).visible(), page == tab) << tab;
            EXPECT_EQ(sw().scrollUpButton().visible(), tab == 1) << tab;
            EXPECT_EQ(win().picture.pixel(centreOf(sw().tabs(), sw().tabs().tabRect(tab)).x, 4),
                      ui::kit::darkTheme().colours.page)
                << "the selected tab has the page's colour";
        }
        click(sw().cancelButton());
    });
}

struct EndingCase {
    const char* button;
    ui::kit::ButtonView& (SettingsWindow::*view)();
    DialogResult result;
};

TEST_F(SettingsWindowTest, OkCancelAndTheCloseButtonEndTheModalRunWithTheirResult) {
    const EndingCase cases[] = {
        {"OK", &SettingsWindow::okButton, DialogResult::OK},
        {"Cancel", &SettingsWindow::cancelButton, DialogResult::Cancel},
        {"close", &SettingsWindow::closeButton, DialogResult::Cancel},
    };
    for (const EndingCase& c : cases) {
        start();
        stopPoll();
        const Colour before = d().Panel7.colour();
        whileOpen([&] {
            d().Panel7.setColour(before ^ 0x00000042);
            click((sw().*c.view)());
        });
        EXPECT_EQ(pf.prompts.modalsLeftOpen, 0) << c.button;
        EXPECT_EQ(d().modalResult(), c.result) << c.button;
        EXPECT_FALSE(d().visible()) << c.button;
        EXPECT_EQ(d().Panel7.colour(), c.result == DialogResult::OK ? before ^ 0x00000042 : before) << c.button;
        program.reset();
    }
}

TEST_F(SettingsWindowTest, AReleaseOffTheOkButtonDoesNotEndTheDialog) {
    start();
    whileOpen([&] {
        win().onMouseDown(MouseButton::Left, centreOf(sw().okButton()));
        win().onMouseUp(MouseButton::Left, {5, 400});
        EXPECT_EQ(d().modalResult(), DialogResult::None);
        click(sw().cancelButton());
    });
    EXPECT_EQ(d().modalResult(), DialogResult::Cancel);
}

TEST_F(SettingsWindowTest, WheelStepsScrollTheWatermarkPageByEightPixelsWhicheverPageShows) {
    start();
    whileOpen([&] {
        ui::kit::ScrollAreaView& scroll = sw().watermarkScroll();
        const Point overBasic{700, 500};
        wheel(-kWheelNotch, overBasic);
        EXPECT_EQ(scroll.offset(), 8) << "towards the user scrolls down";
        wheel(-3 * kWheelNotch, overBasic);
        EXPECT_EQ(scroll.offset(), 32);
        wheel(kWheelNotch, overBasic);
        EXPECT_EQ(scroll.offset(), 24);
        for (int i = 0; i < 100; ++i) wheel(-kWheelNotch, overBasic);
        EXPECT_EQ(scroll.offset(), 1100 - 672) << "clamped at the end";
        selectTab(1);
        wheel(kWheelNotch, {500, 400});
        EXPECT_EQ(scroll.offset(), 1100 - 672 - 8) << "over the page itself alike";
        click(sw().scrollUpButton());
        EXPECT_EQ(scroll.offset(), 0);
        wheel(kWheelNotch, overBasic);
        EXPECT_EQ(scroll.offset(), 0) << "clamped at the top";
        click(sw().cancelButton());
    });
}

TEST_F(SettingsWindowTest, PressesOnBareBackgroundOrTheTabStripStartTheSystemMove) {
    start();
    whileOpen([&] {
        const Rect lastTab = sw().tabs().tabRect(3);
        const Point stripEnd = centreOf(sw().tabs(), {lastTab.right + 40, 5, lastTab.right + 60, 25});
        struct Press {
            const char* where;
            Point at;
            MouseButton button;
            int moves;
        };
        const Press presses[] = {
            {"bare page", {700, 500}, MouseButton::Left, 1},
            {"bare bottom bar", {300, 725}, MouseButton::Left, 1},
            {"bare page, right button", {700, 500}, MouseButton::Right, 0},
            {"empty strip", stripEnd, MouseButton::Left, 1},
            {"tab, right button", centreOf(sw().tabs(), sw().tabs().tabRect(2)), MouseButton::Right, 1},
            {"OK button", centreOf(sw().okButton()), MouseButton::Left, 0},
        };
        for (const Press& press : presses) {
            const int before = win().systemMoves;
            win().onMouseDown(press.button, press.at);
            win().onMouseUp(press.button, press.at);
            EXPECT_EQ(win().systemMoves - before, press.moves) << press.where;
        }
        EXPECT_EQ(sw().page(), 0) << "a right-button press on a tab moves but selects nothing";
        const int before = win().systemMoves;
        selectTab(2);
        EXPECT_EQ(win().systemMoves - before, 1) << "a tab press moves first";
        EXPECT_EQ(sw().page(), 2) << "then selects the tab";
        click(sw().cancelButton());
    });
}

TEST_F(SettingsWindowTest, AClickOnABasicBoxTogglesItAndItsMenuTwin) {
    start();
    for (const BasicTwin& twin : basicTwins()) {
        ui::CheckBox& box = d().*twin.box;
        const ui::MenuItem& item = program->mainform->menu.*twin.item;
        whileOpen([&] {
            auto* view = viewOf<ui::kit::CheckBoxView>(box);
            ASSERT_NE(view, nullptr) << box.caption();
            ASSERT_TRUE(view->shown()) << box.caption();
            const bool before = box.checked();
            click(*view);
            EXPECT_NE(box.checked(), before) << box.caption();
            EXPECT_EQ(item.checked(), box.checked()) << box.caption();
            click(sw().okButton());
        });
    }
}

TEST_F(SettingsWindowTest, FocusComingBackFromAnotherNorviWindowRunsFormActivate) {
    Program& p = start();
    whileOpen([&] {
        p.mainform->setOpacity(120);
        ASSERT_TRUE(win().onActivateFromOwnWindow);
        win().onActivateFromOwnWindow();
        EXPECT_EQ(d().JTR.position(), 120) << "FormActivate synced the slider";
        click(sw().okButton());
    });
    p.mainform->setOpacity(90);
    win().onActivateFromOwnWindow();
    EXPECT_NE(d().JTR.position(), 90) << "not while the dialog is hidden";
}

TEST_F(SettingsWindowTest, AnUnreadableColourFileIsReportedInTheBottomBarUntilClosing) {
    start();
    pf.disk.files[dataFolder() + "color.cld"] = "not a colour file";
    whileOpen([&] {
        EXPECT_NE(sw().errorText().find("color.cld"), std::string::npos);
        click(sw().okButton());
    });
    EXPECT_EQ(sw().errorText(), "");
}

}  // namespace
}  // namespace norvi::test
