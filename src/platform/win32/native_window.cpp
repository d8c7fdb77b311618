#include "platform/win32/native_window.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/dib.h"
#include "platform/win32/dpi.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_binding.h"

namespace norvi::win32 {

namespace {

constexpr WPARAM kSystemMoveByMouse = 0xF012;  // SC_MOVE with the mouse-drag code

LPCWSTR systemCursorOf(CursorKind kind) {
    switch (kind) {
        case CursorKind::Busy:
            return IDC_WAIT;
        case CursorKind::SplitHorizontal:
            return IDC_SIZEWE;
        case CursorKind::Arrow:
            break;
    }
    return IDC_ARROW;
}

Point clientPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

template <typename Callback, typename... Args>
void fire(const Callback& callback, Args&&... args) {
    if (callback) callback(std::forward<Args>(args)...);
}

DWORD styleOf(const WindowCreateArgs& args) {
    // No WS_THICKFRAME, WS_MINIMIZEBOX or WS_MAXIMIZEBOX: the dialog frame keeps its size.
    return args.titleBar ? WS_POPUP | WS_CAPTION | WS_SYSMENU : WS_POPUP;
}

DWORD extendedStyleOf(const WindowCreateArgs& args) {
    DWORD style = 0;
    if (args.topmost) style |= WS_EX_TOPMOST;
    if (args.layered) style |= WS_EX_LAYERED;
    if (args.clickThrough) style |= WS_EX_TRANSPARENT;
    if (args.titleBar) style |= WS_EX_DLGMODALFRAME;
    return style;
}

// The outer rectangle of a window whose client area is to cover client, with the frame of
// the monitor the window is made on.
RECT outerRect(const Rect& client, DWORD style, DWORD exStyle) {
    RECT r{client.left, client.top, client.right, client.bottom};
    if (style & WS_CAPTION)
        adjustWindowRectForDpi(r, style, exStyle, monitorDpi(MonitorFromRect(&r, MONITOR_DEFAULTTOPRIMARY)));
    return r;
}

}  // namespace

std::unique_ptr<Win32Window> Win32Window::create(const WindowCreateArgs& args, HWND owner) {
    const std::wstring className = widen(args.className);
    const UINT classStyle = CS_DBLCLKS | (args.dropShadow ? CS_DROPSHADOW : 0);
    if (className.empty() || !registerWindowClass(className.c_str(), classStyle, &forwardingWindowProc<Win32Window>))
        return nullptr;
    std::unique_ptr<Win32Window> self(new Win32Window(args));
    const DWORD style = styleOf(args), exStyle = extendedStyleOf(args);
    const RECT r = outerRect(args.bounds, style, exStyle);
    const HWND window = CreateWindowExW(exStyle, className.c_str(), widen(args.title).c_str(), style, r.left, r.top,
                                        r.right - r.left, r.bottom - r.top, owner, nullptr,
                                        GetModuleHandleW(nullptr), self.get());
    if (!window) return nullptr;
    self->window_.reset(window);
    return self;
}

Win32Window::~Win32Window() {
    // Nothing of this object may run while the window goes away.
    if (window_) unbind(window_.get());
}

WindowHandle Win32Window::handle() { return reinterpret_cast<WindowHandle>(window_.get()); }

void Win32Window::show() {
    const HWND after = args_.topmost ? HWND_TOPMOST : HWND_TOP;
    if (args_.noActivate) {
        ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
        SetWindowPos(window_.get(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        ShowWindow(window_.get(), SW_SHOW);
        SetWindowPos(window_.get(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

void Win32Window::hide() { ShowWindow(window_.get(), SW_HIDE); }

bool Win32Window::isVisible() { return IsWindowVisible(window_.get()) != 0; }

Rect Win32Window::bounds() {
    RECT r{};
    GetWindowRect(window_.get(), &r);
    return {r.left, r.top, r.right, r.bottom};
}

void Win32Window::setBounds(const Rect& b) {
    SetWindowPos(window_.get(), nullptr, b.left, b.top, b.width(), b.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

Size Win32Window::clientSize() {
    RECT r{};
    GetClientRect(window_.get(), &r);
    return {r.right, r.bottom};
}

void Win32Window::setLayered(const LayeredAttributes& a) {
    const DWORD flags = (a.useKey ? LWA_COLORKEY : 0) | (a.useAlpha ? LWA_ALPHA : 0);
    SetLayeredWindowAttributes(window_.get(), a.key & 0x00FFFFFF, static_cast<BYTE>(std::clamp(a.alpha, 0, 255)),
                               flags);
}

void Win32Window::setRoundRegion(int width, int height, int ellipseWidth, int ellipseHeight) {
    UniqueRegion region(CreateRoundRectRgn(0, 0, width, height, ellipseWidth, ellipseHeight));
    // On success the window owns the region.
    if (region && SetWindowRgn(window_.get(), region.get(), TRUE)) region.release();
}

bool Win32Window::isTopmost() { return (GetWindowLongPtrW(window_.get(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

void Win32Window::makeTopmost() {
    // Like its show: a window created not to take the focus never takes it here either.
    const UINT activation = args_.noActivate ? SWP_NOACTIVATE : 0;
    SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | activation);
}

void Win32Window::makeNotTopmost() {
    SetWindowPos(window_.get(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Window::bringToFront() { SetWindowPos(window_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

void Win32Window::setPicture(const Bitmap& picture, Colour pictureBackground) {
    picture_ = picture;
    pictureBackground_ = pictureBackground & 0x00FFFFFF;
    InvalidateRect(window_.get(), nullptr, FALSE);
}

void Win32Window::showPictureAt(const Bitmap& picture, Colour pictureBackground, const Rect& b) {
    picture_ = picture;
    pictureBackground_ = pictureBackground & 0x00FFFFFF;
    // No copy of the old pixels to the new place: the whole window is painted anew.
    if (bounds() != b)
        SetWindowPos(window_.get(), nullptr, b.left, b.top, b.width(), b.height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    InvalidateRect(window_.get(), nullptr, FALSE);
    UpdateWindow(window_.get());
}

void Win32Window::startSystemMove() {
    ReleaseCapture();
    SendMessageW(window_.get(), WM_SYSCOMMAND, kSystemMoveByMouse, 0);
}

void Win32Window::setCapture(bool capture) {
    if (capture)
        SetCapture(window_.get());
    else if (GetCapture() == window_.get())
        ReleaseCapture();
}

void Win32Window::close() { SendMessageW(window_.get(), WM_CLOSE, 0, 0); }

int Win32Window::dpi() { return windowDpi(window_.get()); }

void Win32Window::setEnabled(bool enabled) { EnableWindow(window_.get(), enabled ? TRUE : FALSE); }

bool Win32Window::isEnabled() { return IsWindowEnabled(window_.get()) != FALSE; }

void Win32Window::showCursorAt(POINT client) {
    const CursorKind kind = onCursorAt ? onCursorAt(Point{client.x, client.y}) : CursorKind::Arrow;
    SetCursor(LoadCursorW(nullptr, systemCursorOf(kind)));
}

void Win32Window::refreshCursor() {
    // The system asks again (WM_SETCURSOR) only when the pointer moves: a change shows now
    // if the pointer is over this window's client area and no other window holds the mouse.
    POINT p{};
    if (!GetCursorPos(&p) || WindowFromPoint(p) != window_.get()) return;
    const HWND capture = GetCapture();
    if (capture && capture != window_.get()) return;
    ScreenToClient(window_.get(), &p);
    RECT client{};
    GetClientRect(window_.get(), &client);
    if (PtInRect(&client, p)) showCursorAt(p);
}

// ---- messages -------------------------------------------------------------------------

LRESULT Win32Window::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return handleMessage(window, message, wParam, lParam);
    } catch (...) {
        // A failing handler drops that message; the program goes on.
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT Win32Window::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        if (args_.clickThrough) return HTTRANSPARENT;
        break;
    case WM_SETCURSOR:
        // Over the client area the program names the cursor; elsewhere (a frame) the system.
        if (reinterpret_cast<HWND>(wParam) == window && LOWORD(lParam) == HTCLIENT) {
            POINT p{};
            GetCursorPos(&p);
            ScreenToClient(window, &p);
            showCursorAt(p);
            return TRUE;
        }
        break;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers every pixel; erasing first would flicker
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_LBUTTONDOWN:
        fire(onMouseDown, MouseButton::Left, clientPoint(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        fire(onMouseDown, MouseButton::Right, clientPoint(lParam));
        return 0;
    case WM_MBUTTONDOWN:
        fire(onMouseDown, MouseButton::Middle, clientPoint(lParam));
        return 0;
    case WM_LBUTTONUP:
        fire(onMouseUp, MouseButton::Left, clientPoint(lParam));
        return 0;
    case WM_RBUTTONUP:
        // DefWindowProcW turns the release into WM_CONTEXTMENU.
        fire(onMouseUp, MouseButton::Right, clientPoint(lParam));
        break;
    case WM_MBUTTONUP:
        fire(onMouseUp, MouseButton::Middle, clientPoint(lParam));
        return 0;
    case WM_MOUSEMOVE:
        mouseMoved(window, lParam);
        return 0;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        fire(onMouseLeave);
        return 0;
    case WM_MOUSEWHEEL: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};  // the wheel reports the screen
        ScreenToClient(window, &p);
        fire(onMouseWheel, static_cast<int>(GET_WHEEL_DELTA_WPARAM(wParam)), Point{p.x, p.y});
        return 0;
    }
    case WM_KEYDOWN:
        if (onKeyDown) {
            const KeyModifiers modifiers{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                                         GetKeyState(VK_MENU) < 0};
            onKeyDown(static_cast<int>(wParam), modifiers);
            return 0;
        }
        break;
    case WM_KEYUP:
        if (onKeyUp) {
            onKeyUp(static_cast<int>(wParam));
            return 0;
        }
        break;
    case WM_CHAR:
        character(static_cast<wchar_t>(wParam));
        return 0;
    case WM_SETFOCUS:
        fire(onFocusGained);
        return 0;
    case WM_KILLFOCUS:
        fire(onFocusLost);
        return 0;
    case WM_CAPTURECHANGED:
        fire(onCaptureLost);
        return 0;
    case WM_LBUTTONDBLCLK:
        fire(onDoubleClick, clientPoint(lParam));
        return 0;
    case WM_CONTEXTMENU: {
        // Screen coordinates, or -1,-1 from the keyboard: then the pointer's place.
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (p.x == -1 && p.y == -1) GetCursorPos(&p);
        ScreenToClient(window, &p);
        fire(onContextMenu, Point{p.x, p.y});
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            fire(onActivate);
            // lParam: the window losing the activation, when the system names one.
            DWORD process = 0;
            const HWND previous = reinterpret_cast<HWND>(lParam);
            if (previous && GetWindowThreadProcessId(previous, &process) && process == GetCurrentProcessId())
                fire(onActivateFromOwnWindow);
        }
        break;
    case WM_DPICHANGED: {
        const RECT& r = *reinterpret_cast<const RECT*>(lParam);
        const Rect suggested{r.left, r.top, r.right, r.bottom};
        if (onDpiChanged)
            onDpiChanged(static_cast<int>(HIWORD(wParam)), suggested);
        else
            setBounds(suggested);
        return 0;
    }
    case WM_WINDOWPOSCHANGING:
        positionChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_CLOSE:
        // Also the title bar's close box (SC_CLOSE). The program decides what closing
        // means; the window stays until its owner goes.
        fire(onClose);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Window::positionChanging(WINDOWPOS& position) {
    // A z-order or show request alone has nothing to adjust.
    if (!onPositionChanging || (position.flags & SWP_NOMOVE && position.flags & SWP_NOSIZE)) return;
    // What is not asked for stays as it is, but the program sees the whole new rectangle
    // and may change any of it: a size-only request can be refused as well as a move.
    const Rect now = bounds();  // a top-level window: screen coordinates, as WINDOWPOS has them
    const bool move = !(position.flags & SWP_NOMOVE), size = !(position.flags & SWP_NOSIZE);
    const Rect asked = Rect::fromSize(move ? position.x : now.left, move ? position.y : now.top,
                                      size ? position.cx : now.width(), size ? position.cy : now.height());
    Rect proposed = asked;
    onPositionChanging(proposed);
    if (proposed == asked) return;
    position.x = proposed.left;
    position.y = proposed.top;
    position.cx = proposed.width();
    position.cy = proposed.height();
    position.flags &= ~static_cast<UINT>(SWP_NOMOVE | SWP_NOSIZE);
}

void Win32Window::mouseMoved(HWND window, LPARAM lParam) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = window;
        trackingLeave_ = TrackMouseEvent(&track) != 0;
    }
    fire(onMouseMove, clientPoint(lParam));
}

void Win32Window::character(wchar_t unit) {
    if (unit >= 0xD800 && unit < 0xDC00) {
        highSurrogate_ = unit;
        return;
    }
    char32_t codePoint = unit;
    if (unit >= 0xDC00 && unit < 0xE000) {
        if (!highSurrogate_) return;  // half a character: nothing to hand on
        codePoint = 0x10000 + ((static_cast<char32_t>(highSurrogate_) - 0xD800) << 10) + (unit - 0xDC00);
    }
    highSurrogate_ = 0;
    fire(onChar, codePoint);
}

void Win32Window::paint(HWND window) {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(window, &ps);
    if (!dc) return;
    RECT client{};
    GetClientRect(window, &client);
    // Centred, unscaled; a picture larger than the client area is clipped on both sides.
    const int x = (client.right - picture_.width()) / 2;
    const int y = (client.bottom - picture_.height()) / 2;
    const int saved = SaveDC(dc);
    if (!picture_.empty()) ExcludeClipRect(dc, x, y, x + picture_.width(), y + picture_.height());
    UniqueBrush background(CreateSolidBrush(pictureBackground_));
    if (background) FillRect(dc, &client, background.get());
    RestoreDC(dc, saved);
    if (!picture_.empty()) {
        const BITMAPINFO info = dibInfo(picture_);
        SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture_.width()), static_cast<DWORD>(picture_.height()), 0,
                          0, 0, static_cast<UINT>(picture_.height()), picture_.data(), &info, DIB_RGB_COLORS);
    }
    EndPaint(window, &ps);
}

}  // namespace norvi::win32
