// The sound finder dialog: searches a folder tree for ".wav" files, lists them sorted,
// lets the user listen to them and returns the one chosen. Created once at start-up; the
// list, the folder choice and the chosen file stay as they were between openings.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "settings/finder/sound_search.h"
#include "settings/tfcolors.h"
#include "ui/widgets.h"

namespace norvi {

class Program;
class FinderWindow;

class TfFind {
public:
    explicit TfFind(Program& program);
    ~TfFind();
    // Creates the hidden window, fills the folder chooser and offers the finder to the
    // settings dialog's find buttons.
    void FormCreate();

    // Shows the dialog and waits (other windows keep working) until OK or Cancel; the
    // settings dialog, its owner, takes no input meanwhile. Asked again while it is open,
    // it only comes to the front and answers Cancel.
    DialogResult showModal();
    // Brings the open finder to the front, where the user must come back to it.
    void bringToFront();
    // What a find button gets: the chosen-file text on OK, nothing otherwise.
    std::optional<std::string> chooseFile();
    bool visible() const { return visible_; }

    void SpeedButton1Click();  // "Find Sounds"
    void FileSearch(const std::string& folder) { search_.FileSearch(folder); }
    void ListBox1Click();
    void ListBox1DblClick();
    void SpeedButton2Click();  // play
    void BitBtn1Click();       // "OK"
    void BitBtn2Click();       // "Cancel"

    ui::Edit st;  // the chosen file
    bool searchActive() const { return search_.searchActive(); }
    DialogResult modalResult() const { return modalResult_; }
    // The window, or nullptr when the system gave none.
    FinderWindow* window() { return window_.get(); }

    TfFind(const TfFind&) = delete;
    TfFind& operator=(const TfFind&) = delete;

private:
    void wire();
    void loadPlaces();
    Program& p_;
    SoundSearch search_;
    NativeWindow* owner_ = nullptr;  // the settings dialog's window
    std::unique_ptr<FinderWindow> window_;
    DialogResult modalResult_ = DialogResult::None;
    bool visible_ = false;
};

}  // namespace norvi
