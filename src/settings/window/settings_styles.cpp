#include "settings/window/settings_styles.h"

namespace norvi {

namespace {

SettingsStyles makeStyles() {
    const ui::kit::Theme& t = ui::kit::darkTheme();
    const ui::kit::Palette& c = t.colours;
    SettingsStyles s;
    s.heading = {t.fonts.heading, c.white};
    s.label = {t.fonts.label, c.white};
    s.softLabel = {t.fonts.label, c.softText};
    s.sectionLabel = {t.fonts.caption, c.softText};
    s.error = {t.fonts.label, 0x008080FF};
    s.colourButton = {t.fonts.label, 0x00F2F2F2, 0x00F2F2F2, 0x00000000, c.white, c.white, 0x00000000};
    s.pictureButton = t.button;
    s.edit = t.edit;
    s.separator = c.separator;
    s.columnRule = 0x007E6A63;
    s.swatchDivider = 0x00202020;
    return s;
}

}  // namespace

const SettingsStyles& settingsStyles() {
    static const SettingsStyles styles = makeStyles();
    return styles;
}

}  // namespace norvi
