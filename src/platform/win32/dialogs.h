// The common dialogs (colour chooser, file open) and the nested message loop of Norvi's
// own modal dialogs.
#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace norvi::win32 {

class Win32Dialogs : public Dialogs {
public:
    // owner: the window the common dialogs belong to while none of Norvi's windows is active
    // (the hidden application window).
    explicit Win32Dialogs(HWND owner) : owner_(owner) {}
    std::optional<ColourChoice> chooseColour(Colour initial, const CustomColours& customColours) override;
    std::optional<std::string> openFile(const std::string& filter) override;
    void runModal(const std::function<bool()>& done) override;

private:
    HWND owner_;
};

// "Description|pattern|..." as the file dialog wants it: parts ended by NULs, two at the end.
std::wstring fileDialogFilter(const std::string& filter);

}  // namespace norvi::win32
