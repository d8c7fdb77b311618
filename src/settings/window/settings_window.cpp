#include "settings/window/settings_window.h"

#include <string>

#include "app/program.h"
#include "settings/tfcolors.h"
#include "settings/window/basic_page_view.h"
#include "settings/window/floating_page_view.h"
#include "settings/window/sounds_page_view.h"
#include "settings/window/settings_styles.h"
#include "settings/window/simple_views.h"
#include "settings/window/watermark_page_view.h"
#include "ui/kit/button_view.h"
#include "ui/kit/edit_view.h"
#include "ui/kit/label_view.h"
#include "ui/kit/scroll_area_view.h"
#include "ui/kit/tab_strip_view.h"
#include "ui/kit/theme.h"
#include "ui/kit/virtual_keys.h"

namespace norvi {

namespace {

using ui::kit::ButtonView;
using ui::kit::Theme;

constexpr const char* kTabCaptions[kSettingsPageCount] = {"   Basic   ", "   Watermark indicator   ",
                                                          "   Floating indicator   ", "   Sounds   "};

// The frame, top to bottom: title strip, page area, bottom bar.
struct FrameLayout {
    Rect tabStrip;
    Rect closePanel;
    Rect closeButton;
    Rect pageArea;
    Rect bottomBar;
    Rect bottomRule;
    Rect scrollUp;
    Rect ok;
    Rect cancel;
    Rect error;
    Rect focusField;  // above the page area, out of sight
};

FrameLayout frameLayout(const Theme& t) {
    const int w = kSettingsWidth, h = kSettingsHeight, strip = t.titleStripHeight, bar = t.bottomBarHeight;
    const Size b = t.dialogButton;
    const int buttonTop = h - bar + (bar - b.height) / 2;
    FrameLayout f;
    f.tabStrip = {0, 0, w - t.closePanelWidth, strip};
    f.closePanel = {w - t.closePanelWidth, 0, w, strip};
    f.closeButton = Rect::fromSize(w - t.closePanelWidth + 2, 3, t.closePanelWidth - 4, strip - 6);
    f.pageArea = {0, strip, w, h - bar};
    f.bottomBar = {0, h - bar, w, h};
    f.bottomRule = {16, h - bar, w - 16, h - bar + 1};
    f.cancel = Rect::fromSize(w - 17 - b.width, buttonTop, b.width, b.height);
    f.ok = Rect::fromSize(f.cancel.left - 10 - b.width, buttonTop, b.width, b.height);
    f.scrollUp = Rect::fromSize(f.ok.left - 10 - b.height, buttonTop, b.height, b.height);
    f.error = Rect::fromSize(24, buttonTop, 600, b.height);
    f.focusField = Rect::fromSize(0, -40, 100, 21);
    return f;
}

}  // namespace

std::unique_ptr<SettingsWindow> SettingsWindow::create(Program& program, Tfcolors& dialog) {
    WindowCreateArgs args;
    args.className = kSettingsClassName;
    args.title = kSettingsCaption;
    const Rect units = Rect::fromSize(dialog.rememberedLeft, dialog.rememberedTop, kSettingsWidth, kSettingsHeight);
    const Size size = ui::DpiScale::of(program.platform.screen().dpiAt(units)).px(Size{kSettingsWidth, kSettingsHeight});
    args.bounds = Rect::fromSize(units.left, units.top, size.width, size.height);
    args.topmost = dialog.topmost();
    std::unique_ptr<NativeWindow> window = program.platform.createWindow(args);
    if (!window) return nullptr;
    return std::unique_ptr<SettingsWindow>(new SettingsWindow(program, dialog, std::move(window)));
}

SettingsWindow::SettingsWindow(Program& program, Tfcolors& dialog, std::unique_ptr<NativeWindow> window)
    : p_(program), dialog_(dialog), window_(std::move(window)) {
    const Theme& theme = ui::kit::darkTheme();
    form_ = std::make_unique<ui::kit::Form>(*window_, p_.platform.graphics(), p_.platform.loop(),
                                            Size{kSettingsWidth, kSettingsHeight}, theme.colours.page);
    buildFrame();
    wireWindow();
    selectPage(static_cast<int>(SettingsPage::Basic));
}

SettingsWindow::~SettingsWindow() {
    NativeWindow& w = *window_;
    w.onActivateFromOwnWindow = nullptr;
    w.onPositionChanging = nullptr;
    w.onClose = nullptr;
    // The views go before the models they show and before the window.
    form_.reset();
}

void SettingsWindow::buildFrame() {
    const Theme& theme = ui::kit::darkTheme();
    const SettingsStyles& styles = settingsStyles();
    const FrameLayout f = frameLayout(theme);
    ui::kit::Form& form = *form_;
    const PageContext context{p_, dialog_, theme};

    // The pages first, so that the strips paint over anything reaching their edges.
    for (int i = 0; i < kSettingsPageCount; ++i) {
        ui::kit::View* page = nullptr;
        if (i == static_cast<int>(SettingsPage::Watermark)) {
            watermarkScroll_ = &form.add<ui::kit::ScrollAreaView>(theme.scrollArea);
            page = watermarkScroll_;
        } else {
            page = &form.add<ui::kit::View>();
        }
        page->setBounds(f.pageArea);
        pages_[static_cast<std::size_t>(i)] = page;
    }
    watermarkScroll_->setContentHeight(kWatermarkPageHeight);
    buildBasicPage(*pages_[0], context);
    buildWatermarkPage(*watermarkScroll_, context);
    buildFloatingPage(*pages_[2], context);
    buildSoundsPage(*pages_[3], context);

    tabs_ = &form.add<ui::kit::TabStripView>(std::vector<std::string>(std::begin(kTabCaptions), std::end(kTabCaptions)),
                                             theme.tabStrip);
    tabs_->setBounds(f.tabStrip);
    form.add<FillView>(theme.colours.closeFace).setBounds(f.closePanel);
    close_ = &form.add<ButtonView>("", theme.closeButton);
    close_->setBounds(f.closeButton);
    close_->setGlyph(ui::kit::ButtonGlyph::Close);
    close_->setHint("Close");

    form.add<FillView>(theme.colours.page).setBounds(f.bottomBar);
    form.add<FillView>(styles.separator).setBounds(f.bottomRule);
    error_ = &form.add<ui::kit::LabelView>("", styles.error);
    error_->setBounds(f.error);
    scrollUp_ = &form.add<ButtonView>("", theme.button);
    scrollUp_->setBounds(f.scrollUp);
    scrollUp_->setGlyph(ui::kit::ButtonGlyph::ArrowUp);
    ok_ = &form.add<ButtonView>("OK", theme.button);
    ok_->setBounds(f.ok);
    cancel_ = &form.add<ButtonView>("Cancel", theme.button);
    cancel_->setBounds(f.cancel);
    focusField_ = &form.add<ui::kit::EditView>(hiddenText_, theme.edit);
    focusField_->setBounds(f.focusField);
    // Out of sight, so Tab passes it by: a press of Tab always lands on a control.
    focusField_->setTabStop(false);
    form.enableHints(p_.platform, theme.tooltip);
}

void SettingsWindow::wireWindow() {
    ui::kit::Form& form = *form_;
    ok_->onClick = [this] { dialog_.BitBtn1Click(); };
    cancel_->onClick = [this] { dialog_.cancelClick(); };
    // The close button carries Cancel and does nothing else.
    close_->onClick = [this] { dialog_.cancelClick(); };
    scrollUp_->onClick = [this] { watermarkScroll_->setOffset(0); };
    tabs_->onSelect = [this](int index) { selectPage(index); };
    // Any button on the strip moves the dialog first; the system's move loop returns once
    // the button is up, and only then does the strip select the tab under the press.
    tabs_->onPress = [this](MouseButton, Point) { window_->startSystemMove(); };
    form.onBackgroundPress = [this](MouseButton button, Point) {
        if (button == MouseButton::Left) window_->startSystemMove();
    };
    // A wheel turn anywhere scrolls the Watermark page, also while another page shows.
    form.onUnusedWheel = [this](int delta, Point) { watermarkScroll_->scrollSteps(wheel_.take(delta)); };
    form.onUnusedKey = [this](int virtualKey, KeyModifiers modifiers) {
        using namespace ui::kit;
        // As in a Windows dialog: Escape is Cancel, and Enter the default button OK (a
        // focused button takes Enter itself).
        if (virtualKey == kVkEscape) dialog_.cancelClick();
        if (virtualKey == kVkReturn && !modifiers.control && !modifiers.alt) dialog_.BitBtn1Click();
        // Control+Tab and Control+Page Down turn to the next page, as in a Windows
        // property sheet; with Shift, or Page Up, to the previous one.
        const bool next = virtualKey == kVkPageDown || (virtualKey == kVkTab && !modifiers.shift);
        const bool previous = virtualKey == kVkPageUp || (virtualKey == kVkTab && modifiers.shift);
        if (modifiers.control && !modifiers.alt && (next || previous))
            selectPage((page_ + (next ? 1 : kSettingsPageCount - 1)) % kSettingsPageCount);
    };
    window_->onPositionChanging = [this](Rect& bounds) { dialog_.moveTo({bounds.left, bounds.top}); };
    // Opening runs FormActivate itself; the window runs it again only when the user comes
    // back from another of Norvi's windows (the sound finder, the about box).
    window_->onActivateFromOwnWindow = [this] {
        if (!dialog_.visible()) return;
        ui::kit::Form::Batch batch(*form_);
        dialog_.FormActivate();
        focusHiddenField();
    };
    // Alt+F4 and the like close as the close button does.
    window_->onClose = [this] { dialog_.cancelClick(); };
}

void SettingsWindow::focusHiddenField() { form_->setFocus(focusField_); }

void SettingsWindow::showAt(Point topLeft) {
    window_->setBounds(Rect::fromSize(topLeft.x, topLeft.y, form_->pixelSize().width, form_->pixelSize().height));
    error_->setText("");
    focusHiddenField();
    form_->hideFocusCues();
    form_->repaint();
    window_->show();
    if (!dialog_.topmost()) window_->makeNotTopmost();
}

void SettingsWindow::hide() {
    window_->hide();
    error_->setText("");
}

void SettingsWindow::bringToFront() {
    window_->bringToFront();
    p_.platform.desktop().setForegroundWindow(window_->handle());
}

void SettingsWindow::setTopmost(bool topmost) {
    if (topmost)
        window_->makeTopmost();
    else
        window_->makeNotTopmost();
}

void SettingsWindow::showError(const std::string& message) { error_->setText(message); }

const std::string& SettingsWindow::errorText() const { return error_->text(); }

void SettingsWindow::selectPage(int index) {
    if (index < 0 || index >= kSettingsPageCount) return;
    page_ = index;
    tabs_->setSelected(index);
    for (int i = 0; i < kSettingsPageCount; ++i) pages_[static_cast<std::size_t>(i)]->setVisible(i == index);
    scrollUp_->setVisible(index == static_cast<int>(SettingsPage::Watermark));
}

}  // namespace norvi
