// A borderless pop-up window, or a fixed dialog frame with a title bar, owned by the hidden
// application window, showing one picture centred and unscaled. One window class per class
// name, so other programs (and tests) find Norvi's windows by it.
#pragma once

#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/handles.h"

namespace norvi::win32 {

class Win32Window : public NativeWindow {
public:
    // Nullptr when the system refuses the window.
    static std::unique_ptr<Win32Window> create(const WindowCreateArgs& args, HWND owner);
    ~Win32Window() override;

    WindowHandle handle() override;
    void show() override;
    void hide() override;
    bool isVisible() override;
    Rect bounds() override;
    void setBounds(const Rect& bounds) override;
    Size clientSize() override;
    void setLayered(const LayeredAttributes& attributes) override;
    void setRoundRegion(int width, int height, int ellipseWidth, int ellipseHeight) override;
    bool isTopmost() override;
    void makeTopmost() override;
    void makeNotTopmost() override;
    void bringToFront() override;
    void setPicture(const Bitmap& picture, Colour pictureBackground) override;
    void showPictureAt(const Bitmap& picture, Colour pictureBackground, const Rect& bounds) override;
    void startSystemMove() override;
    void setCapture(bool capture) override;
    void close() override;
    void setEnabled(bool enabled) override;
    bool isEnabled() override;
    void refreshCursor() override;
    int dpi() override;

    LRESULT windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

private:
    explicit Win32Window(const WindowCreateArgs& args) : args_(args) {}
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HWND window);
    void positionChanging(WINDOWPOS& position);
    void mouseMoved(HWND window, LPARAM lParam);
    void character(wchar_t unit);
    // Sets the cursor onCursorAt names for a client point.
    void showCursorAt(POINT client);

    WindowCreateArgs args_;
    UniqueWindow window_;
    Bitmap picture_;
    Colour pictureBackground_ = 0;
    bool trackingLeave_ = false;   // asked to hear when the pointer leaves
    wchar_t highSurrogate_ = 0;    // first half of a character typed as a surrogate pair
};

}  // namespace norvi::win32
