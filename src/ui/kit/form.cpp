#include "ui/kit/form.h"

#include <vector>

#include "ui/kit/geometry.h"
#include "ui/kit/virtual_keys.h"

namespace norvi::ui::kit {

namespace {

void collectFocusable(View& view, std::vector<View*>& out) {
    if (!view.visible()) return;
    if (view.focusable()) out.push_back(&view);
    for (const auto& child : view.children()) collectFocusable(*child, out);
}

}  // namespace

Form::Form(NativeWindow& window, Graphics& graphics, EventLoop& loop, Size clientSize, Colour background)
    : window_(window),
      graphics_(graphics),
      background_(background),
      picture_(clientSize.width, clientSize.height, 32, background),
      root_(std::make_unique<View>()),
      repaintTimer_(loop.createTimer(1)) {
    root_->form_ = this;
    root_->bounds_ = sized(clientSize);
    // A change outside an input event (a timer, behaviour code) repaints on the next
    // turn of the message loop, so a burst of changes costs one repaint.
    repaintTimer_->onTick = [this] { repaint(); };
    bindWindow();
}

Form::~Form() {
    NativeWindow& w = window_;
    w.onMouseDown = nullptr;
    w.onMouseUp = nullptr;
    w.onMouseMove = nullptr;
    w.onDoubleClick = nullptr;
    w.onMouseWheel = nullptr;
    w.onKeyDown = nullptr;
    w.onChar = nullptr;
    w.onMouseLeave = nullptr;
    w.onFocusGained = nullptr;
    w.onFocusLost = nullptr;
    w.onCaptureLost = nullptr;
    // The views go now; none of them may call back into a half-destroyed form.
    root_->form_ = nullptr;
    hovered_ = focused_ = captured_ = nullptr;
    root_.reset();
}

void Form::bindWindow() {
    NativeWindow& w = window_;
    w.onMouseDown = [this](MouseButton b, Point p) { press(b, p, false); };
    w.onMouseUp = [this](MouseButton b, Point p) { release(b, p); };
    w.onMouseMove = [this](Point p) { move(p); };
    w.onDoubleClick = [this](Point p) { press(MouseButton::Left, p, true); };
    w.onMouseWheel = [this](int delta, Point p) { turnWheel(delta, p); };
    w.onKeyDown = [this](int vk, KeyModifiers m) { pressKey(vk, m); };
    w.onChar = [this](char32_t c) { typeCharacter(c); };
    w.onMouseLeave = [this] {
        Batch batch(*this);
        setHovered(nullptr);
    };
    w.onFocusGained = [this] {
        Batch batch(*this);
        windowHasFocus_ = true;
        if (focused_) focused_->focusChanged();
    };
    w.onFocusLost = [this] {
        Batch batch(*this);
        windowHasFocus_ = false;
        if (focused_) focused_->focusChanged();
    };
    w.onCaptureLost = [this] {
        Batch batch(*this);
        loseCapture();
    };
}

Form::Batch::Batch(Form& form) : form_(form) { ++form_.batchDepth_; }

Form::Batch::~Batch() {
    if (--form_.batchDepth_ == 0 && form_.dirty_) form_.repaint();
}

void Form::invalidate() {
    dirty_ = true;
    if (batchDepth_ == 0) repaintTimer_->setEnabled(true);
}

void Form::repaint() {
    repaintTimer_->setEnabled(false);
    dirty_ = false;
    ++repaints_;
    Painter painter(picture_, graphics_);
    painter.fill(sized({picture_.width(), picture_.height()}), background_);
    root_->paintTree(painter);
    window_.setPicture(picture_, background_);
}

void Form::setFocus(View* view) {
    if (view == focused_) return;
    View* old = focused_;
    focused_ = view;
    if (old) old->focusChanged();
    if (focused_) focused_->focusChanged();
}

void Form::cycleFocus(bool backwards) {
    std::vector<View*> order;
    collectFocusable(*root_, order);
    if (order.empty()) return;
    const auto n = static_cast<int>(order.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (order[static_cast<std::size_t>(i)] == focused_) at = i;
    const int next = at < 0 ? (backwards ? n - 1 : 0) : (at + (backwards ? n - 1 : 1)) % n;
    setFocus(order[static_cast<std::size_t>(next)]);
}

void Form::forget(const View& view) {
    if (hovered_ && hovered_->isWithin(view)) hovered_ = nullptr;
    if (focused_ && focused_->isWithin(view)) focused_ = nullptr;
    if (captured_ && captured_->isWithin(view)) {
        captured_ = nullptr;
        window_.setCapture(false);
    }
}

void Form::setHovered(View* view) {
    if (view == hovered_) return;
    View* old = hovered_;
    hovered_ = view;
    if (old) old->hoverChanged();
    if (hovered_) hovered_->hoverChanged();
}

void Form::press(MouseButton button, Point p, bool doubleClick) {
    Batch batch(*this);
    // A second button while one is held goes to the view that has the first.
    View* target = captured_ ? captured_ : root_->mouseTargetAt(p);
    if (!target) {
        setFocus(nullptr);
        if (onBackgroundPress) onBackgroundPress(button, p);
        return;
    }
    if (!captured_) {
        captured_ = target;
        captureButton_ = button;
        window_.setCapture(true);
    }
    setHovered(target);
    if (target->focusable()) setFocus(target);
    if (doubleClick)
        target->doubleClick(target->fromForm(p));
    else
        target->mouseDown(button, target->fromForm(p));
}

void Form::release(MouseButton button, Point p) {
    Batch batch(*this);
    View* target = captured_;
    if (!target) return;  // a release without our press (the press started a system move)
    if (button == captureButton_) {
        captured_ = nullptr;  // first, so that the capture-lost report finds nothing to cancel
        window_.setCapture(false);
    }
    target->mouseUp(button, target->fromForm(p));
    if (!captured_) move(p);
}

void Form::move(Point p) {
    Batch batch(*this);
    View* under = root_->mouseTargetAt(p);
    if (captured_) {
        // Only the view holding the capture lights up, and only while the pointer is on it.
        setHovered(under == captured_ ? captured_ : nullptr);
        captured_->mouseMove(captured_->fromForm(p));
        return;
    }
    setHovered(under);
    if (under) under->mouseMove(under->fromForm(p));
}

void Form::turnWheel(int delta, Point p) {
    Batch batch(*this);
    for (View* v = root_->deepestAt(p); v; v = v->parent())
        if (v->wheel(delta, v->fromForm(p))) return;
    if (onUnusedWheel) onUnusedWheel(delta, p);
}

void Form::pressKey(int virtualKey, KeyModifiers modifiers) {
    Batch batch(*this);
    if (focused_ && focused_->keyDown(virtualKey, modifiers)) return;
    if (virtualKey == kVkTab && !modifiers.control && !modifiers.alt) {
        cycleFocus(modifiers.shift);
        return;
    }
    if (onUnusedKey) onUnusedKey(virtualKey, modifiers);
}

void Form::typeCharacter(char32_t c) {
    Batch batch(*this);
    if (focused_) focused_->character(c);
}

void Form::loseCapture() {
    View* target = captured_;
    if (!target) return;
    captured_ = nullptr;
    target->captureLost();
}

}  // namespace norvi::ui::kit
