// The sound finder on the real platform: a search over a generated folder tree finds
// exactly its sounds (hidden, non-ANSI and long paths included), Cancel pressed during a
// search stops it, and the finder's throughput is measured (printed, never asserted).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <set>

#include "app/program.h"
#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/dib.h"
#include "platform/win32/files.h"
#include "platform/win32/win32_platform.h"
#include "screen_grab.h"
#include "settings/finder/finder_window.h"
#include "settings/finder/sound_search.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

using test::TempFolder;

bool makeFolder(const std::string& path) { return CreateDirectoryW(widen(path).c_str(), nullptr) != 0; }
bool makeFile(const std::string& path) {
    UniqueFile f(CreateFileW(widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(f);
}

// The system's own order without regard to case, for every script.
bool lessNoCase(const std::string& a, const std::string& b) {
    const std::wstring x = widen(a), y = widen(b);
    return CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, x.c_str(), static_cast<int>(x.size()), y.c_str(),
                           static_cast<int>(y.size()), nullptr, nullptr, 0) == CSTR_LESS_THAN;
}

// A tree of 344 folders with a known set of sounds among distractors.
struct SoundTree {
    std::string root;
    std::vector<std::string> sounds;
    int folders = 0;
    bool linkMade = false;

    explicit SoundTree(const std::string& r) : root(r) {
        for (int a = 0; a < 8; ++a) {
            const std::string pa = folder(root, "Top" + std::to_string(a));
            for (int b = 0; b < 6; ++b) {
                const std::string pb = folder(pa, "mid " + std::to_string(b));
                for (int c = 0; c < 6; ++c) {
                    const int k = (a * 6 + b) * 6 + c;
                    const std::string pc = folder(pb, "Leaf" + std::to_string(c));
                    for (const char* d : {"readme.txt", "song.wave", "x.wav.txt", "wav", "clip.wa"}) file(pc, d, false);
                    if (k % 23 == 0) file(pc, "Tone" + std::to_string(k) + ".WAV", true);
                    if (k % 31 == 0) file(pc, "chime" + std::to_string(k) + ".wav", true);
                    if (k % 37 == 0) file(pc, "Mix" + std::to_string(k) + ".WaV", true);
                }
            }
        }
        file(root, ".wav", true);
        file(folder(root, "loops.wav"), "inner.wav", true);
        const std::string hidden = folder(root, "$Hidden");
        file(hidden, "secret.wav", true);
        SetFileAttributesW(widen(hidden).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        const std::string ghost = root + "\\ghost.wav";
        file(root, "ghost.wav", true);
        SetFileAttributesW(widen(ghost).c_str(), FILE_ATTRIBUTE_HIDDEN);
        file(folder(root, "Zvoki \xC4\x8D\xC5\xA1\xC5\xBE \xE9\x9F\xB3"), "pesem \xC5\xBE.wav", true);
        // "Č" and "č" are one letter: these sort as "ča", "Čb", "Čc", not by their bytes.
        for (const char* name : {"\xC4\x8C" "b.wav", "\xC4\x8D" "a.wav", "\xC4\x8C" "c.wav"}) file(root, name, true);
        // A chain of folders that takes the path beyond MAX_PATH.
        std::string deep = folder(root, "long");
        while (deep.size() < 300) deep = folder(deep, std::string(60, 'n'));
        file(deep, "Deep.wav", true);
        // A link back to the tree's root: it must not be walked.
        const std::string link = root + "\\Top0\\back";
        linkMade = CreateSymbolicLinkW(widen(link).c_str(), widen(root).c_str(),
                                       SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != 0;
        // A system that makes links without marking them as such would make the walk
        // endless: then the tree goes without one.
        const DWORD attributes = GetFileAttributesW(widen(link).c_str());
        if (linkMade && (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))) {
            RemoveDirectoryW(widen(link).c_str());
            linkMade = false;
        }
    }
    std::string folder(const std::string& parent, const std::string& name) {
        const std::string path = parent + "\\" + name;
        EXPECT_TRUE(makeFolder(path)) << path;
        ++folders;
        return path;
    }
    void file(const std::string& parent, const std::string& name, bool sound) {
        const std::string path = parent + "\\" + name;
        EXPECT_TRUE(makeFile(path)) << path;
        if (sound) sounds.push_back(path);
    }
};

class FinderWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        program = std::make_unique<Program>(platform);
        program->fFind = std::make_unique<TfFind>(*program);
        program->fFind->FormCreate();
        ASSERT_NE(finder().window(), nullptr);
    }
    // The link goes first, so the folder clean-up does not walk into the tree through it.
    void TearDown() override { RemoveDirectoryW(widen(tree.root + "\\Top0\\back").c_str()); }
    TfFind& finder() { return *program->fFind; }
    FinderWindow& w() { return *finder().window(); }
    HWND hwnd() { return reinterpret_cast<HWND>(w().native().handle()); }
    void searchIn(const std::string& folder) {
        w().Scb->setPlaces({{"Test tree", folder, 0, {}}});
        w().Scb->setSelected(0);
    }
    // Opens the finder; `whileOpen` runs once from a timer inside its modal loop.
    DialogResult openWith(const std::function<void()>& whileOpen) {
        auto step = platform.loop().createTimer(100);
        bool ran = false;
        step->onTick = [&] {
            if (ran) return;
            ran = true;
            whileOpen();
        };
        step->setEnabled(true);
        return finder().showModal();
    }
    void postClick(const ui::kit::View& v) {
        const Rect b = v.bounds();
        const LPARAM at = MAKELPARAM(b.left + b.width() / 2, b.top + b.height() / 2);
        PostMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(hwnd(), WM_LBUTTONUP, 0, at);
    }

    TempFolder temp{"finder \xC5\xA1"};
    SoundTree tree{temp.path()};
    Win32Platform platform;
    std::unique_ptr<Program> program;
};

TEST_F(FinderWin32, SearchOfAGeneratedTreeFindsExactlyItsSoundsSorted) {
    ASSERT_GE(tree.folders, 300);
    searchIn(tree.root);
    const DialogResult result = openWith([&] {
        finder().SpeedButton1Click();
        // The dialog as it looks with its results, for people to look at.
        RECT r{};
        GetWindowRect(hwnd(), &r);
        test::pumpUntil([] { return false; }, 300);
        test::saveBmp(test::grabScreenRect(r), test::besideTestProgram("finder.bmp"));
        // And with the folder chooser open on the shell's own places, with a few folders
        // on the desktop so that the list fills its twelve rows and scrolls.
        std::vector<std::wstring> desktopFolders;
        wchar_t* desktop = nullptr;
        if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Desktop, 0, nullptr, &desktop))) {
            for (int i = 1; i <= 6; ++i) {
                desktopFolders.push_back(std::wstring(desktop) + L"\\Norvi test sounds " + std::to_wstring(i));
                CreateDirectoryW(desktopFolders.back().c_str(), nullptr);
            }
        }
        CoTaskMemFree(desktop);
        std::vector<FolderPlace> places = platform.files().folderPlaces();
        for (const std::wstring& f : desktopFolders) RemoveDirectoryW(f.c_str());
        const auto onDesktop = std::count_if(places.begin(), places.end(), [](const FolderPlace& p) {
            return p.depth == 1 && p.name.rfind("Norvi test sounds ", 0) == 0 && !p.path.empty();
        });
        EXPECT_EQ(onDesktop, 6) << "the desktop's own folders are offered below it";
        ASSERT_GE(places.size(), 12u);
        w().Scb->setPlaces(std::move(places));
        w().Scb->setSelected(4);  // a drive, at depth 2
        w().Scb->setOpen(true);
        EXPECT_EQ(w().Scb->bounds().height(), 22 + 12 * 16 + 2) << "twelve rows tall";
        test::pumpUntil([] { return false; }, 300);
        test::saveBmp(test::grabScreenRect(r), test::besideTestProgram("finder_chooser.bmp"));
        w().Scb->setOpen(false);
        w().Scb->setSelected(0);
        finder().BitBtn1Click();
    });
    EXPECT_EQ(result, DialogResult::OK);
    const std::vector<std::string>& listed = w().ListBox1->items();
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()),
              std::set<std::string>(tree.sounds.begin(), tree.sounds.end()));
    EXPECT_EQ(listed.size(), tree.sounds.size()) << "each sound once: the link was not followed";
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end(), lessNoCase));
    const auto at = [&](const char* name) {
        return std::find(listed.begin(), listed.end(), tree.root + "\\" + name) - listed.begin();
    };
    EXPECT_EQ(at("\xC4\x8C" "b.wav"), at("\xC4\x8D" "a.wav") + 1) << "\"\xC4\x8D" "a\" then \"\xC4\x8C" "b\"";
    EXPECT_EQ(at("\xC4\x8C" "c.wav"), at("\xC4\x8C" "b.wav") + 1);
    std::cout << "[ finder ] " << tree.folders << " folders, " << listed.size() << " sounds found; directory link "
              << (tree.linkMade ? "made" : "not available on this system") << "; picture at "
              << test::besideTestProgram("finder.bmp") << "\n";
}

TEST_F(FinderWin32, CancelClickedDuringASearchStopsItAndAnswersCancel) {
    searchIn(tree.root);
    const DialogResult result = openWith([&] {
        // Both clicks wait in the queue: Cancel arrives while the search runs.
        postClick(*w().findButton);
        postClick(*w().cancelButton);
    });
    EXPECT_EQ(result, DialogResult::Cancel);
    EXPECT_FALSE(finder().searchActive());
    EXPECT_LT(w().ListBox1->count(), static_cast<int>(tree.sounds.size()));
    EXPECT_FALSE(IsWindowVisible(hwnd()));
}

TEST_F(FinderWin32, AQuitDuringASearchStopsItAndStaysForTheProgramsLoop) {
    searchIn(tree.root);
    const DialogResult result = openWith([&] {
        // The clicks come first; the quit request is seen once the search lets messages run.
        postClick(*w().findButton);
        PostQuitMessage(7);
    });
    EXPECT_EQ(result, DialogResult::Cancel);
    EXPECT_FALSE(finder().searchActive());
    EXPECT_LT(w().ListBox1->count(), static_cast<int>(tree.sounds.size())) << "the search stopped early";
    EXPECT_TRUE(platform.loop().quitRequested());
    // The request is still in the queue for the program's own loop.
    bool quit = false;
    MSG msg;
    while (!quit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true;
            EXPECT_EQ(msg.wParam, 7u);
        } else {
            DispatchMessageW(&msg);
        }
    }
    EXPECT_TRUE(quit);
}

TEST(FinderPlacesWin32, TheShellsHierarchyFromTheDesktopDownToTheDrivesWithItsIcons) {
    Win32Files files;
    const std::vector<FolderPlace> places = files.folderPlaces();
    ASSERT_GE(places.size(), 3u);
    // The root: the desktop, with the user's desktop folder.
    wchar_t* raw = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Desktop, 0, nullptr, &raw)));
    const std::string desktop = narrow(raw);
    CoTaskMemFree(raw);
    EXPECT_EQ(places.front().depth, 0);
    EXPECT_EQ(places.front().path, desktop);
    EXPECT_FALSE(places.front().name.empty());
    bool driveC = false;
    int drives = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const FolderPlace& p = places[i];
        std::cout << "[ places ] " << std::string(static_cast<std::size_t>(p.depth) * 2, ' ') << p.name << " | "
                  << p.path << " | icon " << p.icon.width() << "x" << p.icon.height() << "\n";
        EXPECT_FALSE(p.name.empty()) << i;
        if (i > 0) {
            EXPECT_TRUE(p.depth == 1 || p.depth == 2) << p.name;
            // A drive lies below a folder of the desktop (the computer), never below the root.
            if (p.depth == 2) {
                EXPECT_GE(places[i - 1].depth, 1) << p.name;
            }
        }
        if (!p.path.empty()) {
            EXPECT_TRUE(files.directoryExists(p.path)) << p.name << " " << p.path;
        }
        if (p.depth == 2) {
            ++drives;
            driveC = driveC || p.path == "C:\\";
        }
        ASSERT_EQ(p.icon.width(), 16) << p.name;
        ASSERT_EQ(p.icon.height(), 16) << p.name;
        ASSERT_EQ(p.icon.bitsPerPixel(), 32) << p.name;
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) opaque += p.icon.row(y)[x * 4 + 3] > 0;
        EXPECT_GT(opaque, 16) << p.name << ": the icon shows something";
        EXPECT_LT(opaque, 256) << p.name << ": and is transparent around it";
    }
    EXPECT_GE(drives, 1);
    EXPECT_TRUE(driveC) << "drive C: is offered below the computer";
}

TEST(FinderPlacesWin32, TheShellsIconBecomesAPictureWithItsOpacity) {
    // The shell's folder icon of the desktop, drawn over black and white.
    SHFILEINFOW info{};
    LPITEMIDLIST root = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &root)));
    ASSERT_TRUE(SHGetFileInfoW(reinterpret_cast<LPCWSTR>(root), 0, &info, sizeof info,
                               SHGFI_PIDL | SHGFI_ICON | SHGFI_SMALLICON));
    CoTaskMemFree(root);
    const UniqueIcon icon(info.hIcon);
    const Bitmap picture = pictureOfIcon(icon.get(), 16);
    ASSERT_EQ(picture.width(), 16);
    // Painted over a colour, the picture's transparent pixels show that colour exactly.
    bool transparent = false, opaque = false;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            transparent = transparent || picture.row(y)[x * 4 + 3] == 0;
            opaque = opaque || picture.row(y)[x * 4 + 3] == 255;
        }
    EXPECT_TRUE(transparent);
    EXPECT_TRUE(opaque);
    EXPECT_TRUE(pictureOfIcon(nullptr, 16).empty());
}

TEST(FinderCursorWin32, TheBusyCursorShowsOverTheBackgroundAndTheArrowOverThePlayButton) {
    Win32Platform platform;
    ui::Edit st;
    auto window = FinderWindow::create(platform, st, kNoWindow);
    ASSERT_NE(window, nullptr);
    window->centre(platform.screen().primarySize());
    window->native().show();
    const HWND hwnd = reinterpret_cast<HWND>(window->native().handle());
    const auto pointTo = [&](Point client) {
        POINT p{client.x, client.y};
        ClientToScreen(hwnd, &p);
        SetCursorPos(p.x, p.y);
        test::pumpUntil([] { return false; }, 200);
    };
    const HCURSOR busy = LoadCursorW(nullptr, IDC_WAIT), arrow = LoadCursorW(nullptr, IDC_ARROW);
    pointTo({300, 8});  // bare background, right of the heading
    EXPECT_EQ(GetCursor(), arrow);
    // A search starts: the change shows at once, without the pointer moving.
    window->form().setBackgroundCursor(CursorKind::Busy);
    EXPECT_EQ(GetCursor(), busy);
    const Rect play = window->playButton->bounds();
    pointTo({play.left + play.width() / 2, play.top + play.height() / 2});
    EXPECT_EQ(GetCursor(), arrow) << "the play button keeps the arrow";
    pointTo({300, 9});
    EXPECT_EQ(GetCursor(), busy) << "and the background shows the busy cursor again";
    window->form().setBackgroundCursor(CursorKind::Arrow);
    EXPECT_EQ(GetCursor(), arrow);
    window->native().hide();
}

// Records the longest time between two message-processing calls of the search.
class TimedLoop : public EventLoop {
public:
    explicit TimedLoop(EventLoop& real) : real_(real) {}
    std::unique_ptr<Timer> createTimer(int ms) override { return real_.createTimer(ms); }
    void processMessages() override {
        const auto now = std::chrono::steady_clock::now();
        if (calls++ > 0) longestGap = std::max(longestGap, std::chrono::duration<double, std::milli>(now - last_).count());
        real_.processMessages();
        last_ = std::chrono::steady_clock::now();
    }
    int run() override { return real_.run(); }
    void quit(int code) override { real_.quit(code); }
    bool quitRequested() const override { return real_.quitRequested(); }
    void sleep(int ms) override { real_.sleep(ms); }
    std::uint64_t nowMilliseconds() override { return real_.nowMilliseconds(); }
    double longestGap = 0;
    long calls = 0;

private:
    EventLoop& real_;
    std::chrono::steady_clock::time_point last_;
};

TEST(FinderBenchmark, ThroughputOnTwentyThousandEntries) {
    TempFolder temp("finder bench");
    int entries = 0, sounds = 0;
    for (int f = 0; f < 200; ++f) {
        const std::string folder = temp.path() + "\\f" + std::to_string(f);
        ASSERT_TRUE(makeFolder(folder));
        ++entries;
        for (int i = 0; i < 99; ++i, ++entries) {
            const bool sound = i % 2 == 0;
            ASSERT_TRUE(makeFile(folder + "\\n" + std::to_string(i) + (sound ? ".wav" : ".txt")));
            sounds += sound;
        }
    }
    Win32Platform platform;
    ui::Edit st;
    auto window = FinderWindow::create(platform, st, kNoWindow);
    ASSERT_NE(window, nullptr);
    window->centre(platform.screen().primarySize());
    window->native().show();
    TimedLoop loop(platform.loop());
    SoundSearch search(platform.files(), loop);
    search.onFound = [&](const std::string& path) { window->ListBox1->add(path); };
    const auto start = std::chrono::steady_clock::now();
    search.run(temp.path());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(window->ListBox1->count(), sounds);
    std::cout << "[ finder bench ] " << entries << " entries in " << seconds << " s: "
              << static_cast<long>(entries / seconds) << " entries/s; longest gap between processed messages "
              << loop.longestGap << " ms over " << loop.calls << " calls\n";
    window->native().hide();
}

}  // namespace
}  // namespace norvi::win32
