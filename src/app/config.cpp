#include "app/config.h"

#include <functional>

#include "app/config_values.h"
#include "app/program.h"
#include "tray/run_key.h"

namespace norvi {

namespace {

constexpr const char* kConfig = "Config";
constexpr const char* kConfigSD = "ConfigSD";
constexpr const char* kWav = "Wav";

std::string flag(bool v) { return v ? "1" : "0"; }
std::string number(std::int64_t v) { return formatConfigInt(v); }
// Colours are stored as signed 32-bit decimals.
std::string colour(Colour c) { return number(static_cast<std::int32_t>(c)); }

// One key of a save: its section, name and the text to write; skipped when `when` says no.
struct SavedKey {
    const char* section;
    const char* key;
    std::function<std::string(Program&)> value;
    std::function<bool(Program&)> when = nullptr;
};

// The whole file in write order. A file written the first time has its sections and keys
// in exactly this order, "Config" keys of the third group following the first group's.
const std::vector<SavedKey>& savedKeys() {
    static const std::vector<SavedKey> keys = {
        {kConfig, "left", [](Program& p) { return number(p.mainform->left()); }},
        {kConfig, "top", [](Program& p) { return number(p.mainform->top()); }},
        {kConfig, "opacity", [](Program& p) { return number(p.mainform->opacity()); }},
        {kConfig, "shadow", [](Program&) { return std::string("0"); }},
        {kConfig, "CtablaW", [](Program& p) { return number(p.mainform->Ctabla.width()); },
         [](Program& p) { return p.mainform->visible(); }},
        {kConfig, "Ctxt8", [](Program& p) { return p.fcolors->Edit8.text(); },
         [](Program& p) { return p.startupDone; }},
        {kConfig, "Ctxt9", [](Program& p) { return p.fcolors->Edit9.text(); }},
        {kConfig, "Ctxt6", [](Program& p) { return p.fcolors->Edit6.text(); }},
        {kConfig, "Ctxt7", [](Program& p) { return p.fcolors->Edit7.text(); }},

        {kConfigSD, "TXTpolozaj", [](Program& p) { return number(p.watermark.TXTpolozaj); }},
        {kConfigSD, "p7", [](Program& p) { return colour(p.fcolors->Panel7.colour()); }},
        {kConfigSD, "p11", [](Program& p) { return colour(p.fcolors->Panel11.colour()); }},
        {kConfigSD, "p15", [](Program& p) { return colour(p.fcolors->Panel15.colour()); }},
        {kConfigSD, "p17", [](Program& p) { return colour(p.fcolors->Panel17.colour()); }},
        {kConfigSD, "p19", [](Program& p) { return colour(p.fcolors->Panel19.colour()); }},
        {kConfigSD, "floatOpa", [](Program& p) { return number(p.fcolors->floatOpa.position()); }},
        {kConfigSD, "sdclon", [](Program& p) { return flag(p.fcolors->sdclon.checked()); }},
        {kConfigSD, "sdcloFF", [](Program& p) { return flag(p.fcolors->sdclOff.checked()); }},
        {kConfigSD, "sdnloFF", [](Program& p) { return flag(p.fcolors->sdnlOff.checked()); }},
        {kConfigSD, "sdnloN", [](Program& p) { return flag(p.fcolors->sdnlOn.checked()); }},
        {kConfigSD, "sdLang", [](Program& p) { return flag(p.fcolors->sdLANG.checked()); }},
        {kConfigSD, "sdFontSize", [](Program& p) { return number(p.fcolors->sdFontSize.position()); }},
        {kConfigSD, "sdTimeOut", [](Program& p) { return number(p.fcolors->sdTimeOut.position()); }},
        {kConfigSD, "edclon", [](Program& p) { return p.fcolors->edclon.text(); }},
        {kConfigSD, "edcloff", [](Program& p) { return p.fcolors->edcloff.text(); }},
        {kConfigSD, "ednlon", [](Program& p) { return p.fcolors->ednlon.text(); }},
        {kConfigSD, "ednloFF", [](Program& p) { return p.fcolors->ednloff.text(); }},
        {kConfigSD, "SelectedFont", [](Program& p) { return p.watermark.SelectedFont; }},
        {kConfigSD, "cbTimer", [](Program& p) { return flag(p.fcolors->cbTimer.checked()); }},

        {kConfig, "load", [](Program& p) { return flag(p.mainform->menu.Load.checked()); }},
        {kConfig, "round", [](Program& p) { return flag(p.fcolors->Xx1.checked()); }},
        {kConfig, "xvok1", [](Program& p) { return flag(p.fcolors->cb1.checked()); }},
        {kConfig, "xvok2", [](Program& p) { return flag(p.fcolors->cb2.checked()); }},
        {kConfig, "xvok3", [](Program& p) { return flag(p.fcolors->cb3.checked()); }},
        {kConfig, "xvok4", [](Program& p) { return flag(p.fcolors->cb4.checked()); }},
        {kConfig, "cbShowCaps", [](Program& p) { return flag(p.fcolors->CbShowCaps.checked()); }},
        {kConfig, "cbShowNum", [](Program& p) { return flag(p.fcolors->cbShowNum.checked()); }},
        {kConfig, "cbShowLang", [](Program& p) { return flag(p.fcolors->cbShowLang.checked()); }},
        {kConfig, "ShowTI", [](Program& p) { return flag(p.mainform->menu.ShowTI.checked()); }},
        {kConfig, "SOD", [](Program& p) { return flag(p.mainform->menu.SOD.checked()); }},
        {kConfig, "SNL", [](Program& p) { return flag(p.mainform->menu.SnL.checked()); }},
        {kConfig, "sound", [](Program& p) { return flag(p.mainform->menu.zvok.checked()); }},
        {kConfig, "DOD", [](Program& p) { return flag(p.mainform->menu.DOD.checked()); }},
        {kConfig, "DOP", [](Program& p) { return flag(p.mainform->menu.Dop.checked()); }},
        {kConfig, "IconColor", [](Program& p) { return colour(p.fcolors->Panel5.colour()); }},
        {kConfig, "O1", [](Program& p) { return colour(p.colours.capsOnColor); }},
        {kConfig, "02", [](Program& p) { return colour(p.colours.numOnColor); }},
        {kConfig, "03", [](Program& p) { return colour(p.colours.numOffFontColor); }},
        {kConfig, "04", [](Program& p) { return colour(p.colours.reserved04); }},
        {kConfig, "05", [](Program& p) { return colour(p.colours.capsOnFontColor); }},
        {kConfig, "06", [](Program& p) { return colour(p.colours.numOnFontColor); }},
        {kConfig, "07", [](Program& p) { return colour(p.colours.capsOffFontColor); }},
        {kConfig, "08", [](Program& p) { return colour(p.colours.capsOffColor); }},
        {kConfig, "09", [](Program& p) { return colour(p.colours.numOffColor); }},

        {kWav, "path1", [](Program& p) { return p.fcolors->Edit1.text(); }},
        {kWav, "path2", [](Program& p) { return p.fcolors->Edit2.text(); }},
        {kWav, "path3", [](Program& p) { return p.fcolors->Edit3.text(); }},
        {kWav, "path4", [](Program& p) { return p.fcolors->Edit4.text(); }},
    };
    return keys;
}

}  // namespace

std::string Config::path() const { return p_.dataFolder + kConfigFileName; }

int Config::readInt(const char* section, const char* key, int fallback) {
    const auto v = parseConfigInt(p_.platform.profile().read(path(), section, key, ""));
    return v ? *v : fallback;
}

std::string Config::readText(const char* section, const char* key, const char* fallback) {
    return p_.platform.profile().read(path(), section, key, fallback);
}

void Config::LoadSettings() {
    Tmainform& m = *p_.mainform;
    PopupMenu& menu = m.menu;
    Screen& screen = p_.platform.screen();
    try {
        const Size primary = screen.primarySize();
        const auto displays = screen.displays();
        const int firstDisplayWidth = displays.empty() ? primary.width : displays.front().width();

        int left = readInt(kConfig, "left", firstDisplayWidth - 200);
        if (left < 10) left = 300;
        if (left > primary.width) left = 300;
        int top = readInt(kConfig, "top", 30);
        if (top < 0) top = 100;
        if (top > primary.height) top = 300;
        int opacity = readInt(kConfig, "opacity", 255);
        readInt(kConfig, "shadow", 0);

        menu.zvok.setChecked(readInt(kConfig, "sound", 1) == 1);
        menu.DOD.setChecked(readInt(kConfig, "DOD", 1) != 0);
        menu.Dop.setChecked(readInt(kConfig, "DOP", 0) != 0);

        m.Ctabla.setWidth(readInt(kConfig, "CtablaW", 75));

        menu.ShowTI.setChecked(readInt(kConfig, "ShowTI", 0) == 1);
        if (!menu.ShowTI.checked()) {
            p_.tray.CTI.setImage(p_.tray.ImageOriginal);
            p_.tray.CTI2.setVisible(false);
        }

        menu.SnL.setChecked(readInt(kConfig, "SNL", 1) == 1);
        p_.tray.CTI2.setVisible(readInt(kConfig, "SNL", 1) == 1);

        menu.SOD.setChecked(readInt(kConfig, "SOD", 1) == 1);
        if (readInt(kConfig, "SOD", 1) == 1) {
            m.show();
        } else {
            p_.showMainFormOnStart = false;
        }
        p_.showMainFormOnStart = menu.SOD.checked();

        const int load = readInt(kConfig, "load", 1);
        if (load == 1) menu.Load.setChecked(true);
        if (load == 0) menu.Load.setChecked(false);

        if (opacity < 125) opacity = 150;
        // Never written by Norvi; taking the low 8 bits would turn 300 into a faint 44.
        if (opacity > 255) opacity = 255;
        if (left > primary.width - 50) left = 300;
        m.moveTo(left, top);
        m.setOpacity(opacity & 0xFF);

        FloatingColours& c = p_.colours;
        const auto readColour = [&](const char* key, Colour fallback) {
            return static_cast<Colour>(readInt(kConfig, key, static_cast<std::int32_t>(fallback)));
        };
        const FloatingColours defaults;
        c.capsOnColor = readColour("O1", defaults.capsOnColor);
        c.numOnColor = readColour("02", defaults.numOnColor);
        c.numOffFontColor = readColour("03", defaults.numOffFontColor);
        c.capsOnFontColor = readColour("05", defaults.capsOnFontColor);
        c.numOnFontColor = readColour("06", defaults.numOnFontColor);
        c.capsOffFontColor = readColour("07", defaults.capsOffFontColor);
        c.capsOffColor = readColour("08", defaults.capsOffColor);
        c.numOffColor = readColour("09", defaults.numOffColor);
    } catch (...) {
    }
    p_.platform.desktop().hideApplicationWindow();
}

void Config::loadDialogSettings() {
    Tfcolors& d = *p_.fcolors;
    WatermarkState& w = p_.watermark;
    const auto readColour = [&](const char* section, const char* key, Colour fallback) {
        return static_cast<Colour>(readInt(section, key, static_cast<std::int32_t>(fallback)));
    };
    // A transparent box is cleared first, then checked by exactly 1.
    const auto readIsOne = [&](ui::CheckBox& box, const char* key, int fallback) {
        box.setChecked(false);
        if (readInt(kConfigSD, key, fallback) == 1) box.setChecked(true);
    };
    try {
        // The key colour would make every icon invisible; the page never stores it either.
        const Colour icon = readColour(kConfig, "IconColor", 0x00C0C0C0);
        d.Panel5.setColour(icon == kKeyColour ? kNearKeyIconColour : icon);
        d.Edit8.setText(readText(kConfig, "Ctxt8", "ABC"));
        d.Edit6.setText(readText(kConfig, "Ctxt6", "abc"));
        d.Edit9.setText(readText(kConfig, "Ctxt9", "7"));
        d.Edit7.setText(readText(kConfig, "Ctxt7", "7"));
        w.TXTpolozaj = readInt(kConfigSD, "TXTpolozaj", 5);
        d.showStoredPosition();
        d.CbShowCaps.setChecked(readInt(kConfig, "cbShowCaps", 1) != 0);
        d.cbShowNum.setChecked(readInt(kConfig, "cbShowNum", 0) != 0);
        d.cbShowLang.setChecked(readInt(kConfig, "cbShowLang", 0) != 0);
        d.Panel7.setColour(readColour(kConfigSD, "p7", 0x00C0C0C0));
        d.Panel11.setColour(readColour(kConfigSD, "p11", 0x00C0C0C0));
        d.Panel15.setColour(readColour(kConfigSD, "p15", 0x00C0C0C0));
        d.Panel17.setColour(readColour(kConfigSD, "p17", 0x00C0C0C0));
        d.Panel19.setColour(readColour(kConfigSD, "p19", 0x00C0C0C0));
        d.floatOpa.setPosition(readInt(kConfigSD, "floatOpa", 51));
        d.cbTimer.setChecked(readInt(kConfigSD, "cbTimer", 0) != 0);
        readIsOne(d.sdclon, "sdclon", 1);
        readIsOne(d.sdclOff, "sdcloFF", 1);
        readIsOne(d.sdnlOn, "sdnloN", 1);
        readIsOne(d.sdnlOff, "sdnloFF", 1);
        readIsOne(d.sdLANG, "sdLang", 0);
        d.edclon.setText(readText(kConfigSD, "edclon", "A"));
        d.edcloff.setText(readText(kConfigSD, "edcloff", "a"));
        d.ednlon.setText(readText(kConfigSD, "ednlon", "7"));
        d.ednloff.setText(readText(kConfigSD, "ednloFF", "0"));
        d.sdFontSize.setPosition(readInt(kConfigSD, "sdFontSize", 300));
        d.sdTimeOut.setPosition(readInt(kConfigSD, "sdTimeOut", 2000));
        w.SelectedFont = readText(kConfigSD, "SelectedFont", "Arial");
        d.NastaviFont();
        d.Edit1.setText(readText(kWav, "path1", "Default"));
        d.Edit2.setText(readText(kWav, "path2", "Default"));
        d.Edit3.setText(readText(kWav, "path3", "Default"));
        d.Edit4.setText(readText(kWav, "path4", "Default"));
        ui::CheckBox* soundBoxes[] = {&d.cb1, &d.cb2, &d.cb3, &d.cb4};
        const char* soundKeys[] = {"xvok1", "xvok2", "xvok3", "xvok4"};
        for (int i = 0; i < 4; ++i)
            if (readInt(kConfig, soundKeys[i], 1) == 1) soundBoxes[i]->setChecked(true);
        const int round = readInt(kConfig, "round", 0);
        if (round == 1) d.Xx1.setChecked(true);
        if (round == 0) {
            d.Xx1.setChecked(false);
            p_.mainform->Roundx();
        }
    } catch (...) {
    }
    dialogSettingsLoaded_ = true;
}

void Config::SaveSettings() {
    // A close that arrives while start-up is still creating the windows: the dialog's
    // controls do not hold the user's settings yet, and writing them would replace the file
    // with defaults.
    if (!p_.fcolors || !dialogSettingsLoaded_) return;
    try {
        // A Run key that cannot be written must not cost the user the rest of the settings.
        syncRunValue(p_.platform, p_.mainform->menu.Load.checked());
        Profile& profile = p_.platform.profile();
        const std::string file = path();
        for (const SavedKey& k : savedKeys()) {
            if (k.when && !k.when(p_)) continue;
            if (!profile.write(file, k.section, k.key, k.value(p_))) return;
        }
    } catch (...) {
    }
}

}  // namespace norvi
