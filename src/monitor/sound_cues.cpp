#include "monitor/sound_cues.h"

#include "app/program.h"
#include "resources/built_in_resources.h"

namespace norvi {

namespace {
struct Slot {
    ui::CheckBox Tfcolors::*enable;
    ui::Edit Tfcolors::*path;
    const char* resource;
};
// Indexed [lock][on].
constexpr Slot kSlots[2][2] = {
    {{&Tfcolors::cb2, &Tfcolors::Edit2, resource::kCapsOffSound}, {&Tfcolors::cb1, &Tfcolors::Edit1, resource::kCapsOnSound}},
    {{&Tfcolors::cb4, &Tfcolors::Edit4, resource::kNumOffSound}, {&Tfcolors::cb3, &Tfcolors::Edit3, resource::kNumOnSound}},
};
const Slot& slotFor(Lock lock, bool on) { return kSlots[lock == Lock::Num ? 1 : 0][on ? 1 : 0]; }
}  // namespace

void SoundCues::playLockSound(Lock lock, bool on) {
    const Slot& slot = slotFor(lock, on);
    Tfcolors& d = *p_.fcolors;
    if (!(d.*slot.enable).checked()) return;
    const std::string& path = (d.*slot.path).text();
    // "Default" names the built-in sound, even if a file of that name happens to exist in
    // the current folder.
    if (!path.empty() && path != kDefaultSoundPath && p_.platform.files().fileExists(path)) {
        p_.platform.sound().playFile(path);
    } else {
        playBuiltIn(slot.resource);
    }
}

void SoundCues::playBuiltIn(Lock lock, bool on) { playBuiltIn(slotFor(lock, on).resource); }

void SoundCues::playBuiltIn(const std::string& resourceName) {
    const auto bytes = p_.platform.resources().find(resourceName, kWaveResourceType);
    if (!bytes.empty()) p_.platform.sound().playMemory(bytes);
}

}  // namespace norvi
