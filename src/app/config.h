// The configuration file "norvi.cfg": loading it into the controls at start-up and writing
// it back from them, in full, whenever a save is due.
#pragma once

#include <string>

namespace norvi {

class Program;

constexpr const char* kConfigFileName = "norvi.cfg";

class Config {
public:
    explicit Config(Program& program) : p_(program) {}

    // The floating window's and the menu's part, from the floating window's creation.
    void LoadSettings();
    // Every other key, into the settings dialog's controls, from the dialog's creation.
    void loadDialogSettings();
    // Brings the Run value in line, then writes every key in the fixed order. Stops at the
    // first write that fails; what was written stays written.
    void SaveSettings();

    std::string path() const;
    // True once the settings dialog has read its part of the file (whatever it found).
    bool dialogSettingsLoaded() const { return dialogSettingsLoaded_; }

private:
    bool dialogSettingsLoaded_ = false;
    int readInt(const char* section, const char* key, int fallback);
    std::string readText(const char* section, const char* key, const char* fallback);
    Program& p_;
};

}  // namespace norvi
