#include "about/about_window.h"

#include <algorithm>

#include "resources/built_in_pictures.h"
#include "resources/built_in_resources.h"
#include "ui/kit/geometry.h"
#include "ui/kit/theme.h"

namespace norvi {

using namespace ui::kit;

namespace {

// A plain rectangle: the white panel with its single-line border, the bottom bar.
class FillView : public View {
public:
    FillView(Colour fill, std::optional<Colour> border) : fill_(fill), border_(border) {}
    void paint(Painter& p) override {
        p.fill(sized(size()), fill_);
        if (border_) p.frame(sized(size()), *border_);
    }

private:
    Colour fill_;
    std::optional<Colour> border_;
};

// The program's picture, unscaled. It was drawn on the dialog face colour; that colour
// shows the panel instead, so the corners blend into the white panel.
class PictureView : public View {
public:
    explicit PictureView(Bitmap picture) : picture_(std::move(picture)) {}
    void paint(Painter& p) override {
        for (int y = 0; y < picture_.height(); ++y)
            for (int x = 0; x < picture_.width(); ++x) {
                const Colour c = picture_.pixel(x, y);
                if (c != kAboutBottomBar) p.fill(Rect::fromSize(x, y, 1, 1), c);
            }
    }

private:
    Bitmap picture_;
};

// The system's light dialog look for the button.
constexpr Colour kPanelBorder = 0x00A0A0A0;
const ButtonStyle& lightButton() {
    static const ButtonStyle style{FontSpec{"Segoe UI", 12}, 0x00E1E1E1, 0x00ADADAD, 0x00000000,
                                   0x00FBF1E5,             0x00F7E4CC, 0x00000000};
    return style;
}

// The panel's lines, top to bottom: each line's height and the gap above it. The block is
// centred in the panel, so a taller or shorter caption moves it without squeezing it.
constexpr int kNameHeight = 44, kVersionGap = 6, kVersionHeight = 20, kPictureGap = 10, kPictureSide = 48,
              kNoticeGap = 14, kNoticeHeight = 20;
constexpr int kBlockHeight =
    kNameHeight + kVersionGap + kVersionHeight + kPictureGap + kPictureSide + kNoticeGap + kNoticeHeight;
constexpr int kCloseMargin = 12;  // between "Close" and the window's right edge

struct AboutLayout {
    Rect panel, name, version, picture, notice, bottomBar, closeButton;
};

AboutLayout layOut(Size client, Size button) {
    const int w = client.width, h = client.height;
    const int barTop = std::max(0, h - kAboutBottomBarHeight);
    AboutLayout l;
    l.panel = {0, 0, w, barTop};
    // Inside the panel's border, so centred text never covers it.
    const auto line = [w](int top, int height) { return Rect{1, top, w - 1, top + height}; };
    int y = std::max(1, (barTop - kBlockHeight) / 2);
    l.name = line(y, kNameHeight);
    y += kNameHeight + kVersionGap;
    l.version = line(y, kVersionHeight);
    y += kVersionHeight + kPictureGap;
    l.picture = Rect::fromSize((w - kPictureSide) / 2, y, kPictureSide, kPictureSide);
    y += kPictureSide + kNoticeGap;
    l.notice = line(y, kNoticeHeight);
    l.bottomBar = {0, barTop, w, h};
    l.closeButton = Rect::fromSize(w - kCloseMargin - button.width,
                                   barTop + (kAboutBottomBarHeight - button.height) / 2, button.width,
                                   button.height);
    return l;
}

}  // namespace

std::unique_ptr<AboutWindow> AboutWindow::create(Platform& platform) {
    WindowCreateArgs args;
    args.className = kAboutClassName;
    args.title = kAboutTitle;
    // The client width is asked for; the height is then set for the whole window. Both
    // at the scale of the display the box is made on.
    const ui::DpiScale scale =
        ui::DpiScale::of(platform.screen().dpiAt(Rect::fromSize(0, 0, kAboutClientWidth, kAboutWindowHeight)));
    args.bounds = Rect::fromSize(0, 0, scale.px(kAboutClientWidth), scale.px(kAboutWindowHeight));
    args.topmost = true;
    args.titleBar = true;
    std::unique_ptr<NativeWindow> native = platform.createWindow(args);
    if (!native) return nullptr;
    const Rect outer = native->bounds();
    const int height = ui::DpiScale::of(native->dpi()).px(kAboutWindowHeight);
    native->setBounds(Rect::fromSize(outer.left, outer.top, outer.width(), height));
    return std::unique_ptr<AboutWindow>(new AboutWindow(platform, std::move(native)));
}

AboutWindow::AboutWindow(Platform& platform, std::unique_ptr<NativeWindow> native) : native_(std::move(native)) {
    // The layout is in units: the client area the frame leaves, at the window's scale.
    const ui::DpiScale scale = ui::DpiScale::of(native_->dpi());
    const Size pixels = native_->clientSize();
    const Size client{scale.units(pixels.width), scale.units(pixels.height)};
    const AboutLayout l = layOut(client, darkTheme().dialogButton);
    form_ = std::make_unique<Form>(*native_, platform.graphics(), platform.loop(), client, kAboutPanel);
    Form& f = *form_;

    f.add<FillView>(kAboutPanel, kPanelBorder).setBounds(l.panel);
    name = &f.add<LabelView>("Norvi", LabelStyle{FontSpec{"Segoe UI", 33}, 0x00000000}, TextAlign::Center);
    name->setBounds(l.name);
    const LabelStyle grey{FontSpec{"Segoe UI", 13}, kAboutGreyText};
    version = &f.add<LabelView>("", grey, TextAlign::Center);
    version->setBounds(l.version);
    picture = &f.add<PictureView>(loadBuiltInPicture(platform.resources(), resource::kAboutPicture));
    picture->setBounds(l.picture);
    notice = &f.add<LabelView>(kAboutNotice, grey, TextAlign::Center);
    notice->setBounds(l.notice);

    f.add<FillView>(kAboutBottomBar, std::nullopt).setBounds(l.bottomBar);
    closeButton = &f.add<ButtonView>("Close", lightButton());
    closeButton->setBounds(l.closeButton);
    f.repaint();
}

void AboutWindow::centre(Size screen) {
    const Rect b = native_->bounds();
    native_->setBounds(
        Rect::fromSize((screen.width - b.width()) / 2, (screen.height - b.height()) / 2, b.width(), b.height()));
}

}  // namespace norvi
