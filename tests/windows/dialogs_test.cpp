// The nested loop of Norvi's modal dialogs, the colour chooser's custom colours and the
// file dialog's filter form.
#include <gtest/gtest.h>
#include <windows.h>
#include <colordlg.h>

#include <string>

#include "platform/win32/dialogs.h"
#include "platform/win32/event_loop.h"
#include "thread_script.h"

namespace norvi::win32 {
namespace {

TEST(Win32Dialogs, ModalLoopRunsTimersUntilDone) {
    Win32EventLoop loop;
    Win32Dialogs dialogs(nullptr);
    auto timer = loop.createTimer(10);
    int ticks = 0;
    timer->onTick = [&] { ++ticks; };
    timer->setEnabled(true);
    dialogs.runModal([&] { return ticks >= 3; });
    EXPECT_EQ(ticks, 3);
}

TEST(Win32Dialogs, ModalLoopEndsOnQuitAndLeavesItForTheOuterLoop) {
    Win32EventLoop loop;
    Win32Dialogs dialogs(nullptr);
    auto timer = loop.createTimer(10);
    timer->onTick = [&] { loop.quit(3); };
    timer->setEnabled(true);
    dialogs.runModal([] { return false; });
    timer->setEnabled(false);
    EXPECT_EQ(loop.run(), 3);
}

// The open colour chooser, a dialog of this thread.
HWND openChooser() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// A click on a button of the open chooser (the steps run inside its modal loop).
void pressChooserButton(int id) {
    const HWND dialog = openChooser();
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The chooser shows an empty slot as white; a white the user really adds there is a
// colour like any other and comes back, while the slots left alone stay empty.
TEST(Win32Dialogs, AWhiteAddedToAnEmptyCustomSlotIsKept) {
    Win32Dialogs dialogs(nullptr);
    CustomColours before;
    before[5] = 0x00123456;
    const Colour white = 0x00FFFFFF;
    const test::Script user({[] { pressChooserButton(COLOR_ADD); },  // into slot 0, the first
                             [] { pressChooserButton(IDOK); }});
    const std::optional<ColourChoice> choice = dialogs.chooseColour(white, before);
    ASSERT_TRUE(choice) << "confirmed";
    EXPECT_EQ(choice->colour, white);
    CustomColours expected = before;
    expected[0] = white;
    EXPECT_EQ(choice->customColours, expected);
}

TEST(Win32Dialogs, ACancelledChooserGivesNothing) {
    Win32Dialogs dialogs(nullptr);
    const test::Script user({[] { pressChooserButton(COLOR_ADD); }, [] { pressChooserButton(IDCANCEL); }});
    EXPECT_EQ(dialogs.chooseColour(0x00FFFFFF, CustomColours{}), std::nullopt);
}

TEST(Win32Dialogs, FilterPartsAreEndedByZeros) {
    using namespace std::string_literals;
    EXPECT_EQ(fileDialogFilter("Wave file ( .wav)|*.wav"), L"Wave file ( .wav)\0*.wav\0\0"s);
    EXPECT_EQ(fileDialogFilter("A|*.a|B|*.b"), L"A\0*.a\0B\0*.b\0\0"s);
}

}  // namespace
}  // namespace norvi::win32
