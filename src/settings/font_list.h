// The watermark page's font list: the installed faces and the one selected. Selecting from
// code runs nothing; a user's choice runs onChange. Faces are named without regard to case,
// as the system names them: a stored "arial" is the list's "Arial".
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace norvi {

class FontList {
public:
    explicit FontList(TextCompare& compare) : compare_(compare) {}
    void setItems(std::vector<std::string> faces) {
        items_ = std::move(faces);
        selected_ = -1;
    }
    const std::vector<std::string>& items() const { return items_; }
    bool contains(const std::string& face) const { return indexOf(face) >= 0; }
    // Selects the entry when the list holds it; false (selection unchanged) otherwise.
    bool select(const std::string& face) {
        const int i = indexOf(face);
        if (i < 0) return false;
        selected_ = i;
        return true;
    }
    bool hasSelection() const { return selected_ >= 0; }
    // Empty when nothing is selected.
    std::string selectedFace() const { return hasSelection() ? items_[static_cast<std::size_t>(selected_)] : std::string(); }
    // What a user's pick does.
    void choose(const std::string& face) {
        if (select(face) && onChange) onChange();
    }

    std::function<void()> onChange;

private:
    // The entry spelt exactly so, else the first that differs only in case.
    int indexOf(const std::string& face) const {
        int match = -1;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (items_[i] == face) return static_cast<int>(i);
            if (match < 0 && compare_.compareNoCase(items_[i], face) == 0) match = static_cast<int>(i);
        }
        return match;
    }
    TextCompare& compare_;
    std::vector<std::string> items_;
    int selected_ = -1;
};

}  // namespace norvi
