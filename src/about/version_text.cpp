#include "about/version_text.h"

namespace norvi {

std::string versionText(const std::optional<FileVersion>& version) {
    if (!version) return {};
    std::string text;
    for (std::size_t i = 0; i < version->size(); ++i) {
        if (i > 0) text += '.';
        text += std::to_string((*version)[i]);
    }
    return text;
}

}  // namespace norvi
