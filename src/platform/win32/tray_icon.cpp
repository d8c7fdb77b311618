#include "platform/win32/tray_icon.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/dib.h"
#include "platform/win32/wide.h"

namespace norvi::win32 {

namespace {

constexpr UINT kCallbackMessage = WM_USER + 1024;

struct MouseMessage {
    UINT message;
    TrayMouse mouse;
};
constexpr MouseMessage kMouseMessages[] = {
    {WM_LBUTTONDOWN, TrayMouse::LeftDown},
    {WM_LBUTTONUP, TrayMouse::LeftUp},
    {WM_LBUTTONDBLCLK, TrayMouse::LeftDoubleClick},
    {WM_RBUTTONDOWN, TrayMouse::RightDown},
};

}  // namespace

UniqueIcon iconOf(const Bitmap& picture) {
    if (picture.empty() || picture.bytesPerPixel() < 3) return {};
    // A 24-bit list: a 32-bit one would take the picture's fourth byte as alpha.
    const UniqueImageList list(ImageList_Create(picture.width(), picture.height(), ILC_COLOR24 | ILC_MASK, 1, 0));
    const UniqueBitmap dib = dibSectionOf(picture);
    if (!list || !dib || ImageList_AddMasked(list.get(), dib.get(), kTrayTransparent) < 0) return {};
    return UniqueIcon(ImageList_GetIcon(list.get(), 0, ILD_NORMAL));
}

Win32TrayIcon::Win32TrayIcon(int id)
    : id_(static_cast<UINT>(id)),
      window_(MessageWindow::Kind::MessageOnly,
              [this](UINT message, WPARAM, LPARAM lParam) { return onMessage(message, lParam); }) {}

Win32TrayIcon::~Win32TrayIcon() { remove(); }

bool Win32TrayIcon::notify(DWORD command, const Bitmap& picture, const std::string& hint) {
    UniqueIcon icon = iconOf(picture);
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_.handle();
    data.uID = id_;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon.get();
    const std::wstring tip = widen(hint);
    // The shell keeps 127 characters of a hint; the rest is cut.
    std::copy_n(tip.c_str(), std::min(tip.size(), std::size(data.szTip) - 1), data.szTip);
    const bool done = Shell_NotifyIconW(command, &data) != FALSE;
    // The shell copies the icon; ours must live until it is replaced.
    if (done) icon_ = std::move(icon);
    return done;
}

bool Win32TrayIcon::add(const Bitmap& picture, const std::string& hint) {
    if (!notify(NIM_ADD, picture, hint)) return false;
    // The shell keeps a version per icon, so it can be asked for only once the icon is
    // there, and again after each add (a restarted shell knows nothing of the old one).
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_.handle();
    data.uID = id_;
    data.uVersion = 0;  // classic notifications: the mouse message in lParam
    classicNotifications_ = Shell_NotifyIconW(NIM_SETVERSION, &data) != FALSE;
    return true;
}

bool Win32TrayIcon::modify(const Bitmap& picture, const std::string& hint) {
    return notify(NIM_MODIFY, picture, hint);
}

bool Win32TrayIcon::remove() {
    classicNotifications_ = false;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_.handle();
    data.uID = id_;
    return Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

std::optional<LRESULT> Win32TrayIcon::onMessage(UINT message, LPARAM lParam) {
    if (message != kCallbackMessage) return std::nullopt;
    const UINT mouse = LOWORD(lParam);
    for (const MouseMessage& m : kMouseMessages)
        if (m.message == mouse && onMouse) onMouse(m.mouse);
    return 0;
}

}  // namespace norvi::win32
