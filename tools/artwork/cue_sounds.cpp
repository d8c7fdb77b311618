#include "cue_sounds.h"

#include "resources/little_endian.h"

#include <algorithm>
#include <cmath>

namespace norvi::artwork {

namespace {

constexpr int kRate = 48000;
constexpr int kBits = 16;
constexpr double kPi = 3.14159265358979323846;
constexpr double kSecondNoteAt = 0.11;  // seconds
constexpr double kAttack = 0.012;       // a raised-cosine rise: no click at a note's start
constexpr double kDecay = 0.20;         // time constant of the bell's fade
constexpr double kTail = 0.045;         // the last stretch fades to exact silence
constexpr double kPeak = 0.42;          // of full scale

// Notes of the equal-tempered scale used below.
constexpr double kC6 = 1046.50, kG6 = 1567.98, kE6 = 1318.51, kA6 = 1760.00;

constexpr auto put16 = putLittle16;
constexpr auto put32 = putLittle32;
void putTag(std::vector<std::uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

// One bell note started at `start`: a sine with a quickly fading overtone.
double bell(double t, double start, double hz) {
    const double local = t - start;
    if (local < 0) return 0;
    const double attack = local < kAttack ? 0.5 - 0.5 * std::cos(kPi * local / kAttack) : 1.0;
    const double body = std::sin(2 * kPi * hz * local);
    const double shine = 0.25 * std::sin(2 * kPi * 2 * hz * local) * std::exp(-local / 0.06);
    return attack * std::exp(-local / kDecay) * (body + shine);
}

}  // namespace

const std::vector<CueSound>& cueSounds() {
    static const std::vector<CueSound> cues = {
        {"CapsOn", 2, 172196, kE6, kA6},
        {"CapsOff", 2, 213688, kA6, kE6},
        {"NumOn", 2, 149896, kC6, kG6},
        {"NumOff", 1, 74126, kG6, kC6},
    };
    return cues;
}

std::vector<std::uint8_t> renderCue(const CueSound& cue) {
    const int blockAlign = cue.channels * kBits / 8;
    const std::uint32_t frames = cue.dataBytes / static_cast<std::uint32_t>(blockAlign);
    const double duration = static_cast<double>(frames) / kRate;

    // Left leans to the first note and right to the second, so the cue moves a little.
    std::vector<double> mix(static_cast<std::size_t>(frames) * cue.channels);
    double loudest = 0;
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double first = bell(t, 0.0, cue.firstHz);
        const double second = bell(t, kSecondNoteAt, cue.secondHz);
        const double remaining = duration - t;
        const double tail = remaining < kTail ? 0.5 - 0.5 * std::cos(kPi * remaining / kTail) : 1.0;
        for (int c = 0; c < cue.channels; ++c) {
            const double lean = cue.channels == 1 ? 1.0 : (c == 0 ? 1.0 : 0.8);
            const double v = tail * (0.8 * lean * first + (1.8 - lean) * second);
            mix[static_cast<std::size_t>(i) * cue.channels + c] = v;
            loudest = std::max(loudest, std::abs(v));
        }
    }

    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    put32(out, 36 + cue.dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, static_cast<std::uint32_t>(cue.channels));
    put32(out, kRate);
    put32(out, static_cast<std::uint32_t>(kRate * blockAlign));
    put16(out, static_cast<std::uint32_t>(blockAlign));
    put16(out, kBits);
    putTag(out, "data");
    put32(out, cue.dataBytes);
    const double scale = loudest > 0 ? kPeak * 32767.0 / loudest : 0;
    for (double v : mix) put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * scale))));
    return out;
}

}  // namespace norvi::artwork
