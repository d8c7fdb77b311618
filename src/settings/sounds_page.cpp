#include "app/program.h"
#include "settings/tfcolors.h"

namespace norvi {

namespace {

struct SoundSlot {
    ui::CheckBox Tfcolors::*enable;
    ui::Edit Tfcolors::*path;
    Lock lock;
    bool on;
};

// Slots 1 .. 4.
constexpr SoundSlot kSoundSlots[] = {
    {&Tfcolors::cb1, &Tfcolors::Edit1, Lock::Caps, true},
    {&Tfcolors::cb2, &Tfcolors::Edit2, Lock::Caps, false},
    {&Tfcolors::cb3, &Tfcolors::Edit3, Lock::Num, true},
    {&Tfcolors::cb4, &Tfcolors::Edit4, Lock::Num, false},
};

constexpr const char* kBuiltInWord = "Default";
constexpr Colour kWhite = 0x00FFFFFF;

const SoundSlot* slotAt(int slot) {
    return slot >= 1 && slot <= 4 ? &kSoundSlots[slot - 1] : nullptr;
}

bool namesExistingFile(Files& files, const std::string& path) {
    try {
        return files.fileExists(path);
    } catch (...) {
        return false;
    }
}

}  // namespace

void Tfcolors::wireSoundsPage() {
    for (const SoundSlot& slot : kSoundSlots) {
        ui::Edit& field = this->*slot.path;
        field.onChange = [this, &field] {
            const std::string& text = field.text();
            const bool fine = text.empty() || text == kBuiltInWord || namesExistingFile(p_.platform.files(), text);
            field.setBackground(fine ? kWhite : kMissingSoundFieldColour);
        };
    }
}

void Tfcolors::colourSoundFields() {
    for (const SoundSlot& slot : kSoundSlots) {
        ui::Edit& field = this->*slot.path;
        if (field.onChange) field.onChange();
    }
}

void Tfcolors::testSoundClick(int slot) {
    const SoundSlot* s = slotAt(slot);
    if (!s) return;
    const std::string& text = (this->*s->path).text();
    // Unlike the live cue, anything but the exact word goes to the platform as a file: a
    // missing one then sounds the system's alert, which tells the user the path is wrong.
    if (text == kBuiltInWord) {
        p_.sounds.playBuiltIn(s->lock, s->on);
    } else {
        p_.platform.sound().playFile(text);
    }
}

void Tfcolors::openSoundClick(int slot) {
    const SoundSlot* s = slotAt(slot);
    if (!s) return;
    if (const auto path = p_.platform.dialogs().openFile(kWaveFileFilter)) (this->*s->path).setText(*path);
}

void Tfcolors::findSoundClick(int slot) {
    const SoundSlot* s = slotAt(slot);
    if (!s || !findSoundFile) return;
    // The finder must be able to come in front; the layering timer restores topmost later.
    setTopmost(false);
    const std::optional<std::string> found = findSoundFile();
    if (found && !found->empty() && namesExistingFile(p_.platform.files(), *found)) (this->*s->path).setText(*found);
}

void Tfcolors::SpeedButton22Click() {
    for (const SoundSlot& slot : kSoundSlots) (this->*slot.path).setText("");
    for (const SoundSlot& slot : kSoundSlots) (this->*slot.path).setText(kBuiltInWord);
    for (const SoundSlot& slot : kSoundSlots) (this->*slot.enable).setChecked(true);
}

}  // namespace norvi
