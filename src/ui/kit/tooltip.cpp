#include "ui/kit/tooltip.h"

#include <algorithm>

#include "ui/kit/geometry.h"
#include "ui/kit/painter.h"

namespace norvi::ui::kit {

Rect Tooltip::place(Size size, Point pointer, const Rect& workArea, Point offset) {
    int left = pointer.x + offset.x, top = pointer.y + offset.y;
    if (left + size.width > workArea.right) left = workArea.right - size.width;
    // Below the pointer there is no room: above it instead, clear of the arrow's tip.
    if (top + size.height > workArea.bottom) top = pointer.y - size.height - 2;
    left = std::max(left, workArea.left);
    top = std::max(top, workArea.top);
    return Rect::fromSize(left, top, size.width, size.height);
}

void Tooltip::show(const std::string& text, Point pointer) {
    hide();
    text_ = text;
    if (text.empty()) return;
    Graphics& graphics = platform_.graphics();
    // Laid out for the display under the pointer, where it shows.
    const Rect at = Rect::fromSize(pointer.x, pointer.y, 1, 1);
    const DpiScale scale = DpiScale::of(platform_.screen().dpiAt(at));
    const Size extent = scale.unitsCovering(graphics.textExtent(scale.font(style_.font), text));
    const Size units{extent.width + 2 * (style_.paddingX + 1), extent.height + 2 * (style_.paddingY + 1)};
    const Size size = scale.px(units);
    const Rect work = platform_.screen().workAreaAt(at);

    WindowCreateArgs args;
    args.className = kTooltipClassName;
    args.title = text;
    args.bounds = place(size, pointer, work, scale.px(style_.offset));
    args.topmost = true;
    args.noActivate = true;
    args.clickThrough = true;
    args.dropShadow = true;
    window_ = platform_.createWindow(args);
    if (!window_) return;

    Bitmap picture(size.width, size.height, 32, style_.background);
    Painter painter(picture, graphics, scale);
    const Rect all = sized(units);
    painter.frame(all, style_.border);
    painter.textAt({style_.paddingX + 1, style_.paddingY + 1}, style_.font, text, style_.text);
    window_->setPicture(picture, style_.background);
    window_->show();
}

}  // namespace norvi::ui::kit
