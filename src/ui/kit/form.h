// A top-level owner-drawn window: a tree of views composed into the one picture of a
// NativeWindow. The form routes the window's input to its views (the view under the
// pointer, or the one holding the capture while a button is down; keys to the focused
// view), tracks hover and focus, and repaints when something changed: once at the end of
// each input event however many things changed, or soon after a change made outside one.
// The window's other events (activation, closing, moving) stay with the form's owner.
// Tab and Shift+Tab move the focus; focus marks show only once the keyboard was used. The
// form shows hints in tooltips (once enableHints is called) and closes an open drop-down
// when the user turns elsewhere. Views are laid out in 96-dpi units; the form composes
// them at its window's DPI and hands them pointer positions in units. When the window
// comes onto a display of another DPI it composes at the new one and takes the bounds
// the system suggests.
#pragma once

#include <functional>
#include <memory>

#include "platform/platform.h"
#include "ui/dpi_scale.h"
#include "ui/kit/styles.h"
#include "ui/kit/view.h"

namespace norvi::ui::kit {

class Hints;

class Form {
public:
    // clientSize in units; the scale is the window's.
    Form(NativeWindow& window, Graphics& graphics, EventLoop& loop, Size clientSize, Colour background);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The views of the form are the children of its root view, which covers the client area.
    template <class T, class... Args>
    T& add(Args&&... args) {
        return root_->add<T>(std::forward<Args>(args)...);
    }
    View& root() { return *root_; }

    // Holds back repainting until the outermost Batch ends; every input event runs in one.
    class Batch {
    public:
        explicit Batch(Form& form);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Form& form_;
    };

    void invalidate();
    // Composes the picture now and hands it to the window.
    void repaint();
    // The client area in units and in the window's pixels.
    Size clientSize() const { return root_->size(); }
    Size pixelSize() const { return scale_.px(clientSize()); }
    DpiScale scale() const { return scale_; }
    // Composes at another DPI from now on (the window's size is the caller's).
    void setDpi(int dpi);
    // The units a text's extent covers at this form's scale.
    Size measure(const FontSpec& font, std::string_view text) const;
    const Bitmap& picture() const { return picture_; }
    int repaintCount() const { return repaints_; }

    View* hovered() const { return hovered_; }
    View* focused() const { return focused_; }
    View* captured() const { return captured_; }
    bool windowHasFocus() const { return windowHasFocus_; }
    void setFocus(View* view);
    // Moves the focus to the next (or previous) focusable shown view with a tab stop,
    // wrapping around, and scrolls it into sight.
    void cycleFocus(bool backwards);
    // Whether focus marks show: from the first Tab or arrow key until hideFocusCues (a
    // dialog that opens again starts without them, as in Windows).
    bool focusCuesShown() const { return focusCuesShown_; }
    void hideFocusCues();

    // Shows the views' hints in tooltips made through the platform.
    void enableHints(Platform& platform, const TooltipStyle& style);
    // Nullptr until hints are enabled.
    const Hints* hints() const { return hints_.get(); }

    // A drop-down list opened by owner, painted over the other views. The form runs close
    // (which must hide list) on a press outside owner and list, which does nothing else;
    // when the focus goes to another view or leaves the window; when a view around owner
    // scrolls; on Escape or Enter; and when owner or list hides. The focus stays with
    // owner while the list is used with the mouse, as with a combo box. list may be owner
    // itself (a view that grows while open); one that closes without hiding anything
    // calls closeDropDown.
    void openDropDown(View& owner, View& list, std::function<void()> close);
    void closeDropDown();
    View* dropDownOwner() const { return dropDown_.owner; }
    // A view scrolled its content.
    void scrolled(const View& view);

    // The cursor over bare background, where no view takes the mouse; every view shows the
    // arrow. A change shows at once where the pointer is.
    void setBackgroundCursor(CursorKind kind);
    CursorKind backgroundCursor() const { return backgroundCursor_; }
    // What the window shows with the pointer at p (client coordinates).
    CursorKind cursorAt(Point p);

    Graphics& graphics() { return graphics_; }
    NativeWindow& window() { return window_; }

    // A press on bare area, where no view takes the mouse (a dialog starts a move there).
    std::function<void(MouseButton, Point)> onBackgroundPress;
    // A wheel turn no view under the pointer used.
    std::function<void(int delta, Point)> onUnusedWheel;
    // A key the focused view did not use (Enter and Escape for a dialog's buttons).
    std::function<void(int virtualKey, KeyModifiers)> onUnusedKey;

private:
    friend class View;
    // A view is going away or being hidden: drop every reference to it and its children.
    void forget(const View& view);
    // A view is being hidden: as forget, and a drop-down it holds closes.
    void hidden(const View& view);
    // Whether view is part of the open drop-down, or holds part of it.
    bool inDropDown(const View& view) const;
    bool holdsDropDown(const View& view) const;
    void bindWindow();
    void press(MouseButton button, Point p, bool doubleClick);
    void release(MouseButton button, Point p);
    void move(Point p);
    void turnWheel(int delta, Point p);
    void pressKey(int virtualKey, KeyModifiers modifiers);
    void releaseKey(int virtualKey);
    void typeCharacter(char32_t c);
    void loseCapture();
    void setHovered(View* view);

    NativeWindow& window_;
    Graphics& graphics_;
    DpiScale scale_;
    Colour background_;
    Bitmap picture_;
    std::unique_ptr<View> root_;
    std::unique_ptr<Timer> repaintTimer_;
    std::unique_ptr<Hints> hints_;
    struct DropDown {
        View* owner = nullptr;
        View* list = nullptr;
        std::function<void()> close;
    } dropDown_;
    View* hovered_ = nullptr;
    View* focused_ = nullptr;
    View* captured_ = nullptr;
    MouseButton captureButton_ = MouseButton::Left;
    bool windowHasFocus_ = false;
    bool focusCuesShown_ = false;
    CursorKind backgroundCursor_ = CursorKind::Arrow;
    bool dirty_ = true;
    int batchDepth_ = 0;
    int repaints_ = 0;
};

}  // namespace norvi::ui::kit
