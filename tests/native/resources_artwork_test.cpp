// The generated built-in pictures and sounds meet what Norvi and the system need of them.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

#include "fixture.h"
#include "resources/bmp_image.h"
#include "resources/built_in_pictures.h"

namespace norvi::test {
namespace {

constexpr Colour kWhite = 0x00FFFFFF;

std::uint32_t le16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }

Bitmap picture(const char* name) {
    fake::FakeResources res;
    loadGeneratedResources(res);
    return loadBuiltInPicture(res, name);
}

const BuiltInResource& entry(const char* name) {
    for (const BuiltInResource& r : kBuiltInResources)
        if (std::strcmp(r.name, name) == 0) return r;
    throw std::runtime_error(name);
}

std::set<Colour> coloursOf(const Bitmap& b) {
    std::set<Colour> colours;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) colours.insert(b.pixel(x, y));
    return colours;
}

// Columns of glyph (white) pixels on one row, as "first-last" runs.
std::string glyphRuns(const Bitmap& b, int row) {
    std::string runs;
    for (int x = 0; x < b.width(); ++x) {
        if (b.pixel(x, row) != kWhite || (x > 0 && b.pixel(x - 1, row) == kWhite)) continue;
        int last = x;
        while (last + 1 < b.width() && b.pixel(last + 1, row) == kWhite) ++last;
        runs += (runs.empty() ? "" : " ") + std::to_string(x) + "-" + std::to_string(last);
    }
    return runs;
}

struct TrayPictureCase {
    const char* name;
    Colour background;
    Point sample;
};
constexpr TrayPictureCase kTrayPictures[] = {
    {"VelikiA", 0x000000FF, {15, 19}},
    {"MaliA", 0x00808080, {12, 16}},
    {"Veliki7", 0x00FF0000, {15, 19}},
    {"Mali7", 0x00808080, {15, 19}},
};

TEST(ResourcesArtwork, TrayPicturesAreTwoColour32x32WithTheirSamplePixels) {
    for (const TrayPictureCase& c : kTrayPictures) {
        SCOPED_TRACE(c.name);
        const auto& file = generatedFile(entry(c.name).file);
        ASSERT_GT(file.size(), 54u);
        EXPECT_EQ(le16(file, 28), 4u) << "a 16-colour picture";
        const Bitmap b = picture(c.name);
        ASSERT_EQ(b.width(), 32);
        ASSERT_EQ(b.height(), 32);
        EXPECT_EQ(coloursOf(b), (std::set<Colour>{c.background, kWhite}));
        EXPECT_EQ(b.pixel(1, 1), c.background);
        EXPECT_EQ(b.pixel(c.sample.x, c.sample.y), kWhite);
        EXPECT_NE(b.pixel(c.sample.x, c.sample.y), b.pixel(1, 1)) << "glyph and background must differ";
    }
}

TEST(ResourcesArtwork, CapitalAFollowsItsGeometry) {
    const Bitmap a = picture("VelikiA");
    EXPECT_EQ(glyphRuns(a, 5), "");
    EXPECT_EQ(glyphRuns(a, 6), "14-16") << "apex";
    EXPECT_EQ(glyphRuns(a, 7), "14-16");
    EXPECT_EQ(glyphRuns(a, 25), "6-9 21-24") << "feet of the legs";
    EXPECT_EQ(glyphRuns(a, 26), "6-9 21-24");
    EXPECT_EQ(glyphRuns(a, 27), "");
    for (int row : {18, 19, 20}) EXPECT_EQ(glyphRuns(a, row).find(' '), std::string::npos) << "crossbar row " << row;
    EXPECT_NE(glyphRuns(a, 17).find(' '), std::string::npos) << "open above the crossbar";
    EXPECT_NE(glyphRuns(a, 21).find(' '), std::string::npos) << "open below the crossbar";
}

TEST(ResourcesArtwork, SmallAStaysInItsBoxAndItsBowlCrossesRow16) {
    const Bitmap a = picture("MaliA");
    EXPECT_EQ(boxOf(a, kWhite), (Rect{8, 7, 24, 25})) << "columns 8-23, rows 7-24";
    EXPECT_EQ(glyphRuns(a, 16), "9-22");
}

TEST(ResourcesArtwork, SevenFollowsItsGeometryOnBothBackgrounds) {
    const Bitmap on = picture("Veliki7");
    for (int row : {6, 7, 8}) EXPECT_EQ(glyphRuns(on, row), "8-21") << "bar row " << row;
    EXPECT_EQ(glyphRuns(on, 9), "18-20");
    EXPECT_EQ(glyphRuns(on, 19), "12-15");
    EXPECT_EQ(glyphRuns(on, 26), "11-13");
    EXPECT_EQ(glyphRuns(on, 27), "");
    for (int row = 9; row <= 26; ++row) {
        const std::string runs = glyphRuns(on, row);
        const int first = std::stoi(runs), last = std::stoi(runs.substr(runs.find('-') + 1));
        EXPECT_TRUE(last - first + 1 == 3 || last - first + 1 == 4) << "stem row " << row << ": " << runs;
    }
    const Bitmap off = picture("Mali7");
    for (int row = 0; row < 32; ++row) EXPECT_EQ(glyphRuns(off, row), glyphRuns(on, row)) << "row " << row;
}

TEST(ResourcesArtwork, ApplicationAndAboutPictures) {
    const auto& original = generatedFile(entry("ImageOriginal").file);
    ASSERT_GT(original.size(), 54u);
    EXPECT_EQ(le16(original, 28), 8u) << "a 256-colour picture";
    const Bitmap app = picture("ImageOriginal");
    EXPECT_EQ(app.width(), 32);
    EXPECT_EQ(app.height(), 32);
    EXPECT_EQ(app.pixel(0, 0), 0x00000066u) << "corners show through in the tray";
    EXPECT_GE(coloursOf(app).size(), 3u);
    const Bitmap about = picture("AboutPicture");
    EXPECT_EQ(about.width(), 48);
    EXPECT_EQ(about.height(), 48);
}

TEST(ResourcesArtwork, ProgramIconHolds16And32And48) {
    const auto& ico = generatedFile(kApplicationIconFile);
    ASSERT_GE(ico.size(), 6u + 3 * 16);
    EXPECT_EQ(le16(ico, 0), 0u);
    EXPECT_EQ(le16(ico, 2), 1u) << "an icon, not a cursor";
    ASSERT_EQ(le16(ico, 4), 3u);
    const int sizes[] = {16, 32, 48};
    for (int i = 0; i < 3; ++i) {
        const std::size_t at = 6 + 16 * static_cast<std::size_t>(i);
        EXPECT_EQ(ico[at], sizes[i]);
        EXPECT_EQ(ico[at + 1], sizes[i]);
        const std::uint32_t bytes = le32(ico, at + 8), offset = le32(ico, at + 12);
        ASSERT_LE(std::uint64_t{offset} + bytes, ico.size());
        EXPECT_EQ(le32(ico, offset), 40u) << "a BITMAPINFOHEADER";
        EXPECT_EQ(le32(ico, offset + 4), static_cast<std::uint32_t>(sizes[i]));
        EXPECT_EQ(le32(ico, offset + 8), static_cast<std::uint32_t>(2 * sizes[i])) << "colour plus mask";
        EXPECT_EQ(le16(ico, offset + 14), 32u);
        const std::uint32_t maskStride = ((sizes[i] + 31) / 32) * 4;
        EXPECT_EQ(bytes, 40u + sizes[i] * sizes[i] * 4 + maskStride * sizes[i]);
    }
}

struct SoundCase {
    const char* name;
    std::uint32_t channels;
    std::uint32_t dataBytes;
    bool rising;
};
constexpr SoundCase kSounds[] = {
    {"CapsOn", 2, 172196, true},
    {"CapsOff", 2, 213688, false},
    {"NumOn", 2, 149896, true},
    {"NumOff", 1, 74126, false},
};

// Zero crossings per second of the first channel between two times: a pitch estimate.
double crossingsPerSecond(const std::vector<std::uint8_t>& wav, std::uint32_t channels, double from, double to) {
    const std::size_t first = static_cast<std::size_t>(from * 48000), last = static_cast<std::size_t>(to * 48000);
    int crossings = 0;
    std::int16_t previous = 0;
    for (std::size_t i = first; i < last; ++i) {
        const auto s = static_cast<std::int16_t>(le16(wav, 44 + i * channels * 2));
        if (i > first && ((previous < 0) != (s < 0))) ++crossings;
        previous = s;
    }
    return crossings / (to - from);
}

TEST(ResourcesArtwork, SoundsArePcm16At48kHzWithTheirExactSizes) {
    for (const SoundCase& c : kSounds) {
        SCOPED_TRACE(c.name);
        const auto& wav = generatedFile(entry(c.name).file);
        ASSERT_EQ(wav.size(), 44u + c.dataBytes);
        EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
        EXPECT_EQ(le32(wav, 4), wav.size() - 8);
        EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(le32(wav, 16), 16u);
        EXPECT_EQ(le16(wav, 20), 1u) << "PCM";
        EXPECT_EQ(le16(wav, 22), c.channels);
        EXPECT_EQ(le32(wav, 24), 48000u);
        EXPECT_EQ(le32(wav, 28), 48000u * c.channels * 2) << "bytes per second";
        EXPECT_EQ(le16(wav, 32), c.channels * 2) << "block align";
        EXPECT_EQ(le16(wav, 34), 16u);
        EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
        EXPECT_EQ(le32(wav, 40), c.dataBytes);

        // Soft at both ends (no click), clearly audible, never clipped.
        const std::size_t samples = c.dataBytes / 2;
        int peak = 0;
        for (std::size_t i = 0; i < samples; ++i)
            peak = std::max(peak, std::abs(static_cast<std::int16_t>(le16(wav, 44 + i * 2))));
        EXPECT_GT(peak, 8000);
        EXPECT_LT(peak, 32000);
        for (std::size_t i = 0; i < c.channels; ++i) {
            EXPECT_LT(std::abs(static_cast<std::int16_t>(le16(wav, 44 + i * 2))), 200) << "first frame";
            EXPECT_LT(std::abs(static_cast<std::int16_t>(le16(wav, 44 + (samples - 1 - i) * 2))), 200) << "last frame";
        }
        const double early = crossingsPerSecond(wav, c.channels, 0.01, 0.09);
        const double late = crossingsPerSecond(wav, c.channels, 0.40, 0.60);
        if (c.rising) EXPECT_GT(late, early * 1.2) << early << " then " << late;
        else EXPECT_LT(late * 1.2, early) << early << " then " << late;
    }
}

// artwork.rc and kBuiltInResources must name the same files, or norvi.exe and the tests
// would carry different artwork.
TEST(ResourcesArtwork, ResourceScriptEmbedsEveryBuiltInResource) {
    std::ifstream in(std::string(NORVI_GENERATED_RESOURCES_DIR) + "/../artwork.rc");
    ASSERT_TRUE(in) << "artwork.rc next to the generated folder";
    std::set<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string name, type, file;
        if (words >> name >> type >> file) lines.insert(name + " " + type + " " + file);
    }
    for (const BuiltInResource& r : kBuiltInResources)
        EXPECT_TRUE(lines.count(std::string(r.name) + " " + r.type + " \"generated/" + r.file + "\""))
            << r.name << " " << r.type << " " << r.file;
    EXPECT_TRUE(lines.count(std::string("MAINICON ICON \"generated/") + kApplicationIconFile + "\""));
}

}  // namespace
}  // namespace norvi::test
