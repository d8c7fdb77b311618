// The profile contract against the Windows profile functions, in a folder whose name is
// outside the ANSI code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "contract/profile_contract_cases.h"
#include "platform/win32/files.h"
#include "platform/win32/profile.h"
#include "platform/win32/wide.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

// The file's text as UTF-8, whichever encoding the profile functions left it in.
std::string decodedText(const std::string& bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        std::wstring wide((bytes.size() - 2) / 2, L'\0');
        std::memcpy(wide.data(), bytes.data() + 2, wide.size() * 2);
        return narrow(wide);
    }
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) return bytes.substr(3);
    std::wstring wide(bytes.size(), L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                                      static_cast<int>(wide.size()));
    wide.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return narrow(wide);
}

class Win32ProfileContract : public ::testing::TestWithParam<contract::ProfileCase> {
protected:
    test::TempFolder folder{"profile \xC4\x8D\xE9\x9F\xB3"};
};

TEST_P(Win32ProfileContract, Holds) {
    const contract::ProfileCase& c = GetParam();
    const std::string path = folder.path() + "\\norvi.cfg";
    Win32Files files;
    if (c.initialText) {
        ASSERT_TRUE(files.writeFile(path, *c.initialText));
    }
    Win32Profile profile;

    for (const auto& w : c.writes) EXPECT_TRUE(profile.write(path, w.section, w.key, w.value)) << w.key;
    for (const auto& r : c.reads)
        EXPECT_EQ(profile.read(path, r.section, r.key, r.fallback), r.expected) << "[" << r.section << "] " << r.key;
    if (!c.expectedLines.empty()) {
        const auto bytes = files.readFile(path);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(contract::nonBlankLines(decodedText(*bytes)), c.expectedLines);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Win32ProfileContract, ::testing::ValuesIn(contract::profileContractCases()),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// Beyond the contract: a profile in a folder that does not exist cannot be written, and
// that is reported.
TEST(Win32Profile, WriteIntoMissingFolderFails) {
    Win32Profile profile;
    test::TempFolder folder("missing");
    EXPECT_FALSE(profile.write(folder.path() + "\\nothing\\norvi.cfg", "Config", "left", "1"));
}

}  // namespace
}  // namespace norvi::win32
