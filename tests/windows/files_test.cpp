// Files and folders with names outside the ANSI code page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <vector>

#include <windows.h>
#include <winioctl.h>

#include "platform/win32/files.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"
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

// Gives an empty folder a reparse point: tag and data as FSCTL_SET_REPARSE_POINT takes
// them (the header of REPARSE_DATA_BUFFER, then its data). False when the system refuses.
bool setReparsePoint(const std::string& folder, DWORD tag, const std::vector<BYTE>& data) {
    const UniqueFile handle(CreateFileW(widen(folder).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!handle) return false;
    std::vector<BYTE> buffer(8);
    const WORD length = static_cast<WORD>(data.size());
    std::memcpy(buffer.data(), &tag, 4);
    std::memcpy(buffer.data() + 4, &length, 2);
    buffer.insert(buffer.end(), data.begin(), data.end());
    DWORD returned = 0;
    return DeviceIoControl(handle.get(), FSCTL_SET_REPARSE_POINT, buffer.data(), static_cast<DWORD>(buffer.size()),
                           nullptr, 0, &returned, nullptr) != 0;
}

// A junction's data: substitute name "\??\target" and print name "target", each ended by a zero.
std::vector<BYTE> junctionTo(const std::string& target) {
    const std::wstring print = widen(target), substitute = L"\\??\\" + print;
    const auto bytesOf = [](const std::wstring& s) { return static_cast<WORD>(s.size() * sizeof(wchar_t)); };
    const WORD offsets[4] = {0, bytesOf(substitute), static_cast<WORD>(bytesOf(substitute) + sizeof(wchar_t)),
                             bytesOf(print)};
    std::vector<BYTE> data(sizeof offsets);
    std::memcpy(data.data(), offsets, sizeof offsets);
    for (const std::wstring* name : {&substitute, &print}) {
        const auto* bytes = reinterpret_cast<const BYTE*>(name->c_str());
        data.insert(data.end(), bytes, bytes + (name->size() + 1) * sizeof(wchar_t));
    }
    return data;
}

// Which reparse folders lead elsewhere: the listing tells a junction (a name surrogate)
// from a reparse folder that holds its own files, such as a cloud-file placeholder.
TEST(Win32Files, TheListingTellsNameSurrogatesFromOtherReparseFolders) {
    Win32Files files;
    test::TempFolder root("reparse");
    const std::string target = root.path() + "\\target", junction = root.path() + "\\junction",
                      link = root.path() + "\\link", placeholder = root.path() + "\\placeholder";
    for (const std::string* folder : {&target, &junction, &placeholder}) ASSERT_TRUE(files.createDirectory(*folder));
    const bool junctionMade = setReparsePoint(junction, IO_REPARSE_TAG_MOUNT_POINT, junctionTo(target));
    // Only a link the system marks as a reparse point is one (as in the finder's test).
    const bool linkMade = CreateSymbolicLinkW(widen(link).c_str(), widen(target).c_str(),
                                              SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
                          (GetFileAttributesW(widen(link).c_str()) & FILE_ATTRIBUTE_REPARSE_POINT) &&
                          GetFileAttributesW(widen(link).c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!junctionMade && !linkMade) GTEST_SKIP() << "this system makes neither junctions nor links";
    constexpr DWORD kCloudTag = 0x9000001A;  // IO_REPARSE_TAG_CLOUD: no name surrogate
    const bool placeholderMade = setReparsePoint(placeholder, kCloudTag, std::vector<BYTE>(8, 0));

    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(files.listDirectory(root.path(), [&](const DirectoryEntry& e) {
        entries.push_back(e);
        return true;
    }));
    const auto named = [&](const std::string& name) {
        const auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.name == name; });
        EXPECT_NE(it, entries.end()) << name;
        return it == entries.end() ? DirectoryEntry{} : *it;
    };
    const DirectoryEntry plain = named("target");
    EXPECT_FALSE(plain.isReparsePoint);
    EXPECT_FALSE(plain.isNameSurrogate);
    for (const auto& [name, made] : {std::pair{"junction", junctionMade}, std::pair{"link", linkMade}}) {
        if (!made) {
            std::cout << "[ NOTE     ] this system makes no " << name << "\n";
            continue;
        }
        const DirectoryEntry e = named(name);
        EXPECT_TRUE(e.isDirectory) << name;
        EXPECT_TRUE(e.isReparsePoint) << name;
        EXPECT_TRUE(e.isNameSurrogate) << name;
    }
    if (!placeholderMade) {
        std::cout << "[ NOTE     ] this system sets no cloud reparse tag; placeholders are covered natively\n";
        return;
    }
    const DirectoryEntry cloud = named("placeholder");
    EXPECT_TRUE(cloud.isReparsePoint);
    EXPECT_FALSE(cloud.isNameSurrogate);
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
