#include "platform/win32/graphics.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwctype>

#include "platform/win32/dib.h"
#include "platform/win32/wide.h"

namespace norvi::win32 {

namespace {

constexpr std::size_t kCachedFonts = 8;

int textLength(const std::wstring& text) { return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX)); }

// Glyph parts may reach beyond the text cell (overhangs of italic or bold faces): the
// margin around each cell that drawing keeps.
int overhangMargin(const FontSpec& font) { return std::clamp(font.charHeight, 0, 4000) / 4 + 2; }

int CALLBACK collectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) noexcept {
    try {
        reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(font->lfFaceName);
        return 1;
    } catch (...) {
        return 0;
    }
}

std::wstring lowered(std::wstring s) {
    for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
    return s;
}

// Copies the rectangle between a bitmap and a 32-bit DIB of the rectangle's size. Only the
// colour bytes go back, so a 32-bit target keeps its fourth byte.
void copyToDib(const Bitmap& from, const RECT& r, std::uint8_t* dib) {
    const int bpp = from.bytesPerPixel();
    const int width = r.right - r.left;
    for (int y = r.top; y < r.bottom; ++y) {
        const std::uint8_t* src = from.row(y) + static_cast<std::size_t>(r.left) * bpp;
        std::uint8_t* dst = dib + static_cast<std::size_t>(y - r.top) * width * 4;
        if (bpp == 4) {
            std::memcpy(dst, src, static_cast<std::size_t>(width) * 4);
            continue;
        }
        for (int x = 0; x < width; ++x, src += bpp, dst += 4) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
            dst[3] = 0;
        }
    }
}

void copyFromDib(const std::uint8_t* dib, const RECT& r, Bitmap& to) {
    const int bpp = to.bytesPerPixel();
    const int width = r.right - r.left;
    for (int y = r.top; y < r.bottom; ++y) {
        const std::uint8_t* src = dib + static_cast<std::size_t>(y - r.top) * width * 4;
        std::uint8_t* dst = to.row(y) + static_cast<std::size_t>(r.left) * bpp;
        for (int x = 0; x < width; ++x, src += 4, dst += bpp) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
        }
    }
}

}  // namespace

Win32Graphics::Win32Graphics() : dc_(CreateCompatibleDC(nullptr)) {}

HFONT Win32Graphics::fontFor(const FontSpec& wanted) {
    for (const CachedFont& cached : fonts_)
        if (cached.wanted == wanted) return cached.font.get();
    // A negative height asks for the character height, internal leading excluded.
    UniqueFont font(CreateFontW(-wanted.charHeight, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                static_cast<DWORD>(std::clamp(wanted.charset, 0, 255)), OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                widen(wanted.face).substr(0, LF_FACESIZE - 1).c_str()));
    if (!font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (fonts_.size() >= kCachedFonts) fonts_.erase(fonts_.begin());
    fonts_.push_back({wanted, std::move(font)});
    return fonts_.back().font.get();
}

Size Win32Graphics::textExtent(const FontSpec& font, std::string_view text) {
    if (!dc_) return {};
    const std::wstring wide = widen(text);
    const ScopedSelect selectFont(dc_.get(), fontFor(font));
    SIZE extent{};
    if (!GetTextExtentPoint32W(dc_.get(), wide.c_str(), textLength(wide), &extent)) return {};
    return {extent.cx, extent.cy};
}

void Win32Graphics::drawText(Bitmap& target, const FontSpec& font, std::string_view text,
                             std::span<const TextDraw> draws) {
    if (!dc_ || draws.empty() || text.empty() || target.empty() || target.bytesPerPixel() < 3) return;
    const std::wstring wide = widen(text);
    const ScopedSelect selectFont(dc_.get(), fontFor(font));
    SIZE extent{};
    if (!GetTextExtentPoint32W(dc_.get(), wide.c_str(), textLength(wide), &extent)) return;

    // Only the part of the target that the draws can reach goes through GDI: copying a whole
    // screen-sized picture for one glyph would cost more than drawing it.
    const long long margin = overhangMargin(font);
    long long left = LLONG_MAX, top = LLONG_MAX, right = LLONG_MIN, bottom = LLONG_MIN;
    for (const TextDraw& d : draws) {
        left = std::min(left, d.x - margin);
        top = std::min(top, d.y - margin);
        right = std::max(right, d.x + extent.cx + margin);
        bottom = std::max(bottom, d.y + extent.cy + margin);
    }
    const RECT area{static_cast<LONG>(std::max(left, 0LL)), static_cast<LONG>(std::max(top, 0LL)),
                    static_cast<LONG>(std::min<long long>(right, target.width())),
                    static_cast<LONG>(std::min<long long>(bottom, target.height()))};
    if (area.left >= area.right || area.top >= area.bottom) return;

    void* bits = nullptr;
    const UniqueBitmap dib = createDibSection(area.right - area.left, area.bottom - area.top, 32, &bits);
    if (!dib || !bits) return;
    copyToDib(target, area, static_cast<std::uint8_t*>(bits));
    {
        const ScopedSelect selectDib(dc_.get(), dib.get());
        SetBkMode(dc_.get(), TRANSPARENT);
        for (const TextDraw& d : draws) {
            SetTextColor(dc_.get(), d.colour & 0x00FFFFFF);
            TextOutW(dc_.get(), d.x - area.left, d.y - area.top, wide.c_str(), textLength(wide));
        }
        GdiFlush();
    }
    copyFromDib(static_cast<const std::uint8_t*>(bits), area, target);
}

std::vector<std::string> Win32Graphics::fontFaces() {
    std::vector<std::wstring> faces;
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    if (dc_) EnumFontFamiliesExW(dc_.get(), &query, &collectFace, reinterpret_cast<LPARAM>(&faces), 0);
    // Face names match without regard to case: sort and drop duplicates the same way.
    std::sort(faces.begin(), faces.end(),
              [](const std::wstring& a, const std::wstring& b) { return lowered(a) < lowered(b); });
    faces.erase(std::unique(faces.begin(), faces.end(),
                            [](const std::wstring& a, const std::wstring& b) { return lowered(a) == lowered(b); }),
                faces.end());
    std::vector<std::string> names;
    names.reserve(faces.size());
    for (const std::wstring& face : faces) names.push_back(narrow(face));
    return names;
}

}  // namespace norvi::win32
