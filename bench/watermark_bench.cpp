// How long the watermark takes per cue, and what it holds in memory: PaintText through a
// whole Norvi, the text composition alone at several display sizes, the worst font fit,
// and the display surface. Prints medians; the numbers are for people, not for a verdict.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "bench_platform.h"
#include "watermark/text_colours.h"
#include "watermark/text_picture.h"

namespace norvi::bench {
namespace {

double millisecondsOf(const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void report(const std::string& what, int runs, const std::function<void()>& f) {
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) samples.push_back(millisecondsOf(f));
    std::sort(samples.begin(), samples.end());
    std::printf("%-62s median %8.2f ms  min %8.2f  max %8.2f  (n=%d)\n", what.c_str(), samples[samples.size() / 2],
                samples.front(), samples.back(), runs);
}

std::string sizeText(Size s) { return std::to_string(s.width) + "x" + std::to_string(s.height); }

std::string repeated(const std::string& unit, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += unit;
    return s;
}

TextRequest requestFor(Platform& platform, Size canvas, std::string_view text, int points) {
    TextRequest r;
    r.text = text;
    r.face = "Arial";
    r.points = points;
    r.logicalDpiY = platform.screen().logicalDpiY();
    r.canvas = canvas;
    r.position = 5;
    r.textTopOffset = -20;
    r.body = 0x00C0C0C0;
    r.outline = InverseColor(0x00C0C0C0);
    return r;
}

void run() {
    auto bench = makeBenchPlatform();
    Platform& platform = bench->platform();
    std::printf("Norvi watermark benchmark on the %s\n", bench->name().c_str());
    const std::uint64_t beforeStart = bench->privateBytes();
    Program program(platform);
    std::printf("start-up of the whole program: %.0f ms\n", millisecondsOf([&] { program.start(); }));
    const std::uint64_t justStarted = bench->privateBytes();
    program.mainform->Timer1->setEnabled(false);  // no poll: only the benchmark draws
    TfloatTXT& watermark = *program.floatTXT;
    EventLoop& loop = platform.loop();
    std::printf("primary display %s, %d dpi, font \"%s\" at %d points\n\n",
                sizeText(platform.screen().primarySize()).c_str(), platform.screen().logicalDpiY(),
                program.watermark.SelectedFont.c_str(), program.fcolors->sdFontSize.position());

    // PaintText per cue through the whole program, at the sizes this platform can give.
    for (Size size : {Size{1920, 1080}, Size{3840, 2160}}) {
        if (!bench->setPrimarySize(size) && !(platform.screen().primarySize() == size)) continue;
        const Size actual = platform.screen().primarySize();
        bool caps = false;
        report("PaintText per cue, \"A\"/\"a\" at 300 pt, " + sizeText(actual), 40, [&] {
            caps = !caps;
            watermark.PaintText(caps ? code::kCapsOn : code::kCapsOff, caps ? "A" : "a");
        });
        report("cue incl. dispatch, show and paint messages, " + sizeText(actual), 40, [&] {
            caps = !caps;
            program.dispatcher.zagonNapisa(caps ? code::kCapsOn : code::kCapsOff, caps ? "A" : "a");
            loop.processMessages();
        });
        report("wipe (BrisiSliko) incl. paint messages, " + sizeText(actual), 20, [&] {
            watermark.BrisiSliko();
            loop.processMessages();
        });
    }

    // The composition alone, on this platform's text engine, at any canvas size.
    Graphics& graphics = platform.graphics();
    for (Size size : {Size{1920, 1080}, Size{3840, 2160}})
        report("composeText \"A\" at 300 pt on " + sizeText(size), 40,
               [&] { composeText(graphics, requestFor(platform, size, "A", 300)); });

    // The worst fit the settings allow: 20 wide characters at 600 points on 800x600.
    const std::string wideLatin = repeated("W", 20);
    const std::string fullWidth = repeated("\xEF\xBC\xB7", 20);  // U+FF37
    for (const auto& [name, text] : {std::pair{"20 x \"W\"", wideLatin}, std::pair{"20 x U+FF37", fullWidth}}) {
        TextPicture last;
        report(std::string("worst fit: ") + name + " from 600 pt on 800x600", 10,
               [&] { last = composeText(graphics, requestFor(platform, {800, 600}, text, 600)); });
        std::printf("    fitted em height %d px, extent %s\n", last.font.charHeight, sizeText(last.extent).c_str());
    }

    // The display surface taking a finished picture of the default letter's size.
    {
        const Bitmap picture(300, 470, 32, kKeyColour);
        const Size canvas = platform.screen().primarySize();
        report("showOnSurface of a 300x470 picture incl. paint messages", 40, [&] {
            watermark.showOnSurface(picture, {canvas.width / 2 - 150, canvas.height / 2 - 235}, canvas);
            loop.processMessages();
        });
    }

    // Memory: after start-up, a cue, the wipe and a thousand cues.
    bench->setPrimarySize({1920, 1080});
    const auto kib = [&](std::uint64_t bytes) { return static_cast<unsigned long long>(bytes / 1024); };
    watermark.BrisiSliko();
    loop.processMessages();
    const std::uint64_t baseline = bench->privateBytes();
    program.dispatcher.zagonNapisa(code::kCapsOn, "A");
    loop.processMessages();
    const std::uint64_t afterCue = bench->privateBytes();
    watermark.BrisiSliko();
    loop.processMessages();
    const std::uint64_t afterWipe = bench->privateBytes();
    for (int i = 0; i < 1000; ++i) {
        program.dispatcher.zagonNapisa(i % 2 ? code::kCapsOn : code::kCapsOff, i % 2 ? "A" : "a");
        loop.processMessages();
    }
    const std::uint64_t afterThousand = bench->privateBytes();
    watermark.BrisiSliko();
    loop.processMessages();
    const std::uint64_t afterThousandWiped = bench->privateBytes();
    std::printf("\nmemory (%s), KiB: before start %llu, just started %llu, after the timings and a wipe %llu,\n"
                "    after a cue %llu, after its wipe %llu, after 1000 more cues %llu, wiped again %llu\n",
                bench->name().c_str(), kib(beforeStart), kib(justStarted), kib(baseline), kib(afterCue),
                kib(afterWipe), kib(afterThousand), kib(afterThousandWiped));
}

}  // namespace
}  // namespace norvi::bench

int main() {
    norvi::bench::run();
    return 0;
}
