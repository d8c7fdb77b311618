// A deterministic platform for the native tests: scripted keys, screens and fonts, a
// virtual clock, and records of what the program did (windows, tray, sounds, files).
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace norvi::fake {

// Case-insensitive ordering for names that Windows matches without regard to case.
struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

// Compares by a case fold of the Latin, Greek and Cyrillic letters (case_fold.h).
class FakeTextCompare : public TextCompare {
public:
    int compareNoCase(std::string_view a, std::string_view b) override;
};

class FakeKeyboard : public Keyboard {
public:
    bool isToggled(int vk) override;
    void setToggled(int vk, bool on) { toggled_[vk] = on; }
    void toggle(int vk) { toggled_[vk] = !toggled_[vk]; }
    int reads = 0;

private:
    std::map<int, bool> toggled_;
};

class FakeEventLoop;

class FakeTimer : public Timer {
public:
    FakeTimer(FakeEventLoop& loop, int interval) : loop_(loop), interval_(interval) {}
    ~FakeTimer() override;
    void setInterval(int ms) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }
    std::uint64_t due() const { return due_; }

private:
    friend class FakeEventLoop;
    FakeEventLoop& loop_;
    int interval_;
    bool enabled_ = false;
    std::uint64_t due_ = 0;
};

// Time moves only when a test says so (advance) or the program sleeps. Ticks are delivered
// by processMessages(), so a handler that lets messages run can receive a nested tick.
class FakeEventLoop : public EventLoop {
public:
    std::unique_ptr<Timer> createTimer(int interval) override;
    void processMessages() override;
    int run() override;
    void quit(int exitCode) override;
    bool quitRequested() const override { return quit_; }
    void sleep(int ms) override { now_ += static_cast<std::uint64_t>(ms < 0 ? 0 : ms); }
    std::uint64_t nowMilliseconds() override { return now_; }

    // Moves the clock forward by ms, delivering every tick that falls due on the way.
    void advance(int ms);
    int processMessagesCalls = 0;
    // Run once by processMessages, then forgotten: a user event arriving "meanwhile".
    std::vector<std::function<void()>> pendingEvents;
    // Run at the start of every processMessages, before due ticks are delivered; a test
    // can let time pass there (sleep) to have ticks arrive in the middle of a handler.
    std::function<void()> onProcessMessages;

private:
    friend class FakeTimer;
    FakeTimer* nextDue();
    std::vector<FakeTimer*> timers_;
    std::uint64_t now_ = 0;
    bool quit_ = false;
};

// Files live in memory; paths are Windows-style strings, compared without regard to case.
// A 16 x 16 test icon in the shell's format: transparent corners (alpha 0), a one-pixel
// half-opaque ring (alpha 128) and an opaque block of colour c inside it, [3, 13) x [3, 13).
Bitmap testFolderIcon(Colour c);

class FakeFiles : public Files {
public:
    std::string localAppDataFolder() override { return localAppData; }
    bool directoryExists(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFile(const std::string& path, std::string_view bytes) override;
    bool listDirectory(const std::string& folder,
                       const std::function<bool(const DirectoryEntry&)>& onEntry) override;
    std::string programPath() override { return program; }
    std::vector<FolderPlace> folderPlaces() override { return places; }

    std::string localAppData = "C:\\Users\\Tester\\AppData\\Local";
    std::string program = "C:\\Program Files\\Norvi\\norvi.exe";
    std::map<std::string, std::string, NoCaseLess> files;
    std::map<std::string, bool, NoCaseLess> directories;  // value: read-only
    bool failCreateDirectory = false;
    // The shell's namespace as a user's machine shows it: the desktop, its folders (two
    // virtual ones without a path), and the computer's drives one level deeper. Each has
    // its own testFolderIcon colour.
    std::vector<FolderPlace> places = defaultPlaces();
    static std::vector<FolderPlace> defaultPlaces();

private:
    bool parentWritable(const std::string& path);
};

// The Windows profile functions' observable behaviour over FakeFiles.
class FakeProfile : public Profile {
public:
    explicit FakeProfile(FakeFiles& files) : files_(files) {}
    std::string read(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& fallback) override;
    bool write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& value) override;
    int writes = 0;

private:
    FakeFiles& files_;
};

class FakeRegistry : public Registry {
public:
    bool writeUserString(const std::string& subKey, const std::string& name, const std::string& value) override;
    bool deleteUserValue(const std::string& subKey, const std::string& name) override;
    std::optional<std::string> readUserString(const std::string& subKey, const std::string& name) override;
    std::map<std::string, std::map<std::string, std::string, NoCaseLess>, NoCaseLess> values;
    bool failOpen = false;
};

class FakeScreen : public Screen {
public:
    Size primarySize() override { return primary; }
    Rect workArea() override { return work; }
    Rect workAreaAt(const Rect& window) override;
    std::vector<Rect> displays() override { return displayList; }
    int logicalDpiY() override { return dpi; }
    int dpiAt(const Rect& area) override;
    Size trayIconSize() override { return trayIcon; }
    int doubleClickTimeMilliseconds() override { return doubleClickTime; }
    Point cursorPosition() override { return cursor; }

    // A primary display of the given size with a taskbar of taskbarHeight along the bottom.
    void setPrimary(int width, int height, int taskbarHeight);

    Size primary{1920, 1080};
    Rect work{0, 0, 1920, 1040};
    std::vector<Rect> displayList{{0, 0, 1920, 1080}};
    int dpi = 96;
    // Each display's own DPI, in the order of displayList; a display without an entry
    // has 96.
    std::vector<int> displayDpi;
    // What the shell asks for in the notification area: the art's own size unless a test
    // scripts a shell of its own (16 x 16 is Windows' at 96 dpi).
    Size trayIcon{32, 32};
    int doubleClickTime = 500;
    Point cursor{100, 100};
};

// Deterministic text. For a font of em height h:
//   internal leading L = h / 5, cell height = h + L;
//   every code point advances a = (bold ? 3h/5 : h/2) pixels, at least 1;
//   a glyph's ink is the box [x + a/8, x + a - a/8) by [y + L, y + h + L - h/10), except a
//   space, which has none. So the first inked row of any text is L below the cell top.
class FakeGraphics : public Graphics {
public:
    Size textExtent(const FontSpec& font, std::string_view text) override;
    void drawText(Bitmap& target, const FontSpec& font, std::string_view text,
                  std::span<const TextDraw> draws) override;
    std::vector<std::string> fontFaces() override { return faces; }

    static int advanceOf(const FontSpec& font);
    static int leadingOf(const FontSpec& font) { return font.charHeight / 5; }

    std::vector<std::string> faces{"Arial", "Courier New", "Segoe UI", "Tahoma", "Times New Roman"};
    int extentCalls = 0;
    // Failure injection: measuring text throws, as a system out of resources would.
    bool failTextExtent = false;
    std::vector<FontSpec> drawnFonts;
};

struct PlayedSound {
    std::string file;              // empty for a memory image
    std::size_t memoryBytes = 0;   // size of the memory image
    const std::uint8_t* memory = nullptr;
};

class FakeSound : public Sound {
public:
    void playFile(const std::string& path) override { played.push_back({path, 0, nullptr}); }
    void playMemory(std::span<const std::uint8_t> image) override {
        played.push_back({"", image.size(), image.data()});
    }
    std::vector<PlayedSound> played;
};

class FakeResources : public Resources {
public:
    std::span<const std::uint8_t> find(const std::string& name, const std::string& type) override;
    // name -> type -> bytes
    std::map<std::string, std::map<std::string, std::vector<std::uint8_t>, NoCaseLess>, NoCaseLess> items;
};

class FakeShell : public Shell {
public:
    void openUrl(const std::string& url) override { opened.push_back(url); }
    std::vector<std::string> opened;
};

class FakeVersion : public Version {
public:
    std::optional<FileVersion> fileVersion(const std::string& path) override;
    std::map<std::string, FileVersion, NoCaseLess> versions;
};

class FakeWindow;

class FakeDesktop : public Desktop {
public:
    explicit FakeDesktop(std::vector<FakeWindow*>& windows) : windows_(windows) {}
    WindowHandle foregroundWindow() override { return foreground; }
    // As on Windows: the window comes forward, and a visible, enabled one of the program's
    // windows is activated (its onActivate runs).
    void setForegroundWindow(WindowHandle w) override;
    WindowHandle applicationWindow() override { return kApplicationWindow; }
    void hideApplicationWindow() override { ++applicationWindowHides; }
    void onTaskbarCreated(std::function<void()> handler) override { taskbarHandlers.push_back(std::move(handler)); }
    void onSessionEnding(std::function<void()> handler) override { sessionHandlers.push_back(std::move(handler)); }
    // False while anotherInstanceRuns; the request to that one is then counted.
    bool claimSession() override;
    void onSettingsRequested(std::function<void()> handler) override {
        settingsRequestHandlers.push_back(std::move(handler));
    }
    void restartShell();
    // The user logs off: the system's end of the session reaches the program.
    void endSession();
    // A later start of Norvi asks this one for its settings dialog.
    void requestSettings();

    static constexpr WindowHandle kApplicationWindow = 0x0A99;
    WindowHandle foreground = 4242;
    int applicationWindowHides = 0;
    std::vector<std::function<void()>> taskbarHandlers;
    std::vector<std::function<void()>> sessionHandlers;
    std::vector<std::function<void()>> settingsRequestHandlers;
    // Scripts a Norvi of the same user running already in this session.
    bool anotherInstanceRuns = false;
    int sessionClaims = 0;
    int settingsRequestsSent = 0;  // to the Norvi that runs already

private:
    std::vector<FakeWindow*>& windows_;
};

// Scripted common dialogs. Each request takes the next queued answer (an empty queue
// answers "cancelled") and is recorded. A modal run performs the queued modal actions one
// by one, letting messages run after each, until the dialog says it is done.
class FakeDialogs : public Dialogs {
public:
    explicit FakeDialogs(EventLoop& loop) : loop_(loop) {}
    std::optional<ColourChoice> chooseColour(Colour initial, const CustomColours& customColours) override;
    std::optional<std::string> openFile(const std::string& filter) override;
    void runModal(const std::function<bool()>& done) override;

    // A user's confirmed choice; without custom colours the chooser's list comes back unchanged.
    struct ColourAnswer {
        Colour colour = 0;
        std::optional<CustomColours> customColours;
    };
    struct ColourRequest {
        Colour initial = 0;
        CustomColours customColours;
    };
    std::deque<std::optional<ColourAnswer>> colourAnswers;
    std::vector<ColourRequest> colourRequests;
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<std::string> fileFilters;
    // What the user does while a modal dialog is open, in order; the last should close it.
    std::deque<std::function<void()>> whileModal;
    int modalRuns = 0;
    // Modal runs that ran out of actions with the dialog still open (a test's mistake).
    int modalsLeftOpen = 0;

private:
    EventLoop& loop_;
};

// A scripted popup menu. Each showing is recorded, runs whileShown (what happens while it
// is open), then takes the next queued answer; an empty queue closes it with no choice.
class FakeMenus : public Menus {
public:
    std::optional<int> showPopupMenu(const std::vector<PopupMenuEntry>& entries, Point screen,
                                     WindowHandle owner) override;

    struct Shown {
        std::vector<PopupMenuEntry> entries;
        Point screen;
        WindowHandle owner = kNoWindow;
    };
    std::vector<Shown> shown;
    std::deque<std::optional<int>> answers;  // an index into the entries shown
    std::function<void()> whileShown;
};

// How far a window's frame reaches out beyond its client area on each side.
struct FrameInsets {
    int left = 0, top = 0, right = 0, bottom = 0;
};

class FakeWindow : public NativeWindow {
public:
    // A title-bar window gets titleBarFrame around the client area its bounds ask for.
    // Its DPI is the screen's at its bounds; a move onto a display of another DPI reports
    // the change as the system does, suggesting the same top-left corner and the size
    // scaled to the new DPI.
    FakeWindow(WindowCreateArgs args, WindowHandle handle, std::vector<FakeWindow*>& registry,
               FrameInsets titleBarFrame, FakeScreen& screen, std::vector<std::string>& journal);
    ~FakeWindow() override;
    WindowHandle handle() override { return handle_; }
    void show() override;
    void hide() override;
    bool isVisible() override { return visible_; }
    Rect bounds() override { return bounds_; }
    void setBounds(const Rect& b) override;
    Size clientSize() override { return clientArea(); }
    void setLayered(const LayeredAttributes& a) override { layered = a; }
    void setRoundRegion(int w, int h, int ew, int eh) override;
    bool isTopmost() override { return topmost; }
    void makeTopmost() override { topmost = true; ++makeTopmostCalls; }
    void makeNotTopmost() override { topmost = false; }
    void bringToFront() override { ++bringToFrontCalls; }
    void setPicture(const Bitmap& p, Colour background) override;
    void showPictureAt(const Bitmap& p, Colour background, const Rect& b) override;
    // Like ReleaseCapture before the system's move loop: a held capture ends.
    void startSystemMove() override;
    // Releasing a held capture reports it, as WM_CAPTURECHANGED does.
    void setCapture(bool c) override;
    // Another window or the system takes the mouse (Alt+Tab, WM_CANCELMODE): a held
    // capture ends and is reported.
    void takeCaptureAway() { setCapture(false); }
    // Runs onClose only, as WM_CLOSE does: whether the window hides is the program's say.
    void close() override;
    void setEnabled(bool e) override;
    bool isEnabled() override { return enabled; }
    void refreshCursor() override { ++cursorRefreshes; }
    int dpi() override { return dpi_; }

    // The cursor the window shows with the pointer at a client point.
    CursorKind cursorAt(Point p) const { return onCursorAt ? onCursorAt(p) : CursorKind::Arrow; }
    // What a user sees in the client area: the picture centred, background elsewhere.
    Colour clientPixel(int x, int y) const;
    // What the window shows at a screen point; nothing outside the window.
    std::optional<Colour> screenPixel(int x, int y) const;

    WindowCreateArgs args;
    LayeredAttributes layered;
    bool topmost = false;
    Rect region;  // width/height and ellipse in right/bottom of the last round region
    int regionCalls = 0;
    int showCalls = 0;
    int makeTopmostCalls = 0;
    int bringToFrontCalls = 0;
    int systemMoves = 0;
    int pictureCalls = 0;
    int picturePlacements = 0;  // showPictureAt calls
    int cursorRefreshes = 0;
    bool captured = false;
    bool enabled = true;
    bool destroyed = false;
    Bitmap picture;
    Colour pictureBackground = 0;

private:
    Size clientArea() const;
    WindowHandle handle_;
    std::vector<FakeWindow*>& registry_;
    FakeScreen& screen_;
    std::vector<std::string>& journal_;
    int dpi_ = 96;
    Rect bounds_;
    FrameInsets frame_;
    bool visible_ = false;
};

class FakeTrayIcon : public TrayIcon {
public:
    FakeTrayIcon(int id, std::vector<FakeTrayIcon*>& registry) : id(id), registry_(registry) {
        registry_.push_back(this);
    }
    ~FakeTrayIcon() override;
    bool add(const Bitmap& p, const std::string& h) override;
    bool modify(const Bitmap& p, const std::string& h) override;
    bool remove() override;

    int id;
    bool present = false;
    int adds = 0, modifies = 0, removes = 0;
    Bitmap picture;
    std::string hint;
    bool failAdd = false;

private:
    std::vector<FakeTrayIcon*>& registry_;
};

class FakePlatform : public Platform {
public:
    FakePlatform();
    Keyboard& keyboard() override { return keys; }
    EventLoop& loop() override { return clock; }
    Files& files() override { return disk; }
    Profile& profile() override { return ini; }
    Registry& registry() override { return reg; }
    Screen& screen() override { return display; }
    Graphics& graphics() override { return text; }
    Sound& sound() override { return audio; }
    Resources& resources() override { return res; }
    Shell& shell() override { return web; }
    Version& version() override { return ver; }
    Desktop& desktop() override { return desk; }
    Dialogs& dialogs() override { return prompts; }
    Menus& menus() override { return popups; }
    TextCompare& textCompare() override { return collation; }
    std::unique_ptr<NativeWindow> createWindow(const WindowCreateArgs& args) override;
    std::unique_ptr<TrayIcon> createTrayIcon(int id) override;

    // The most recent window created with that class name, or nullptr.
    FakeWindow* window(const std::string& className);
    FakeTrayIcon* trayIcon(int id);

    FakeKeyboard keys;
    FakeEventLoop clock;
    FakeFiles disk;
    FakeProfile ini{disk};
    FakeRegistry reg;
    FakeScreen display;
    FakeGraphics text;
    FakeSound audio;
    FakeResources res;
    FakeShell web;
    FakeVersion ver;
    FakeDesktop desk{windows};
    FakeDialogs prompts{clock};
    FakeMenus popups;
    FakeTextCompare collation;
    std::vector<FakeWindow*> windows;  // the program owns them; each leaves this list when destroyed
    // What the windows went through, in order: "show <class>", "hide <class>",
    // "enable <class>", "disable <class>".
    std::vector<std::string> windowJournal;
    std::vector<FakeTrayIcon*> trayIcons;
    // Failure injection: creating a window of one of these classes throws.
    std::set<std::string> failingWindowClasses;
    // The frame a window created with titleBar gets: a 23-pixel caption over a 3-pixel
    // dialog border, as on a 96-DPI display (scaled on others).
    FrameInsets titleBarFrame{3, 26, 3, 3};

private:
    WindowHandle nextHandle_ = 0x1000;
};

}  // namespace norvi::fake
