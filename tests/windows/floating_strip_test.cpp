// The floating strip of a whole Norvi on the real platform: the system's resize requests
// are refused, the splitter shows the split cursor, and a drag ends when the mouse
// capture goes elsewhere.
#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/win32/win32_platform.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

using test::pumpUntil;

class FloatingStripWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        program = test::startProgram(platform);
        if (program->floatTXT && program->floatTXT->window) program->floatTXT->window->hide();
        program->mainform->moveTo(400, 300);
        program->mainform->show();
        pumpUntil([] { return false; }, 100);
    }
    HWND strip() { return reinterpret_cast<HWND>(program->mainform->window->handle()); }
    RECT rect() {
        RECT r{};
        GetWindowRect(strip(), &r);
        return r;
    }
    void send(UINT message, int x, int y, WPARAM keys = 0) {
        SendMessageW(strip(), message, keys, MAKELPARAM(x, y));
    }

    Win32Platform platform;
    std::unique_ptr<Program> program;
};

TEST_F(FloatingStripWin32, NoResizeRequestChangesTheStripsSize) {
    struct Case {
        const char* what;
        void (*request)(HWND);
        POINT at;  // where the strip is afterwards
    };
    const Case cases[] = {
        {"size only", [](HWND w) { SetWindowPos(w, nullptr, 0, 0, 300, 80, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); },
         {400, 300}},
        {"move and size", [](HWND w) { MoveWindow(w, 500, 350, 300, 80, TRUE); }, {500, 350}},
        {"smaller", [](HWND w) { SetWindowPos(w, nullptr, 0, 0, 20, 5, SWP_NOMOVE | SWP_NOZORDER); }, {500, 350}},
        {"a move alone still moves", [](HWND w) { SetWindowPos(w, nullptr, 450, 320, 0, 0, SWP_NOSIZE | SWP_NOZORDER); },
         {450, 320}},
    };
    for (const Case& c : cases) {
        c.request(strip());
        const RECT r = rect();
        EXPECT_EQ(r.right - r.left, 120) << c.what;
        EXPECT_EQ(r.bottom - r.top, 27) << c.what;
        EXPECT_EQ(r.left, c.at.x) << c.what;
        EXPECT_EQ(r.top, c.at.y) << c.what;
        RECT client{};
        GetClientRect(strip(), &client);
        EXPECT_EQ(client.right, 120) << c.what;
    }
}

TEST_F(FloatingStripWin32, TheSplitterShowsTheSystemsHorizontalSplitCursor) {
    const HCURSOR split = LoadCursorW(nullptr, IDC_SIZEWE), arrow = LoadCursorW(nullptr, IDC_ARROW);
    const auto cursorOver = [&](int x) {
        const RECT r = rect();
        SetCursorPos(r.left + x, r.top + 13);
        pumpUntil([] { return false; }, 100);
        // What the system asks when the pointer moves over the window.
        SendMessageW(strip(), WM_SETCURSOR, reinterpret_cast<WPARAM>(strip()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(cursorOver(76), split) << "over the splitter";
    EXPECT_EQ(cursorOver(20), arrow) << "over the Caps cell";
    EXPECT_EQ(cursorOver(100), arrow) << "over the Num cell";
}

// The drag line's pixels are the native tests' (a layered window's picture reaches the
// screen late under Wine); here, what the release does once the capture has gone.
TEST_F(FloatingStripWin32, LosingTheMouseCaptureCancelsASplitterDrag) {
    HWND other = CreateWindowExW(0, L"STATIC", L"elsewhere", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    struct Case {
        const char* what;
        void (*takeAway)(HWND strip, HWND other);
        int widthAfter;  // of the Caps cell, after a release at 30
    };
    const Case cases[] = {
        {"WM_CANCELMODE", [](HWND s, HWND) { SendMessageW(s, WM_CANCELMODE, 0, 0); }, 75},
        {"another window takes the capture", [](HWND, HWND o) { SetCapture(o); }, 75},
        {"nothing takes it: the release applies the drag", [](HWND, HWND) {}, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        program->mainform->Ctabla.setWidth(75);
        send(WM_LBUTTONDOWN, 76, 13, MK_LBUTTON);
        EXPECT_EQ(GetCapture(), strip());
        send(WM_MOUSEMOVE, 40, 13, MK_LBUTTON);
        c.takeAway(strip(), other);
        send(WM_MOUSEMOVE, 30, 13);
        send(WM_LBUTTONUP, 30, 13);
        EXPECT_EQ(program->mainform->Ctabla.width(), c.widthAfter);
        ReleaseCapture();
    }
    DestroyWindow(other);
}

}  // namespace
}  // namespace norvi::win32
