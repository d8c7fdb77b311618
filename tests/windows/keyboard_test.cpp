// The lock keys' toggle state as the program sees it after a real key press.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/desktop.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

void pressKey(WORD virtualKey) {
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = virtualKey;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, inputs, sizeof(INPUT)), 2u);
}

TEST(Win32Keyboard, CapsLockPressFlipsToggleState) {
    Win32Keyboard keyboard;
    const bool before = keyboard.isToggled(VK_CAPITAL);
    pressKey(VK_CAPITAL);
    const bool flipped = test::pumpUntil([&] { return keyboard.isToggled(VK_CAPITAL) != before; }, 250);
    // Put the lock back as it was, whatever the outcome.
    pressKey(VK_CAPITAL);
    test::pumpUntil([&] { return keyboard.isToggled(VK_CAPITAL) == before; }, 250);
    EXPECT_TRUE(flipped) << "Caps Lock did not change within 250 ms";
    EXPECT_EQ(keyboard.isToggled(VK_CAPITAL), before);
}

}  // namespace
}  // namespace norvi::win32
