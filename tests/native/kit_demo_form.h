// A settings-dialog-like form built from the kit: the title strip with tabs and a close
// button, a page with a group of check boxes, a slider, an edit field and a colour
// swatch, and the bottom bar with OK and Cancel. The models come first, so they outlive
// the views.
#pragma once

#include <string>
#include <vector>

#include "ui/kit/button_view.h"
#include "ui/kit/check_box_view.h"
#include "ui/kit/edit_view.h"
#include "ui/kit/form.h"
#include "ui/kit/group_box_view.h"
#include "ui/kit/label_view.h"
#include "ui/kit/slider_view.h"
#include "ui/kit/swatch_view.h"
#include "ui/kit/tab_strip_view.h"
#include "ui/kit/theme.h"
#include "ui/widgets.h"

namespace norvi::test {

struct KitDemoForm {
    static constexpr Size kClient{1075, 750};

    ui::CheckBox showCaps{"Show Caps Lock", true};
    ui::CheckBox showNum{"Show Num Lock", false};
    ui::Slider fontSize{6, 600, 300};
    ui::Edit onText{"A", 20};
    ui::Panel onColour{"", 0x00C0C0C0};
    const ui::kit::Theme& theme = ui::kit::darkTheme();
    ui::kit::Form form;

    ui::kit::TabStripView& tabs = form.add<ui::kit::TabStripView>(
        std::vector<std::string>{"   Basic   ", "   Watermark indicator   ", "   Floating indicator   ", "   Sounds   "},
        theme.tabStrip);
    ui::kit::ButtonView& close = form.add<ui::kit::ButtonView>("", theme.closeButton);
    ui::kit::LabelView& heading = form.add<ui::kit::LabelView>("Desktop Watermark Indicator ", theme.heading);
    ui::kit::GroupBoxView& group = form.add<ui::kit::GroupBoxView>(" Caps Lock ", theme.groupBox);
    ui::kit::CheckBoxView& caps = form.add<ui::kit::CheckBoxView>(showCaps, theme.checkBox);
    ui::kit::CheckBoxView& num = form.add<ui::kit::CheckBoxView>(showNum, theme.checkBox);
    ui::kit::LabelView& onLabel = group.add<ui::kit::LabelView>("On Text", theme.label);
    ui::kit::EditView& edit = group.add<ui::kit::EditView>(onText, theme.edit);
    ui::kit::SwatchView& swatch = group.add<ui::kit::SwatchView>(onColour, "On Text Color", theme.swatch, theme.button);
    ui::kit::LabelView& sizeLabel = form.add<ui::kit::LabelView>("Font Size", theme.label);
    ui::kit::SliderView& slider = form.add<ui::kit::SliderView>(fontSize, theme.slider);
    ui::kit::LabelView& sizeValue = form.add<ui::kit::LabelView>("300 px", theme.label);
    ui::kit::ButtonView& ok = form.add<ui::kit::ButtonView>("OK", theme.button);
    ui::kit::ButtonView& cancel = form.add<ui::kit::ButtonView>("Cancel", theme.button);

    KitDemoForm(NativeWindow& window, Graphics& graphics, EventLoop& loop)
        : form(window, graphics, loop, kClient, theme.colours.page) {
        const int w = kClient.width, h = kClient.height, strip = theme.titleStripHeight;
        tabs.setBounds({0, 0, w - theme.closePanelWidth, strip});
        close.setBounds({w - theme.closePanelWidth, 0, w, strip});
        close.setGlyph(ui::kit::ButtonGlyph::Close);
        heading.setBounds(Rect::fromSize(24, strip + 16, 300, 17));
        caps.setBounds(Rect::fromSize(64, strip + 71, 120, 17));
        num.setBounds(Rect::fromSize(205, strip + 71, 120, 17));
        group.setBounds(Rect::fromSize(60, strip + 130, 453, 164));
        onLabel.setBounds(Rect::fromSize(12, 30, 100, 15));
        edit.setBounds(Rect::fromSize(61, 52, 105, 21));
        swatch.setBounds(Rect::fromSize(182, 50, 137, 25));
        sizeLabel.setBounds(Rect::fromSize(60, strip + 326, 90, 15));
        slider.setBounds(Rect::fromSize(160, strip + 321, 193, 25));
        sizeValue.setBounds(Rect::fromSize(365, strip + 326, 80, 15));
        const Size b = theme.dialogButton;
        const int buttonTop = h - theme.bottomBarHeight + (theme.bottomBarHeight - b.height) / 2;
        cancel.setBounds(Rect::fromSize(w - 16 - b.width, buttonTop, b.width, b.height));
        ok.setBounds(Rect::fromSize(w - 16 - 2 * b.width - 8, buttonTop, b.width, b.height));
        fontSize.onChange = [this] { sizeValue.setText(std::to_string(fontSize.position()) + " px"); };
    }
};

}  // namespace norvi::test
