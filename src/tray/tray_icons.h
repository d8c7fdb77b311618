// The Caps Lock and Num Lock icons in the notification area and their four state pictures.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "tray/tray_clicks.h"

namespace norvi {

class Program;

// One notification-area icon: a visible flag, the picture it shows and its hint. Setting
// the picture of an invisible icon only stores it. The system's answers are ignored: the
// visible flag keeps what was asked, so a shell restart adds the icon again.
class NotifyIcon {
public:
    NotifyIcon() = default;
    ~NotifyIcon();
    // The picture goes to the shell at the size the screen says the shell asks for.
    void attach(std::unique_ptr<TrayIcon> native, Screen& screen);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    const Bitmap& image() const { return image_; }
    void setImage(const Bitmap& image);
    // Adds the icon again when it is meant to be visible (the shell restarted).
    void readd();
    TrayIcon* native() { return native_.get(); }

    std::string hint = "Norvi";
    std::function<void(TrayMouse)> onMouse;

    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;

private:
    // The picture as the shell shows it: the state picture scaled by whole pixels where it
    // can be, nearest neighbour otherwise, so it keeps exactly its colours.
    Bitmap shown() const;
    std::unique_ptr<TrayIcon> native_;
    Screen* screen_ = nullptr;
    Bitmap image_;
    bool visible_ = false;
};

class TrayIcons {
public:
    explicit TrayIcons(Program& program) : p_(program) {}

    // Loads the built-in pictures and creates both icons, visible, with the application
    // picture.
    void create();
    // Recolours the four pictures, points each icon at its state picture, then repaints
    // the floating cells.
    void barvajIkone();
    // The monitor's image switch on a change.
    void showCapsState(bool on);
    void showNumState(bool on);

    NotifyIcon CTI, CTI2;
    Bitmap VelikiA, MaliA, Veliki7, Mali7, ImageOriginal;

    TrayIcons(const TrayIcons&) = delete;
    TrayIcons& operator=(const TrayIcons&) = delete;

private:
    void loadPictures();
    void wireMouse(NotifyIcon& icon, std::unique_ptr<TrayClicks>& clicks);
    void openSettings();
    void doubleClicked();
    void rightPressed();
    Program& p_;
    std::unique_ptr<TrayClicks> capsClicks_, numClicks_;
};

}  // namespace norvi
