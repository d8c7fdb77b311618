// One step of start-up whose failure must not end Norvi: it is dropped, and start-up goes
// on with the next step, so that the lock poll always starts and the message loop runs.
#pragma once

namespace norvi {

template <typename Step>
void runStartupStep(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace norvi
