#include "platform/fake/fake_platform.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "platform/fake/case_fold.h"
#include "platform/fake/profile_text.h"

namespace norvi::fake {

namespace {

std::string parentOf(const std::string& path) {
    std::string p = path;
    while (!p.empty() && p.back() == '\\') p.pop_back();
    const auto slash = p.find_last_of('\\');
    if (slash == std::string::npos) return std::string();
    return slash == 0 ? std::string("\\") : p.substr(0, slash);
}

std::string withoutTrailingSlash(std::string p) {
    while (p.size() > 1 && p.back() == '\\') p.pop_back();
    return p;
}

// Decodes one UTF-8 code point count; invalid bytes count as one each.
int codePoints(std::string_view text) {
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

// Names Windows matches without regard to case (paths, profile and registry names) use
// the same fold as the texts.
bool NoCaseLess::operator()(const std::string& a, const std::string& b) const { return compareFolded(a, b) < 0; }

int FakeTextCompare::compareNoCase(std::string_view a, std::string_view b) { return compareFolded(a, b); }

// ---- keyboard, clock ------------------------------------------------------------------

bool FakeKeyboard::isToggled(int vk) {
    ++reads;
    const auto it = toggled_.find(vk);
    return it != toggled_.end() && it->second;
}

FakeTimer::~FakeTimer() {
    auto& t = loop_.timers_;
    t.erase(std::remove(t.begin(), t.end(), this), t.end());
}

void FakeTimer::setInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    if (enabled_) due_ = loop_.now_ + static_cast<std::uint64_t>(interval_);
}

void FakeTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) due_ = loop_.now_ + static_cast<std::uint64_t>(std::max(1, interval_));
}

std::unique_ptr<Timer> FakeEventLoop::createTimer(int interval) {
    auto t = std::make_unique<FakeTimer>(*this, interval);
    timers_.push_back(t.get());
    return t;
}

FakeTimer* FakeEventLoop::nextDue() {
    FakeTimer* best = nullptr;
    for (FakeTimer* t : timers_)
        if (t->enabled_ && t->due_ <= now_ && (!best || t->due_ < best->due_)) best = t;
    return best;
}

void FakeEventLoop::processMessages() {
    ++processMessagesCalls;
    if (onProcessMessages) onProcessMessages();
    auto events = std::move(pendingEvents);
    pendingEvents.clear();
    for (auto& e : events) e();
    // Each due timer ticks once per call, like WM_TIMER: the next due time is set before the
    // handler runs, so a handler that lets messages run gets a nested tick only once it is due.
    std::vector<FakeTimer*> fired;
    while (FakeTimer* t = nextDue()) {
        if (std::find(fired.begin(), fired.end(), t) != fired.end()) break;
        fired.push_back(t);
        t->due_ = now_ + static_cast<std::uint64_t>(std::max(1, t->interval_));
        if (t->onTick) t->onTick();
    }
}

void FakeEventLoop::advance(int ms) {
    const std::uint64_t end = now_ + static_cast<std::uint64_t>(std::max(0, ms));
    for (;;) {
        std::uint64_t next = end;
        for (FakeTimer* t : timers_)
            if (t->enabled_ && t->due_ < next) next = t->due_;
        if (next > now_) now_ = next;
        processMessages();
        if (now_ >= end && !nextDue()) break;
    }
}

int FakeEventLoop::run() {
    // The loop of a test program: an hour of virtual time at most, or until quit.
    for (int i = 0; i < 3600 * 8 && !quit_; ++i) advance(125);
    return 0;
}

void FakeEventLoop::quit(int) { quit_ = true; }

// ---- files ----------------------------------------------------------------------------

Bitmap testFolderIcon(Colour c) {
    Bitmap icon(16, 16, 32, c);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool inner = x >= 3 && x < 13 && y >= 3 && y < 13;
            const bool ring = x >= 2 && x < 14 && y >= 2 && y < 14;
            icon.row(y)[x * 4 + 3] = static_cast<std::uint8_t>(inner ? 255 : ring ? 128 : 0);
        }
    return icon;
}

std::vector<FolderPlace> FakeFiles::defaultPlaces() {
    return {
        {"Desktop", "C:\\Users\\Tester\\Desktop", 0, testFolderIcon(rgb(0x20, 0x60, 0xC0))},
        {"Tester", "C:\\Users\\Tester", 1, testFolderIcon(rgb(0xE0, 0xC0, 0x40))},
        {"This PC", "", 1, testFolderIcon(rgb(0x30, 0x90, 0x30))},
        {"Local Disk (C:)", "C:\\", 2, testFolderIcon(rgb(0x80, 0x80, 0x80))},
        {"Data (D:)", "D:\\", 2, testFolderIcon(rgb(0x60, 0x40, 0x20))},
        {"Network", "", 1, testFolderIcon(rgb(0x10, 0x80, 0x80))},
        {"Sounds", "C:\\Users\\Tester\\Desktop\\Sounds", 1, testFolderIcon(rgb(0xC0, 0x30, 0x30))},
    };
}

bool FakeFiles::directoryExists(const std::string& path) {
    return directories.count(withoutTrailingSlash(path)) > 0;
}

bool FakeFiles::parentWritable(const std::string& path) {
    const std::string parent = parentOf(path);
    const auto it = directories.find(parent);
    return it != directories.end() && !it->second;
}

bool FakeFiles::createDirectory(const std::string& path) {
    const std::string p = withoutTrailingSlash(path);
    if (failCreateDirectory || directories.count(p) || !parentWritable(p)) return false;
    directories[p] = false;
    return true;
}

bool FakeFiles::fileExists(const std::string& path) { return files.count(path) > 0; }

std::optional<std::string> FakeFiles::readFile(const std::string& path) {
    const auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
}

bool FakeFiles::writeFile(const std::string& path, std::string_view bytes) {
    if (!files.count(path) && !parentWritable(path)) return false;
    const auto dir = directories.find(parentOf(path));
    if (dir == directories.end() || dir->second) return false;
    files[path] = std::string(bytes);
    return true;
}

bool FakeFiles::listDirectory(const std::string& folder, const std::function<bool(const DirectoryEntry&)>& onEntry) {
    const std::string dir = withoutTrailingSlash(folder);
    if (!directories.count(dir)) return false;
    if (!onEntry({".", true, false, false}) || !onEntry({"..", true, false, false})) return true;
    const std::string prefix = dir + "\\";
    const auto visit = [&](const std::string& path, bool isDir) {
        // A folded letter keeps its UTF-8 length, so the prefix is as long in either case.
        if (path.size() < prefix.size() || compareFolded(std::string_view(path).substr(0, prefix.size()), prefix) != 0)
            return true;
        const std::string rest = path.substr(prefix.size());
        if (rest.empty() || rest.find('\\') != std::string::npos) return true;
        return onEntry({rest, isDir, false, false});
    };
    for (const auto& [path, ro] : directories)
        if (!visit(path, true)) return true;
    for (const auto& [path, bytes] : files)
        if (!visit(path, false)) return true;
    return true;
}

// ---- profile --------------------------------------------------------------------------

std::string FakeProfile::read(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& fallback) {
    const auto text = files_.readFile(file);
    const auto value = text ? profileRead(*text, section, key) : std::nullopt;
    return value ? cleanProfileValue(*value) : cleanProfileFallback(fallback);
}

bool FakeProfile::write(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    ++writes;
    const auto text = files_.readFile(file);
    return files_.writeFile(file, profileWrite(text ? *text : std::string(), section, key, value));
}

// ---- registry -------------------------------------------------------------------------

bool FakeRegistry::writeUserString(const std::string& subKey, const std::string& name, const std::string& value) {
    if (failOpen) return false;
    values[subKey][name] = value;
    return true;
}

bool FakeRegistry::deleteUserValue(const std::string& subKey, const std::string& name) {
    if (failOpen) return false;
    const auto it = values.find(subKey);
    return it != values.end() && it->second.erase(name) > 0;
}

std::optional<std::string> FakeRegistry::readUserString(const std::string& subKey, const std::string& name) {
    const auto it = values.find(subKey);
    if (it == values.end()) return std::nullopt;
    const auto v = it->second.find(name);
    if (v == it->second.end()) return std::nullopt;
    return v->second;
}

// ---- screen ---------------------------------------------------------------------------

void FakeScreen::setPrimary(int width, int height, int taskbarHeight) {
    primary = {width, height};
    work = {0, 0, width, height - taskbarHeight};
    if (displayList.empty()) displayList.push_back({});
    displayList[0] = {0, 0, width, height};
}

int FakeScreen::dpiAt(const Rect& area) {
    // The display that holds the rectangle's centre, as workAreaAt finds it; the primary
    // when none does.
    const int cx = area.left + area.width() / 2;
    const int cy = area.top + area.height() / 2;
    std::size_t at = 0;
    for (std::size_t i = 1; i < displayList.size(); ++i) {
        const Rect& d = displayList[i];
        if (cx >= d.left && cx < d.right && cy >= d.top && cy < d.bottom) at = i;
    }
    return at < displayDpi.size() ? displayDpi[at] : 96;
}

Rect FakeScreen::workAreaAt(const Rect& window) {
    // Displays other than the primary have no taskbar here.
    const int cx = window.left + window.width() / 2;
    const int cy = window.top + window.height() / 2;
    for (std::size_t i = 1; i < displayList.size(); ++i) {
        const Rect& d = displayList[i];
        if (cx >= d.left && cx < d.right && cy >= d.top && cy < d.bottom) return d;
    }
    return work;
}

// ---- text -----------------------------------------------------------------------------

int FakeGraphics::advanceOf(const FontSpec& font) {
    const int h = std::max(1, font.charHeight);
    return std::max(1, font.bold ? h * 3 / 5 : h / 2);
}

Size FakeGraphics::textExtent(const FontSpec& font, std::string_view text) {
    ++extentCalls;
    if (failTextExtent) throw std::runtime_error("text extent failed");
    const int h = std::max(1, font.charHeight);
    return {advanceOf(font) * codePoints(text), h + leadingOf(font)};
}

void FakeGraphics::drawText(Bitmap& target, const FontSpec& font, std::string_view text,
                            std::span<const TextDraw> draws) {
    drawnFonts.push_back(font);
    const int h = std::max(1, font.charHeight);
    const int a = advanceOf(font);
    const int lead = leadingOf(font);
    for (const TextDraw& d : draws) {
        int index = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            if ((c & 0xC0) == 0x80) continue;
            if (c != ' ') {
                const int gx = d.x + index * a;
                const int x0 = std::max(0, gx + a / 8), x1 = std::min(target.width(), gx + a - a / 8);
                const int y0 = std::max(0, d.y + lead), y1 = std::min(target.height(), d.y + h + lead - h / 10);
                for (int y = y0; y < y1; ++y)
                    for (int x = x0; x < x1; ++x) target.setPixel(x, y, d.colour);
            }
            ++index;
        }
    }
}

// ---- resources, version, desktop ----------------------------------------------------------

std::span<const std::uint8_t> FakeResources::find(const std::string& name, const std::string& type) {
    const auto it = items.find(name);
    if (it == items.end()) return {};
    const auto t = it->second.find(type);
    if (t == it->second.end()) return {};
    return {t->second.data(), t->second.size()};
}

std::optional<FileVersion> FakeVersion::fileVersion(const std::string& path) {
    const auto it = versions.find(path);
    if (it == versions.end()) return std::nullopt;
    return it->second;
}

void FakeDesktop::restartShell() {
    for (auto& h : taskbarHandlers) h();
}

void FakeDesktop::setForegroundWindow(WindowHandle w) {
    foreground = w;
    for (FakeWindow* window : windows_)
        if (window->handle() == w && window->isVisible() && window->enabled && window->onActivate) {
            window->onActivate();
            return;
        }
}

void FakeDesktop::endSession() {
    const auto handlers = sessionHandlers;
    for (const auto& h : handlers) h();
}

bool FakeDesktop::claimSession() {
    ++sessionClaims;
    if (!anotherInstanceRuns) return true;
    ++settingsRequestsSent;
    return false;
}

void FakeDesktop::requestSettings() {
    const auto handlers = settingsRequestHandlers;
    for (const auto& h : handlers) h();
}

// ---- windows and tray -----------------------------------------------------------------

FakeWindow::FakeWindow(WindowCreateArgs createArgs, WindowHandle handle, std::vector<FakeWindow*>& registry,
                       FrameInsets titleBarFrame, FakeScreen& screen, std::vector<std::string>& journal)
    : args(std::move(createArgs)), handle_(handle), registry_(registry), screen_(screen), journal_(journal) {
    dpi_ = screen_.dpiAt(args.bounds);
    const auto scaled = [this](int v) { return (v * dpi_ + 48) / 96; };
    if (args.titleBar)
        frame_ = {scaled(titleBarFrame.left), scaled(titleBarFrame.top), scaled(titleBarFrame.right),
                  scaled(titleBarFrame.bottom)};
    const Rect& c = args.bounds;
    bounds_ = {c.left - frame_.left, c.top - frame_.top, c.right + frame_.right, c.bottom + frame_.bottom};
    registry_.push_back(this);
}

FakeWindow::~FakeWindow() { registry_.erase(std::remove(registry_.begin(), registry_.end(), this), registry_.end()); }

void FakeWindow::show() {
    visible_ = true;
    ++showCalls;
    if (args.topmost) topmost = true;
    journal_.push_back("show " + args.className);
}

void FakeWindow::hide() {
    visible_ = false;
    journal_.push_back("hide " + args.className);
}

void FakeWindow::setEnabled(bool e) {
    enabled = e;
    journal_.push_back((e ? "enable " : "disable ") + args.className);
}

void FakeWindow::setBounds(const Rect& b) {
    Rect adjusted = b;
    if (onPositionChanging) onPositionChanging(adjusted);
    bounds_ = adjusted;
    const int now = screen_.dpiAt(bounds_);
    if (now == dpi_) return;
    const int before = dpi_;
    dpi_ = now;
    const auto scaled = [&](int v) { return (v * now + before / 2) / before; };
    if (onDpiChanged)
        onDpiChanged(now, Rect::fromSize(bounds_.left, bounds_.top, scaled(bounds_.width()), scaled(bounds_.height())));
}

Size FakeWindow::clientArea() const {
    return {std::max(0, bounds_.width() - frame_.left - frame_.right),
            std::max(0, bounds_.height() - frame_.top - frame_.bottom)};
}

void FakeWindow::setRoundRegion(int w, int h, int ew, int eh) {
    region = {w, h, ew, eh};
    ++regionCalls;
}

void FakeWindow::setPicture(const Bitmap& p, Colour background) {
    picture = p;
    pictureBackground = background;
    ++pictureCalls;
}

void FakeWindow::showPictureAt(const Bitmap& p, Colour background, const Rect& b) {
    setBounds(Rect{b.left - frame_.left, b.top - frame_.top, b.right + frame_.right, b.bottom + frame_.bottom});
    setPicture(p, background);
    ++picturePlacements;
}

void FakeWindow::startSystemMove() {
    ++systemMoves;
    setCapture(false);
}

void FakeWindow::setCapture(bool c) {
    const bool lost = captured && !c;
    captured = c;
    if (lost && onCaptureLost) onCaptureLost();
}

void FakeWindow::close() {
    if (onClose) onClose();
}

Colour FakeWindow::clientPixel(int x, int y) const {
    const Size client = clientArea();
    const int ox = (client.width - picture.width()) / 2;
    const int oy = (client.height - picture.height()) / 2;
    const int px = x - ox, py = y - oy;
    if (px < 0 || py < 0 || px >= picture.width() || py >= picture.height()) return pictureBackground;
    return picture.pixel(px, py);
}

std::optional<Colour> FakeWindow::screenPixel(int x, int y) const {
    const int cx = x - bounds_.left - frame_.left, cy = y - bounds_.top - frame_.top;
    const Size client = clientArea();
    if (cx < 0 || cy < 0 || cx >= client.width || cy >= client.height) return std::nullopt;
    return clientPixel(cx, cy);
}

FakeTrayIcon::~FakeTrayIcon() { registry_.erase(std::remove(registry_.begin(), registry_.end(), this), registry_.end()); }

bool FakeTrayIcon::add(const Bitmap& p, const std::string& h) {
    ++adds;
    if (failAdd) return false;
    present = true;
    picture = p;
    hint = h.substr(0, 127);
    return true;
}

bool FakeTrayIcon::modify(const Bitmap& p, const std::string& h) {
    ++modifies;
    if (!present) return false;
    picture = p;
    hint = h.substr(0, 127);
    return true;
}

bool FakeTrayIcon::remove() {
    ++removes;
    const bool was = present;
    present = false;
    return was;
}

// ---- the platform ---------------------------------------------------------------------

// ---- dialogs ----------------------------------------------------------------------------

std::optional<ColourChoice> FakeDialogs::chooseColour(Colour initial, const CustomColours& customColours) {
    colourRequests.push_back({initial, customColours});
    if (colourAnswers.empty()) return std::nullopt;
    const std::optional<ColourAnswer> answer = colourAnswers.front();
    colourAnswers.pop_front();
    if (!answer) return std::nullopt;
    return ColourChoice{answer->colour, answer->customColours.value_or(customColours)};
}

std::optional<std::string> FakeDialogs::openFile(const std::string& filter) {
    fileFilters.push_back(filter);
    if (fileAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

void FakeDialogs::runModal(const std::function<bool()>& done) {
    ++modalRuns;
    // As on Windows, a quit request ends the wait and stays pending for the outer loop.
    while (!done() && !loop_.quitRequested()) {
        if (whileModal.empty()) {
            ++modalsLeftOpen;
            return;
        }
        const std::function<void()> action = std::move(whileModal.front());
        whileModal.pop_front();
        if (action) action();
        loop_.processMessages();
    }
}

std::optional<int> FakeMenus::showPopupMenu(const std::vector<PopupMenuEntry>& entries, Point screen,
                                            WindowHandle owner) {
    shown.push_back({entries, screen, owner});
    if (whileShown) whileShown();
    if (answers.empty()) return std::nullopt;
    const std::optional<int> answer = answers.front();
    answers.pop_front();
    return answer;
}

FakePlatform::FakePlatform() {
    disk.directories["C:"] = false;
    disk.directories["C:\\Users"] = false;
    disk.directories["C:\\Users\\Tester"] = false;
    disk.directories["C:\\Users\\Tester\\AppData"] = false;
    disk.directories["C:\\Users\\Tester\\AppData\\Local"] = false;
}

std::unique_ptr<NativeWindow> FakePlatform::createWindow(const WindowCreateArgs& args) {
    if (failingWindowClasses.count(args.className)) throw std::runtime_error("cannot create " + args.className);
    return std::make_unique<FakeWindow>(args, nextHandle_++, windows, titleBarFrame, display, windowJournal);
}

std::unique_ptr<TrayIcon> FakePlatform::createTrayIcon(int id) {
    return std::make_unique<FakeTrayIcon>(id, trayIcons);
}

FakeWindow* FakePlatform::window(const std::string& className) {
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->args.className == className) return *it;
    return nullptr;
}

FakeTrayIcon* FakePlatform::trayIcon(int id) {
    for (FakeTrayIcon* t : trayIcons)
        if (t->id == id) return t;
    return nullptr;
}

}  // namespace norvi::fake
