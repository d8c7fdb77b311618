// One notification-area icon. Its shell callbacks arrive at a hidden message window of
// its own, in the classic form (the mouse message in lParam).
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "platform/platform.h"
#include "platform/win32/handles.h"
#include "platform/win32/message_window.h"

namespace norvi::win32 {

class Win32TrayIcon : public TrayIcon {
public:
    explicit Win32TrayIcon(int id);
    ~Win32TrayIcon() override;
    bool add(const Bitmap& picture, const std::string& hint) override;
    bool modify(const Bitmap& picture, const std::string& hint) override;
    bool remove() override;
    // Whether the shell took the request for classic notifications after the last add.
    bool classicNotifications() const { return classicNotifications_; }

    Win32TrayIcon(const Win32TrayIcon&) = delete;
    Win32TrayIcon& operator=(const Win32TrayIcon&) = delete;

private:
    bool notify(DWORD command, const Bitmap& picture, const std::string& hint);
    std::optional<LRESULT> onMessage(UINT message, LPARAM lParam);
    UINT id_;
    MessageWindow window_;
    UniqueIcon icon_;
    bool classicNotifications_ = false;
};

// The icon for a picture: pixels of exactly kTrayTransparent become transparent.
UniqueIcon iconOf(const Bitmap& picture);
constexpr Colour kTrayTransparent = 0x00000066;

}  // namespace norvi::win32
