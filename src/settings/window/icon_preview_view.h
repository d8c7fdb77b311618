// The Watermark page's 81x81 icon preview: the dialog's preview picture stretched to fit,
// or, while there is none, a frame around the icon colour.
#pragma once

#include <functional>

#include "platform/bitmap.h"
#include "ui/kit/view.h"
#include "ui/widgets.h"

namespace norvi {

class IconPreviewView : public ui::kit::View {
public:
    using PictureSource = std::function<const Bitmap*()>;
    IconPreviewView(PictureSource picture, const ui::Panel& iconColour, Colour frame)
        : picture_(std::move(picture)), iconColour_(iconColour), frame_(frame) {}

    void paint(ui::kit::Painter& p) override;

private:
    PictureSource picture_;
    const ui::Panel& iconColour_;
    Colour frame_;
};

}  // namespace norvi
