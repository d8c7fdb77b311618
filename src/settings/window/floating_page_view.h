// The Floating page: the Caps Lock and Num Lock groups with their texts and colour
// buttons, the opacity slider and "Reset to default".
#pragma once

#include "settings/window/page_context.h"
#include "ui/kit/view.h"

namespace norvi {

void buildFloatingPage(ui::kit::View& page, const PageContext& context);

}  // namespace norvi
