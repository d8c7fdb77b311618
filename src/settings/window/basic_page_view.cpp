#include "settings/window/basic_page_view.h"

#include "settings/tfcolors.h"
#include "ui/kit/check_box_view.h"
#include "ui/kit/group_box_view.h"

namespace norvi {

namespace {

using ui::kit::CheckBoxView;
using ui::kit::GroupBoxView;

struct GroupPlace {
    const char* caption;
    Rect bounds;
};

struct BoxPlace {
    ui::CheckBox Tfcolors::*box;
    int group;  // index into kGroups, or -1 for a free box on the page
    Rect bounds;  // in the group's or the page's coordinates
};

constexpr GroupPlace kGroups[] = {
    {" Desktop Watermark Indicator ", placed(60, 56, 453, 132)},
    {" Floating Indicator ", placed(540, 56, 453, 132)},
};

constexpr BoxPlace kBoxes[] = {
    {&Tfcolors::cbText, 0, placed(28, 34, 300, 17)},
    {&Tfcolors::cbIcon, 0, placed(28, 64, 300, 17)},
    {&Tfcolors::cbKeepDisplayed, 0, placed(28, 94, 300, 17)},
    {&Tfcolors::cbNorviondesktop, 1, placed(28, 34, 300, 17)},
    {&Tfcolors::cbNumTray, -1, placed(88, 224, 300, 17)},
    {&Tfcolors::cbSound, -1, placed(88, 254, 300, 17)},
    {&Tfcolors::cbLoadStart, -1, placed(88, 284, 300, 17)},
};

}  // namespace

void buildBasicPage(ui::kit::View& page, const PageContext& context) {
    const ui::kit::Theme& theme = context.theme;
    GroupBoxView* groups[std::size(kGroups)] = {};
    for (std::size_t i = 0; i < std::size(kGroups); ++i) {
        groups[i] = &page.add<GroupBoxView>(kGroups[i].caption, theme.groupBox);
        groups[i]->setBounds(kGroups[i].bounds);
    }
    for (const BoxPlace& place : kBoxes) {
        ui::kit::View& owner = place.group < 0 ? page : *groups[place.group];
        owner.add<CheckBoxView>(context.dialog.*place.box, theme.checkBox).setBounds(place.bounds);
    }
}

}  // namespace norvi
