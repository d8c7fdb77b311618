// The small popup that shows a view's hint: a topmost window that never takes the focus
// or the mouse, placed below and right of the pointer and kept inside the work area of
// the display the pointer is on. Its window lives only while it shows, with the hint as
// its title, as a screen reader would read it.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"
#include "ui/kit/styles.h"

namespace norvi::ui::kit {

constexpr const char* kTooltipClassName = "NorviTooltip";

class Tooltip {
public:
    Tooltip(Platform& platform, const TooltipStyle& style) : platform_(platform), style_(style) {}
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    // Shows text for a pointer at the given screen point; nothing for an empty text.
    void show(const std::string& text, Point pointer);
    void hide() { window_.reset(); }
    bool visible() const { return window_ != nullptr; }
    const std::string& text() const { return text_; }

    // Where a tooltip of the given size goes for the pointer, inside workArea: below and
    // right of it, moved left at the right edge and above the pointer at the bottom.
    static Rect place(Size size, Point pointer, const Rect& workArea, Point offset);

private:
    Platform& platform_;
    TooltipStyle style_;
    std::unique_ptr<NativeWindow> window_;
    std::string text_;
};

}  // namespace norvi::ui::kit
