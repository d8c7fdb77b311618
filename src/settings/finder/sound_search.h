// The sound finder's walk of a folder tree for ".wav" files. It runs on the GUI thread and
// lets pending messages run after every entry, so the dialog stays usable while it walks;
// stop() (OK, Cancel) ends every level of the walk at its next entry, and so does a quit
// request of the application seen while messages run.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace norvi {

// Whether a file name's extension, taken from its last dot, is ".wav" in any case.
bool isWaveFileName(std::string_view name);

class SoundSearch {
public:
    SoundSearch(Files& files, EventLoop& loop) : files_(files), loop_(loop) {}

    // A whole search: onStart (the dialog empties its list), then the walk of folder and
    // all its subfolders. An empty folder searches nothing. Asked again while a search
    // runs (by a handler running inside it), the running walk ends first and the new one
    // then starts afresh, so two walks never fill one list at once.
    void run(const std::string& folder);
    // The walk of one folder: entries of every attribute in the file system's order, each
    // ".wav" file reported through onFound. Links, junctions and mount points are not
    // followed, so a link back into the tree cannot make the walk endless; other reparse
    // folders (cloud-file placeholders) hold their own files and are searched. A folder
    // that cannot be listed is skipped.
    void FileSearch(const std::string& folder);
    // Clears searchActive: every level of a running walk stops at its next entry. A
    // restart asked for meanwhile is dropped too.
    void stop();

    bool searchActive() const { return searchActive_; }
    bool running() const { return running_; }

    std::function<void()> onStart;
    std::function<void(const std::string& path)> onFound;
    // After each entry of the walk (the dialog shows its busy cursor).
    std::function<void()> onStep;

    SoundSearch(const SoundSearch&) = delete;
    SoundSearch& operator=(const SoundSearch&) = delete;

private:
    // Lets pending messages run; a quit request seen meanwhile stops the walk (the request
    // itself stays pending for the application's loop).
    void letMessagesRun();

    Files& files_;
    EventLoop& loop_;
    bool searchActive_ = true;
    bool running_ = false;
    std::optional<std::string> restart_;
};

}  // namespace norvi
