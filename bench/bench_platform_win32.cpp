#include <windows.h>
#include <psapi.h>

#include "bench_platform.h"
#include "platform/win32/win32_platform.h"

namespace norvi::bench {

namespace {

class Win32BenchPlatform : public BenchPlatform {
public:
    Platform& platform() override { return real_; }
    std::string name() const override { return "Win32 platform"; }
    bool setPrimarySize(Size) override { return false; }  // the display is what it is
    std::uint64_t privateBytes() override {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
        // The committed private memory; Wine fills this field where it leaves PrivateUsage 0.
        return counters.PagefileUsage;
    }

private:
    win32::Win32Platform real_;
};

}  // namespace

std::unique_ptr<BenchPlatform> makeBenchPlatform() { return std::make_unique<Win32BenchPlatform>(); }

}  // namespace norvi::bench
