#include "about/tfabout.h"

#include "about/about_window.h"
#include "about/version_text.h"
#include "app/program.h"
#include "ui/kit/virtual_keys.h"

namespace norvi {

Tfabout::Tfabout(Program& program) : p_(program) {}

Tfabout::~Tfabout() = default;

void Tfabout::FormCreate() {
    p_.lock.LastForegroundWnd = p_.platform.desktop().foregroundWindow();
    window_ = AboutWindow::create(p_.platform);
    if (!window_) return;
    AboutWindow& w = *window_;
    w.closeButton->onClick = [this] { XiButton5Click(); };
    // The title bar's close box hides the box too: it is made once and kept.
    w.native().onClose = [this] { XiButton5Click(); };
    w.native().onActivate = [this] { FormActivate(); };
    w.form().onBackgroundPress = [this](MouseButton button, Point) {
        if (button == MouseButton::Left) window_->native().startSystemMove();
    };
    w.form().onUnusedKey = [this](int key, KeyModifiers) {
        if (key == ui::kit::kVkEscape || key == ui::kit::kVkReturn) XiButton5Click();
    };
}

void Tfabout::FormActivate() {
    p_.lock.LastForegroundWnd = p_.platform.desktop().foregroundWindow();
    fillVersion();
}

void Tfabout::fillVersion() {
    if (!window_) return;
    Files& files = p_.platform.files();
    window_->version->setText(versionText(p_.platform.version().fileVersion(files.programPath())));
}

void Tfabout::show() {
    if (!window_) return;
    if (visible_ && window_->native().isVisible()) {
        window_->native().bringToFront();
        return;
    }
    // Filled before showing as well, so the first picture already carries the version
    // even where the system withholds activation.
    fillVersion();
    window_->centre(p_.platform.screen().primarySize());
    visible_ = true;
    window_->native().show();
}

void Tfabout::XiButton5Click() {
    if (!window_) return;
    window_->native().hide();
    visible_ = false;
}

const std::string& Tfabout::versionLine() const {
    static const std::string none;
    return window_ ? window_->version->text() : none;
}

}  // namespace norvi
