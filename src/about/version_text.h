// The about box's version line.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace norvi {

// The four numbers of a fixed file version joined by ".", as they are (10.0.19041.1); an
// empty text when the file has no version record, so the box claims no version at all.
std::string versionText(const std::optional<FileVersion>& version);

}  // namespace norvi
