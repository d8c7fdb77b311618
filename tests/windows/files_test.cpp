// Files and folders with names outside the ANSI code page.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/files.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

TEST(Win32Files, FoldersFilesAndListingWithNonAnsiNames) {
    Win32Files files;
    test::TempFolder root("files \xC4\x8D\xE9\x9F\xB3");
    const std::string sub = root.path() + "\\zvoki \xC5\xBE";
    const std::string wav = sub + "\\\xF0\x9F\x94\x94.wav";

    EXPECT_TRUE(files.directoryExists(root.path()));
    EXPECT_FALSE(files.fileExists(root.path()));
    EXPECT_FALSE(files.directoryExists(sub));
    ASSERT_TRUE(files.createDirectory(sub));
    EXPECT_FALSE(files.createDirectory(sub));  // there already
    const std::string bytes("RIFF\0\x01\x02", 7);
    ASSERT_TRUE(files.writeFile(wav, bytes));
    EXPECT_TRUE(files.fileExists(wav));
    EXPECT_FALSE(files.directoryExists(wav));
    EXPECT_EQ(files.readFile(wav), bytes);
    EXPECT_EQ(files.readFile(sub + "\\missing.wav"), std::nullopt);

    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(files.listDirectory(sub, [&](const DirectoryEntry& e) {
        entries.push_back(e);
        return true;
    }));
    const auto named = [&](const std::string& name) {
        return std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.name == name; });
    };
    ASSERT_NE(named("."), entries.end());
    EXPECT_TRUE(named(".")->isDirectory);
    ASSERT_NE(named("\xF0\x9F\x94\x94.wav"), entries.end());
    EXPECT_FALSE(named("\xF0\x9F\x94\x94.wav")->isDirectory);
    EXPECT_FALSE(named("\xF0\x9F\x94\x94.wav")->isReparsePoint);

    int visits = 0;
    files.listDirectory(sub, [&](const DirectoryEntry&) { return ++visits < 1; });
    EXPECT_EQ(visits, 1);  // stopped by the callback
    EXPECT_FALSE(files.listDirectory(sub + "\\missing", [](const DirectoryEntry&) { return true; }));
}

TEST(Win32Files, KnownFoldersAndProgramPath) {
    Win32Files files;
    const std::string local = files.localAppDataFolder();
    ASSERT_FALSE(local.empty());
    EXPECT_TRUE(files.directoryExists(local));
    const std::string program = files.programPath();
    EXPECT_TRUE(files.fileExists(program)) << program;
    EXPECT_NE(program.find("norvi_windows_tests"), std::string::npos) << program;
}

}  // namespace
}  // namespace norvi::win32
