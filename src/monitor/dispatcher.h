// Every request to show something on the desktop watermark goes through here.
#pragma once

#include <string>

namespace norvi {

class Program;

// Indicator codes: what the watermark draws.
namespace code {
constexpr int kGreyPreview = 8;
constexpr int kHollow = 10;
constexpr int kCapsOn = 11;
constexpr int kCapsOff = 12;
constexpr int kNumOn = 13;
constexpr int kNumOff = 14;
constexpr int kLanguage = 15;
constexpr int kRedrawLastColour = 20;
constexpr int kRedrawLastCode = 30;
constexpr int kIconCapsOn = 50;
constexpr int kIconCapsOff = 51;
constexpr int kIconNumOn = 52;
constexpr int kIconNumOff = 53;
}  // namespace code

enum class Lock { Caps, Num };

// What the program reports for one lock in one state.
struct LockCue {
    int textCode;  // 10 when the state's "Transparent" box is checked
    std::string text;
    int iconCode;
};

class Dispatcher {
public:
    explicit Dispatcher(Program& program) : p_(program) {}

    void zagonNapisa(int code, const std::string& text);
    void StartNiZagon();
    // The code, text and icon code for a lock in a state, from the current settings.
    LockCue cueFor(Lock lock, bool on) const;

private:
    Program& p_;
};

}  // namespace norvi
