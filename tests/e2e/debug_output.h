// Collects what processes send with OutputDebugString, the way a debug-output viewer does
// (the shared "DBWIN_BUFFER" and its two events). One collector at a time on a desktop.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

class DebugOutput {
public:
    DebugOutput() = default;
    ~DebugOutput();
    DebugOutput(const DebugOutput&) = delete;
    DebugOutput& operator=(const DebugOutput&) = delete;

    // False when the shared objects cannot be made (another collector holds them).
    bool start();
    // The lines received so far from one process, oldest first.
    std::vector<std::string> linesOf(DWORD processId);
    void clear();

private:
    void collect();

    HANDLE bufferReady_ = nullptr, dataReady_ = nullptr, mapping_ = nullptr, senders_ = nullptr;
    const char* view_ = nullptr;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::vector<std::pair<DWORD, std::string>> lines_;
};

}  // namespace e2e
