// The four built-in cues: two soft bell notes each, rising for "on", falling for "off".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace norvi::artwork {

struct CueSound {
    const char* resourceName;
    int channels;
    std::uint32_t dataBytes;  // exact size of the data chunk
    double firstHz;
    double secondHz;
};

// The built-in cues with the formats Norvi documents for them.
const std::vector<CueSound>& cueSounds();

// A complete RIFF WAVE file: PCM, 16 bits, 48 kHz.
std::vector<std::uint8_t> renderCue(const CueSound& cue);

}  // namespace norvi::artwork
