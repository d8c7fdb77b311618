// The settings dialog's native window "Tfcolors": a borderless 1075x750 window composed
// with the widget kit. The title strip holds the tab strip and the close button, the page
// area the four pages, the bottom bar OK, Cancel and the scroll-to-top button. Every
// control shows a model of Tfcolors and calls the handler that exists for it; the window
// adds no behaviour of its own beyond showing, moving and scrolling.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "ui/kit/form.h"
#include "ui/kit/scroll_range.h"
#include "ui/widgets.h"

namespace norvi {

class Program;
class Tfcolors;

namespace ui::kit {
class ButtonView;
class EditView;
class LabelView;
class ScrollAreaView;
class TabStripView;
class View;
}  // namespace ui::kit

enum class SettingsPage { Basic = 0, Watermark = 1, Floating = 2, Sounds = 3 };
constexpr int kSettingsPageCount = 4;
constexpr const char* kSettingsClassName = "Tfcolors";
constexpr const char* kSettingsCaption = " Settings";

class SettingsWindow {
public:
    // Nullptr when the system refuses the window; the dialog then works without one.
    static std::unique_ptr<SettingsWindow> create(Program& program, Tfcolors& dialog);
    ~SettingsWindow();

    // What the dialog's hooks ask of the window.
    void showAt(Point topLeft);
    void hide();
    void bringToFront();
    void setTopmost(bool topmost);
    // The one error the dialog reports, shown in the bottom bar until the dialog closes.
    void showError(const std::string& message);

    // As a press on tab index: the page shows, and sbUp only with the Watermark page.
    void selectPage(int index);
    int page() const { return page_; }

    NativeWindow& window() { return *window_; }
    ui::kit::Form& form() { return *form_; }
    ui::kit::TabStripView& tabs() { return *tabs_; }
    ui::kit::ButtonView& okButton() { return *ok_; }
    ui::kit::ButtonView& cancelButton() { return *cancel_; }
    ui::kit::ButtonView& closeButton() { return *close_; }
    ui::kit::ButtonView& scrollUpButton() { return *scrollUp_; }
    ui::kit::ScrollAreaView& watermarkScroll() { return *watermarkScroll_; }
    ui::kit::View& pageView(int index) { return *pages_.at(static_cast<std::size_t>(index)); }
    ui::kit::EditView& focusField() { return *focusField_; }
    const std::string& errorText() const;

    SettingsWindow(const SettingsWindow&) = delete;
    SettingsWindow& operator=(const SettingsWindow&) = delete;

private:
    SettingsWindow(Program& program, Tfcolors& dialog, std::unique_ptr<NativeWindow> window);
    void buildFrame();
    void wireWindow();
    void focusHiddenField();

    Program& p_;
    Tfcolors& dialog_;
    ui::Edit hiddenText_;  // Edit5: takes the focus so that no visible control shows a mark
    std::unique_ptr<NativeWindow> window_;
    std::unique_ptr<ui::kit::Form> form_;
    ui::kit::TabStripView* tabs_ = nullptr;
    ui::kit::ButtonView* close_ = nullptr;
    ui::kit::ButtonView* ok_ = nullptr;
    ui::kit::ButtonView* cancel_ = nullptr;
    ui::kit::ButtonView* scrollUp_ = nullptr;
    ui::kit::LabelView* error_ = nullptr;
    ui::kit::EditView* focusField_ = nullptr;
    ui::kit::ScrollAreaView* watermarkScroll_ = nullptr;
    std::array<ui::kit::View*, kSettingsPageCount> pages_{};
    ui::kit::WheelNotches wheel_;
    int page_ = 0;
};

}  // namespace norvi
