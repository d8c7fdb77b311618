#include "platform/win32/dialogs.h"

#include <commdlg.h>

#include "platform/win32/lazy_library.h"
#include "platform/win32/wide.h"

namespace norvi::win32 {

namespace {

// The chooser has no "empty" slot, so one is handed over as white. Not plain white, which
// the user may add: PALETTERGB(white) paints as white, yet the chooser never writes it
// back, since every colour it makes has a zero top byte. A slot still holding it on OK
// was left alone.
constexpr COLORREF kEmptySlot = 0x02FFFFFF;
// Room for a long path: the dialog fails rather than cut one.
constexpr DWORD kPathBuffer = 32768;

// The window the user is working in (the settings dialog, which is topmost): a common
// dialog owned by it stays above it and keeps it disabled while open. Without one, the
// hidden application window.
HWND currentOwner(HWND fallback) {
    const HWND active = GetActiveWindow();
    return active && IsWindowVisible(active) ? active : fallback;
}

// Most runs never open a chooser: the library is loaded at the first one.
LazyLibrary& commonDialogs() {
    static LazyLibrary library(L"comdlg32.dll");
    return library;
}

}  // namespace

std::optional<ColourChoice> Win32Dialogs::chooseColour(Colour initial, const CustomColours& customColours) {
    COLORREF slots[16];
    for (std::size_t i = 0; i < 16; ++i) slots[i] = customColours[i] ? *customColours[i] & 0x00FFFFFF : kEmptySlot;
    CHOOSECOLORW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = currentOwner(owner_);
    request.rgbResult = initial & 0x00FFFFFF;
    request.lpCustColors = slots;
    request.Flags = CC_FULLOPEN | CC_SOLIDCOLOR | CC_ANYCOLOR | CC_SHOWHELP | CC_RGBINIT;
    const auto chooseColor = commonDialogs().function<decltype(ChooseColorW)>("ChooseColorW");
    if (!chooseColor || !chooseColor(&request)) return std::nullopt;
    ColourChoice choice;
    choice.colour = request.rgbResult & 0x00FFFFFF;
    for (std::size_t i = 0; i < 16; ++i)
        if (slots[i] != kEmptySlot) choice.customColours[i] = slots[i] & 0x00FFFFFF;
    return choice;
}

std::wstring fileDialogFilter(const std::string& filter) {
    std::wstring parts = widen(filter);
    for (wchar_t& c : parts)
        if (c == L'|') c = L'\0';
    parts.push_back(L'\0');
    parts.push_back(L'\0');
    return parts;
}

std::optional<std::string> Win32Dialogs::openFile(const std::string& filter) {
    const std::wstring filterParts = fileDialogFilter(filter);
    std::wstring path(kPathBuffer, L'\0');
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = currentOwner(owner_);
    request.lpstrFilter = filterParts.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = path.data();
    request.nMaxFile = kPathBuffer;
    request.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    const auto getOpenFileName = commonDialogs().function<decltype(GetOpenFileNameW)>("GetOpenFileNameW");
    if (!getOpenFileName || !getOpenFileName(&request)) return std::nullopt;
    return narrow(path.c_str());
}

void Win32Dialogs::runModal(const std::function<bool()>& done) {
    MSG msg;
    while (!done()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The application is quitting: the outer loop must still see the request.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got < 0) return;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace norvi::win32
