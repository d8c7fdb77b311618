// The sound finder's folder chooser: a drop-down list of the shell's folders (the desktop,
// its folders below it, the computer's drives below that), each row with the folder's icon
// and, in the open list, indented by its depth. A click on the closed box opens the list below it, over
// whatever lies there; a click on a row chooses that place and closes it. Up and Down
// change the choice, Enter and Escape close the list; so does turning away (a press
// elsewhere, which does nothing else, or the window losing the focus).
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "ui/kit/styles.h"
#include "ui/kit/view.h"

namespace norvi {

class FolderChooserView : public ui::kit::View {
public:
    // The open list shows at most this many rows; more scroll with the wheel.
    static constexpr int kOpenRows = 12;
    // Each level of depth moves a row's icon and name this far right in the open list.
    static constexpr int kIndentPerDepth = 14;

    FolderChooserView(const ui::kit::ListBoxStyle& style, int boxHeight);

    void setPlaces(std::vector<FolderPlace> places);
    const std::vector<FolderPlace>& places() const { return places_; }
    // -1 when nothing is chosen.
    int selected() const { return selected_; }
    void setSelected(int index);
    // The chosen place's folder; empty when nothing is chosen.
    std::string selectedPath() const;
    bool isOpen() const { return open_; }
    void setOpen(bool open);
    // The open list's row at p (in this view's coordinates), or -1.
    int rowAt(Point p) const;

    void paint(ui::kit::Painter& p) override;
    bool takesMouseAt(Point) const override { return true; }
    bool focusable() const override { return true; }
    void mouseDown(MouseButton button, Point p) override;
    void doubleClick(Point p) override { mouseDown(MouseButton::Left, p); }
    bool wheel(int delta, Point p) override;
    bool keyDown(int virtualKey, KeyModifiers modifiers) override;
    void focusChanged() override;

private:
    int listRows() const;
    Rect boxArea() const { return {0, 0, size().width, boxHeight_}; }
    Rect listArea() const;
    enum class Indent { None, ByDepth };
    void paintRow(ui::kit::Painter& p, const Rect& row, int index, bool highlighted, Indent indent);
    void scrollTo(int index);

    ui::kit::ListBoxStyle style_;
    int boxHeight_;
    std::vector<FolderPlace> places_;
    int selected_ = -1;
    bool open_ = false;
    int offset_ = 0;  // first row shown in the open list
    int wheelRemainder_ = 0;
};

}  // namespace norvi
