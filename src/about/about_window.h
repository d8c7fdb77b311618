// The about box's window: a fixed dialog frame with the system's title bar, 515 pixels wide
// inside and 328 high outside, drawn with the widget kit: a white panel holding the name,
// version, picture and notice, and the bottom bar with "Close". The parts are laid out
// from the client height the system leaves inside its frame.
#pragma once

#include <memory>

#include "platform/platform.h"
#include "ui/kit/button_view.h"
#include "ui/kit/form.h"
#include "ui/kit/label_view.h"

namespace norvi {

constexpr int kAboutClientWidth = 515;
constexpr int kAboutWindowHeight = 328;  // frame and caption included
constexpr const char* kAboutClassName = "Tfabout";
constexpr const char* kAboutTitle = "About";
constexpr const char* kAboutNotice = "\xC2\xA9 2026 Norvi";  // "(c) 2026 Norvi"
constexpr Colour kAboutPanel = 0x00FFFFFF;
constexpr Colour kAboutBottomBar = 0x00F0F0F0;
constexpr Colour kAboutGreyText = 0x00808080;
constexpr int kAboutBottomBarHeight = 51;

class AboutWindow {
public:
    // Nothing when the system gives no window. The window starts hidden.
    static std::unique_ptr<AboutWindow> create(Platform& platform);

    NativeWindow& native() { return *native_; }
    ui::kit::Form& form() { return *form_; }
    // Centres the whole window, frame included, on a screen of that size.
    void centre(Size screen);

    ui::kit::LabelView* name = nullptr;
    ui::kit::LabelView* version = nullptr;  // Label31
    ui::kit::View* picture = nullptr;       // Image1
    ui::kit::LabelView* notice = nullptr;
    ui::kit::ButtonView* closeButton = nullptr;  // XiButton5, "Close"

    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

private:
    AboutWindow(Platform& platform, std::unique_ptr<NativeWindow> native);
    std::unique_ptr<NativeWindow> native_;
    std::unique_ptr<ui::kit::Form> form_;
};

}  // namespace norvi
