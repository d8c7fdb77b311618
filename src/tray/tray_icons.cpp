#include "tray/tray_icons.h"

#include "app/program.h"
#include "resources/built_in_pictures.h"
#include "resources/built_in_resources.h"
#include "tray/recolor_icon.h"

namespace norvi {

namespace {

// One state picture and the floating colours it takes.
struct StatePicture {
    Bitmap TrayIcons::*picture;
    Colour FloatingColours::*background;
    Colour FloatingColours::*glyph;
    Point glyphSample;
};

// barvajIkone recolours in this order.
constexpr StatePicture kStatePictures[] = {
    {&TrayIcons::MaliA, &FloatingColours::capsOffColor, &FloatingColours::capsOffFontColor, {12, 16}},
    {&TrayIcons::VelikiA, &FloatingColours::capsOnColor, &FloatingColours::capsOnFontColor, {15, 19}},
    {&TrayIcons::Mali7, &FloatingColours::numOffColor, &FloatingColours::numOffFontColor, {15, 19}},
    {&TrayIcons::Veliki7, &FloatingColours::numOnColor, &FloatingColours::numOnFontColor, {15, 19}},
};

}  // namespace

// ---- one icon -------------------------------------------------------------------------

NotifyIcon::~NotifyIcon() {
    if (visible_ && native_) native_->remove();
}

void NotifyIcon::attach(std::unique_ptr<TrayIcon> native, Screen& screen) {
    native_ = std::move(native);
    screen_ = &screen;
    if (native_) native_->onMouse = [this](TrayMouse event) {
        if (onMouse) onMouse(event);
    };
}

void NotifyIcon::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (!native_) return;
    if (visible_) {
        native_->add(shown(), hint);
    } else {
        native_->remove();
    }
}

void NotifyIcon::setImage(const Bitmap& image) {
    image_ = image;
    if (visible_ && native_) native_->modify(shown(), hint);
}

void NotifyIcon::readd() {
    if (visible_ && native_) native_->add(shown(), hint);
}

Bitmap NotifyIcon::shown() const {
    // Asked each time: the shell's size follows the primary display's scale.
    const Size size = screen_ ? screen_->trayIconSize() : Size{};
    if (size.width <= 0 || size.height <= 0) return image_;
    return image_.scaledTo(size.width, size.height);
}

// ---- both icons -----------------------------------------------------------------------

void TrayIcons::create() {
    Platform& pf = p_.platform;
    loadPictures();
    CTI.attach(pf.createTrayIcon(1), pf.screen());
    CTI2.attach(pf.createTrayIcon(2), pf.screen());
    wireMouse(CTI, capsClicks_);
    wireMouse(CTI2, numClicks_);
    CTI.setImage(ImageOriginal);
    CTI2.setImage(ImageOriginal);
    CTI.setVisible(true);
    CTI2.setVisible(true);
    pf.desktop().onTaskbarCreated([this] {
        CTI.readd();
        CTI2.readd();
    });
}

void TrayIcons::loadPictures() {
    Resources& res = p_.platform.resources();
    VelikiA = loadBuiltInPicture(res, resource::kCapsOnPicture);
    MaliA = loadBuiltInPicture(res, resource::kCapsOffPicture);
    Veliki7 = loadBuiltInPicture(res, resource::kNumOnPicture);
    Mali7 = loadBuiltInPicture(res, resource::kNumOffPicture);
    ImageOriginal = loadBuiltInPicture(res, resource::kApplicationPicture);
}

void TrayIcons::wireMouse(NotifyIcon& icon, std::unique_ptr<TrayClicks>& clicks) {
    clicks = std::make_unique<TrayClicks>(p_.platform.loop(), p_.platform.screen());
    clicks->onClick = [this] { openSettings(); };
    clicks->onDoubleClick = [this] { doubleClicked(); };
    clicks->onRightDown = [this] { rightPressed(); };
    TrayClicks* target = clicks.get();
    icon.onMouse = [target](TrayMouse event) { target->handle(event); };
}

void TrayIcons::openSettings() {
    if (p_.mainform) p_.mainform->Setcolors1Click();
}

void TrayIcons::doubleClicked() {
    if (!p_.mainform) return;
    // The settings dialog is modal: the menu's default item runs once it has closed.
    p_.mainform->Setcolors1Click();
    if (!p_.mainform) return;
    for (ui::MenuItem* item : p_.mainform->menu.items()) {
        if (item->isDefault()) {
            item->choose();
            break;
        }
    }
}

void TrayIcons::rightPressed() {
    if (!p_.mainform) return;
    Desktop& desktop = p_.platform.desktop();
    // The menu closes properly on a click elsewhere only when Norvi is in the foreground.
    // The hidden application window comes forward and owns the menu: activating the strip
    // instead would run its activation handler, which resets the cues and can move it.
    const WindowHandle application = desktop.applicationWindow();
    desktop.setForegroundWindow(application);
    p_.mainform->popupMenuAt(p_.platform.screen().cursorPosition(), application);
}

void TrayIcons::barvajIkone() {
    for (const StatePicture& s : kStatePictures) {
        Bitmap& picture = this->*s.picture;
        picture = RecolorIcon(picture, p_.colours.*s.background, p_.colours.*s.glyph, s.glyphSample);
    }
    Keyboard& kb = p_.platform.keyboard();
    showCapsState(kb.isToggled(kVkCapital));
    showNumState(kb.isToggled(kVkNumLock));
    p_.mainform->PoSpremembiBarve();
}

void TrayIcons::showCapsState(bool on) { CTI.setImage(on ? VelikiA : MaliA); }
void TrayIcons::showNumState(bool on) { CTI2.setImage(on ? Veliki7 : Mali7); }

}  // namespace norvi
