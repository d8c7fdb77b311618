// The demo form as a picture: written as kit_demo.bmp beside the test program for people
// to look at, and timed (the timing is printed, never a pass/fail condition).
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "fixture.h"
#include "kit_demo_form.h"
#include "kit_fixture.h"
#include "resources/bmp_image.h"

namespace norvi::test {
namespace {

std::filesystem::path besideTheTests(const char* name) {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (error ? std::filesystem::current_path() : self.parent_path()) / name;
}

TEST_F(KitTest, DemoFormComposesTheDialogFrameAndIsSavedAsABitmap) {
    auto window = pf.createWindow({"KitDemo", "", Rect::fromSize(0, 0, 1075, 750)});
    auto& demo_window = static_cast<fake::FakeWindow&>(*window);
    KitDemoForm demo(*window, pf.text, pf.clock);
    // A hovered OK button, as a user would see it about to confirm.
    demo_window.onMouseMove({demo.ok.bounds().left + 3, demo.ok.bounds().top + 3});
    const Bitmap& picture = demo_window.picture;
    ASSERT_EQ(picture.width(), 1075);

    EXPECT_EQ(picture.pixel(1074, 15), theme.colours.closeFace) << "the close panel at the strip's right end";
    EXPECT_EQ(picture.pixel(demo.tabs.tabRect(0).left + 2, 6), theme.colours.page) << "Basic is selected";
    EXPECT_EQ(picture.pixel(demo.tabs.tabRect(1).left + 2, 6), theme.colours.unselectedTab);
    EXPECT_EQ(picture.pixel(demo.ok.bounds().left + 3, demo.ok.bounds().top + 3), theme.colours.buttonHover);
    EXPECT_EQ(picture.pixel(demo.cancel.bounds().left + 3, demo.cancel.bounds().top + 3), theme.colours.buttonFace);
    const Rect swatch = demo.swatch.bounds();
    EXPECT_EQ(picture.pixel(demo.group.bounds().left + swatch.left + 5, demo.group.bounds().top + swatch.top + 5),
              0x00C0C0C0u);

    const auto bmp = encodeBmp(picture, 24);
    ASSERT_TRUE(bmp.has_value());
    const auto path = besideTheTests("kit_demo.bmp");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bmp->data()),
                                                static_cast<std::streamsize>(bmp->size()));
    std::ifstream back(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(back), {}};
    const auto decoded = decodeBmp(bytes);
    ASSERT_TRUE(decoded.has_value()) << path;
    EXPECT_EQ(pixelsOtherThan(*decoded, 0), pixelsOtherThan(picture, 0)) << "the file holds the picture";

    std::vector<double> times;
    for (int i = 0; i < 50; ++i) {
        const auto start = std::chrono::steady_clock::now();
        demo.form.repaint();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::cout << "[ kit demo ] 1075x750 repaint: median " << times[25] << " ms, worst " << times.back()
              << " ms; picture at " << path.string() << "\n";
}

}  // namespace
}  // namespace norvi::test
