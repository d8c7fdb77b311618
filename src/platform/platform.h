// The operating-system services Norvi uses, as interfaces. The portable core talks to the
// system only through these; src/platform/win32 implements them for real and
// src/platform/fake deterministically for tests. Text is UTF-8 throughout.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/types.h"

namespace norvi {

// ---- keyboard -------------------------------------------------------------------------

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // Low (toggle) bit of the key state of a virtual key: true when the lock is on.
    virtual bool isToggled(int virtualKey) = 0;
};

// ---- event loop and timers ------------------------------------------------------------

// A message timer of the GUI thread. Ticks arrive from the event loop, also nested inside
// processMessages(), so a handler can run inside another.
class Timer {
public:
    virtual ~Timer() = default;
    // A running timer given a different interval starts counting again; the same interval
    // changes nothing.
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    // Enabling a stopped timer starts a full interval; disabling stops it.
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;

    std::function<void()> onTick;
};

class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual std::unique_ptr<Timer> createTimer(int intervalMilliseconds) = 0;
    // Lets pending messages run: timer ticks and user input are dispatched before it returns.
    virtual void processMessages() = 0;
    // Runs the message loop until quit().
    virtual int run() = 0;
    virtual void quit(int exitCode) = 0;
    // True once the application has been asked to quit and the request still waits for
    // run() (it stays pending through processMessages and the modal loops): work that lets
    // messages run, such as the sound finder's walk, stops when it sees this.
    virtual bool quitRequested() const = 0;
    // Blocks the GUI thread.
    virtual void sleep(int milliseconds) = 0;
    // Monotonic milliseconds, for measurements only.
    virtual std::uint64_t nowMilliseconds() = 0;
};

// ---- files, configuration profile, registry -------------------------------------------

struct DirectoryEntry {
    std::string name;
    bool isDirectory = false;
    bool isReparsePoint = false;   // any reparse point: a link, a junction, a cloud-file placeholder…
    // A reparse point that names another place (a symbolic link, a junction, a mount
    // point): what it leads to may hold the folder itself.
    bool isNameSurrogate = false;
};

// A folder of the shell's namespace that the sound finder's chooser offers.
struct FolderPlace {
    std::string name;  // the shell's display name, as the user sees it
    std::string path;  // its file-system folder; empty for a virtual one (Network, Control Panel)
    int depth = 0;     // 0 for the desktop, 1 for the desktop's folders, 2 for the computer's drives
    // The shell's small icon: 16 x 16, 32 bits, the fourth byte its opacity (not
    // premultiplied); empty when the shell gives none.
    Bitmap icon;
};

class Files {
public:
    virtual ~Files() = default;
    // The per-user local application data folder; empty when the system cannot tell.
    virtual std::string localAppDataFolder() = 0;
    virtual bool directoryExists(const std::string& path) = 0;
    virtual bool createDirectory(const std::string& path) = 0;
    // True for an existing file, false for a directory or nothing.
    virtual bool fileExists(const std::string& path) = 0;
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    virtual bool writeFile(const std::string& path, std::string_view bytes) = 0;
    // Calls onEntry for each entry (every attribute, "." and ".." included) in the order the
    // file system gives them; onEntry returns false to stop. False when the listing cannot start.
    virtual bool listDirectory(const std::string& folder,
                               const std::function<bool(const DirectoryEntry&)>& onEntry) = 0;
    // Full path of the running program file.
    virtual std::string programPath() = 0;
    // The shell's folder hierarchy as its folder drop-down shows it: the desktop (its path
    // the user's desktop folder), below it the desktop's folders in the shell's order, and
    // below the computer folder ("This PC") its drives. Hidden folders are left out; a part
    // the shell cannot give makes the list shorter.
    virtual std::vector<FolderPlace> folderPlaces() = 0;
};

// One key of an INI-style profile file, with the Windows profile functions' behaviour:
// names match without regard to case, a missing file/section/key gives the fallback,
// blanks and one pair of enclosing quotes are stripped on read, values are cut at 2047
// characters, new sections and keys are appended.
class Profile {
public:
    virtual ~Profile() = default;
    virtual std::string read(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& fallback) = 0;
    virtual bool write(const std::string& file, const std::string& section,
                       const std::string& key, const std::string& value) = 0;
};

// String values under HKEY_CURRENT_USER, 64-bit view.
class Registry {
public:
    virtual ~Registry() = default;
    // Creates the key when missing. False when it cannot be opened or written.
    virtual bool writeUserString(const std::string& subKey, const std::string& name,
                                 const std::string& value) = 0;
    virtual bool deleteUserValue(const std::string& subKey, const std::string& name) = 0;
    virtual std::optional<std::string> readUserString(const std::string& subKey,
                                                      const std::string& name) = 0;
};

// ---- comparing texts ------------------------------------------------------------------

// Orders and matches texts (UTF-8) without regard to case as the user's system does, for
// every script: "Č" matches "č", "arial" matches "Arial".
class TextCompare {
public:
    virtual ~TextCompare() = default;
    // Negative, zero or positive as a comes before, with or after b.
    virtual int compareNoCase(std::string_view a, std::string_view b) = 0;
};

// ---- screen ---------------------------------------------------------------------------

class Screen {
public:
    virtual ~Screen() = default;
    // Full size of the primary display (SM_CXSCREEN, SM_CYSCREEN).
    virtual Size primarySize() = 0;
    // Work area of the primary display (SPI_GETWORKAREA).
    virtual Rect workArea() = 0;
    // Work area of the display that holds most of the given rectangle.
    virtual Rect workAreaAt(const Rect& window) = 0;
    // Every display in the system's enumeration order, full bounds.
    virtual std::vector<Rect> displays() = 0;
    virtual int logicalDpiY() = 0;
    // Dots per inch of the display that holds most of the rectangle (its monitor's DPI):
    // where a window about to be made there will be laid out.
    virtual int dpiAt(const Rect& area) = 0;
    // The picture size the shell asks for in the notification area (the small icon at the
    // primary display's DPI: 16 x 16 at 96 dpi).
    virtual Size trayIconSize() = 0;
    virtual int doubleClickTimeMilliseconds() = 0;
    virtual Point cursorPosition() = 0;
};

// ---- text on pictures -----------------------------------------------------------------

struct FontSpec {
    std::string face = "Arial";
    int charHeight = 16;  // em height in pixels, internal leading excluded
    bool bold = false;
    int charset = 1;  // DEFAULT_CHARSET; 238 is East European
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// One copy of a text: its cell's top-left corner and its colour.
struct TextDraw {
    int x = 0;
    int y = 0;
    Colour colour = 0;
};

class Graphics {
public:
    virtual ~Graphics() = default;
    // Extent of the whole text's cell (width, height), as the platform's text extent gives it.
    virtual Size textExtent(const FontSpec& font, std::string_view text) = 0;
    // Draws the text once per entry of draws, in order, with a transparent background, onto a
    // 24- or 32-bit bitmap, clipped to it.
    virtual void drawText(Bitmap& target, const FontSpec& font, std::string_view text,
                          std::span<const TextDraw> draws) = 0;
    // Installed font face names, sorted.
    virtual std::vector<std::string> fontFaces() = 0;
};

// ---- windows --------------------------------------------------------------------------

enum class MouseButton { Left, Right, Middle };

// Which modifier keys were down when a key was pressed (GetKeyState at WM_KEYDOWN).
struct KeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    friend bool operator==(const KeyModifiers&, const KeyModifiers&) = default;
};

// One notch of a mouse wheel (WHEEL_DELTA); finer wheels report fractions of it.
constexpr int kWheelNotch = 120;

// The mouse cursor over a window's client area. SplitHorizontal is the system's cursor
// for a splitter between side-by-side parts (an arrow pointing left and right).
enum class CursorKind { Arrow, Busy, SplitHorizontal };

struct WindowCreateArgs {
    std::string className;  // the window class name, e.g. "TfloatTXT"
    std::string title;
    Rect bounds;
    bool topmost = false;        // WS_EX_TOPMOST
    bool layered = false;        // WS_EX_LAYERED
    bool clickThrough = false;   // WS_EX_TRANSPARENT and no hit testing
    bool dropShadow = false;     // CS_DROPSHADOW
    bool noActivate = false;     // shown without taking the focus
    // A fixed-size dialog frame: the system's caption showing the title, with a close box
    // (WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME), no minimise, maximise or sizing.
    // bounds then give the client area; the frame is added around it.
    bool titleBar = false;
    // The window that owns this one (a dialog's own sub-dialog stays above it and goes
    // with it); the application's hidden window when none.
    WindowHandle owner = kNoWindow;
};

struct LayeredAttributes {
    Colour key = 0;
    bool useKey = false;
    bool useAlpha = false;
    int alpha = 255;
    friend bool operator==(const LayeredAttributes&, const LayeredAttributes&) = default;
};

// A borderless top-level window (or a dialog frame, see WindowCreateArgs::titleBar) owned
// by the application's hidden window (so it has no taskbar button). Its client area shows
// one picture, unscaled and centred, with pictureBackground wherever the picture does not
// reach.
class NativeWindow {
public:
    virtual ~NativeWindow() = default;
    virtual WindowHandle handle() = 0;
    virtual void show() = 0;  // visible and at the front; activates unless created noActivate
    virtual void hide() = 0;
    virtual bool isVisible() = 0;
    virtual Rect bounds() = 0;  // screen coordinates, the frame included
    virtual void setBounds(const Rect& bounds) = 0;
    virtual Size clientSize() = 0;  // inside the frame; the whole window when it has none
    virtual void setLayered(const LayeredAttributes& attributes) = 0;
    virtual void setRoundRegion(int width, int height, int ellipseWidth, int ellipseHeight) = 0;
    virtual bool isTopmost() = 0;
    virtual void makeTopmost() = 0;    // HWND_TOPMOST, no move, no size
    virtual void makeNotTopmost() = 0; // HWND_NOTOPMOST, no move, no size
    virtual void bringToFront() = 0;   // HWND_TOP, no move, no size
    virtual void setPicture(const Bitmap& picture, Colour pictureBackground) = 0;
    // Moves and sizes the window to bounds (screen coordinates, no frame) and shows picture
    // in it, painted at once while the window is visible: the previous picture is never
    // seen at the new place.
    virtual void showPictureAt(const Bitmap& picture, Colour pictureBackground, const Rect& bounds) = 0;
    virtual void startSystemMove() = 0;  // ReleaseCapture + WM_SYSCOMMAND 0xF012
    virtual void setCapture(bool capture) = 0;
    virtual void close() = 0;  // as WM_CLOSE (the title bar's close box): runs onClose
    // A disabled window takes no mouse or keyboard input (EnableWindow): the owner of a
    // modal dialog is disabled while the dialog runs.
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() = 0;
    // Shows at once the cursor onCursorAt gives for where the pointer is, if it is over the
    // client area (the system asks only when the pointer moves).
    virtual void refreshCursor() = 0;
    // Dots per inch of the window's monitor (96 on a display the system does not scale).
    virtual int dpi() = 0;

    std::function<void(MouseButton, Point)> onMouseDown;  // client coordinates
    std::function<void(MouseButton, Point)> onMouseUp;
    std::function<void(Point)> onMouseMove;
    std::function<void(Point)> onDoubleClick;
    std::function<void(Point)> onContextMenu;  // right click
    std::function<void()> onActivate;
    // Also on activation, when the window losing it was another of this program's (a
    // dialog coming back from its own sub-dialog), not another program's.
    std::function<void()> onActivateFromOwnWindow;
    std::function<void(Rect&)> onPositionChanging;  // may adjust the new bounds
    std::function<void()> onClose;

    // Input for owner-drawn controls. The wheel's delta is in kWheelNotch units, positive
    // when the wheel turns away from the user; its point is in client coordinates even
    // though the system reports the wheel in screen coordinates.
    std::function<void(int delta, Point)> onMouseWheel;
    // Virtual-key code as WM_KEYDOWN gives it (auto-repeat arrives as more key downs).
    std::function<void(int virtualKey, KeyModifiers)> onKeyDown;
    // The key's release (WM_KEYUP): a button pressed with Space clicks then.
    std::function<void(int virtualKey)> onKeyUp;
    // A typed character as one code point (surrogate pairs joined); control characters
    // such as backspace (8) arrive here too, after their key down.
    std::function<void(char32_t)> onChar;
    // The pointer left the client area (hover ends).
    std::function<void()> onMouseLeave;
    // Keyboard focus came to or left this window.
    std::function<void()> onFocusGained;
    std::function<void()> onFocusLost;
    // The mouse capture ended for any reason: a release by the program, another window
    // taking it, or a system move started from a press.
    std::function<void()> onCaptureLost;
    // The cursor to show at a client point (WM_SETCURSOR); the arrow when unset.
    std::function<CursorKind(Point)> onCursorAt;
    // The window came onto a display of another DPI (WM_DPICHANGED): the new DPI and the
    // bounds the system suggests there. The window's size is the handler's to set.
    std::function<void(int dpi, const Rect& suggested)> onDpiChanged;
};

// ---- tray, sound, shell, version ------------------------------------------------------

enum class TrayMouse { LeftDown, LeftUp, LeftDoubleClick, RightDown };

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    // Adds, updates or removes the notification-area icon. The picture is shown at its own
    // size (Screen::trayIconSize is what the shell asks for); pixels of exactly 0x00000066
    // become transparent. Results are the system's.
    virtual bool add(const Bitmap& picture, const std::string& hint) = 0;
    virtual bool modify(const Bitmap& picture, const std::string& hint) = 0;
    virtual bool remove() = 0;

    std::function<void(TrayMouse)> onMouse;
};

class Sound {
public:
    virtual ~Sound() = default;
    // sndPlaySound semantics: asynchronous, a new sound stops the one playing.
    virtual void playFile(const std::string& path) = 0;
    virtual void playMemory(std::span<const std::uint8_t> waveImage) = 0;
};

class Resources {
public:
    virtual ~Resources() = default;
    // Bytes of a resource of the program's own module; empty when there is none.
    virtual std::span<const std::uint8_t> find(const std::string& name, const std::string& type) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    virtual void openUrl(const std::string& url) = 0;
};

// Fixed file version of a program file: four 16-bit numbers, most significant first.
using FileVersion = std::array<std::uint16_t, 4>;

class Version {
public:
    virtual ~Version() = default;
    virtual std::optional<FileVersion> fileVersion(const std::string& path) = 0;
};

// ---- common dialogs -------------------------------------------------------------------

// The colour chooser's sixteen custom colours; an empty slot holds none.
using CustomColours = std::array<std::optional<Colour>, 16>;

struct ColourChoice {
    Colour colour = 0;
    CustomColours customColours;  // as the user left them
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The standard colour chooser, opened with its custom-colour part expanded, solid colours
    // only, any colour allowed, a help button, initial preselected and the given custom
    // colours. Nothing when the user cancels.
    virtual std::optional<ColourChoice> chooseColour(Colour initial, const CustomColours& customColours) = 0;
    // The file-open dialog for one existing file. filter is "Description|pattern" pairs
    // separated by '|', e.g. "Wave file ( .wav)|*.wav". Nothing when the user cancels.
    virtual std::optional<std::string> openFile(const std::string& filter) = 0;
    // Runs a nested message loop for a modal dialog: timers, the tray and the other windows
    // keep working. Returns once done() is true after a message, or when the application is
    // quitting (the quit request stays pending for the outer loop).
    virtual void runModal(const std::function<bool()>& done) = 0;
};

// ---- popup menus ----------------------------------------------------------------------

// One line of a popup menu, top to bottom as given.
struct PopupMenuEntry {
    enum class Kind { Command, Check, Separator };
    std::string caption;
    Kind kind = Kind::Command;
    bool checked = false;    // a check item's mark
    bool isDefault = false;  // the menu's default item
    bool enabled = true;
    friend bool operator==(const PopupMenuEntry&, const PopupMenuEntry&) = default;
};

class Menus {
public:
    virtual ~Menus() = default;
    // Shows a popup menu of every entry in Norvi's flat style at a screen point, owned by
    // owner (one of Norvi's windows), and returns once it has closed: the index of the
    // chosen entry, nothing when the user closed it without a choice. Timers and the other
    // windows keep working meanwhile; nothing of the choice has run yet.
    virtual std::optional<int> showPopupMenu(const std::vector<PopupMenuEntry>& entries, Point screen,
                                             WindowHandle owner) = 0;
};

// ---- the application's own window and focus -------------------------------------------

class Desktop {
public:
    virtual ~Desktop() = default;
    virtual WindowHandle foregroundWindow() = 0;
    // Brings a window of this program forward; a window of this program that can be
    // activated is then activated (its onActivate runs).
    virtual void setForegroundWindow(WindowHandle window) = 0;
    // The application's hidden top-level window: it owns Norvi's windows and the tray
    // icons' popup menu, and hears the shell's and the session's broadcasts.
    virtual WindowHandle applicationWindow() = 0;
    // Hides the application's hidden top-level window, so no taskbar button shows.
    virtual void hideApplicationWindow() = 0;
    // Registers a handler for the shell's "TaskbarCreated" broadcast.
    virtual void onTaskbarCreated(std::function<void()> handler) = 0;
    // Registers a handler for the end of the user's session (log-off, shutdown): it runs
    // once the system has decided that the session ends, and the system ends the program
    // soon after it returns. A session end that is called off runs nothing.
    virtual void onSessionEnding(std::function<void()> handler) = 0;

    // One Norvi per user session. Claims the session for this program; false when another
    // Norvi of the same user runs in this session already: that one has then been asked to
    // open its settings dialog, and this one should end at once without doing anything.
    virtual bool claimSession() = 0;
    // Registers a handler for such a request from a later start; it runs from the
    // message loop.
    virtual void onSettingsRequested(std::function<void()> handler) = 0;
};

// ---- everything together --------------------------------------------------------------

class Platform {
public:
    virtual ~Platform() = default;
    virtual Keyboard& keyboard() = 0;
    virtual EventLoop& loop() = 0;
    virtual Files& files() = 0;
    virtual Profile& profile() = 0;
    virtual Registry& registry() = 0;
    virtual Screen& screen() = 0;
    virtual Graphics& graphics() = 0;
    virtual Sound& sound() = 0;
    virtual Resources& resources() = 0;
    virtual Shell& shell() = 0;
    virtual Version& version() = 0;
    virtual Desktop& desktop() = 0;
    virtual Dialogs& dialogs() = 0;
    virtual Menus& menus() = 0;
    virtual TextCompare& textCompare() = 0;
    virtual std::unique_ptr<NativeWindow> createWindow(const WindowCreateArgs& args) = 0;
    virtual std::unique_ptr<TrayIcon> createTrayIcon(int id) = 0;
};

}  // namespace norvi
