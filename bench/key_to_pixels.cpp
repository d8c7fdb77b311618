// Drives a running Norvi for the footprint benchmark, from a second process as a user would:
//   key_to_pixels wait CLASS  wait up to 30 s for a top-level window of that class
//   key_to_pixels close CLASS ask that window to close (WM_CLOSE) and wait for its program
//   key_to_pixels cues N      press Caps Lock N times, 400 ms apart (N cues)
//   key_to_pixels latency N   N presses, each after a random wait so that they do not lock
//                             to the poll's phase; prints the time from each press to the
//                             first changed screen pixel in a band across the middle of the
//                             primary display (where the watermark's default position is)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <random>
#include <vector>

namespace {

void pressCapsLock() {
    INPUT keys[2] = {};
    for (INPUT& k : keys) {
        k.type = INPUT_KEYBOARD;
        k.ki.wVk = VK_CAPITAL;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

double nowMilliseconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Copies a band of the screen; the same band each time.
class Band {
public:
    Band() {
        const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
        rect_ = {w / 2 - 400, h / 2 - 80, w / 2 + 400, h / 2 + 40};
        screen_ = GetDC(nullptr);
        memory_ = CreateCompatibleDC(screen_);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width();
        info.bmiHeader.biHeight = -height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dib_ = CreateDIBSection(memory_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(memory_, dib_);
    }
    ~Band() {
        SelectObject(memory_, old_);
        DeleteObject(dib_);
        DeleteDC(memory_);
        ReleaseDC(nullptr, screen_);
    }
    std::vector<unsigned char> grab() {
        BitBlt(memory_, 0, 0, width(), height(), screen_, rect_.left, rect_.top, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const unsigned char*>(bits_);
        return {p, p + static_cast<std::size_t>(width()) * height() * 4};
    }

private:
    int width() const { return rect_.right - rect_.left; }
    int height() const { return rect_.bottom - rect_.top; }
    RECT rect_{};
    HDC screen_ = nullptr, memory_ = nullptr;
    HBITMAP dib_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

int latency(int presses) {
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> wait(300, 550);  // more than a few polls, less than the timeout
    Band band;
    std::vector<double> samples;
    for (int i = 0; i < presses; ++i) {
        Sleep(static_cast<DWORD>(wait(random)));
        const std::vector<unsigned char> before = band.grab();
        const double pressed = nowMilliseconds();
        pressCapsLock();
        double seen = -1;
        while (nowMilliseconds() - pressed < 2000) {
            if (band.grab() != before) {
                seen = nowMilliseconds();
                break;
            }
        }
        if (seen < 0) {
            std::printf("press %d: no change within 2 s\n", i + 1);
            continue;
        }
        samples.push_back(seen - pressed);
    }
    if (samples.empty()) return 1;
    std::sort(samples.begin(), samples.end());
    std::printf("key to pixels: median %.1f ms, max %.1f ms, min %.1f ms (%zu of %d presses seen)\n",
                samples[samples.size() / 2], samples.back(), samples.front(), samples.size(), presses);
    return 0;
}

bool waitForWindow(const wchar_t* className) {
    for (int i = 0; i < 300; ++i, Sleep(100))
        if (FindWindowW(className, nullptr)) return true;
    return false;
}

bool closeWindow(const wchar_t* className) {
    const HWND window = FindWindowW(className, nullptr);
    if (!window) return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageW(window, WM_CLOSE, 0, 0);
    const bool ended = !process || WaitForSingleObject(process, 15000) == WAIT_OBJECT_0;
    if (process) CloseHandle(process);
    return ended;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    if (std::wcscmp(argv[1], L"wait") == 0) return waitForWindow(argv[2]) ? 0 : 1;
    if (std::wcscmp(argv[1], L"close") == 0) return closeWindow(argv[2]) ? 0 : 1;
    const int n = _wtoi(argv[2]);
    if (std::wcscmp(argv[1], L"cues") == 0) {
        for (int i = 0; i < n; ++i) {
            pressCapsLock();
            Sleep(400);
        }
        return 0;
    }
    if (std::wcscmp(argv[1], L"latency") == 0) return latency(n);
    return 2;
}
