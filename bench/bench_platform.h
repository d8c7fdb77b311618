// What the watermark benchmark needs from the platform it runs on.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace norvi::bench {

struct BenchPlatform {
    virtual ~BenchPlatform() = default;
    virtual Platform& platform() = 0;
    virtual std::string name() const = 0;
    // Sets the primary display's size where the platform can; false where it cannot.
    virtual bool setPrimarySize(Size size) = 0;
    // Private bytes of this process, 0 where unknown.
    virtual std::uint64_t privateBytes() = 0;
};

std::unique_ptr<BenchPlatform> makeBenchPlatform();

}  // namespace norvi::bench
