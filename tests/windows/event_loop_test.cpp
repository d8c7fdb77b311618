// Message timers of the GUI thread, ticking through processMessages, also nested.
#include <gtest/gtest.h>

#include "platform/win32/event_loop.h"

namespace norvi::win32 {
namespace {

TEST(Win32EventLoop, TimersTickWhileMessagesRunAndStopWhenDisabled) {
    Win32EventLoop loop;
    auto timer = loop.createTimer(20);
    EXPECT_FALSE(timer->enabled());
    int ticks = 0, nested = 0, depth = 0;
    timer->onTick = [&] {
        ++ticks;
        if (depth > 0) ++nested;
        if (ticks == 2) {
            // A handler that lets messages run meanwhile gets the next tick inside itself.
            ++depth;
            const auto end = loop.nowMilliseconds() + 200;
            while (ticks < 4 && loop.nowMilliseconds() < end) {
                loop.processMessages();
                loop.sleep(5);
            }
            --depth;
        }
    };
    timer->setEnabled(true);
    const auto start = loop.nowMilliseconds();
    while (ticks < 5 && loop.nowMilliseconds() - start < 2000) {
        loop.processMessages();
        loop.sleep(5);
    }
    EXPECT_GE(ticks, 5);
    EXPECT_GE(nested, 1);

    timer->setEnabled(false);
    const int stopped = ticks;
    for (int i = 0; i < 10; ++i) {
        loop.processMessages();
        loop.sleep(10);
    }
    EXPECT_EQ(ticks, stopped);
}

TEST(Win32EventLoop, ATimerSlowerThanItsIntervalTicksOncePerCall) {
    Win32EventLoop loop;
    auto timer = loop.createTimer(10);
    int ticks = 0;
    timer->onTick = [&] {
        ++ticks;
        loop.sleep(25);  // due again before it returns
        if (ticks >= 20) timer->setEnabled(false);  // ends the test even if the loop does not
    };
    timer->setEnabled(true);
    loop.sleep(30);
    loop.processMessages();
    EXPECT_EQ(ticks, 1);
    loop.processMessages();
    EXPECT_EQ(ticks, 2);
}

TEST(Win32EventLoop, RunEndsWithTheQuitCodeAndATimerMayDestroyItself) {
    Win32EventLoop loop;
    std::unique_ptr<Timer> timer = loop.createTimer(10);
    timer->onTick = [&] {
        timer.reset();  // a handler may end its own timer
        loop.quit(7);
    };
    timer->setEnabled(true);
    EXPECT_EQ(loop.run(), 7);
    EXPECT_EQ(timer, nullptr);
}

}  // namespace
}  // namespace norvi::win32
