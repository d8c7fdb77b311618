// The real about box: "About..." from the tray's menu shows the version of the norvi.exe
// that runs, as its version record says. The box draws its text itself, so the test draws
// the expected line with the same GDI font and finds exactly those pixels in the box.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "driver.h"

namespace {

std::wstring fileVersionOf(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<unsigned char> record(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!size || !GetFileVersionInfoW(path.c_str(), 0, size, record.data()) ||
        !VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return L"";
    return std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(fixed->dwFileVersionMS)) +
           L"." + std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
           std::to_wstring(LOWORD(fixed->dwFileVersionLS));
}

// The text in the about box's grey 13-pixel Segoe UI on its white panel, cut to its ink.
e2e::Screenshot drawnText(const std::wstring& text) {
    const int w = 200, h = 30;
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, dib);
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Segoe UI");
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT all{0, 0, w, h};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0x80, 0x80, 0x80));
    TextOutW(dc, 4, 4, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
    e2e::Screenshot full;
    full.width = w;
    full.height = h;
    full.pixels.assign(static_cast<unsigned char*>(bits), static_cast<unsigned char*>(bits) + w * h * 4);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(font);
    DeleteObject(dib);
    DeleteDC(dc);

    RECT ink{w, h, 0, 0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (full.at(x, y) != RGB(255, 255, 255)) {
                ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                       std::max<LONG>(ink.bottom, y + 1)};
            }
    e2e::Screenshot cut;
    cut.width = std::max<LONG>(0, ink.right - ink.left);
    cut.height = std::max<LONG>(0, ink.bottom - ink.top);
    for (int y = 0; y < cut.height; ++y)
        for (int x = 0; x < cut.width; ++x) {
            const unsigned char* p = &full.pixels[((ink.top + y) * w + ink.left + x) * 4];
            cut.pixels.insert(cut.pixels.end(), p, p + 4);
        }
    return cut;
}

bool contains(const e2e::Screenshot& shot, const e2e::Screenshot& part) {
    for (int top = 0; top + part.height <= shot.height; ++top)
        for (int left = 0; left + part.width <= shot.width; ++left) {
            bool same = true;
            for (int y = 0; y < part.height && same; ++y)
                for (int x = 0; x < part.width && same; ++x) same = shot.at(left + x, top + y) == part.at(x, y);
            if (same) return true;
        }
    return false;
}

TEST(AboutE2E, AboutFromTheTrayMenuShowsTheVersionOfTheRunningProgram) {
    const std::wstring version = fileVersionOf(e2e::norviExe());
    ASSERT_FALSE(version.empty()) << "norvi.exe carries a version record";
    ASSERT_TRUE(e2e::writeConfig("[Config]\r\nload=0\r\nDOD=0\r\nSOD=0\r\n"));
    e2e::NorviProcess norvi;
    HWND main = e2e::startNorvi(norvi);
    ASSERT_NE(main, nullptr);
    ASSERT_NE(e2e::openTrayMenu(), nullptr);
    // From the bottom: "Exit", then "About...".
    e2e::pressKey(VK_UP);
    e2e::pressKey(VK_UP);
    e2e::pressKey(VK_RETURN);
    HWND about = e2e::waitForWindow(L"Tfabout", norvi.id(), 5000, true);
    ASSERT_NE(about, nullptr) << "\"About...\" shows the about box";
    RECT r{};
    GetWindowRect(about, &r);
    const e2e::Screenshot expected = drawnText(version);
    ASSERT_GT(expected.width, 10);
    EXPECT_TRUE(e2e::waitUntil(2000, [&] { return contains(e2e::captureRect(r), expected); }))
        << "the box shows " << e2e::narrow(version);
    e2e::saveScreenshot(e2e::captureRect(r), L"about-box");
    ASSERT_TRUE(e2e::closeNorvi(norvi, main).has_value());
}

}  // namespace
