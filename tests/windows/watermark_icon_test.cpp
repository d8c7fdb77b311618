// The iconic watermark on the real platform: the icons as the module carries them, and the
// icon picture as the screen shows it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <set>

#include "app/program.h"
#include "platform/win32/dib.h"
#include "platform/win32/sound.h"
#include "platform/win32/win32_platform.h"
#include "resources/bmp_image.h"
#include "resources/built_in_resources.h"
#include "screen_grab.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

constexpr Colour kGrey = 0x00969696;
constexpr Colour kRed = 0x000000FF;
constexpr const char* kIconNames[] = {resource::kCapsOnIcon, resource::kCapsOffIcon, resource::kNumOnIcon,
                                      resource::kNumOffIcon};

TEST(WatermarkIconResources, DecodeFromTheModuleAsTwoColour256Squares) {
    Win32Resources resources;
    for (const char* name : kIconNames) {
        SCOPED_TRACE(name);
        const auto bytes = resources.find(name, kPictureResourceType);
        ASSERT_FALSE(bytes.empty()) << "linked into the module";
        const auto picture = decodeBmp(bytes);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->width(), 256);
        EXPECT_EQ(picture->height(), 256);
        EXPECT_EQ(picture->pixel(1, 1), kKeyColour);
        std::set<Colour> colours;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) colours.insert(picture->pixel(x, y));
        EXPECT_EQ(colours, (std::set<Colour>{kKeyColour, kGrey}));
    }
    // "slikanon" and "slikanoff" differ only in the strike; the names must not collide.
    EXPECT_NE(resources.find(resource::kNumOnIcon, kPictureResourceType).data(),
              resources.find(resource::kNumOffIcon, kPictureResourceType).data());
}

class WatermarkIconWindow : public ::testing::Test {
protected:
    void SetUp() override {
        program = test::startProgram(platform);
    }
    Win32Platform platform;
    std::unique_ptr<Program> program;
};

TEST_F(WatermarkIconWindow, PaintIconShowsTheRecolouredIconAtItsAnchor) {
    Program& p = *program;
    ASSERT_EQ(p.watermark.iconImages[0].width(), 256) << "the icons loaded from the module";
    p.fcolors->Panel5.setColour(kRed);
    p.fcolors->resetirajBarvoIkone();
    EXPECT_EQ(p.fcolors->ImagebARVA, p.watermark.iconImages[0]);
    // Fully opaque, so the screen shows the picture's own colours.
    p.floatTXT->applyOpacity(255);
    p.watermark.TXTpolozaj = 9;
    p.floatTXT->PaintIcon(code::kIconCapsOn);
    p.floatTXT->showWatermark();

    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.right - 25 - 256, top = work.bottom - 25 - 256;
    const RECT box{left, top, left + 256, top + 256};
    const Bitmap& image = p.watermark.iconImages[0];
    int inkPixels = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) inkPixels += image.pixel(x, y) == kRed;
    Bitmap shot;
    test::pumpUntil([&] {
        shot = test::grabScreenRect(box);
        return test::countOf(shot, kRed) == inkPixels;
    }, 3000);
    EXPECT_EQ(test::countOf(shot, kRed), inkPixels) << "every ink pixel of the icon, in the icon colour";
    struct Sample {
        int x, y;
        bool ink;
        const char* what;
    };
    const Sample samples[] = {
        {127, 160, true, "crossbar of the A"},    {45, 210, true, "left foot"},
        {127, 130, false, "counter of the A"},    {127, 205, false, "between the feet"},
        {15, 128, true, "frame"},                 {30, 30, false, "inside the frame"},
    };
    for (const Sample& s : samples) EXPECT_EQ(shot.pixel(s.x, s.y) == kRed, s.ink) << s.what;
}

}  // namespace
}  // namespace norvi::win32
