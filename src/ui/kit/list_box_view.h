// A list of one-line entries in rows: a click selects the row under it and runs onSelect,
// a double click selects and then runs onDoubleClick; Up/Down/Home/End move the selection;
// the wheel scrolls by rows, and a scroll bar appears when the rows do not fit. A sorted
// list keeps its entries in order without regard to case, as the system compares texts,
// as they are added.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/kit/scroll_bar.h"
#include "ui/kit/scroll_range.h"
#include "ui/kit/styles.h"
#include "ui/kit/view.h"

namespace norvi::ui::kit {

class ListBoxView : public View {
public:
    // Entries in the order they are added, or sorted by sortedBy without regard to case.
    explicit ListBoxView(const ListBoxStyle& style, TextCompare* sortedBy = nullptr);

    // Adds an entry where the order puts it and returns its index. The selection stays on
    // the entry it was on.
    int add(std::string item);
    void clear();
    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    // -1 when no entry is selected.
    int selected() const { return selected_; }
    // For code: runs nothing; the entry is scrolled into view.
    void setSelected(int index);
    const ScrollRange& scroll() const { return scroll_; }
    // The entry at p, or -1.
    int rowAt(Point p) const;

    std::function<void(int)> onSelect;
    std::function<void(int)> onDoubleClick;

    void paint(Painter& p) override;
    bool takesMouseAt(Point) const override { return true; }
    bool focusable() const override { return true; }
    void mouseDown(MouseButton button, Point p) override;
    void mouseMove(Point p) override;
    void mouseUp(MouseButton button, Point p) override;
    void doubleClick(Point p) override;
    bool wheel(int delta, Point p) override;
    bool keyDown(int virtualKey, KeyModifiers modifiers) override;
    void captureLost() override { bar_.release(); }

protected:
    void resized() override { updateRange(); }

private:
    int visibleRows() const;
    void updateRange();
    void choose(int index);  // a user's selection: select, show, onSelect
    void showRow(int index);
    // The bar lies inside the border: its points and owner size exclude it.
    Point inBar(Point p) const { return {p.x - 1, p.y - 1}; }
    Size barOwner() const { return {size().width - 2, size().height - 2}; }

    ListBoxStyle style_;
    TextCompare* sortedBy_;
    std::vector<std::string> items_;
    int selected_ = -1;
    ScrollRange scroll_;  // in rows
    ScrollBar bar_;
    WheelNotches notches_;
};

}  // namespace norvi::ui::kit
