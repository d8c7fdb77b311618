#include "settings/tffind.h"

#include "app/program.h"
#include "settings/finder/finder_window.h"
#include "settings/window/settings_window.h"
#include "ui/kit/virtual_keys.h"

namespace norvi {

namespace {

// As with the system's choosers, the owner of a modal dialog takes no input while the
// dialog runs; it is enabled again before the dialog hides, so that the system hands the
// activation back to it rather than to another program's window.
class DisabledOwner {
public:
    explicit DisabledOwner(NativeWindow* owner) : owner_(owner) {
        if (owner_) owner_->setEnabled(false);
    }
    ~DisabledOwner() {
        if (owner_) owner_->setEnabled(true);
    }
    DisabledOwner(const DisabledOwner&) = delete;
    DisabledOwner& operator=(const DisabledOwner&) = delete;

private:
    NativeWindow* owner_;
};

}  // namespace

TfFind::TfFind(Program& program)
    : p_(program), search_(program.platform.files(), program.platform.loop()) {}

TfFind::~TfFind() = default;

void TfFind::FormCreate() {
    if (p_.fcolors && p_.fcolors->nativeWindow) owner_ = &p_.fcolors->nativeWindow->window();
    window_ = FinderWindow::create(p_.platform, st, owner_ ? owner_->handle() : kNoWindow);
    search_.onStart = [this] {
        st.setText("");
        if (window_) window_->ListBox1->clear();
    };
    search_.onFound = [this](const std::string& path) {
        if (window_) window_->ListBox1->add(path);
    };
    // The busy cursor over the dialog's background, the arrow over the play button (and
    // every other control) while the walk goes on.
    search_.onStep = [this] {
        if (window_) window_->form().setBackgroundCursor(CursorKind::Busy);
    };
    if (window_) wire();
    if (p_.fcolors) p_.fcolors->findSoundFile = [this] { return chooseFile(); };
}

void TfFind::wire() {
    FinderWindow& w = *window_;
    w.findButton->onClick = [this] { SpeedButton1Click(); };
    w.playButton->onClick = [this] { SpeedButton2Click(); };
    w.ListBox1->onSelect = [this](int) { ListBox1Click(); };
    w.ListBox1->onDoubleClick = [this](int) { ListBox1DblClick(); };
    w.okButton->onClick = [this] { BitBtn1Click(); };
    w.cancelButton->onClick = [this] { BitBtn2Click(); };
    w.form().onBackgroundPress = [this](MouseButton button, Point) {
        if (button == MouseButton::Left) window_->native().startSystemMove();
    };
    w.form().onUnusedKey = [this](int key, KeyModifiers) {
        if (key == ui::kit::kVkReturn) BitBtn1Click();
        if (key == ui::kit::kVkEscape) BitBtn2Click();
    };
    w.native().onClose = [this] { BitBtn2Click(); };
}

DialogResult TfFind::showModal() {
    if (!window_) return DialogResult::Cancel;
    if (visible_) {
        bringToFront();
        return DialogResult::Cancel;
    }
    modalResult_ = DialogResult::None;
    loadPlaces();
    window_->centre(p_.platform.screen().primarySize());
    visible_ = true;
    {
        const DisabledOwner disabled(owner_);
        window_->native().show();
        p_.platform.dialogs().runModal([this] { return modalResult_ != DialogResult::None; });
        // A quit request ends the wait without an answer: that is no choice.
        if (modalResult_ == DialogResult::None) BitBtn2Click();
    }
    window_->native().hide();
    visible_ = false;
    return modalResult_;
}

void TfFind::bringToFront() {
    if (!window_ || !visible_) return;
    window_->native().bringToFront();
    p_.platform.desktop().setForegroundWindow(window_->native().handle());
}

void TfFind::loadPlaces() {
    // At the first opening, not at start-up: the shell's namespace and icons cost a
    // background program memory and start-up time that most runs never need. Later
    // openings keep the places and the choice (an empty answer is asked for again).
    if (!window_->Scb->places().empty()) return;
    std::vector<FolderPlace> places;
    try {
        places = p_.platform.files().folderPlaces();
    } catch (...) {
    }
    window_->Scb->setPlaces(std::move(places));
    window_->Scb->setSelected(0);  // the desktop, the root of the choice
}

std::optional<std::string> TfFind::chooseFile() {
    if (showModal() != DialogResult::OK) return std::nullopt;
    return st.text();
}

void TfFind::SpeedButton1Click() {
    if (!window_) return;
    search_.run(window_->Scb->selectedPath());
    // A second press during a search returns at once while the first one still walks.
    if (!search_.running()) window_->form().setBackgroundCursor(CursorKind::Arrow);
}

void TfFind::ListBox1Click() {
    if (!window_) return;
    const int i = window_->ListBox1->selected();
    if (i >= 0) st.setText(window_->ListBox1->items()[static_cast<std::size_t>(i)]);
}

void TfFind::ListBox1DblClick() {
    if (!window_) return;
    const int i = window_->ListBox1->selected();
    if (i >= 0) p_.platform.sound().playFile(window_->ListBox1->items()[static_cast<std::size_t>(i)]);
}

void TfFind::SpeedButton2Click() {
    if (!st.text().empty()) p_.platform.sound().playFile(st.text());
}

void TfFind::BitBtn1Click() {
    modalResult_ = DialogResult::OK;
    search_.stop();
}

void TfFind::BitBtn2Click() {
    search_.stop();
    modalResult_ = DialogResult::Cancel;
}

}  // namespace norvi
