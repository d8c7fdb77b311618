#include "ui/kit/form.h"

#include <vector>

#include "ui/kit/geometry.h"
#include "ui/kit/hints.h"
#include "ui/kit/virtual_keys.h"

namespace norvi::ui::kit {

namespace {

void collectFocusable(View& view, std::vector<View*>& out) {
    if (!view.visible()) return;
    if (view.focusable() && view.tabStop()) out.push_back(&view);
    for (const auto& child : view.children()) collectFocusable(*child, out);
}

// The keys with which Windows starts showing focus marks: the dialog navigation keys.
bool navigates(int virtualKey) {
    return virtualKey == kVkTab || (virtualKey >= kVkLeft && virtualKey <= kVkDown);
}

}  // namespace

Form::Form(NativeWindow& window, Graphics& graphics, EventLoop& loop, Size clientSize, Colour background)
    : window_(window),
      graphics_(graphics),
      scale_(DpiScale::of(window.dpi())),
      background_(background),
      picture_(scale_.px(clientSize.width), scale_.px(clientSize.height), 32, background),
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
    w.onKeyUp = nullptr;
    w.onChar = nullptr;
    w.onMouseLeave = nullptr;
    w.onFocusGained = nullptr;
    w.onFocusLost = nullptr;
    w.onCaptureLost = nullptr;
    w.onCursorAt = nullptr;
    w.onDpiChanged = nullptr;
    // The views go now; none of them may call back into a half-destroyed form.
    root_->form_ = nullptr;
    hovered_ = focused_ = captured_ = nullptr;
    dropDown_ = {};
    hints_.reset();
    root_.reset();
}

void Form::bindWindow() {
    NativeWindow& w = window_;
    // The window reports pixels; the views work in units.
    w.onMouseDown = [this](MouseButton b, Point p) { press(b, scale_.units(p), false); };
    w.onMouseUp = [this](MouseButton b, Point p) { release(b, scale_.units(p)); };
    w.onMouseMove = [this](Point p) { move(scale_.units(p)); };
    w.onDoubleClick = [this](Point p) { press(MouseButton::Left, scale_.units(p), true); };
    w.onMouseWheel = [this](int delta, Point p) { turnWheel(delta, scale_.units(p)); };
    w.onKeyDown = [this](int vk, KeyModifiers m) { pressKey(vk, m); };
    w.onKeyUp = [this](int vk) { releaseKey(vk); };
    w.onChar = [this](char32_t c) { typeCharacter(c); };
    w.onMouseLeave = [this] {
        Batch batch(*this);
        setHovered(nullptr);
        if (hints_) hints_->pointerLeft();
    };
    w.onFocusGained = [this] {
        Batch batch(*this);
        windowHasFocus_ = true;
        if (focused_) focused_->focusChanged();
    };
    w.onFocusLost = [this] {
        Batch batch(*this);
        windowHasFocus_ = false;
        closeDropDown();
        if (hints_) hints_->dismiss();
        if (focused_) focused_->focusChanged();
    };
    w.onCaptureLost = [this] {
        Batch batch(*this);
        loseCapture();
    };
    w.onCursorAt = [this](Point p) { return cursorAt(scale_.units(p)); };
    w.onDpiChanged = [this](int dpi, const Rect& suggested) {
        Batch batch(*this);
        setDpi(dpi);
        window_.setBounds(suggested);
    };
}

void Form::setDpi(int dpi) {
    const DpiScale now = DpiScale::of(dpi);
    if (now == scale_) return;
    scale_ = now;
    // A tooltip drawn at the old scale would be out of place now.
    if (hints_) hints_->dismiss();
    picture_ = Bitmap(pixelSize().width, pixelSize().height, 32, background_);
    invalidate();
}

Size Form::measure(const FontSpec& font, std::string_view text) const {
    return scale_.unitsCovering(graphics_.textExtent(scale_.font(font), text));
}

void Form::setBackgroundCursor(CursorKind kind) {
    if (kind == backgroundCursor_) return;
    backgroundCursor_ = kind;
    window_.refreshCursor();
}

CursorKind Form::cursorAt(Point p) {
    return root_->mouseTargetAt(p) ? CursorKind::Arrow : backgroundCursor_;
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
    Painter painter(picture_, graphics_, scale_);
    painter.fill(sized(clientSize()), background_);
    root_->paintTree(painter);
    window_.setPicture(picture_, background_);
}

void Form::setFocus(View* view) {
    if (view == focused_) return;
    if (dropDown_.owner && (!view || !inDropDown(*view))) closeDropDown();
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
    View* target = order[static_cast<std::size_t>(next)];
    setFocus(target);
    target->reveal();
}

void Form::hideFocusCues() {
    if (!focusCuesShown_) return;
    focusCuesShown_ = false;
    invalidate();
}

void Form::enableHints(Platform& platform, const TooltipStyle& style) {
    if (!hints_) hints_ = std::make_unique<Hints>(platform, style);
}

void Form::openDropDown(View& owner, View& list, std::function<void()> close) {
    if (dropDown_.owner && dropDown_.owner != &owner) closeDropDown();
    dropDown_ = {&owner, &list, std::move(close)};
}

void Form::closeDropDown() {
    // Cleared first: closing hides the list, which comes back here.
    std::function<void()> close = std::move(dropDown_.close);
    dropDown_ = {};
    if (close) close();
}

bool Form::inDropDown(const View& view) const {
    return dropDown_.owner && (view.isWithin(*dropDown_.owner) || view.isWithin(*dropDown_.list));
}

void Form::scrolled(const View& view) {
    if (dropDown_.owner && dropDown_.owner->isWithin(view)) closeDropDown();
}

bool Form::holdsDropDown(const View& view) const {
    return dropDown_.owner && (dropDown_.owner->isWithin(view) || dropDown_.list->isWithin(view));
}

void Form::hidden(const View& view) {
    if (holdsDropDown(view)) closeDropDown();
    forget(view);
}

void Form::forget(const View& view) {
    // A view being destroyed gets no close call: its owner may be half gone.
    if (holdsDropDown(view)) dropDown_ = {};
    if (hints_) hints_->forget(view);
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
    if (hints_) hints_->dismiss();
    // A second button while one is held goes to the view that has the first.
    View* target = captured_ ? captured_ : root_->mouseTargetAt(p);
    if (dropDown_.owner && !captured_ && (!target || !inDropDown(*target))) {
        // As a Windows drop-down list does: the press only closes it.
        closeDropDown();
        return;
    }
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
    const bool inList = dropDown_.list && target->isWithin(*dropDown_.list);
    if (target->focusable() && !inList) setFocus(target);
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
    if (hints_) {
        // As the system's tooltips, only for the active window.
        if (windowHasFocus_)
            hints_->pointerMoved(under);
        else
            hints_->pointerLeft();
    }
    if (under) under->mouseMove(under->fromForm(p));
}

void Form::turnWheel(int delta, Point p) {
    Batch batch(*this);
    if (hints_) hints_->dismiss();
    for (View* v = root_->deepestAt(p); v; v = v->parent())
        if (v->wheel(delta, v->fromForm(p))) return;
    if (onUnusedWheel) onUnusedWheel(delta, p);
}

void Form::pressKey(int virtualKey, KeyModifiers modifiers) {
    Batch batch(*this);
    if (navigates(virtualKey) && !focusCuesShown_) {
        focusCuesShown_ = true;
        invalidate();
    }
    if (dropDown_.owner && (virtualKey == kVkEscape || virtualKey == kVkReturn)) {
        closeDropDown();
        return;
    }
    if (focused_ && focused_->keyDown(virtualKey, modifiers)) return;
    if (virtualKey == kVkTab && !modifiers.control && !modifiers.alt) {
        cycleFocus(modifiers.shift);
        return;
    }
    if (onUnusedKey) onUnusedKey(virtualKey, modifiers);
}

void Form::releaseKey(int virtualKey) {
    Batch batch(*this);
    if (focused_) focused_->keyUp(virtualKey);
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
