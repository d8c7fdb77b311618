// Pictures of what the screen shows, kept as BMP files beside the test program so that a
// person can look at Norvi's windows as they really appear.
#pragma once

#include <windows.h>

#include <cstring>
#include <fstream>
#include <string>

#include "platform/bitmap.h"
#include "platform/win32/dib.h"
#include "platform/win32/wide.h"
#include "resources/bmp_image.h"

namespace norvi::win32::test {

// What the screen shows inside r.
inline Bitmap grabScreenRect(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    Bitmap picture(w, h, 32);
    void* bits = nullptr;
    UniqueBitmap dib = createDibSection(w, h, 32, &bits);
    if (!dib || !bits) return picture;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(memory, dib.get());
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::memcpy(picture.data(), bits, picture.byteSize());
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

// A path in the folder of the test program.
inline std::string besideTestProgram(const std::string& name) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::string path = narrow(self);
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}

inline bool saveBmp(const Bitmap& picture, const std::string& path) {
    const auto bmp = encodeBmp(picture, 24);
    if (!bmp) return false;
    std::ofstream out(widen(path).c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bmp->data()), static_cast<std::streamsize>(bmp->size()));
    return static_cast<bool>(out);
}

}  // namespace norvi::win32::test
