// Sounds through sndPlaySoundW (asynchronous; a new sound stops the one playing) and the
// program's own resources, where the built-in sounds live.
#pragma once

#include "platform/platform.h"

namespace norvi::win32 {

class Win32Sound : public Sound {
public:
    void playFile(const std::string& path) override;
    void playMemory(std::span<const std::uint8_t> waveImage) override;
};

class Win32Resources : public Resources {
public:
    std::span<const std::uint8_t> find(const std::string& name, const std::string& type) override;
};

}  // namespace norvi::win32
