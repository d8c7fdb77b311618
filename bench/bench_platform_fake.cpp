#include <fstream>
#include <unistd.h>

#include "bench_platform.h"
#include "platform/fake/fake_platform.h"

namespace norvi::bench {

namespace {

class FakeBenchPlatform : public BenchPlatform {
public:
    Platform& platform() override { return fake_; }
    std::string name() const override { return "fake platform (native)"; }
    bool setPrimarySize(Size size) override {
        fake_.display.setPrimary(size.width, size.height, 40);
        return true;
    }
    std::uint64_t privateBytes() override {
        // Resident set size from /proc: the closest Linux figure.
        std::ifstream statm("/proc/self/statm");
        std::uint64_t pages = 0, resident = 0;
        statm >> pages >> resident;
        return resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
    }

private:
    fake::FakePlatform fake_;
};

}  // namespace

std::unique_ptr<BenchPlatform> makeBenchPlatform() { return std::make_unique<FakeBenchPlatform>(); }

}  // namespace norvi::bench
