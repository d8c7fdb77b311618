#include "driver.h"

#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

namespace e2e {

std::wstring widen(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
    return w;
}

std::string narrow(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), s.data(), n, nullptr, nullptr);
    return s;
}

namespace {

// Build paths arrive as Unix paths; Wine shows the Unix root as drive Z:.
std::wstring fromBuildPath(const char* unixPath) {
    std::wstring w = widen(unixPath);
    if (!w.empty() && w[0] == L'/') w = L"Z:" + w;
    for (wchar_t& c : w)
        if (c == L'/') c = L'\\';
    return w;
}

void removeTree(const std::wstring& path) {
    const DWORD attrs = GetFileAttributesW(path.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attrs & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(path.c_str());
        return;
    }
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name != L"." && name != L"..") removeTree(path + L"\\" + name);
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

std::wstring norviExe() { return fromBuildPath(NORVI_EXE_PATH); }
std::wstring artefactFolder() {
    const std::wstring folder = fromBuildPath(NORVI_ARTEFACT_DIR);
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::wstring localAppData() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return L"";
    return path;
}

std::wstring dataFolder() { return localAppData() + L"\\norvi"; }

void removeDataFolder() { removeTree(dataFolder()); }

std::optional<std::string> readFile(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) bytes.append(buf, got);
    CloseHandle(h);
    return bytes;
}

bool writeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    return ok && written == bytes.size();
}

NorviProcess::~NorviProcess() {
    if (!info_.hProcess) return;
    if (running()) TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool NorviProcess::start() {
    std::wstring command = L"\"" + norviExe() + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info_) != 0;
}

std::optional<DWORD> NorviProcess::waitExit(DWORD timeoutMs) {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool NorviProcess::running() { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

HWND findWindow(const wchar_t* className, DWORD processId, bool visibleOnly) {
    struct Search {
        const wchar_t* cls;
        DWORD pid;
        bool visibleOnly;
        HWND found;
    } s{className, processId, visibleOnly, nullptr};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t cls[256] = {};
            GetClassNameW(w, cls, 256);
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (lstrcmpiW(cls, s->cls) == 0 && (s->pid == 0 || s->pid == pid) && (!s->visibleOnly || IsWindowVisible(w))) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool waitUntil(DWORD timeoutMs, const std::function<bool()>& condition) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(10);
    }
}

HWND waitForWindow(const wchar_t* className, DWORD processId, DWORD timeoutMs, bool visibleOnly) {
    HWND found = nullptr;
    waitUntil(timeoutMs, [&] { return (found = findWindow(className, processId, visibleOnly)) != nullptr; });
    return found;
}

void closeWindow(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

void pressKey(WORD vk) {
    INPUT in[2] = {};
    in[0].type = INPUT_KEYBOARD;
    in[0].ki.wVk = vk;
    in[1] = in[0];
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

bool lockIsOn(int vk) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    return (GetKeyState(vk) & 1) != 0;
}

void setLock(int vk, bool on) {
    if (lockIsOn(vk) == on) return;
    pressKey(static_cast<WORD>(vk));
    waitUntil(1000, [&] { return lockIsOn(vk) == on; });
}

COLORREF screenPixel(int x, int y) {
    HDC dc = GetDC(nullptr);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(nullptr, dc);
    return c;
}

COLORREF Screenshot::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    const unsigned char* p = pixels.data() + (static_cast<size_t>(y) * width + x) * 4;
    return RGB(p[2], p[1], p[0]);
}

Screenshot captureScreen() {
    return captureRect({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

int countColour(const Screenshot& shot, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x)
            if (shot.at(x, y) == colour) ++n;
    return n;
}

void mouseMoveTo(int x, int y) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>((x * 65535LL) / (GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = static_cast<LONG>((y * 65535LL) / (GetSystemMetrics(SM_CYSCREEN) - 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

void mouseButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}

void rightClick() {
    INPUT in[2] = {};
    in[0].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    in[1] = in[0];
    in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, in, sizeof(INPUT));
}

void drag(POINT from, POINT to) {
    mouseMoveTo(from.x, from.y);
    Sleep(100);
    mouseButton(true);
    Sleep(100);
    constexpr int kSteps = 20;
    for (int step = 1; step <= kSteps; ++step) {
        mouseMoveTo(from.x + step * (to.x - from.x) / kSteps, from.y + step * (to.y - from.y) / kSteps);
        Sleep(20);
    }
    Sleep(100);
    mouseButton(false);
}

void clickAt(int x, int y) {
    mouseMoveTo(x, y);
    Sleep(50);
    mouseButton(true);
    Sleep(30);
    mouseButton(false);
}

void clickInWindow(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    clickAt(p.x, p.y);
}

std::optional<RECT> capsTrayIcon() {
    // With no tray manager on the display, Wine shows the icons side by side on white.
    HWND tray = waitForWindow(L"__winex11_standalone_tray", 0, 5000);
    if (!tray) return std::nullopt;
    RECT client{};
    GetClientRect(tray, &client);
    POINT origin{0, 0};
    ClientToScreen(tray, &origin);
    OffsetRect(&client, origin.x, origin.y);
    const Screenshot shot = captureRect(client);
    const COLORREF white = RGB(255, 255, 255);
    RECT icon{shot.width, shot.height, -1, -1};
    // The first icon ends at the first all-white column after it.
    for (int x = 0; x < shot.width; ++x) {
        bool any = false;
        for (int y = 0; y < shot.height; ++y)
            if (shot.at(x, y) != white) {
                any = true;
                icon.top = std::min<LONG>(icon.top, y);
                icon.bottom = std::max<LONG>(icon.bottom, y + 1);
            }
        if (any) {
            icon.left = std::min<LONG>(icon.left, x);
            icon.right = x + 1;
        } else if (icon.right >= 0) {
            break;
        }
    }
    if (icon.right < 0) return std::nullopt;
    OffsetRect(&icon, client.left, client.top);
    return icon;
}

HWND openTrayMenu() {
    const std::optional<RECT> icon = capsTrayIcon();
    if (!icon) return nullptr;
    mouseMoveTo((icon->left + icon->right) / 2, (icon->top + icon->bottom) / 2);
    Sleep(100);
    rightClick();
    // A popup menu is a window of the system class "#32768".
    return waitForWindow(L"#32768", 0, 3000, true);
}

HWND openSettingsFromTray(const NorviProcess& norvi) {
    const std::optional<RECT> icon = capsTrayIcon();
    if (!icon) return nullptr;
    clickAt((icon->left + icon->right) / 2, (icon->top + icon->bottom) / 2);
    // A click waits out the double-click time before it opens the dialog.
    return waitForWindow(L"Tfcolors", norvi.id(), 5000, true);
}

std::wstring configValue(const wchar_t* section, const wchar_t* key) {
    std::wstring value(32768, L'\0');
    const DWORD n = GetPrivateProfileStringW(section, key, L"", value.data(), static_cast<DWORD>(value.size()),
                                             (dataFolder() + L"\\norvi.cfg").c_str());
    value.resize(n);
    return value;
}

bool writeConfig(const std::string& text) {
    removeDataFolder();
    CreateDirectoryW(dataFolder().c_str(), nullptr);
    return writeFile(dataFolder() + L"\\norvi.cfg", text);
}

HWND startNorvi(NorviProcess& norvi) {
    if (!norvi.start()) return nullptr;
    HWND main = waitForWindow(L"Tmainform", norvi.id(), 20000);
    // The watermark window is created last; the final start-up step follows at once.
    if (main && waitForWindow(L"TfloatTXT", norvi.id(), 20000)) Sleep(500);
    return main;
}

std::optional<DWORD> closeNorvi(NorviProcess& norvi, HWND main) {
    closeWindow(main);
    return norvi.waitExit(15000);
}

namespace {
std::vector<HWND> topLevelWindows(const std::function<bool(HWND)>& pick) {
    struct Search {
        const std::function<bool(HWND)>* pick;
        std::vector<HWND> found;
    } s{&pick, {}};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            if ((*s->pick)(w)) s->found.push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}
}  // namespace

int endSession(DWORD processId) {
    const std::vector<HWND> windows = topLevelWindows([&](HWND w) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        return pid == processId;
    });
    int yes = 0;
    for (HWND w : windows) {
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer) && answer)
            ++yes;
    }
    for (HWND w : windows)
        SendMessageTimeoutW(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, nullptr);
    return yes;
}

int countWindows(const wchar_t* className, bool visibleOnly) {
    return static_cast<int>(topLevelWindows([&](HWND w) {
                                wchar_t cls[256] = {};
                                GetClassNameW(w, cls, 256);
                                return lstrcmpiW(cls, className) == 0 && (!visibleOnly || IsWindowVisible(w));
                            }).size());
}

Screenshot captureRect(const RECT& r) {
    Screenshot s;
    s.width = r.right - r.left;
    s.height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = s.width;
    bi.bmiHeader.biHeight = -s.height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, s.width, s.height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    s.pixels.assign(static_cast<unsigned char*>(bits), static_cast<unsigned char*>(bits) + static_cast<size_t>(s.width) * s.height * 4);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return s;
}

std::wstring saveScreenshot(const Screenshot& shot, const std::wstring& name) {
    const std::wstring path = artefactFolder() + L"\\" + name + L".bmp";
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    ih.biSize = sizeof ih;
    ih.biWidth = shot.width;
    ih.biHeight = -shot.height;
    ih.biPlanes = 1;
    ih.biBitCount = 32;
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = static_cast<DWORD>(fh.bfOffBits + shot.pixels.size());
    std::string bytes(reinterpret_cast<const char*>(&fh), sizeof fh);
    bytes.append(reinterpret_cast<const char*>(&ih), sizeof ih);
    bytes.append(reinterpret_cast<const char*>(shot.pixels.data()), shot.pixels.size());
    writeFile(path, bytes);
    return path;
}

}  // namespace e2e
