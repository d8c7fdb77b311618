#include "platform/win32/win32_platform.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/com.h"
#include "platform/win32/desktop.h"
#include "platform/win32/dialogs.h"
#include "platform/win32/event_loop.h"
#include "platform/win32/files.h"
#include "platform/win32/graphics.h"
#include "platform/win32/native_window.h"
#include "platform/win32/popup_menu.h"
#include "platform/win32/profile.h"
#include "platform/win32/registry.h"
#include "platform/win32/screen.h"
#include "platform/win32/shell.h"
#include "platform/win32/sound.h"
#include "platform/win32/text_compare.h"
#include "platform/win32/tray_icon.h"

namespace norvi::win32 {

struct Win32Platform::Parts {
    // First, so it is there for every part and ends after all of them: the shell's folder
    // interfaces (the finder's chooser) need COM on the GUI thread.
    ComApartment com;
    Win32Keyboard keyboard;
    Win32EventLoop loop;
    Win32Files files;
    Win32Profile profile;
    Win32Registry registry;
    Win32Screen screen;
    Win32Graphics graphics;
    Win32Sound sound;
    Win32Resources resources;
    Win32Shell shell;
    Win32Version version;
    Win32Desktop desktop;
    Win32Dialogs dialogs{desktop.applicationHwnd()};
    Win32Menus menus;
    Win32TextCompare textCompare;
};

namespace {
// The image lists of tray icons and the common controls need the library initialised.
void initialiseCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
}
}  // namespace

Win32Platform::Win32Platform() {
    initialiseCommonControls();
    parts_ = std::make_unique<Parts>();
}

Win32Platform::~Win32Platform() = default;

Keyboard& Win32Platform::keyboard() { return parts_->keyboard; }
EventLoop& Win32Platform::loop() { return parts_->loop; }
Files& Win32Platform::files() { return parts_->files; }
Profile& Win32Platform::profile() { return parts_->profile; }
Registry& Win32Platform::registry() { return parts_->registry; }
Screen& Win32Platform::screen() { return parts_->screen; }
Graphics& Win32Platform::graphics() { return parts_->graphics; }
Sound& Win32Platform::sound() { return parts_->sound; }
Resources& Win32Platform::resources() { return parts_->resources; }
Shell& Win32Platform::shell() { return parts_->shell; }
Version& Win32Platform::version() { return parts_->version; }
Desktop& Win32Platform::desktop() { return parts_->desktop; }
Dialogs& Win32Platform::dialogs() { return parts_->dialogs; }
Menus& Win32Platform::menus() { return parts_->menus; }
TextCompare& Win32Platform::textCompare() { return parts_->textCompare; }

std::unique_ptr<NativeWindow> Win32Platform::createWindow(const WindowCreateArgs& args) {
    const HWND owner = args.owner != kNoWindow ? reinterpret_cast<HWND>(args.owner) : parts_->desktop.applicationHwnd();
    return Win32Window::create(args, owner);
}

std::unique_ptr<TrayIcon> Win32Platform::createTrayIcon(int id) { return std::make_unique<Win32TrayIcon>(id); }

WindowHandle Win32Platform::applicationWindow() const {
    return reinterpret_cast<WindowHandle>(parts_->desktop.applicationHwnd());
}

}  // namespace norvi::win32
