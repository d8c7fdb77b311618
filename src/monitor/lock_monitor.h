// The 125 ms poll of Caps Lock and Num Lock: keeps the floating cells in step with the
// keys and gives each change its cues (tray picture, sound, watermark).
#pragma once

namespace norvi {

class Program;

class LockMonitor {
public:
    explicit LockMonitor(Program& program) : p_(program) {}

    // The poll, run by the main window's Timer1.
    void Timer1Timer();
    // First part of the main window's activation: shown and cued become the key states.
    void resetOnActivate();

private:
    void panelCheck();
    void soundCues();
    void trayCues();
    void textCues();
    void iconCues();
    void markCued();
    Program& p_;
};

}  // namespace norvi
