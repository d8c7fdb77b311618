// The watermark page's font list: the installed faces and the one selected. Selecting from
// code runs nothing; a user's choice runs onChange.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace norvi {

class FontList {
public:
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
    int indexOf(const std::string& face) const {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == face) return static_cast<int>(i);
        return -1;
    }
    std::vector<std::string> items_;
    int selected_ = -1;
};

}  // namespace norvi
