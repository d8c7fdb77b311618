// The Sounds page: four sound slots in two columns and "Reset to default".
#pragma once

#include "settings/window/page_context.h"
#include "ui/kit/view.h"

namespace norvi {

void buildSoundsPage(ui::kit::View& page, const PageContext& context);

}  // namespace norvi
