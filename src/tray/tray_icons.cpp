#include "tray/tray_icons.h"

#include "app/program.h"

namespace norvi {

void NotifyIcon::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (!native_) return;
    if (visible_) {
        native_->add(image_, hint);
    } else {
        native_->remove();
    }
}

void NotifyIcon::setImage(const Bitmap& image) {
    image_ = image;
    if (visible_ && native_) native_->modify(image_, hint);
}

void NotifyIcon::readd() {
    if (visible_ && native_) native_->add(image_, hint);
}

void TrayIcons::create() {
    Platform& pf = p_.platform;
    CTI.attach(pf.createTrayIcon(1));
    CTI2.attach(pf.createTrayIcon(2));
    CTI.setImage(ImageOriginal);
    CTI2.setImage(ImageOriginal);
    CTI.setVisible(true);
    CTI2.setVisible(true);
    pf.desktop().onTaskbarCreated([this] {
        CTI.readd();
        CTI2.readd();
    });
}

void TrayIcons::barvajIkone() {
    Keyboard& kb = p_.platform.keyboard();
    showCapsState(kb.isToggled(kVkCapital));
    showNumState(kb.isToggled(kVkNumLock));
    p_.mainform->PoSpremembiBarve();
}

void TrayIcons::showCapsState(bool on) { CTI.setImage(on ? VelikiA : MaliA); }
void TrayIcons::showNumState(bool on) { CTI2.setImage(on ? Veliki7 : Mali7); }

}  // namespace norvi
