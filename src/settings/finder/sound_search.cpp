#include "settings/finder/sound_search.h"

#include <cctype>

namespace norvi {

namespace {

std::string withBackslash(std::string folder) {
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace

bool isWaveFileName(std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos) return false;
    const std::string_view extension = name.substr(dot);
    constexpr std::string_view wav = ".wav";
    if (extension.size() != wav.size()) return false;
    for (std::size_t i = 0; i < wav.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(extension[i])) != wav[i]) return false;
    return true;
}

void SoundSearch::run(const std::string& folder) {
    if (running_) {
        restart_ = folder;
        searchActive_ = false;
        return;
    }
    running_ = true;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{running_};
    std::optional<std::string> next = folder;
    while (next) {
        const std::string current = std::move(*next);
        restart_.reset();
        searchActive_ = true;
        if (onStart) onStart();
        FileSearch(current);
        next = std::move(restart_);
    }
}

void SoundSearch::stop() {
    searchActive_ = false;
    restart_.reset();
}

void SoundSearch::letMessagesRun() {
    loop_.processMessages();
    if (loop_.quitRequested()) stop();
}

void SoundSearch::FileSearch(const std::string& folder) {
    // An empty path would list the current folder, which is not what the user chose.
    if (folder.empty()) return;
    const std::string base = withBackslash(folder);
    const bool listed = files_.listDirectory(folder, [&](const DirectoryEntry& entry) {
        letMessagesRun();
        // OK, Cancel or a quit just now: nothing more is walked into or reported.
        if (!searchActive_) return false;
        if (entry.isDirectory) {
            if (entry.name != "." && entry.name != ".." && !entry.isNameSurrogate) {
                FileSearch(base + entry.name);
                letMessagesRun();
            }
        } else if (isWaveFileName(entry.name)) {
            if (onFound) onFound(base + entry.name);
            letMessagesRun();
        }
        if (onStep) onStep();
        return searchActive_;
    });
    if (listed) letMessagesRun();
}

}  // namespace norvi
