// Helpers for the tests of the Windows platform layer.
#pragma once

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/config.h"
#include "app/program.h"
#include "platform/bitmap.h"
#include "platform/win32/files.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"
#include "settings/colour_picker.h"

namespace norvi::win32::test {

// A fresh folder below the temporary folder, removed with its files afterwards.
class TempFolder {
public:
    explicit TempFolder(const std::string& name) {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = narrow(temp) + "norvi-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(counter()++) + " " + name;
        CreateDirectoryW(widen(path_).c_str(), nullptr);
    }
    ~TempFolder() { removeTree(widen(path_)); }
    const std::string& path() const { return path_; }

    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

private:
    static int& counter() {
        static int n = 0;
        return n;
    }
    static void removeTree(const std::wstring& folder) {
        WIN32_FIND_DATAW data{};
        const UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &data));
        if (find) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring child = folder + L"\\" + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    removeTree(child);
                else
                    DeleteFileW(child.c_str());
            } while (FindNextFileW(find.get(), &data));
        }
        RemoveDirectoryW(folder.c_str());
    }
    std::string path_;
};

// A whole Program on the real platform reads the user's settings: the tests start it from
// the defaults, whatever an earlier run in the same Wine prefix (the end-to-end tests) left.
inline void forgetStoredSettings() {
    const std::wstring folder = widen(dataFolderBelow(Win32Files().localAppDataFolder()));
    for (const char* name : {kConfigFileName, kColourFileName}) DeleteFileW((folder + widen(name)).c_str());
}

// A whole Norvi on the real platform from the defaults, its lock poll stopped so that
// only what the test does happens.
inline std::unique_ptr<Program> startProgram(Platform& platform) {
    forgetStoredSettings();
    auto program = std::make_unique<Program>(platform);
    program->start();
    program->mainform->Timer1->setEnabled(false);
    return program;
}

// Lets the GUI thread's messages run until done() holds or the time is up.
template <typename Done>
bool pumpUntil(Done done, int timeoutMilliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMilliseconds);
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(10);
    }
}

// The smallest box around the pixels of a picture whose colour satisfies pick; empty
// (right <= left) when there is none.
struct PixelBox {
    int left, top, right, bottom;
    bool empty() const { return right <= left; }
};
template <typename Pick>
PixelBox boxWhere(const Bitmap& b, Pick pick) {
    PixelBox box{b.width(), b.height(), -1, -1};
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (pick(b.pixel(x, y))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

// How many pixels have exactly colour c.
inline int countOf(const Bitmap& b, Colour c) {
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) n += b.pixel(x, y) == c;
    return n;
}

}  // namespace norvi::win32::test
