// The Watermark page: one scrolling panel of 1058x1100 pixels laid out by a table.
#pragma once

#include "settings/window/page_context.h"
#include "ui/kit/view.h"

namespace norvi {

constexpr int kWatermarkPageHeight = 1100;
// Where the position grid's frame stands on the page, in content coordinates.
constexpr Point kPositionGridAt{116, 800};

void buildWatermarkPage(ui::kit::View& content, const PageContext& context);

}  // namespace norvi
