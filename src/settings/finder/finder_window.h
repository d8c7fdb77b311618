// The sound finder's window: a borderless 572 x 654 dialog composed with the widget kit.
// It only lays the controls out and shows them; TfFind gives them their actions.
#pragma once

#include <memory>

#include "platform/platform.h"
#include "settings/finder/folder_chooser_view.h"
#include "ui/kit/button_view.h"
#include "ui/kit/edit_view.h"
#include "ui/kit/form.h"
#include "ui/kit/label_view.h"
#include "ui/kit/list_box_view.h"
#include "ui/kit/theme.h"
#include "ui/widgets.h"

namespace norvi {

constexpr Size kFinderSize{572, 654};
constexpr Colour kFinderBackground = 0x00544A43;
constexpr const char* kFinderClassName = "TfFind";
constexpr const char* kFinderTitle = "Norvi - find Wav";

class FinderWindow {
public:
    // st: the chosen-file model the read-only field shows; it must outlive the window.
    // owner: the window the finder belongs to (it stays above it), or kNoWindow. Nothing
    // when the system gives no window.
    static std::unique_ptr<FinderWindow> create(Platform& platform, ui::Edit& st, WindowHandle owner);

    NativeWindow& native() { return *native_; }
    ui::kit::Form& form() { return *form_; }
    // Centres the window on the primary display.
    void centre(Size screen);

    ui::kit::LabelView* heading = nullptr;
    FolderChooserView* Scb = nullptr;
    ui::kit::ButtonView* findButton = nullptr;  // "Find Sounds"
    ui::kit::EditView* stField = nullptr;
    ui::kit::ButtonView* playButton = nullptr;  // SpeedButton2
    ui::kit::ListBoxView* ListBox1 = nullptr;
    ui::kit::ButtonView* cancelButton = nullptr;
    ui::kit::ButtonView* okButton = nullptr;

    FinderWindow(const FinderWindow&) = delete;
    FinderWindow& operator=(const FinderWindow&) = delete;

private:
    FinderWindow(Platform& platform, std::unique_ptr<NativeWindow> native, ui::Edit& st);
    std::unique_ptr<NativeWindow> native_;
    std::unique_ptr<ui::kit::Form> form_;
};

}  // namespace norvi
