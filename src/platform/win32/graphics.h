// GDI text: fonts by face, height, weight and character set; extents; transparent text
// drawn onto Norvi's 24- and 32-bit bitmaps.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/platform.h"
#include "platform/win32/handles.h"

namespace norvi::win32 {

class Win32Graphics : public Graphics {
public:
    Win32Graphics();
    Size textExtent(const FontSpec& font, std::string_view text) override;
    void drawText(Bitmap& target, const FontSpec& font, std::string_view text,
                  std::span<const TextDraw> draws) override;
    std::vector<std::string> fontFaces() override;

private:
    // Fitting a text measures the same few fonts many times: keep the latest ones.
    HFONT fontFor(const FontSpec& wanted);
    struct CachedFont {
        FontSpec wanted;
        UniqueFont font;
    };
    std::vector<CachedFont> fonts_;
    UniqueMemoryDc dc_;
};

}  // namespace norvi::win32
