// The sound cue of each lock transition: the user's file when it exists, else built in.
#pragma once

#include <string>

#include "monitor/dispatcher.h"

namespace norvi {

class Program;

// The path field's text that selects the built-in sound: its initial and reset value.
constexpr const char* kDefaultSoundPath = "Default";

class SoundCues {
public:
    explicit SoundCues(Program& program) : p_(program) {}

    // Plays the cue of one transition when its enable box is checked.
    void playLockSound(Lock lock, bool on);

    // The built-in players: the WAVE resource of the transition, from memory; silent when
    // the resource is missing.
    void ScapsOn() { playBuiltIn(Lock::Caps, true); }
    void ScapsOff() { playBuiltIn(Lock::Caps, false); }
    void SnumOn() { playBuiltIn(Lock::Num, true); }
    void SnumOff() { playBuiltIn(Lock::Num, false); }
    void playBuiltIn(Lock lock, bool on);

private:
    void playBuiltIn(const std::string& resourceName);
    Program& p_;
};

}  // namespace norvi
