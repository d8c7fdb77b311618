// The settings dialog. Its controls are the settings for the whole run: the monitor, the
// dispatcher, the watermark and the floating indicator read them directly.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"
#include "ui/widgets.h"

namespace norvi {

class Program;

constexpr int kSettingsWidth = 1075;
constexpr int kSettingsHeight = 750;
constexpr int kWatermarkTextMaxLength = 20;

class Tfcolors {
public:
    explicit Tfcolors(Program& program);
    void FormCreate();

    // Basic page.
    ui::CheckBox cbText{"Textual Indicator"};
    ui::CheckBox cbIcon{"Iconic Indicator"};
    ui::CheckBox cbKeepDisplayed{" Keep Last Displayed Visible"};
    ui::CheckBox cbNorviondesktop{"Show on Desktop"};
    ui::CheckBox cbNumTray{"Show Num Lock in System tray"};
    ui::CheckBox cbSound{"Sound"};
    ui::CheckBox cbLoadStart{"Load at Startup"};

    // Watermark page.
    ui::CheckBox CbShowCaps{"Show Caps Lock", true};
    ui::CheckBox cbShowNum{"Show Num Lock"};
    ui::CheckBox cbShowLang{"Enabled"};
    ui::Edit edclon{"A", kWatermarkTextMaxLength};
    ui::Edit edcloff{"a", kWatermarkTextMaxLength};
    ui::Edit ednlon{"7", kWatermarkTextMaxLength};
    ui::Edit ednloff{"0", kWatermarkTextMaxLength};
    ui::Panel Panel7{"", 0x00C0C0C0};
    ui::Panel Panel11{"", 0x00C0C0C0};
    ui::Panel Panel15{"", 0x00C0C0C0};
    ui::Panel Panel17{"", 0x00C0C0C0};
    ui::Panel Panel19{"", 0x00C0C0C0};
    ui::CheckBox sdclon{"Transparent", true};
    ui::CheckBox sdclOff{"Transparent", true};
    ui::CheckBox sdnlOn{"Transparent", true};
    ui::CheckBox sdnlOff{"Transparent", true};
    ui::CheckBox sdLANG{"Transparent"};
    ui::Slider sdFontSize{6, 600, 300};
    ui::Slider floatOpa{1, 255, 51};
    ui::Slider sdTimeOut{1000, 10000, 2000};
    ui::CheckBox cbTimer{"Keep Last Displayed Visible"};
    ui::Panel Panel5{"", 0x00C0C0C0};  // icon colour
    std::string fontSizeLabel, opacityLabel, timeOutLabel;

    // Floating page.
    ui::Edit Edit8{"ABC"}, Edit6{"abc"}, Edit9{"7"}, Edit7{"7"};
    ui::Slider JTR{55, 255, 255};
    ui::CheckBox Xx1{"Rounded corners", true};

    // Sounds page.
    ui::CheckBox cb1{""}, cb2{""}, cb3{""}, cb4{""};
    ui::Edit Edit1{"Default"}, Edit2{"Default"}, Edit3{"Default"}, Edit4{"Default"};

    int rememberedLeft = 0;
    int rememberedTop = 0;
    std::unique_ptr<Timer> Timer1;  // the one-second layering timer

    bool visible() const { return visible_; }

    // The position grid's "show stored" entry: the button of TXTpolozaj shows "ABC".
    void showStoredPosition();
    // Captions of the nine position buttons, index 0 for position 1.
    const std::string& positionCaption(int position) const;
    // Selects SelectedFont in the font list when it is there.
    void NastaviFont();

    Tfcolors(const Tfcolors&) = delete;
    Tfcolors& operator=(const Tfcolors&) = delete;

private:
    void wireHandlers();
    std::string positionCaptions_[9];
    Program& p_;
    bool visible_ = false;
};

// Label texts of the watermark page's sliders.
std::string fontSizeLabelText(int position);
std::string opacityLabelText(int position);
std::string timeOutLabelText(int milliseconds);

}  // namespace norvi
