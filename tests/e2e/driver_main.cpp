// norvi-driver: the end-to-end actions as commands, for scripts.
//   wait-window CLASS [ms]   exit 0 once a top-level window of that class exists
//   press caps|num           toggle a lock with SendInput
//   close CLASS              post WM_CLOSE to that window and wait for its process to end
//   pixel X Y                print the screen colour at (X, Y) as 0xBBGGRR
#include <cstdio>
#include <cwchar>
#include <string>

#include "driver.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring cmd = argv[1];
    if (cmd == L"wait-window" && argc >= 3) {
        const DWORD ms = argc >= 4 ? static_cast<DWORD>(_wtoi(argv[3])) : 10000;
        return e2e::waitForWindow(argv[2], 0, ms) ? 0 : 1;
    }
    if (cmd == L"press" && argc >= 3) {
        const std::wstring which = argv[2];
        e2e::pressKey(which == L"num" ? VK_NUMLOCK : VK_CAPITAL);
        return 0;
    }
    if (cmd == L"close" && argc >= 3) {
        HWND w = e2e::findWindow(argv[2]);
        if (!w) return 1;
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        e2e::closeWindow(w);
        const bool ended = !process || WaitForSingleObject(process, 15000) == WAIT_OBJECT_0;
        if (process) CloseHandle(process);
        return ended ? 0 : 1;
    }
    if (cmd == L"pixel" && argc >= 4) {
        std::printf("0x%06lX\n", static_cast<unsigned long>(e2e::screenPixel(_wtoi(argv[2]), _wtoi(argv[3]))));
        return 0;
    }
    return 2;
}
