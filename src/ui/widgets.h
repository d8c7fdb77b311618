// Portable models of the controls that hold Norvi's settings. Behaviour code reads and
// writes these; a platform peer (when there is one) only shows them. The semantics are
// the ones the settings depend on:
//  - CheckBox: setting the state from code runs its click action exactly when it changes;
//  - Slider: setting a position clamps it to the range and always runs the change action;
//  - MenuItem: setting the check mark from code runs none of its commands; choosing it
//    toggles a check item first, then runs the command.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "platform/types.h"

namespace norvi::ui {

// Something that shows a model and wants to hear when it changed.
using ChangeListener = std::function<void()>;

class CheckBox {
public:
    explicit CheckBox(std::string caption = {}, bool checked = false)
        : caption_(std::move(caption)), checked_(checked) {}

    bool checked() const { return checked_; }
    // Runs onClick only when the state actually changes.
    void setChecked(bool checked);
    // What a user's click does: toggle, then the click action.
    void click() { setChecked(!checked_); }
    const std::string& caption() const { return caption_; }

    std::function<void()> onClick;
    ChangeListener onChanged;

private:
    std::string caption_;
    bool checked_ = false;
};

class Slider {
public:
    Slider(int minimum, int maximum, int position)
        : min_(minimum), max_(maximum), position_(clampToRange(position)) {}

    int position() const { return position_; }
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    // Clamps to the range and always runs onChange, also for an unchanged position.
    void setPosition(int position);

    std::function<void()> onChange;
    ChangeListener onChanged;

private:
    int clampToRange(int v) const { return v < min_ ? min_ : (v > max_ ? max_ : v); }
    int min_;
    int max_;
    int position_;
};

class MenuItem {
public:
    enum class Kind { Command, Check, Separator };

    MenuItem(std::string caption, Kind kind, bool visible = true)
        : caption_(std::move(caption)), kind_(kind), visible_(visible) {}

    const std::string& caption() const { return caption_; }
    Kind kind() const { return kind_; }
    bool checked() const { return checked_; }
    // Sets the mark only; no command runs.
    void setChecked(bool checked) { checked_ = checked; }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    bool isDefault() const { return isDefault_; }
    void setDefault(bool isDefault) { isDefault_ = isDefault; }
    // What the user's choice does: a check item toggles first, then the command runs.
    void choose();

    std::function<void()> onClick;

private:
    std::string caption_;
    Kind kind_;
    bool visible_ = true;
    bool checked_ = false;
    bool isDefault_ = false;
};

// A one-line text field; onChange runs whenever the text changes.
class Edit {
public:
    explicit Edit(std::string text = {}, int maxLength = 0) : text_(std::move(text)), maxLength_(maxLength) {}

    const std::string& text() const { return text_; }
    void setText(std::string text);
    int maxLength() const { return maxLength_; }
    Colour background() const { return background_; }
    void setBackground(Colour c);

    std::function<void()> onChange;
    ChangeListener onChanged;

private:
    std::string text_;
    int maxLength_ = 0;  // 0: no limit; only typing is limited, code may set any text
    Colour background_ = 0x00FFFFFF;
};

enum class Alignment { Left, Center };

// A coloured panel with an optional caption: colour swatches and the floating cells.
class Panel {
public:
    Panel(std::string caption, Colour colour, Colour fontColour = 0)
        : caption_(std::move(caption)), colour_(colour), fontColour_(fontColour) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    Colour colour() const { return colour_; }
    void setColour(Colour colour);
    Colour fontColour() const { return fontColour_; }
    void setFontColour(Colour colour);
    int width() const { return width_; }
    // Runs onResize when the width actually changes.
    void setWidth(int width);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);

    std::function<void()> onResize;
    ChangeListener onChanged;

private:
    void changed() { if (onChanged) onChanged(); }
    std::string caption_;
    Colour colour_;
    Colour fontColour_;
    int width_ = 0;
    Alignment alignment_ = Alignment::Center;
};

}  // namespace norvi::ui
