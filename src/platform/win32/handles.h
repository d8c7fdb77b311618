// Owners for Windows handles: each handle has exactly one owner that closes it, so no
// early return or exception leaks one. Copying is deleted; moving hands ownership over.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace norvi::win32 {

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::invalid(); }
    Type release() { return std::exchange(handle_, Traits::invalid()); }
    void reset(Type handle = Traits::invalid()) {
        if (handle_ != Traits::invalid()) Traits::close(handle_);
        handle_ = handle;
    }

private:
    Type handle_ = Traits::invalid();
};

// Handles whose "none" is nullptr, and those (files, searches) whose "none" is
// INVALID_HANDLE_VALUE; Close is the function that gives the handle back.
template <typename T, auto Close>
struct NullTraits {
    using Type = T;
    static Type invalid() { return nullptr; }
    static void close(Type h) { Close(h); }
};
template <auto Close>
struct InvalidValueTraits {
    using Type = HANDLE;
    static Type invalid() { return INVALID_HANDLE_VALUE; }
    static void close(Type h) { Close(h); }
};

using UniqueFile = UniqueHandle<InvalidValueTraits<&CloseHandle>>;
using UniqueFind = UniqueHandle<InvalidValueTraits<&FindClose>>;
using UniqueKey = UniqueHandle<NullTraits<HKEY, &RegCloseKey>>;
using UniqueWindow = UniqueHandle<NullTraits<HWND, &DestroyWindow>>;
using UniqueFont = UniqueHandle<NullTraits<HFONT, &DeleteObject>>;
using UniqueBitmap = UniqueHandle<NullTraits<HBITMAP, &DeleteObject>>;
using UniqueRegion = UniqueHandle<NullTraits<HRGN, &DeleteObject>>;
using UniqueBrush = UniqueHandle<NullTraits<HBRUSH, &DeleteObject>>;
using UniqueMemoryDc = UniqueHandle<NullTraits<HDC, &DeleteDC>>;
using UniqueIcon = UniqueHandle<NullTraits<HICON, &DestroyIcon>>;
using UniqueImageList = UniqueHandle<NullTraits<HIMAGELIST, &ImageList_Destroy>>;

// A GDI object selected into a device context for one scope; the previous one comes back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelect() { SelectObject(dc_, previous_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The screen's device context for one scope.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    HDC get() const { return dc_; }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;

private:
    HDC dc_;
};

}  // namespace norvi::win32
