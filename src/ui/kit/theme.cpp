#include "ui/kit/theme.h"

namespace norvi::ui::kit {

namespace {

Theme makeDarkTheme() {
    Theme t;
    const Palette& c = t.colours;
    const Fonts& f = t.fonts;
    t.label = {f.label, c.text};
    t.heading = {f.heading, c.softText};
    t.button = {f.label, c.buttonFace, c.buttonBorder, c.text, c.buttonHover, c.buttonPressed,
                c.buttonPressedText};
    t.closeButton = {f.caption, c.closeFace, c.closeFace, c.text, c.closeHover, c.closePressed, c.text};
    t.checkBox = {f.label, c.text, c.control, c.buttonBorder, c.white, c.white};
    t.slider = {c.control, c.buttonBorder, c.buttonPressed, c.white, c.white};
    t.edit = {f.edit, c.editText, c.buttonBorder, c.editText};
    t.tabStrip = {f.caption, c.stripBackground, c.unselectedTab, c.page, c.buttonHover, c.text};
    t.groupBox = {f.caption, c.buttonBorder, c.softText};
    t.swatch = {c.buttonBorder};
    t.listBox.font = f.list;
    t.listBox.background = c.white;
    t.listBox.text = 0x00000000;
    t.listBox.border = c.buttonBorder;
    t.listBox.selected = c.buttonFace;
    t.listBox.selectedText = c.white;
    t.listBox.scrollBar = {0x00E8E8E8, 0x00A8A8A8, 0x00787878};
    t.scrollArea.scrollBar = {c.page, c.buttonBorder, c.buttonPressed};
    return t;
}

}  // namespace

const Theme& darkTheme() {
    static const Theme theme = makeDarkTheme();
    return theme;
}

}  // namespace norvi::ui::kit
