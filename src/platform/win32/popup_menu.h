// Norvi's popup menu on Windows: a real popup menu whose every line, separators included,
// is owner-drawn in Norvi's flat style (dark background, white bold Segoe UI, a blue
// selection), so that no system colour shows.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/handles.h"

namespace norvi::win32 {

using UniqueMenu = UniqueHandle<NullTraits<HMENU, &DestroyMenu>>;

// One popup menu built from entries: entry i is the item of command id i + 1 (TrackPopupMenu
// answers 0 for "nothing chosen"). Built at construction, so it can be read back without
// being shown.
class StyledPopupMenu {
public:
    // Laid out for a display of the given DPI: the 96-dpi sizes scaled.
    explicit StyledPopupMenu(const std::vector<PopupMenuEntry>& entries, int dpi = USER_DEFAULT_SCREEN_DPI);
    HMENU handle() const { return menu_.get(); }
    int dpi() const { return dpi_; }

    // Shows the menu at a screen point and waits for it to close. The owner, a window of
    // this thread, answers the menu's drawing requests meanwhile and is posted WM_NULL
    // afterwards, so that the next click elsewhere closes the next menu. The chosen
    // entry's index, or nothing.
    std::optional<int> track(HWND owner, POINT screen);

    // The owner-draw answers; false for an item that is not one of this menu's.
    bool measure(MEASUREITEMSTRUCT& item) const;
    bool draw(const DRAWITEMSTRUCT& item) const;

    StyledPopupMenu(const StyledPopupMenu&) = delete;
    StyledPopupMenu& operator=(const StyledPopupMenu&) = delete;

private:
    struct Line {
        std::wstring caption;
        bool separator = false;
    };
    const Line* lineOf(UINT ctlType, UINT itemId, ULONG_PTR itemData) const;
    void drawText(HDC dc, const RECT& item, const Line& line, COLORREF colour) const;
    // A 96-dpi length in this menu's pixels.
    int px(int units) const { return MulDiv(units, dpi_, USER_DEFAULT_SCREEN_DPI); }

    int dpi_;
    std::vector<Line> lines_;
    UniqueFont font_;
    UniqueBrush background_;  // the menu's own background; outlives the menu
    UniqueMenu menu_;
};

class Win32Menus : public Menus {
public:
    std::optional<int> showPopupMenu(const std::vector<PopupMenuEntry>& entries, Point screen,
                                     WindowHandle owner) override;
};

}  // namespace norvi::win32
