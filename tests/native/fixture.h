// A whole Norvi on the fake platform, for tests that drive it end to end.
#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/program.h"
#include "generated_resources.h"
#include "tray/run_key.h"
#include "platform/fake/fake_platform.h"

namespace norvi::test {

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() { loadGeneratedResources(pf.res); }

    fake::FakePlatform pf;
    std::unique_ptr<Program> program;

    std::string dataFolder() const { return pf.disk.localAppData + "\\norvi\\"; }
    std::string configPath() const { return dataFolder() + "norvi.cfg"; }

    // Puts a configuration file in place before start-up.
    void writeConfig(const std::string& text) {
        pf.disk.directories[pf.disk.localAppData + "\\norvi"] = false;
        pf.disk.files[configPath()] = text;
    }
    std::string configText() const {
        const auto it = pf.disk.files.find(configPath());
        return it == pf.disk.files.end() ? std::string() : it->second;
    }
    std::string stored(const char* section, const char* key) {
        return pf.ini.read(configPath(), section, key, "<missing>");
    }

    Program& start() {
        program = std::make_unique<Program>(pf);
        program->start();
        return *program;
    }
    // Lets the poll run for the given virtual time.
    void run(int ms) { pf.clock.advance(ms); }
    void press(int vk) { pf.keys.toggle(vk); }

    fake::FakeWindow& floatingWindow() { return *pf.window("Tmainform"); }
    fake::FakeWindow& watermarkWindow() { return *pf.window("TfloatTXT"); }
    // Stops the lock poll, so that only what the test does reaches the watermark.
    void stopPoll() { program->mainform->Timer1->setEnabled(false); }

    // The watermark as a user sees it over area (screen coordinates): the window's picture
    // where the window is, the key colour (nothing seen) everywhere else.
    Bitmap seenOnScreen(const Rect& area) {
        fake::FakeWindow& w = watermarkWindow();
        Bitmap shot(area.width(), area.height(), 32, kKeyColour);
        const Rect b = w.bounds();
        for (int y = std::max(area.top, b.top); y < std::min(area.bottom, b.bottom); ++y)
            for (int x = std::max(area.left, b.left); x < std::min(area.right, b.right); ++x)
                shot.setPixel(x - area.left, y - area.top, *w.screenPixel(x, y));
        return shot;
    }
    // The same over the text canvas: the primary display's size, centred on the work area.
    Bitmap seenOnTextCanvas() {
        const Rect work = pf.display.work;
        const Size canvas = pf.display.primary;
        return seenOnScreen(Rect::fromSize(work.left + (work.width() - canvas.width) / 2,
                                           work.top + (work.height() - canvas.height) / 2, canvas.width,
                                           canvas.height));
    }
};

// The smallest rectangle holding every pixel of exactly colour c; empty when there is none.
inline Rect boxOf(const Bitmap& picture, Colour c) {
    Rect box{picture.width(), picture.height(), 0, 0};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == c) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box.right == 0 ? Rect{} : box;
}

// How many pixels differ from colour c.
inline int pixelsOtherThan(const Bitmap& picture, Colour c) {
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) n += picture.pixel(x, y) != c;
    return n;
}

}  // namespace norvi::test
