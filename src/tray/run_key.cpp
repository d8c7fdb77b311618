#include "tray/run_key.h"

#include "platform/platform.h"

namespace norvi {

std::string runValueData(const std::string& programPath) { return "\"" + programPath + "\""; }

void syncRunValue(Platform& platform, bool load) {
    Registry& registry = platform.registry();
    if (load) {
        registry.writeUserString(kRunKey, kRunValueName, runValueData(platform.files().programPath()));
    } else {
        registry.deleteUserValue(kRunKey, kRunValueName);
    }
}

}  // namespace norvi
