#include "ui/kit/view.h"

#include "ui/kit/form.h"
#include "ui/kit/geometry.h"

namespace norvi::ui::kit {

View::~View() {
    if (Form* f = form()) f->forget(*this);
}

void View::setBounds(const Rect& bounds) {
    if (bounds == bounds_) return;
    const bool sizeChanged = bounds.width() != bounds_.width() || bounds.height() != bounds_.height();
    bounds_ = bounds;
    if (sizeChanged) resized();
    invalidate();
}

void View::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (!visible)
        if (Form* f = form()) f->hidden(*this);
    invalidate();
}

bool View::shown() const {
    for (const View* v = this; v; v = v->parent_)
        if (!v->visible_) return false;
    return true;
}

bool View::isWithin(const View& ancestor) const {
    for (const View* v = this; v; v = v->parent_)
        if (v == &ancestor) return true;
    return false;
}

void View::adopt(std::unique_ptr<View> child) {
    child->parent_ = this;
    children_.push_back(std::move(child));
    invalidate();
}

Form* View::form() const {
    const View* v = this;
    while (v->parent_) v = v->parent_;
    return v->form_;
}

bool View::hovered() const {
    const Form* f = form();
    return f && f->hovered() == this;
}

bool View::focused() const {
    const Form* f = form();
    return f && f->focused() == this;
}

bool View::showsFocusMark() const {
    const Form* f = form();
    return f && f->focused() == this && f->windowHasFocus() && f->focusCuesShown();
}

void View::reveal() {
    Rect r = sized(size());
    for (View* v = this; v->parent_; v = v->parent_) {
        View& parent = *v->parent_;
        r = offsetBy(r, v->bounds_.left, v->bounds_.top);  // now in the parent's content
        parent.revealArea(r);
        const Point origin = parent.contentOrigin();  // read after the parent scrolled
        r = offsetBy(r, origin.x, origin.y);
    }
}

void View::invalidate() {
    if (Form* f = form()) f->invalidate();
}

Size View::textSize(const FontSpec& font, std::string_view text) const {
    const Form* f = form();
    return f ? f->measure(font, text) : Size{};
}

void View::paintTree(Painter& painter) {
    paint(painter);
    const Rect area = childArea();
    const Point origin = contentOrigin();
    const Painter inner = painter.within(area).shifted(origin.x - area.left, origin.y - area.top);
    for (const auto& child : children_) {
        if (!child->visible_) continue;
        Painter p = inner.within(child->bounds_);
        if (!p.clippedAway()) child->paintTree(p);
    }
    paintOver(painter);
}

template <class Accept>
View* View::find(Point p, const Accept& accept) {
    if (!visible_ || !contains(sized(size()), p)) return nullptr;
    if (contains(childArea(), p)) {
        const Point origin = contentOrigin();
        const Point inner{p.x - origin.x, p.y - origin.y};
        // The last child paints on top, so it is hit first.
        for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
            View& c = **it;
            if (View* hit = c.find({inner.x - c.bounds_.left, inner.y - c.bounds_.top}, accept)) return hit;
        }
    }
    return accept(*this, p) ? this : nullptr;
}

View* View::mouseTargetAt(Point p) {
    return find(p, [](const View& v, Point at) { return v.takesMouseAt(at); });
}

View* View::deepestAt(Point p) {
    return find(p, [](const View&, Point) { return true; });
}

Point View::fromForm(Point p) const {
    if (!parent_) return {p.x - bounds_.left, p.y - bounds_.top};
    const Point inParent = parent_->fromForm(p);
    const Point origin = parent_->contentOrigin();
    return {inParent.x - origin.x - bounds_.left, inParent.y - origin.y - bounds_.top};
}

}  // namespace norvi::ui::kit
