// The sound finder's walk: which names count as sounds, what is walked into and what is
// not, and how a walk stops or restarts while it runs.
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "settings/finder/sound_search.h"

namespace norvi::test {
namespace {

TEST(FinderSearch, WaveNamesAreMatchedOnTheLastDotWithoutRegardToCase) {
    const struct {
        const char* name;
        bool sound;
    } cases[] = {
        {"ding.wav", true},       {"DING.WAV", true},      {"Ding.WaV", true},
        {".wav", true},           {"a.b.wav", true},       {"ding.wave", false},
        {"x.wav.txt", false},     {"wav", false},          {"dingwav", false},
        {"ding.wa", false},       {"ding.", false},        {"", false},
        {"ding.wav ", false},     {"\xC5\xA1um.wav", true},
    };
    for (const auto& c : cases) EXPECT_EQ(isWaveFileName(c.name), c.sound) << '"' << c.name << '"';
}

DirectoryEntry dir(const char* name) { return {name, true, false, false}; }
DirectoryEntry file(const char* name) { return {name, false, false, false}; }
DirectoryEntry link(const char* name) { return {name, true, true, true}; }
// A reparse folder that is no name for another place, such as a cloud-file placeholder.
DirectoryEntry placeholder(const char* name) { return {name, true, true, false}; }

// A folder tree with the listing order, links and unreadable folders written out, and a
// record of what the walk asked for.
class TreeFiles : public Files {
public:
    std::map<std::string, std::vector<DirectoryEntry>, fake::NoCaseLess> folders;
    std::set<std::string, fake::NoCaseLess> unreadable;
    // Where each link leads: listing the link lists its target.
    std::map<std::string, std::string, fake::NoCaseLess> linkTargets;
    std::vector<std::string> listed;  // every folder a listing was asked for, in order
    int entriesGiven = 0;
    std::function<void(const std::string& folder, const DirectoryEntry&)> onEntryGiven;

    bool listDirectory(const std::string& folder, const std::function<bool(const DirectoryEntry&)>& onEntry) override {
        listed.push_back(folder);
        std::string real = folder;
        if (const auto it = linkTargets.find(folder); it != linkTargets.end()) real = it->second;
        const auto it = folders.find(real);
        if (it == folders.end() || unreadable.count(real)) return false;
        std::vector<DirectoryEntry> entries{dir("."), dir("..")};
        entries.insert(entries.end(), it->second.begin(), it->second.end());
        for (const DirectoryEntry& e : entries) {
            ++entriesGiven;
            if (onEntryGiven) onEntryGiven(folder, e);
            if (!onEntry(e)) break;
        }
        return true;
    }

    std::string localAppDataFolder() override { return {}; }
    bool directoryExists(const std::string& path) override { return folders.count(path) > 0; }
    bool createDirectory(const std::string&) override { return false; }
    bool fileExists(const std::string&) override { return false; }
    std::optional<std::string> readFile(const std::string&) override { return std::nullopt; }
    bool writeFile(const std::string&, std::string_view) override { return false; }
    std::string programPath() override { return {}; }
    std::vector<FolderPlace> folderPlaces() override { return {}; }
};

class FinderSearchTest : public ::testing::Test {
protected:
    TreeFiles tree;
    fake::FakeEventLoop loop;
    SoundSearch search{tree, loop};
    std::vector<std::string> found;
    int starts = 0;

    FinderSearchTest() {
        search.onStart = [this] {
            ++starts;
            found.clear();
        };
        search.onFound = [this](const std::string& path) { found.push_back(path); };
    }
};

TEST_F(FinderSearchTest, WalksDepthFirstIntoEveryFolderButNotIntoDotEntries) {
    tree.folders["C:\\S"] = {file("b.wav"), dir("$Hidden"), file("notes.txt"), dir("loops.wav"), file("A.WAV")};
    tree.folders["C:\\S\\$Hidden"] = {dir("deep"), file("h.wav")};
    tree.folders["C:\\S\\$Hidden\\deep"] = {file("d.Wav"), file("d.wave")};
    tree.folders["C:\\S\\loops.wav"] = {file("inner.wav")};

    search.run("C:\\S");

    // A folder whose name ends in ".wav" is walked into, never reported as a sound.
    EXPECT_EQ(found, (std::vector<std::string>{"C:\\S\\b.wav", "C:\\S\\$Hidden\\deep\\d.Wav", "C:\\S\\$Hidden\\h.wav",
                                               "C:\\S\\loops.wav\\inner.wav", "C:\\S\\A.WAV"}));
    EXPECT_EQ(tree.listed, (std::vector<std::string>{"C:\\S", "C:\\S\\$Hidden", "C:\\S\\$Hidden\\deep",
                                                     "C:\\S\\loops.wav"}));
    EXPECT_EQ(starts, 1);
    EXPECT_FALSE(search.running());
    // Messages ran at least once per entry given.
    EXPECT_GE(loop.processMessagesCalls, tree.entriesGiven);
}

TEST_F(FinderSearchTest, AFolderEndingInABackslashGetsNoSecondOne) {
    tree.folders["D:\\"] = {dir("Music"), file("root.wav")};
    tree.folders["D:\\Music"] = {file("m.wav")};
    search.run("D:\\");
    EXPECT_EQ(found, (std::vector<std::string>{"D:\\Music\\m.wav", "D:\\root.wav"}));
}

TEST_F(FinderSearchTest, FoldersThatCannotBeListedAreSkippedAndTheirSiblingsSearched) {
    tree.folders["C:\\S"] = {dir("Locked"), dir("Gone"), dir("Open"), file("z.wav")};
    tree.folders["C:\\S\\Locked"] = {file("secret.wav")};
    tree.unreadable.insert("C:\\S\\Locked");
    // "Gone" was deleted between the listing of its parent and its own.
    tree.folders["C:\\S\\Open"] = {file("o.wav")};

    search.run("C:\\S");

    EXPECT_EQ(found, (std::vector<std::string>{"C:\\S\\Open\\o.wav", "C:\\S\\z.wav"}));
}

TEST_F(FinderSearchTest, LinksAndJunctionsAreNotFollowedSoALoopEndsButPlaceholdersAreSearched) {
    tree.folders["C:\\S"] = {dir("Sub"), placeholder("OneDrive"), file("top.wav")};
    tree.folders["C:\\S\\Sub"] = {link("Back"), file("sub.wav")};
    tree.linkTargets["C:\\S\\Sub\\Back"] = "C:\\S";  // a junction to the tree's own root
    tree.folders["C:\\S\\OneDrive"] = {file("cloud.wav")};

    search.run("C:\\S");

    EXPECT_EQ(found, (std::vector<std::string>{"C:\\S\\Sub\\sub.wav", "C:\\S\\OneDrive\\cloud.wav",
                                               "C:\\S\\top.wav"}));
    EXPECT_EQ(tree.listed, (std::vector<std::string>{"C:\\S", "C:\\S\\Sub", "C:\\S\\OneDrive"}));
}

TEST_F(FinderSearchTest, AnEmptyFolderSearchesNothing) {
    found = {"from before"};
    search.run("");
    EXPECT_TRUE(tree.listed.empty());
    EXPECT_EQ(starts, 1) << "the list is still emptied, as for any search";
    EXPECT_TRUE(found.empty());
}

// A tree three levels deep with many entries on each level.
void addWideTree(TreeFiles& tree, const std::string& root, int depth, int width) {
    std::vector<DirectoryEntry>& entries = tree.folders[root];
    for (int i = 0; i < width; ++i) {
        const std::string n = std::to_string(i);
        entries.push_back(file(("s" + n + ".wav").c_str()));
        if (depth > 0) {
            entries.push_back(dir(("d" + n).c_str()));
            addWideTree(tree, root + "\\d" + n, depth - 1, width);
        }
    }
}

TEST_F(FinderSearchTest, StopEndsEveryLevelAtTheEntryInHand) {
    addWideTree(tree, "C:\\S", 3, 6);
    // The user presses Cancel while the walk stands three levels down.
    std::string stoppedIn;
    int givenAtStop = 0;
    std::size_t foundAtStop = 0;
    loop.onProcessMessages = [&] {
        if (stoppedIn.empty() && found.size() == 20) {
            search.stop();
            stoppedIn = tree.listed.back();
            givenAtStop = tree.entriesGiven;
            foundAtStop = found.size();
        }
    };

    search.run("C:\\S");

    ASSERT_FALSE(stoppedIn.empty());
    EXPECT_EQ(std::count(stoppedIn.begin(), stoppedIn.end(), '\\'), 4) << stoppedIn;
    EXPECT_EQ(tree.entriesGiven, givenAtStop) << "no level took another entry";
    EXPECT_EQ(found.size(), foundAtStop) << "nothing was reported after the stop";
    EXPECT_EQ(tree.listed.back(), stoppedIn) << "no folder was listed after the stop";
    EXPECT_FALSE(search.running());
    EXPECT_FALSE(search.searchActive());
}

TEST_F(FinderSearchTest, ASecondSearchWhileOneRunsEndsItAndStartsAfresh) {
    addWideTree(tree, "C:\\Old", 2, 5);
    tree.folders["C:\\New"] = {dir("Sub"), file("n.wav")};
    tree.folders["C:\\New\\Sub"] = {file("s.wav")};
    int depth = 0, deepest = 0;
    std::size_t listedAtRestart = 0;
    tree.onEntryGiven = [&](const std::string&, const DirectoryEntry&) { deepest = std::max(deepest, depth); };
    loop.onProcessMessages = [&] {
        // "Find Sounds" pressed again in the middle of the first walk.
        if (listedAtRestart == 0 && found.size() == 7) {
            listedAtRestart = tree.listed.size();
            ++depth;
            search.run("C:\\New");
            --depth;
        }
    };

    search.run("C:\\Old");

    EXPECT_EQ(starts, 2);
    EXPECT_EQ(deepest, 0) << "the second search did not run inside the first";
    EXPECT_EQ(found, (std::vector<std::string>{"C:\\New\\Sub\\s.wav", "C:\\New\\n.wav"}));
    ASSERT_GT(listedAtRestart, 0u);
    const std::vector<std::string> after(tree.listed.begin() + static_cast<long>(listedAtRestart), tree.listed.end());
    EXPECT_EQ(after, (std::vector<std::string>{"C:\\New", "C:\\New\\Sub"})) << "the old walk went no further";
    EXPECT_FALSE(search.running());
    EXPECT_TRUE(search.searchActive()) << "the finished search was not cancelled";
}

TEST_F(FinderSearchTest, AStopAfterARestartRequestCancelsBoth) {
    addWideTree(tree, "C:\\Old", 2, 5);
    tree.folders["C:\\New"] = {file("n.wav")};
    bool done = false;
    loop.onProcessMessages = [&] {
        if (!done && found.size() == 3) {
            done = true;
            search.run("C:\\New");
            search.stop();  // then Cancel, before the walk has unwound
        }
    };
    search.run("C:\\Old");
    EXPECT_EQ(starts, 1);
    for (const std::string& f : tree.listed) EXPECT_NE(f, "C:\\New");
}

TEST_F(FinderSearchTest, AQuitRequestSeenWhileMessagesRunStopsEveryLevelAndStaysPending) {
    addWideTree(tree, "C:\\Old", 3, 6);
    tree.folders["C:\\New"] = {file("n.wav")};
    int givenAtQuit = 0;
    std::size_t foundAtQuit = 0;
    loop.onProcessMessages = [&] {
        if (givenAtQuit == 0 && found.size() == 9) {
            // The application is asked to quit while the walk stands deep in the tree; a
            // second "Find Sounds" pressed just before is dropped with it.
            search.run("C:\\New");
            loop.quit(0);
            givenAtQuit = tree.entriesGiven;
            foundAtQuit = found.size();
        }
    };

    search.run("C:\\Old");

    ASSERT_GT(givenAtQuit, 0);
    EXPECT_EQ(tree.entriesGiven, givenAtQuit) << "no level took another entry";
    EXPECT_EQ(found.size(), foundAtQuit);
    EXPECT_EQ(starts, 1);
    EXPECT_FALSE(search.running());
    EXPECT_FALSE(search.searchActive());
    EXPECT_TRUE(loop.quitRequested()) << "the request is left for the application's loop";
}

}  // namespace
}  // namespace norvi::test
