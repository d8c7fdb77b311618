// A one-line text field showing an Edit model: typing at a caret, Backspace and Delete,
// Left/Right/Home/End, a click to place the caret. Typing stops at the model's maximum
// length (counted in characters); a read-only field only moves its caret. Every change
// goes through Edit::setText. Text wider than the field scrolls to keep the caret in view.
// The model must outlive the view.
#pragma once

#include <cstddef>

#include "ui/kit/styles.h"
#include "ui/kit/view.h"
#include "ui/widgets.h"

namespace norvi::ui::kit {

class EditView : public View {
public:
    EditView(Edit& model, const EditStyle& style);
    ~EditView() override;

    Edit& model() { return model_; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // Byte offset of the caret in the model's UTF-8 text, always on a character boundary.
    std::size_t caret() const { return caret_; }

    void paint(Painter& p) override;
    bool takesMouseAt(Point) const override { return true; }
    bool focusable() const override { return true; }
    void mouseDown(MouseButton button, Point p) override;
    bool keyDown(int virtualKey, KeyModifiers modifiers) override;
    bool character(char32_t c) override;

private:
    void replace(std::size_t from, std::size_t to, const std::string& with, std::size_t caretAfter);
    void setCaret(std::size_t caret);
    int textX(std::size_t offset) const;  // in the text's own coordinates
    Rect textArea() const;

    Edit& model_;
    EditStyle style_;
    bool readOnly_ = false;
    bool ownChange_ = false;
    std::size_t caret_ = 0;
    int scroll_ = 0;  // pixels of text hidden at the left
};

}  // namespace norvi::ui::kit
