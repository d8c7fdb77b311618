#include "settings/finder/finder_window.h"

#include "ui/kit/geometry.h"

namespace norvi {

using namespace ui::kit;

namespace {

// The background panel's single-line border.
class PanelBorderView : public View {
public:
    explicit PanelBorderView(Colour colour) : colour_(colour) {}
    void paint(Painter& p) override { p.frame(sized(size()), colour_); }

private:
    Colour colour_;
};

constexpr int kMargin = 16;
constexpr int kRowHeight = 22;

}  // namespace

std::unique_ptr<FinderWindow> FinderWindow::create(Platform& platform, ui::Edit& st, WindowHandle owner) {
    WindowCreateArgs args;
    args.className = kFinderClassName;
    args.title = kFinderTitle;
    const Size size = ui::DpiScale::of(platform.screen().dpiAt(sized(kFinderSize))).px(kFinderSize);
    args.bounds = Rect::fromSize(0, 0, size.width, size.height);
    args.owner = owner;
    std::unique_ptr<NativeWindow> native = platform.createWindow(args);
    if (!native) return nullptr;
    return std::unique_ptr<FinderWindow>(new FinderWindow(platform, std::move(native), st));
}

FinderWindow::FinderWindow(Platform& platform, std::unique_ptr<NativeWindow> native, ui::Edit& st)
    : native_(std::move(native)) {
    const Theme& theme = darkTheme();
    form_ = std::make_unique<Form>(*native_, platform.graphics(), platform.loop(), kFinderSize, kFinderBackground);
    Form& f = *form_;

    f.add<PanelBorderView>(theme.colours.buttonBorder).setBounds(sized(kFinderSize));
    heading = &f.add<LabelView>("Norvi Find Sounds", theme.heading);
    heading->setBounds(Rect::fromSize(kMargin, 12, 300, 20));

    const int right = kMargin + 539;  // the right edge of the result list
    const int chooserTop = 44;
    findButton = &f.add<ButtonView>("Find Sounds", theme.button);
    findButton->setBounds({kMargin + 395 + 10, chooserTop - 1, right, chooserTop + kRowHeight + 1});

    EditStyle stStyle = theme.edit;
    stStyle.font = theme.fonts.caption;
    stStyle.font.bold = false;
    const int stTop = chooserTop + kRowHeight + 12;
    stField = &f.add<EditView>(st, stStyle);
    stField->setReadOnly(true);
    stField->setBounds(Rect::fromSize(kMargin, stTop, 507, kRowHeight));
    playButton = &f.add<ButtonView>("", theme.button);
    playButton->setGlyph(ButtonGlyph::Play);
    playButton->setBounds(Rect::fromSize(right - 23, stTop, 23, 22));

    ListBoxStyle listStyle = theme.listBox;
    listStyle.font = theme.fonts.list;
    const int listTop = stTop + kRowHeight + 10;
    ListBox1 = &f.add<ListBoxView>(listStyle, &platform.textCompare());
    ListBox1->setBounds(Rect::fromSize(kMargin, listTop, 539, 492));

    const Size b = theme.dialogButton;
    const int buttonTop = kFinderSize.height - 14 - b.height;
    okButton = &f.add<ButtonView>("OK", theme.button);
    okButton->setBounds(Rect::fromSize(right - b.width, buttonTop, b.width, b.height));
    cancelButton = &f.add<ButtonView>("Cancel", theme.button);
    cancelButton->setBounds(Rect::fromSize(right - 2 * b.width - 8, buttonTop, b.width, b.height));

    // Last, so that its open list lies over the field and the result list.
    Scb = &f.add<FolderChooserView>(listStyle, kRowHeight);
    Scb->setBounds(Rect::fromSize(kMargin, chooserTop, 395, kRowHeight));
    f.repaint();
}

void FinderWindow::centre(Size screen) {
    const Size size = form_->pixelSize();
    native_->setBounds(
        Rect::fromSize((screen.width - size.width) / 2, (screen.height - size.height) / 2, size.width, size.height));
}

}  // namespace norvi
