// The Basic page: the seven boxes that mirror the popup menu's switches.
#pragma once

#include "settings/window/page_context.h"
#include "ui/kit/view.h"

namespace norvi {

void buildBasicPage(ui::kit::View& page, const PageContext& context);

}  // namespace norvi
