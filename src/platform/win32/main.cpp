// norvi.exe: the real platform under the portable program. DPI awareness comes from the
// manifest, so nothing here asks for it.
#include <windows.h>

#include "app/program.h"
#include "platform/win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        norvi::win32::Win32Platform platform;
        norvi::Program program(platform);
        // Another Norvi of this user runs already and opens its settings instead.
        if (!program.start()) return 0;
        return program.run();
    } catch (...) {
        return 1;
    }
}
