// A rectangle of a Form that paints itself and may take mouse and keyboard input. Views
// form a tree: each owns its children and places them in its own coordinates. A view's
// bounds are in its parent's content coordinates (a scrolled parent shifts its children).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "ui/kit/painter.h"

namespace norvi::ui::kit {

class Form;

class View {
public:
    View() = default;
    View(const View&) = delete;
    View& operator=(const View&) = delete;
    virtual ~View();

    const Rect& bounds() const { return bounds_; }
    void setBounds(const Rect& bounds);
    Size size() const { return {bounds_.width(), bounds_.height()}; }
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    // Visible itself and every ancestor visible.
    bool shown() const;

    // Adds a child, which this view owns from then on; returns it for the caller to keep.
    template <class T, class... Args>
    T& add(Args&&... args) {
        auto child = std::make_unique<T>(std::forward<Args>(args)...);
        T& result = *child;
        adopt(std::move(child));
        return result;
    }
    const std::vector<std::unique_ptr<View>>& children() const { return children_; }
    View* parent() const { return parent_; }
    bool isWithin(const View& ancestor) const;

    // The form this view belongs to, or nullptr while it is not in one.
    Form* form() const;
    bool hovered() const;
    bool focused() const;
    // Asks the form for a repaint; many requests during one event give one repaint.
    void invalidate();

    // A short text the form shows in a tooltip while the pointer rests on this view.
    const std::string& hint() const { return hint_; }
    void setHint(std::string hint) { hint_ = std::move(hint); }
    // False keeps a focusable view out of the Tab order (a field that only parks the focus).
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool tabStop) { tabStop_ = tabStop; }
    // Focused, in the active window, after the keyboard was used there: Windows shows a
    // control's focus mark only then.
    bool showsFocusMark() const;
    // Scrolls the views around this one so that all of it is in sight.
    void reveal();

    // Paints this view and then its visible children, each clipped to its bounds.
    void paintTree(Painter& painter);
    // The deepest shown view at p (in this view's coordinates) that takes the mouse there.
    View* mouseTargetAt(Point p);
    // The deepest shown view at p, mouse-taking or not: where a wheel turn starts.
    View* deepestAt(Point p);
    // Converts a point of the form's client area to this view's coordinates.
    Point fromForm(Point p) const;

    // ---- what a kind of view overrides; points are in the view's own coordinates ----
    virtual void paint(Painter&) {}
    // Whether a press at p belongs to this view; false makes it bare background there.
    virtual bool takesMouseAt(Point) const { return false; }
    virtual bool focusable() const { return false; }
    virtual void mouseDown(MouseButton, Point) {}
    virtual void mouseUp(MouseButton, Point) {}
    // While the view is under the pointer or holds the capture.
    virtual void mouseMove(Point) {}
    // The second press of a double click; by default a press like the first.
    virtual void doubleClick(Point p) { mouseDown(MouseButton::Left, p); }
    // Each returns true when it used the input; otherwise it goes to the parent.
    virtual bool wheel(int, Point) { return false; }
    virtual bool keyDown(int, KeyModifiers) { return false; }
    virtual bool keyUp(int) { return false; }
    virtual bool character(char32_t) { return false; }
    // The press ended without a release: the capture went elsewhere.
    virtual void captureLost() {}
    virtual void hoverChanged() { invalidate(); }
    virtual void focusChanged() { invalidate(); }

protected:
    // Where the children's (0, 0) lies in this view's coordinates; a scrolled view moves it.
    virtual Point contentOrigin() const { return {0, 0}; }
    // The part of this view its children may paint in and be hit in.
    virtual Rect childArea() const { return {0, 0, bounds_.width(), bounds_.height()}; }
    // Paints over the children (a scroll bar).
    virtual void paintOver(Painter&) {}
    // Scrolls, if this view scrolls, so that r (in its content coordinates) is in sight.
    virtual void revealArea(const Rect&) {}
    virtual void resized() {}
    // The units a text's extent covers in this view's form; nothing outside a form.
    Size textSize(const FontSpec& font, std::string_view text) const;

private:
    friend class Form;
    void adopt(std::unique_ptr<View> child);
    template <class Accept>
    View* find(Point p, const Accept& accept);

    Rect bounds_;
    bool visible_ = true;
    bool tabStop_ = true;
    std::string hint_;
    View* parent_ = nullptr;
    Form* form_ = nullptr;  // set on the root view only
    std::vector<std::unique_ptr<View>> children_;
};

}  // namespace norvi::ui::kit
