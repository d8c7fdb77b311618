#include "floating/floating_splitter.h"

#include "floating/floating_layout.h"
#include "floating/tmainform.h"

namespace norvi {

void SplitterDrag::begin(int pressX, int capsWidth) {
    active_ = true;
    grabOffset_ = pressX - capsWidth;
    pointerX_ = pressX;
}

int SplitterDrag::widthAt(int pointerX) const {
    return clampSplitWidth(static_cast<int>(static_cast<long long>(pointerX) - grabOffset_));
}

std::optional<int> SplitterDrag::lineX() const {
    if (!active_) return std::nullopt;
    return widthAt(pointerX_) + kSplitWidth / 2;
}

void SplitterDrag::moveTo(int pointerX) { pointerX_ = pointerX; }

int SplitterDrag::end(int pointerX) {
    active_ = false;
    return widthAt(pointerX);
}

}  // namespace norvi
