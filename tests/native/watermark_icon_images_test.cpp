// The icons' working images: prepared at start-up in the configured colour, recoloured by
// the settings page, and what is left of them when the built-in pictures are missing.
#include "fixture.h"
#include "resources/bmp_image.h"

namespace norvi::test {
namespace {

constexpr Colour kGrey = 0x00969696;
constexpr Colour kRed = 0x000000FF;
constexpr Colour kDefaultIconColour = 0x00C0C0C0;
constexpr const char* kIconNames[] = {resource::kCapsOnIcon, resource::kCapsOffIcon, resource::kNumOnIcon,
                                      resource::kNumOffIcon};

class WatermarkIconImages : public ProgramTest {
protected:
    const Bitmap& source(int i) {
        const TfloatTXT& w = *program->floatTXT;
        const Bitmap* sources[] = {&w.slikaCON, &w.SlikaCoFF, &w.slikanon, &w.slikanoff};
        return *sources[i];
    }
    const std::array<Bitmap, 4>& images() { return program->watermark.iconImages; }
    void recolour(Colour c) {
        program->fcolors->Panel5.setColour(c);
        program->fcolors->resetirajBarvoIkone();
    }
    // The working image is the source with its background as the key colour and every
    // other pixel in the icon colour.
    void expectSourceIn(int i, Colour ink) {
        SCOPED_TRACE(kIconNames[i]);
        const Bitmap& s = source(i);
        const Bitmap& w = images()[i];
        ASSERT_EQ(w.bitsPerPixel(), 24);
        ASSERT_EQ(w.width(), s.width());
        ASSERT_EQ(w.height(), s.height());
        const Colour background = s.pixel(1, 1);
        int mismatches = 0;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                mismatches += w.pixel(x, y) != (s.pixel(x, y) == background ? kKeyColour : ink);
        EXPECT_EQ(mismatches, 0);
    }
};

TEST_F(WatermarkIconImages, PreparedInTheConfiguredIconColourWithExactlyTwoColours) {
    writeConfig("[Config]\r\nIconColor=255\r\n");
    start();
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(source(i).width(), 256) << kIconNames[i];
        expectSourceIn(i, kRed);
        const Bitmap& w = images()[i];
        EXPECT_EQ(pixelsOtherThan(w, kKeyColour), w.width() * w.height() - pixelsOtherThan(w, kRed))
            << "only the key colour and the icon colour";
        EXPECT_GT(pixelsOtherThan(w, kKeyColour), 1000);
    }
    EXPECT_EQ(boxOf(source(0), kGrey), (Rect{12, 10, 245, 245})) << "the sources stay as stored";
}

TEST_F(WatermarkIconImages, RecolouringRoundTripLosesNothing) {
    writeConfig("[Config]\r\nIconColor=9868950\r\n");  // the sources' own grey
    start();
    const auto grey = images();
    recolour(kRed);
    for (int i = 0; i < 4; ++i) expectSourceIn(i, kRed);
    recolour(kGrey);
    EXPECT_EQ(images(), grey);
    recolour(kDefaultIconColour);
    recolour(kGrey);
    EXPECT_EQ(images(), grey);
}

TEST_F(WatermarkIconImages, PreviewShowsTheStoredIconUntilTheFirstRecolouring) {
    writeConfig("[Config]\r\nIconColor=255\r\n");
    Program& p = start();
    EXPECT_EQ(p.fcolors->ImagebARVA, p.floatTXT->slikaCON) << "unrecoloured at start-up";
    recolour(0x00FF0000);
    EXPECT_EQ(p.fcolors->ImagebARVA, images()[0]);
    EXPECT_GT(boxOf(p.fcolors->ImagebARVA, 0x00FF0000).width(), 200);

    // Opening the settings dialog recolours as well, with the colour on the page.
    p.fcolors->Panel5.setColour(0x0000FF00);
    pf.prompts.whileModal.push_back([&] { p.fcolors->cancelClick(); });
    p.fcolors->Setcolors1Click();
    EXPECT_EQ(boxOf(images()[3], 0x0000FF00), (Rect{12, 10, 245, 245}));
}

TEST_F(WatermarkIconImages, TheIconColourButtonRecoloursTheImages) {
    Program& p = start();
    pf.prompts.colourAnswers.push_back(fake::FakeDialogs::ColourAnswer{0x00123456, std::nullopt});
    p.fcolors->iconColourClick();
    for (int i = 0; i < 4; ++i) expectSourceIn(i, 0x00123456);
    // Picking the key colour itself keeps the icons visible.
    pf.prompts.colourAnswers.push_back(fake::FakeDialogs::ColourAnswer{kKeyColour, std::nullopt});
    p.fcolors->iconColourClick();
    for (int i = 0; i < 4; ++i) expectSourceIn(i, 0x00544A42);
}

// The page never stores the key colour, and a hand-edited file holding it is read as the
// nearest visible colour: icons painted in the key colour would vanish for good, because
// recolouring only finds non-key pixels.
TEST_F(WatermarkIconImages, KeyColourFromTheFileStillGivesVisibleRecolourableIcons) {
    writeConfig("[Config]\r\nIconColor=5524035\r\n");
    start();
    for (int i = 0; i < 4; ++i) expectSourceIn(i, 0x00544A42);
    recolour(kRed);
    for (int i = 0; i < 4; ++i) expectSourceIn(i, kRed);
}

TEST_F(WatermarkIconImages, EachImageLosesItsOwnBackgroundWhateverItsColour) {
    // A picture with a white background and black ink at (1, 1)'s opposite corner.
    Bitmap white(256, 256, 24, 0x00FFFFFF);
    for (int y = 100; y < 150; ++y)
        for (int x = 100; x < 150; ++x) white.setPixel(x, y, 0);
    pf.res.items[resource::kNumOnIcon]["BMP"] = *encodeBmp(white, 24);
    writeConfig("[Config]\r\nIconColor=255\r\n");
    start();
    EXPECT_EQ(boxOf(images()[2], kRed), (Rect{100, 100, 150, 150}));
    EXPECT_EQ(pixelsOtherThan(images()[2], kKeyColour), 50 * 50);
}

TEST_F(WatermarkIconImages, MissingOrDamagedPicturesLeaveEmptyImagesAndAWorkingWatermark) {
    pf.res.items.erase(resource::kCapsOnIcon);
    pf.res.items[resource::kCapsOffIcon]["BMP"] = {'B', 'M', 1, 2, 3};
    writeConfig("[Config]\r\nDOD=0\r\nDOP=1\r\n");
    Program& p = start();
    EXPECT_TRUE(images()[0].empty());
    EXPECT_TRUE(images()[1].empty());
    expectSourceIn(2, kDefaultIconColour);
    EXPECT_TRUE(p.fcolors->ImagebARVA.empty());
    recolour(kRed);
    EXPECT_TRUE(p.fcolors->ImagebARVA.empty());
    expectSourceIn(3, kRed);

    stopPoll();
    p.dispatcher.zagonNapisa(code::kIconCapsOn, "");
    EXPECT_TRUE(watermarkWindow().isVisible());
    EXPECT_EQ(pixelsOtherThan(watermarkWindow().picture, kKeyColour), 0) << "nothing to show";
    p.dispatcher.zagonNapisa(code::kIconNumOn, "");
    EXPECT_GT(pixelsOtherThan(watermarkWindow().picture, kKeyColour), 1000) << "the other icons still work";
}

}  // namespace
}  // namespace norvi::test
