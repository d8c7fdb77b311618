// The "Load at Startup" registration: the value "Norvi" under the user's Run key.
#pragma once

#include <string>

namespace norvi {

class Platform;

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValueName = "Norvi";

// The data the Run value holds: the program's full path in double quotes, so that a path
// with spaces cannot start another program found earlier on that path.
std::string runValueData(const std::string& programPath);

// Writes the value when load is true, deletes it otherwise. Failures are silent.
void syncRunValue(Platform& platform, bool load);

}  // namespace norvi
