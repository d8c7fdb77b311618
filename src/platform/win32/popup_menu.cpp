#include "platform/win32/popup_menu.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

#include "platform/win32/dpi.h"
#include "platform/win32/wide.h"

namespace norvi::win32 {

namespace {

// The look, as Windows colour values; nothing comes from the system's colours.
constexpr COLORREF kBackground = 0x00544A43;
constexpr COLORREF kText = 0x00FFFFFF;
constexpr COLORREF kSelection = 0x00C08000;
constexpr COLORREF kSelectionBorder = 0x00544A43;
constexpr COLORREF kDisabledText = 0x00A0A0A0;
constexpr COLORREF kSeparator = 0x00A6988E;
constexpr COLORREF kCheckMark = 0x00FFFFFF;
constexpr int kCharHeight = 13;

// Geometry at 96 dpi, scaled to the display's: the check column, then the text.
constexpr int kCheckColumnWidth = 24;
constexpr int kTextGap = 6;
constexpr int kRightMargin = 16;
constexpr int kVerticalPadding = 4;
constexpr int kSeparatorHeight = 7;

int textLength(const std::wstring& text) { return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX)); }

void fill(HDC dc, const RECT& r, COLORREF colour) {
    const UniqueBrush brush(CreateSolidBrush(colour));
    if (brush) FillRect(dc, &r, brush.get());
}

// A frame of the given thickness just inside r.
void frame(HDC dc, const RECT& r, COLORREF colour, int thickness) {
    const UniqueBrush brush(CreateSolidBrush(colour));
    if (!brush) return;
    const RECT sides[] = {{r.left, r.top, r.right, r.top + thickness},
                          {r.left, r.bottom - thickness, r.right, r.bottom},
                          {r.left, r.top, r.left + thickness, r.bottom},
                          {r.right - thickness, r.top, r.right, r.bottom}};
    for (const RECT& side : sides) FillRect(dc, &side, brush.get());
}

// A tick three pixels thick at 96 dpi, centred in the column: four columns down to the
// right, then six up to the right. Each of its ten columns is scale pixels wide and tall
// (scale = dpi / 96, at least one pixel), so the tick stays crisp at every DPI.
void drawTick(HDC dc, const RECT& column, COLORREF colour, int dpi) {
    const UniqueBrush brush(CreateSolidBrush(colour));
    if (!brush) return;
    const int step = std::max(1, MulDiv(1, dpi, USER_DEFAULT_SCREEN_DPI));
    const int left = (column.left + column.right) / 2 - 4 * step;
    const int middle = (column.top + column.bottom) / 2;
    for (int i = 0; i < 10; ++i) {
        const int top = middle + (i <= 3 ? -2 + i : 4 - i) * step;
        const RECT stroke{left + i * step, top, left + (i + 1) * step, top + 3 * step};
        FillRect(dc, &stroke, brush.get());
    }
}

// Installed on the owner for as long as the menu is open: the menu's drawing requests go
// to the owner, whose own window procedure knows nothing of them. The menu's address
// tells its requests (and its subclass) from any other's.
LRESULT CALLBACK ownerDrawProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR menu) noexcept {
    try {
        const auto* self = reinterpret_cast<const StyledPopupMenu*>(menu);
        if (message == WM_MEASUREITEM && self->measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
        if (message == WM_DRAWITEM && self->draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
    } catch (...) {
        // A line that cannot be drawn stays blank; the menu still works.
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

class OwnerDrawHook {
public:
    OwnerDrawHook(HWND owner, const StyledPopupMenu& menu)
        : owner_(owner),
          id_(reinterpret_cast<UINT_PTR>(&menu)),
          installed_(SetWindowSubclass(owner, &ownerDrawProc, id_, reinterpret_cast<DWORD_PTR>(&menu)) != FALSE) {}
    ~OwnerDrawHook() {
        if (installed_) RemoveWindowSubclass(owner_, &ownerDrawProc, id_);
    }
    explicit operator bool() const { return installed_; }

    OwnerDrawHook(const OwnerDrawHook&) = delete;
    OwnerDrawHook& operator=(const OwnerDrawHook&) = delete;

private:
    HWND owner_;
    UINT_PTR id_;
    bool installed_;
};

}  // namespace

StyledPopupMenu::StyledPopupMenu(const std::vector<PopupMenuEntry>& entries, int dpi)
    : dpi_(dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI),
      font_(CreateFontW(-MulDiv(kCharHeight, dpi_, USER_DEFAULT_SCREEN_DPI), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Segoe UI")),
      background_(CreateSolidBrush(kBackground)),
      menu_(CreatePopupMenu()) {
    if (!menu_) return;
    // The margins around the lines, which no line draws.
    MENUINFO look{};
    look.cbSize = sizeof look;
    look.fMask = MIM_BACKGROUND;
    look.hbrBack = background_.get();
    SetMenuInfo(menu_.get(), &look);

    lines_.reserve(entries.size());
    for (const PopupMenuEntry& entry : entries) {
        const bool separator = entry.kind == PopupMenuEntry::Kind::Separator;
        lines_.push_back({separator ? std::wstring() : widen(entry.caption), separator});
        const UINT id = static_cast<UINT>(lines_.size());
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA;
        item.fType = MFT_OWNERDRAW | (separator ? MFT_SEPARATOR : 0);
        item.fState = (entry.checked && !separator ? MFS_CHECKED : 0) | (entry.enabled ? 0 : MFS_DISABLED);
        item.wID = id;
        item.dwItemData = reinterpret_cast<ULONG_PTR>(this);
        if (!separator) {
            // The caption travels with the item for screen readers, though the menu draws it.
            item.fMask |= MIIM_STRING;
            item.dwTypeData = lines_.back().caption.data();
        }
        InsertMenuItemW(menu_.get(), id - 1, TRUE, &item);
        if (entry.isDefault && !separator) SetMenuDefaultItem(menu_.get(), id, FALSE);
    }
}

std::optional<int> StyledPopupMenu::track(HWND owner, POINT screen) {
    if (!menu_ || !owner) return std::nullopt;
    const OwnerDrawHook hook(owner, *this);
    // Without the drawing answers every line would be blank: better no menu.
    if (!hook) return std::nullopt;
    const int id = static_cast<int>(
        TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (id <= 0 || id > static_cast<int>(lines_.size())) return std::nullopt;
    return id - 1;
}

const StyledPopupMenu::Line* StyledPopupMenu::lineOf(UINT ctlType, UINT itemId, ULONG_PTR itemData) const {
    if (ctlType != ODT_MENU || itemData != reinterpret_cast<ULONG_PTR>(this)) return nullptr;
    if (itemId == 0 || itemId > lines_.size()) return nullptr;
    return &lines_[itemId - 1];
}

bool StyledPopupMenu::measure(MEASUREITEMSTRUCT& item) const {
    const Line* line = lineOf(item.CtlType, item.itemID, item.itemData);
    if (!line) return false;
    if (line->separator) {
        item.itemWidth = static_cast<UINT>(px(kCheckColumnWidth));
        item.itemHeight = static_cast<UINT>(px(kSeparatorHeight));
        return true;
    }
    const ScreenDc screen;
    SIZE extent{0, px(kCharHeight)};
    if (screen.get()) {
        const ScopedSelect font(screen.get(), font_.get());
        GetTextExtentPoint32W(screen.get(), line->caption.c_str(), textLength(line->caption), &extent);
    }
    item.itemWidth = static_cast<UINT>(px(kCheckColumnWidth + kTextGap + kRightMargin) + extent.cx);
    item.itemHeight = static_cast<UINT>(extent.cy + 2 * px(kVerticalPadding));
    return true;
}

bool StyledPopupMenu::draw(const DRAWITEMSTRUCT& item) const {
    const Line* line = lineOf(item.CtlType, item.itemID, item.itemData);
    if (!line) return false;
    const HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    if (line->separator) {
        fill(dc, r, kBackground);
        const int y = (r.top + r.bottom) / 2;
        fill(dc, RECT{r.left + px(kCheckColumnWidth + kTextGap), y, r.right, y + std::max(1, px(1))}, kSeparator);
        return true;
    }
    if (item.itemState & ODS_SELECTED) {
        fill(dc, r, kSelection);
        frame(dc, r, kSelectionBorder, std::max(1, px(1)));
    } else {
        fill(dc, r, kBackground);
    }
    if (item.itemState & ODS_CHECKED)
        drawTick(dc, RECT{r.left, r.top, r.left + px(kCheckColumnWidth), r.bottom}, kCheckMark, dpi_);
    drawText(dc, r, *line, (item.itemState & (ODS_GRAYED | ODS_DISABLED)) ? kDisabledText : kText);
    return true;
}

void StyledPopupMenu::drawText(HDC dc, const RECT& item, const Line& line, COLORREF colour) const {
    const ScopedSelect font(dc, font_.get());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colour);
    RECT text{item.left + px(kCheckColumnWidth + kTextGap), item.top, item.right, item.bottom};
    DrawTextW(dc, line.caption.c_str(), textLength(line.caption), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

std::optional<int> Win32Menus::showPopupMenu(const std::vector<PopupMenuEntry>& entries, Point screen,
                                             WindowHandle owner) {
    if (entries.empty()) return std::nullopt;
    // Laid out for the display the menu opens on.
    StyledPopupMenu menu(entries, monitorDpi(MonitorFromPoint(POINT{screen.x, screen.y}, MONITOR_DEFAULTTONEAREST)));
    return menu.track(reinterpret_cast<HWND>(owner), POINT{screen.x, screen.y});
}

}  // namespace norvi::win32
