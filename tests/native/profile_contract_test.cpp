// The profile contract against the fake platform's profile.
#include <gtest/gtest.h>

#include "../contract/profile_contract_cases.h"
#include "platform/fake/fake_platform.h"

namespace norvi {
namespace {

class FakeProfileContract : public ::testing::TestWithParam<contract::ProfileCase> {};

TEST_P(FakeProfileContract, Holds) {
    const contract::ProfileCase& c = GetParam();
    SCOPED_TRACE(c.description);
    fake::FakeFiles files;
    files.directories["C:"] = false;
    files.directories["C:\\Data"] = false;
    const std::string path = "C:\\Data\\norvi.cfg";
    if (c.initialText) files.files[path] = *c.initialText;
    fake::FakeProfile profile(files);

    for (const auto& w : c.writes) EXPECT_TRUE(profile.write(path, w.section, w.key, w.value)) << w.key;
    for (const auto& r : c.reads)
        EXPECT_EQ(profile.read(path, r.section, r.key, r.fallback), r.expected) << "[" << r.section << "] " << r.key;
    if (!c.expectedLines.empty()) {
        ASSERT_TRUE(files.fileExists(path));
        EXPECT_EQ(contract::nonBlankLines(*files.readFile(path)), c.expectedLines);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FakeProfileContract, ::testing::ValuesIn(contract::profileContractCases()),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
}  // namespace norvi
