// The settings dialog. Its controls are the settings for the whole run: the monitor, the
// dispatcher, the watermark and the floating indicator read them directly.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "settings/colour_picker.h"
#include "settings/font_list.h"
#include "tray/menu_commands.h"
#include "tray/popup_menu.h"
#include "ui/widgets.h"

namespace norvi {

class Program;
class SettingsWindow;

constexpr int kSettingsWidth = 1075;
constexpr int kSettingsHeight = 750;
constexpr int kWatermarkTextMaxLength = 20;
// The watermark's key colour cannot be an icon colour: the icon would vanish.
constexpr Colour kNearKeyIconColour = 0x00544A42;
constexpr Colour kMissingSoundFieldColour = 0x00E6E6FF;
constexpr const char* kWaveFileFilter = "Wave file ( .wav)|*.wav";

enum class DialogResult { None, OK, Cancel };

class Tfcolors {
public:
    explicit Tfcolors(Program& program);
    void FormCreate();

    // ---- the frame (settings_dialog.cpp) ----
    // Opens the dialog modally and, once it has closed, keeps or undoes the edits. While it
    // is open a second request only brings it to the front.
    void Setcolors1Click();
    void BitBtn1Click();  // "OK"
    void cancelClick();   // "Cancel" and the title strip's close button
    void FormShow();
    void FormActivate();
    void FormCloseQuery();
    void FormClose();
    // The one-second layering: normal while the sound finder shows, else topmost.
    void Timer1Timer();

    // ---- Basic page ----
    ui::CheckBox cbText{"Textual Indicator"};
    ui::CheckBox cbIcon{"Iconic Indicator"};
    ui::CheckBox cbKeepDisplayed{" Keep Last Displayed Visible"};
    ui::CheckBox cbNorviondesktop{"Show on Desktop"};
    ui::CheckBox cbNumTray{"Show Num Lock in System tray"};
    ui::CheckBox cbSound{"Sound"};
    ui::CheckBox cbLoadStart{"Load at Startup"};

    // ---- Watermark page (watermark_page.cpp) ----
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
    FontList FCB;
    std::string sampleFace = "Arial";  // the "Abc" sample's face
    ui::Slider floatOpa{1, 255, 51};
    ui::Slider sdTimeOut{1000, 10000, 2000};
    ui::CheckBox cbTimer{"Keep Last Displayed Visible"};
    ui::Panel Panel5{"", 0x00C0C0C0};  // icon colour
    Bitmap ImagebARVA;  // the icon preview: a copy of the Caps-on icon, shown stretched to 81x81
    std::string fontSizeLabel, opacityLabel, timeOutLabel;

    // Text colour buttons XiButton10 .. XiButton13 (Caps on, Caps off, Num on, Num off).
    void textColourClick(int button);
    void iconColourClick();  // XiButton16
    void xiNextMonitorClick();
    bool xiNextMonitorVisible = false;  // only with more than one display at creation
    void sbREset10Click();  // "Reset to default"
    // The position grid: a click on button 1 .. 9, the refresh from TXTpolozaj, the reset.
    void choosePosition(int position);
    void refreshPositionGrid();
    void resetPosition();
    // The grid's captions from TXTpolozaj alone, without the preview that follows.
    void showStoredPosition();
    // Captions of the nine position buttons, index 0 for position 1.
    const std::string& positionCaption(int position) const;
    // Selects SelectedFont in the font list when it is there; the sample takes it anyway.
    void NastaviFont();
    // Recolours the watermark icon images with Panel5 and refreshes the preview.
    void resetirajBarvoIkone();

    // ---- Floating page (floating_page.cpp) ----
    ui::Edit Edit8{"ABC"}, Edit6{"abc"}, Edit9{"7"}, Edit7{"7"};
    // The swatches of the eight colour buttons.
    ui::Panel c1{"", 0}, c2{"", 0}, c3{"", 0}, c5{"", 0}, c6{"", 0}, c7{"", 0}, c8{"", 0}, c9{"", 0};
    ui::Slider JTR{55, 255, 255};
    ui::CheckBox Xx1{"Rounded corners", true};
    // XiButton1 .. XiButton8, by button number.
    void floatingColourClick(int button);
    void paintFloatingSwatches();
    void SpeedButton6Click();  // "Reset to default"

    // ---- Sounds page (sounds_page.cpp), slots 1 .. 4 ----
    ui::CheckBox cb1{""}, cb2{""}, cb3{""}, cb4{""};
    ui::Edit Edit1{"Default"}, Edit2{"Default"}, Edit3{"Default"}, Edit4{"Default"};
    void testSoundClick(int slot);
    void openSoundClick(int slot);
    void findSoundClick(int slot);
    void SpeedButton22Click();  // "Reset to default"
    void colourSoundFields();

    // ---- state ----
    int rememberedLeft = 0;
    int rememberedTop = 0;
    std::unique_ptr<Timer> Timer1;  // the one-second layering timer
    std::unique_ptr<ColourPicker> ColorDialog;
    MenuCommands menuCommands;

    bool visible() const { return visible_; }
    bool topmost() const { return topmost_; }
    Point position() const { return position_; }
    // The user moved the dialog.
    void moveTo(Point topLeft) { position_ = topLeft; }
    DialogResult modalResult() const { return modalResult_; }

    // Hooks for parts that live elsewhere; each may stay empty.
    // The native dialog window: shown at a place, hidden, raised, put in or out of the
    // topmost layer.
    std::function<void(Point)> onShowWindow;
    std::function<void()> onHideWindow;
    std::function<void()> onBringToFront;
    std::function<void(bool topmost)> onTopmostChanged;
    // Recolours the watermark icon images with the icon colour and redraws the preview.
    std::function<void(Colour)> recolourWatermarkIcons;
    // Shows the sound finder modally: its chosen-file text on OK, nothing otherwise.
    std::function<std::optional<std::string>()> findSoundFile;
    // The one error the dialog reports to the user: a "color.cld" it cannot use.
    std::function<void(const std::string& message)> reportError;
    // The dialog's own window, which fills the window hooks above; none when the system
    // refused it. Declared after the models, so it goes before them.
    std::shared_ptr<SettingsWindow> nativeWindow;

    Tfcolors(const Tfcolors&) = delete;
    Tfcolors& operator=(const Tfcolors&) = delete;

private:
    void wireHandlers();
    void createNativeWindow();
    void wireBasicPage();
    void indicatorBoxClick(ui::CheckBox& box, ui::CheckBox& otherBox, ui::MenuItem PopupMenu::*item,
                           ui::MenuItem PopupMenu::*otherItem, void (MenuCommands::*followUp)());
    void wireWatermarkPage();
    void wireSoundsPage();
    void showModal();
    void afterClosing();
    void preview(int code);
    void afterPositionChange();
    void setTopmost(bool topmost);
    void readColourFile();
    void writeColourFile();
    std::string colourFilePath() const;

    std::string positionCaptions_[9];
    Program& p_;
    bool visible_ = false;
    bool topmost_ = true;
    Point position_;
    DialogResult modalResult_ = DialogResult::None;
    // The content of the last "color.cld" reported as unusable, so it is reported once.
    std::optional<std::string> reportedColourFile_;
};

// Label texts of the watermark page's sliders.
std::string fontSizeLabelText(int position);
std::string opacityLabelText(int position);
std::string timeOutLabelText(int milliseconds);

}  // namespace norvi
