// The four watermark icons: which code shows which image, and where each source comes from.
#pragma once

#include "platform/types.h"

namespace norvi {

constexpr int kIconCount = 4;

// Index into iconImages for an icon code 50..53 (Caps on, Caps off, Num on, Num off);
// -1 for any other code.
int iconIndexFor(int code);

}  // namespace norvi
