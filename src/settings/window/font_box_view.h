// The Watermark page's font list as a drop-down: a field showing the selected face with
// an arrow; a click opens the list of installed faces below it, and a pick there is the
// user's choice (FontList::choose, which runs the page's change action). The open list
// closes without a choice when the user turns elsewhere (the form's drop-down rules). With
// the focus, Up, Down, Home and End choose the neighbouring faces and F4 opens and closes
// the list, as with a Windows drop-down list.
#pragma once

#include <string>

#include "settings/font_list.h"
#include "ui/kit/list_box_view.h"
#include "ui/kit/styles.h"
#include "ui/kit/view.h"

namespace norvi {

class FontBoxView : public ui::kit::View {
public:
    // faceInUse: the watermark's face, shown while the list has no entry selected (a face
    // that is not installed).
    FontBoxView(FontList& fonts, const std::string& faceInUse, const ui::kit::EditStyle& style)
        : fonts_(fonts), faceInUse_(faceInUse), style_(style) {}

    // The drop-down: a sibling added after every other view of the page, so that it
    // paints over them. It starts hidden.
    void attachList(ui::kit::ListBoxView& list, int height);
    bool open() const { return list_ && list_->visible(); }
    void setOpen(bool open);

    void paint(ui::kit::Painter& p) override;
    bool takesMouseAt(Point) const override { return true; }
    bool focusable() const override { return true; }
    void mouseDown(MouseButton button, Point p) override;
    bool keyDown(int virtualKey, KeyModifiers modifiers) override;

private:
    // The user's choice of the face at index, shown in the open list too.
    void chooseAt(int index);

    FontList& fonts_;
    const std::string& faceInUse_;
    ui::kit::EditStyle style_;
    ui::kit::ListBoxView* list_ = nullptr;
    int listHeight_ = 0;
};

}  // namespace norvi
