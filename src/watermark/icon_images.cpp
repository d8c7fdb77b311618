// Loading the watermark icons and keeping their recoloured working images.
#include "watermark/icon_images.h"

#include "app/program.h"
#include "resources/built_in_pictures.h"
#include "resources/built_in_resources.h"
#include "watermark/pixel_routines.h"
#include "watermark/tfloattxt.h"

namespace norvi {

namespace {

struct IconSource {
    int code;
    const char* resource;
    Bitmap TfloatTXT::*source;
};

// In the order of iconImages.
constexpr IconSource kIconSources[kIconCount] = {
    {code::kIconCapsOn, resource::kCapsOnIcon, &TfloatTXT::slikaCON},
    {code::kIconCapsOff, resource::kCapsOffIcon, &TfloatTXT::SlikaCoFF},
    {code::kIconNumOn, resource::kNumOnIcon, &TfloatTXT::slikanon},
    {code::kIconNumOff, resource::kNumOffIcon, &TfloatTXT::slikanoff},
};

constexpr Point kBackgroundSample{1, 1};

Bitmap as24Bit(const Bitmap& source) {
    Bitmap copy(source.width(), source.height(), 24, kKeyColour);
    copy.blit(source, 0, 0);
    return copy;
}

}  // namespace

int iconIndexFor(int code) {
    for (int i = 0; i < kIconCount; ++i)
        if (kIconSources[i].code == code) return i;
    return -1;
}

void TfloatTXT::naloziImage() {
    for (const IconSource& icon : kIconSources)
        this->*icon.source = loadBuiltInPicture(p_.platform.resources(), icon.resource);
    auto& images = p_.watermark.iconImages;
    for (Bitmap& image : images) image = Bitmap(0, 0, 24);
    // A failure leaves the images as far as they got; an icon cue then shows what they hold.
    try {
        for (int i = 0; i < kIconCount; ++i) images[i] = as24Bit(this->*kIconSources[i].source);
        // Each image's own background becomes the key colour, so it is transparent on screen.
        for (Bitmap& image : images) ReplaceColor(image, image.pixel(kBackgroundSample.x, kBackgroundSample.y), kKeyColour);
        for (Bitmap& image : images) PaintNonKeyPixels(image, p_.fcolors->Panel5.colour());
    } catch (...) {
    }
}

void TfloatTXT::recolourIcons(Colour iconColour) {
    // The images hold only the key colour and the previous icon colour, so this loses nothing.
    for (Bitmap& image : p_.watermark.iconImages) PaintNonKeyPixels(image, iconColour);
    p_.fcolors->ImagebARVA = p_.watermark.iconImages[0];
}

}  // namespace norvi
