// The program's own resources and the version records of program files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/files.h"
#include "platform/win32/shell.h"
#include "platform/win32/sound.h"

namespace norvi::win32 {
namespace {

TEST(Win32Resources, FindsOwnResourcesWithoutRegardToCase) {
    Win32Resources resources;
    const auto bytes = resources.find("NorviTestSound", "WAVE");
    ASSERT_GE(bytes.size(), 16u);
    EXPECT_EQ(std::memcmp(bytes.data(), "RIFF", 4), 0);
    EXPECT_EQ(resources.find("norvitestsound", "wave").data(), bytes.data());
    EXPECT_TRUE(resources.find("Missing", "WAVE").empty());
    EXPECT_TRUE(resources.find("NorviTestSound", "BMP").empty());
}

// A Unix path of the build (Wine shows the root as Z:) or a Windows path as it is.
std::string windowsPath(std::string path) {
    if (!path.empty() && path.front() == '/') path = "Z:" + path;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

TEST(Win32Version, ReadsTheFixedFileVersion) {
    Win32Version version;
    EXPECT_EQ(version.fileVersion(Win32Files().programPath()), (FileVersion{1, 2, 3, 4}));
    // norvi.exe carries the project's version.
    EXPECT_EQ(version.fileVersion(windowsPath(NORVI_EXE_PATH)),
              (FileVersion{NORVI_VERSION_MAJOR, NORVI_VERSION_MINOR, NORVI_VERSION_PATCH, NORVI_VERSION_TWEAK}));
    EXPECT_EQ(version.fileVersion("C:\\no such folder\\norvi.exe"), std::nullopt);
}

}  // namespace
}  // namespace norvi::win32
