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

struct FileTraits {
    using Type = HANDLE;
    static Type invalid() { return INVALID_HANDLE_VALUE; }
    static void close(Type h) { CloseHandle(h); }
};
struct FindTraits {
    using Type = HANDLE;
    static Type invalid() { return INVALID_HANDLE_VALUE; }
    static void close(Type h) { FindClose(h); }
};
struct RegistryKeyTraits {
    using Type = HKEY;
    static Type invalid() { return nullptr; }
    static void close(Type h) { RegCloseKey(h); }
};
struct WindowTraits {
    using Type = HWND;
    static Type invalid() { return nullptr; }
    static void close(Type h) { DestroyWindow(h); }
};
template <typename T>
struct GdiObjectTraits {
    using Type = T;
    static Type invalid() { return nullptr; }
    static void close(Type h) { DeleteObject(h); }
};
struct MemoryDcTraits {
    using Type = HDC;
    static Type invalid() { return nullptr; }
    static void close(Type h) { DeleteDC(h); }
};
struct IconTraits {
    using Type = HICON;
    static Type invalid() { return nullptr; }
    static void close(Type h) { DestroyIcon(h); }
};
struct ImageListTraits {
    using Type = HIMAGELIST;
    static Type invalid() { return nullptr; }
    static void close(Type h) { ImageList_Destroy(h); }
};

using UniqueFile = UniqueHandle<FileTraits>;
using UniqueFind = UniqueHandle<FindTraits>;
using UniqueKey = UniqueHandle<RegistryKeyTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueRegion = UniqueHandle<GdiObjectTraits<HRGN>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueImageList = UniqueHandle<ImageListTraits>;

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
