// The real platform: every interface of platform.h over the Windows API. One instance per
// process, created and used on the GUI thread. It owns the hidden application window that
// owns every NativeWindow (so none has a taskbar button) and receives shell broadcasts.
#pragma once

#include <memory>

#include "platform/platform.h"

namespace norvi::win32 {

class Win32Platform : public Platform {
public:
    Win32Platform();
    ~Win32Platform() override;

    Keyboard& keyboard() override;
    EventLoop& loop() override;
    Files& files() override;
    Profile& profile() override;
    Registry& registry() override;
    Screen& screen() override;
    Graphics& graphics() override;
    Sound& sound() override;
    Resources& resources() override;
    Shell& shell() override;
    Version& version() override;
    Desktop& desktop() override;
    Dialogs& dialogs() override;
    Menus& menus() override;
    TextCompare& textCompare() override;
    std::unique_ptr<NativeWindow> createWindow(const WindowCreateArgs& args) override;
    std::unique_ptr<TrayIcon> createTrayIcon(int id) override;

    // The hidden top-level window that owns Norvi's windows (an HWND).
    WindowHandle applicationWindow() const;

    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace norvi::win32
