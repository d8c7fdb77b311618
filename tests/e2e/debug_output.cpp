#include "debug_output.h"

#include <cstring>

namespace e2e {

namespace {

// The buffer: the sender's process id, then its text (ANSI, NUL-ended).
constexpr DWORD kBufferBytes = 4096;

}  // namespace

DebugOutput::~DebugOutput() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (view_) UnmapViewOfFile(view_);
    for (HANDLE h : {mapping_, dataReady_, bufferReady_, senders_})
        if (h) CloseHandle(h);
}

bool DebugOutput::start() {
    bufferReady_ = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY");
    if (!bufferReady_ || GetLastError() == ERROR_ALREADY_EXISTS) return false;
    // Senders take turns through this mutex; Wine's only opens it, so it must exist.
    senders_ = CreateMutexW(nullptr, FALSE, L"DBWinMutex");
    dataReady_ = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferBytes, L"DBWIN_BUFFER");
    if (!dataReady_ || !mapping_) return false;
    view_ = static_cast<const char*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, kBufferBytes));
    if (!view_) return false;
    thread_ = std::thread([this] { collect(); });
    return true;
}

void DebugOutput::collect() {
    SetEvent(bufferReady_);
    while (!stop_) {
        if (WaitForSingleObject(dataReady_, 100) != WAIT_OBJECT_0) continue;
        DWORD pid = 0;
        std::memcpy(&pid, view_, sizeof pid);
        const char* text = view_ + sizeof pid;
        std::string line(text, strnlen(text, kBufferBytes - sizeof pid));
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            lines_.emplace_back(pid, std::move(line));
        }
        SetEvent(bufferReady_);
    }
}

std::vector<std::string> DebugOutput::linesOf(DWORD processId) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> result;
    for (const auto& [pid, line] : lines_)
        if (pid == processId) result.push_back(line);
    return result;
}

void DebugOutput::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.clear();
}

}  // namespace e2e
