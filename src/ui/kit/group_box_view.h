// A one-pixel frame with its caption set into the top line. Bare area for the mouse.
#pragma once

#include <string>

#include "ui/kit/styles.h"
#include "ui/kit/view.h"

namespace norvi::ui::kit {

class GroupBoxView : public View {
public:
    GroupBoxView(std::string caption, const GroupBoxStyle& style) : caption_(std::move(caption)), style_(style) {}

    const std::string& caption() const { return caption_; }
    void paint(Painter& p) override;

private:
    std::string caption_;
    GroupBoxStyle style_;
};

}  // namespace norvi::ui::kit
