// The nested loop of Norvi's modal dialogs and the file dialog's filter form.
#include <gtest/gtest.h>

#include "platform/win32/dialogs.h"
#include "platform/win32/event_loop.h"

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

TEST(Win32Dialogs, FilterPartsAreEndedByZeros) {
    using namespace std::string_literals;
    EXPECT_EQ(fileDialogFilter("Wave file ( .wav)|*.wav"), L"Wave file ( .wav)\0*.wav\0\0"s);
    EXPECT_EQ(fileDialogFilter("A|*.a|B|*.b"), L"A\0*.a\0B\0*.b\0\0"s);
}

}  // namespace
}  // namespace norvi::win32
