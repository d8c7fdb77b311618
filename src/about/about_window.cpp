#include "about/about_window.h"

#include "resources/built_in_pictures.h"
#include "resources/built_in_resources.h"
#include "ui/kit/geometry.h"
#include "ui/kit/theme.h"

namespace norvi {

using namespace ui::kit;

namespace {

// A plain rectangle: the white panel with its single-line border, the title strip, the
// bottom bar.
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

// The system's light dialog look, for the window's own strip and its button.
constexpr Colour kTitleText = 0x00000000;
constexpr Colour kPanelBorder = 0x00A0A0A0;
const ButtonStyle& lightButton() {
    static const ButtonStyle style{FontSpec{"Segoe UI", 12}, 0x00E1E1E1, 0x00ADADAD, 0x00000000,
                                   0x00FBF1E5,             0x00F7E4CC, 0x00000000};
    return style;
}
const ButtonStyle& titleCloseButton() {
    static const ButtonStyle style{FontSpec{"Segoe UI", 13}, 0x00FFFFFF, 0x00FFFFFF, 0x00000000,
                                   0x002311E8,             0x003C2AF1, 0x00FFFFFF};
    return style;
}

}  // namespace

std::unique_ptr<AboutWindow> AboutWindow::create(Platform& platform) {
    WindowCreateArgs args;
    args.className = kAboutClassName;
    args.title = kAboutTitle;
    args.bounds = Rect::fromSize(0, 0, kAboutSize.width, kAboutSize.height);
    args.topmost = true;
    std::unique_ptr<NativeWindow> native = platform.createWindow(args);
    if (!native) return nullptr;
    return std::unique_ptr<AboutWindow>(new AboutWindow(platform, std::move(native)));
}

AboutWindow::AboutWindow(Platform& platform, std::unique_ptr<NativeWindow> native) : native_(std::move(native)) {
    form_ = std::make_unique<Form>(*native_, platform.graphics(), platform.loop(), kAboutSize, kAboutPanel);
    Form& f = *form_;
    const int w = kAboutSize.width, h = kAboutSize.height;
    const int panelBottom = h - kAboutBottomBarHeight;

    f.add<FillView>(kAboutPanel, std::nullopt).setBounds({0, 0, w, kAboutTitleHeight});
    f.add<LabelView>(kAboutTitle, LabelStyle{FontSpec{"Segoe UI", 12}, kTitleText})
        .setBounds(Rect::fromSize(10, 0, 200, kAboutTitleHeight));
    titleClose = &f.add<ButtonView>("", titleCloseButton());
    titleClose->setGlyph(ButtonGlyph::Close);
    titleClose->setBounds({w - 46, 0, w, kAboutTitleHeight});

    f.add<FillView>(kAboutPanel, kPanelBorder).setBounds({0, kAboutTitleHeight, w, panelBottom});
    name = &f.add<LabelView>("Norvi", LabelStyle{FontSpec{"Segoe UI", 33}, 0x00000000}, TextAlign::Center);
    name->setBounds({1, kAboutTitleHeight + 34, w - 1, kAboutTitleHeight + 78});
    const LabelStyle grey{FontSpec{"Segoe UI", 13}, kAboutGreyText};
    version = &f.add<LabelView>("", grey, TextAlign::Center);
    version->setBounds({1, kAboutTitleHeight + 84, w - 1, kAboutTitleHeight + 104});
    picture = &f.add<PictureView>(loadBuiltInPicture(platform.resources(), resource::kAboutPicture));
    picture->setBounds(Rect::fromSize((w - 48) / 2, kAboutTitleHeight + 114, 48, 48));
    notice = &f.add<LabelView>(kAboutNotice, grey, TextAlign::Center);
    notice->setBounds({1, kAboutTitleHeight + 176, w - 1, kAboutTitleHeight + 196});

    f.add<FillView>(kAboutBottomBar, std::nullopt).setBounds({0, panelBottom, w, h});
    const Size b = darkTheme().dialogButton;
    closeButton = &f.add<ButtonView>("Close", lightButton());
    closeButton->setBounds(Rect::fromSize(w - 12 - b.width, panelBottom + (kAboutBottomBarHeight - b.height) / 2,
                                          b.width, b.height));
    f.repaint();
}

void AboutWindow::centre(Size screen) {
    native_->setBounds(Rect::fromSize((screen.width - kAboutSize.width) / 2, (screen.height - kAboutSize.height) / 2,
                                      kAboutSize.width, kAboutSize.height));
}

}  // namespace norvi
