// The sound cue of each lock transition: the user's file when it exists, else built in.
#pragma once

#include <string>

#include "monitor/dispatcher.h"

namespace norvi {

class Program;

class SoundCues {
public:
    explicit SoundCues(Program& program) : p_(program) {}

    // Plays the cue of one transition when its enable box is checked.
    void playLockSound(Lock lock, bool on);

    // The built-in players.
    void ScapsOn() { playBuiltIn("CapsOn"); }
    void ScapsOff() { playBuiltIn("CapsOff"); }
    void SnumOn() { playBuiltIn("NumOn"); }
    void SnumOff() { playBuiltIn("NumOff"); }
    void playBuiltIn(Lock lock, bool on);

private:
    void playBuiltIn(const std::string& resourceName);
    Program& p_;
};

}  // namespace norvi
