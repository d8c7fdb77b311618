// What an end-to-end test does to a running norvi.exe from another process, the way a
// user would: press keys with SendInput, find its windows, read the screen, close it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& wide);

// Full Windows path of the norvi.exe under test.
std::wstring norviExe();
// Where screenshots of a run go (a folder of the build tree).
std::wstring artefactFolder();
// The user's local application data folder and Norvi's data folder below it.
std::wstring localAppData();
std::wstring dataFolder();
// Removes the data folder, or a file of that name, with everything in it.
void removeDataFolder();
std::optional<std::string> readFile(const std::wstring& path);
bool writeFile(const std::wstring& path, const std::string& bytes);

class NorviProcess {
public:
    NorviProcess() = default;
    ~NorviProcess();
    NorviProcess(const NorviProcess&) = delete;
    NorviProcess& operator=(const NorviProcess&) = delete;
    bool start();
    // Waits for the process to end; its exit code, or nothing on timeout.
    std::optional<DWORD> waitExit(DWORD timeoutMs);
    bool running();
    DWORD id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

// A visible or hidden top-level window of the given class in the given process (0: any).
HWND findWindow(const wchar_t* className, DWORD processId = 0, bool visibleOnly = false);
HWND waitForWindow(const wchar_t* className, DWORD processId, DWORD timeoutMs, bool visibleOnly = false);
bool waitUntil(DWORD timeoutMs, const std::function<bool()>& condition);
// Asks the window to close, as the Exit command does.
void closeWindow(HWND window);

void pressKey(WORD virtualKey);
bool lockIsOn(int virtualKey);
// Sets a lock to the given state, pressing it only when needed.
void setLock(int virtualKey, bool on);

COLORREF screenPixel(int x, int y);
// The whole screen as 32-bit rows, top to bottom (B, G, R, 0).
struct Screenshot {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
    COLORREF at(int x, int y) const;
};
Screenshot captureScreen();
// Only a rectangle of the screen (cheaper; for timing loops). Pixel (0, 0) is its corner.
Screenshot captureRect(const RECT& r);
// How many pixels of the shot have exactly this colour.
int countColour(const Screenshot& shot, COLORREF colour);
// Moves the pointer to (x, y) on the screen, in absolute SendInput coordinates.
void mouseMoveTo(int x, int y);
void mouseButton(bool down);
void rightClick();
// A left-button drag from one screen point to another, in small steps.
void drag(POINT from, POINT to);
// A left click at a point of the screen, or of a window's client area.
void clickAt(int x, int y);
void clickInWindow(HWND window, int x, int y);
// The screen rectangle of Norvi's first (Caps Lock) tray icon in Wine's own tray window.
std::optional<RECT> capsTrayIcon();
// Opens the shared menu with a right click on the Caps Lock tray icon; the menu's window
// or nullptr.
HWND openTrayMenu();
// Opens the settings dialog with a click on the Caps Lock tray icon; its window or nullptr.
HWND openSettingsFromTray(const NorviProcess& norvi);
// A value of the norvi.cfg in the data folder, as the profile functions read it; empty when missing.
std::wstring configValue(const wchar_t* section, const wchar_t* key);
// Starts the data folder afresh with only this configuration file, for the next start to read.
bool writeConfig(const std::string& text);
// Starts Norvi and waits for its floating window; nullptr when it did not come.
HWND startNorvi(NorviProcess& norvi);
// Closes Norvi the way "Exit" does and waits for it to end; its exit code or nothing.
std::optional<DWORD> closeNorvi(NorviProcess& norvi, HWND main);
// Ends the user's session for a process as the system does at log-off: every top-level
// window of it is asked (WM_QUERYENDSESSION) and, as none may refuse, told
// (WM_ENDSESSION). How many windows said yes to the question.
int endSession(DWORD processId);
// Top-level windows of a class, in every process; visible ones only if asked.
int countWindows(const wchar_t* className, bool visibleOnly);

// Saves a screenshot as a BMP file in the artefact folder; returns its path.
std::wstring saveScreenshot(const Screenshot& shot, const std::wstring& name);

}  // namespace e2e
