// The about box's window: a borderless 515 x 328 window drawn with the widget kit, with a
// title strip of its own (the platform's windows carry none), a white panel holding the
// name, version, picture and notice, and the bottom bar with "Close".
#pragma once

#include <memory>

#include "platform/platform.h"
#include "ui/kit/button_view.h"
#include "ui/kit/form.h"
#include "ui/kit/label_view.h"

namespace norvi {

constexpr Size kAboutSize{515, 328};
constexpr const char* kAboutClassName = "Tfabout";
constexpr const char* kAboutTitle = "About";
constexpr const char* kAboutNotice = "\xC2\xA9 2026 Norvi";  // "(c) 2026 Norvi"
constexpr Colour kAboutPanel = 0x00FFFFFF;
constexpr Colour kAboutBottomBar = 0x00F0F0F0;
constexpr Colour kAboutGreyText = 0x00808080;
constexpr int kAboutTitleHeight = 30;
constexpr int kAboutBottomBarHeight = 51;

class AboutWindow {
public:
    // Nothing when the system gives no window. The window starts hidden.
    static std::unique_ptr<AboutWindow> create(Platform& platform);

    NativeWindow& native() { return *native_; }
    ui::kit::Form& form() { return *form_; }
    void centre(Size screen);

    ui::kit::LabelView* name = nullptr;
    ui::kit::LabelView* version = nullptr;  // Label31
    ui::kit::View* picture = nullptr;       // Image1
    ui::kit::LabelView* notice = nullptr;
    ui::kit::ButtonView* titleClose = nullptr;  // the title strip's close button
    ui::kit::ButtonView* closeButton = nullptr;  // XiButton5, "Close"

    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

private:
    AboutWindow(Platform& platform, std::unique_ptr<NativeWindow> native);
    std::unique_ptr<NativeWindow> native_;
    std::unique_ptr<ui::kit::Form> form_;
};

}  // namespace norvi
