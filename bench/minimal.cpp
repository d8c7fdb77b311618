// The smallest program that does what Norvi does at rest, as the baseline of the footprint
// benchmark: one 120x27 layered topmost strip, one tray icon, and a 125 ms timer that reads
// both locks and repaints the strip when one changed. Built with Norvi's own flags.
#include <windows.h>
#include <shellapi.h>

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT_PTR kPollTimer = 1;
bool capsOn = false, numOn = false;

void paintStrip(HWND window) {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(window, &ps);
    RECT caps{0, 0, 60, 27}, num{60, 0, 120, 27};
    const HBRUSH on = CreateSolidBrush(RGB(0, 0, 255)), off = CreateSolidBrush(RGB(128, 128, 128));
    FillRect(dc, &caps, capsOn ? on : off);
    FillRect(dc, &num, numOn ? on : off);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, capsOn ? L"A" : L"a", -1, &caps, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    DrawTextW(dc, numOn ? L"1" : L"-", -1, &num, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    DeleteObject(on);
    DeleteObject(off);
    EndPaint(window, &ps);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER: {
        const bool caps = (GetKeyState(VK_CAPITAL) & 1) != 0, num = (GetKeyState(VK_NUMLOCK) & 1) != 0;
        if (caps != capsOn || num != numOn) {
            capsOn = caps;
            numOn = num;
            InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    }
    case WM_PAINT:
        paintStrip(window);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"NorviMinimalStrip";
    RegisterClassW(&wc);
    const HWND strip = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"minimal",
                                       WS_POPUP, 100, 100, 120, 27, nullptr, nullptr, instance, nullptr);
    if (!strip) return 1;
    SetLayeredWindowAttributes(strip, 0, 230, LWA_ALPHA);
    ShowWindow(strip, SW_SHOWNOACTIVATE);

    NOTIFYICONDATAW tray{};
    tray.cbSize = sizeof tray;
    tray.hWnd = strip;
    tray.uID = 1;
    tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    tray.uCallbackMessage = kTrayMessage;
    tray.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(tray.szTip, L"minimal", ARRAYSIZE(tray.szTip));
    Shell_NotifyIconW(NIM_ADD, &tray);

    SetTimer(strip, kPollTimer, 125, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    Shell_NotifyIconW(NIM_DELETE, &tray);
    return 0;
}
