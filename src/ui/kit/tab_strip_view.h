// A row of tabs along the bottom of a strip. A press of any button first runs onPress
// (a dialog starts its system move there, which returns only once the button is up);
// only then does a left press over a tab select it and run onSelect. setSelected, for
// code, runs nothing.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/kit/styles.h"
#include "ui/kit/view.h"

namespace norvi::ui::kit {

class TabStripView : public View {
public:
    TabStripView(std::vector<std::string> captions, const TabStripStyle& style)
        : captions_(std::move(captions)), style_(style) {}

    int selected() const { return selected_; }
    void setSelected(int index);
    int count() const { return static_cast<int>(captions_.size()); }
    // The tab under p, or -1.
    int tabAt(Point p) const;
    Rect tabRect(int index) const;

    std::function<void(MouseButton, Point)> onPress;
    std::function<void(int)> onSelect;

    void paint(Painter& p) override;
    bool takesMouseAt(Point) const override { return true; }
    void mouseDown(MouseButton button, Point p) override;
    void mouseMove(Point p) override;
    void hoverChanged() override;

private:
    std::vector<std::string> captions_;
    TabStripStyle style_;
    int selected_ = 0;
    int hot_ = -1;  // the tab under the pointer
};

}  // namespace norvi::ui::kit
