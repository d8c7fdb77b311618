// Steps of a test run one per tick of a thread timer, which a system modal loop (a
// popup menu's, a common dialog's) delivers while the test waits in it.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace norvi::win32::test {

class Script {
public:
    explicit Script(std::vector<std::function<void()>> steps) : steps_(std::move(steps)) {
        current() = this;
        timer_ = SetTimer(nullptr, 0, 250, &Script::tick);
    }
    ~Script() {
        KillTimer(nullptr, timer_);
        current() = nullptr;
    }
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

private:
    static Script*& current() {
        static Script* script = nullptr;
        return script;
    }
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) noexcept {
        try {
            Script* self = current();
            if (!self || self->next_ >= self->steps_.size()) return;
            self->steps_[self->next_++]();
        } catch (...) {
        }
    }
    std::vector<std::function<void()>> steps_;
    std::size_t next_ = 0;
    UINT_PTR timer_ = 0;
};

}  // namespace norvi::win32::test
