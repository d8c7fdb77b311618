// Registry string values under HKCU, in a test key of their own.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/registry.h"

namespace norvi::win32 {
namespace {

constexpr char kTestKey[] = "Software\\NorviTest";

class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\NorviTest"); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\NorviTest"); }
    Win32Registry registry;
};

TEST_F(Win32RegistryTest, WriteReadOverwriteDeleteRoundTrip) {
    EXPECT_EQ(registry.readUserString(kTestKey, "Norvi"), std::nullopt);  // no key yet
    const std::string path = "C:\\Program Files\\Norvi \xC4\x8D\xE9\x9F\xB3\\norvi.exe";
    ASSERT_TRUE(registry.writeUserString(kTestKey, "Norvi", path));  // creates the key
    EXPECT_EQ(registry.readUserString(kTestKey, "Norvi"), path);
    EXPECT_EQ(registry.readUserString(kTestKey, "norvi"), path);  // value names ignore case

    ASSERT_TRUE(registry.writeUserString(kTestKey, "Norvi", ""));
    EXPECT_EQ(registry.readUserString(kTestKey, "Norvi"), std::string());

    EXPECT_TRUE(registry.deleteUserValue(kTestKey, "Norvi"));
    EXPECT_EQ(registry.readUserString(kTestKey, "Norvi"), std::nullopt);
    EXPECT_FALSE(registry.deleteUserValue(kTestKey, "Norvi"));  // nothing left to delete
}

TEST_F(Win32RegistryTest, MissingKeyAndOtherValueTypes) {
    EXPECT_FALSE(registry.deleteUserValue("Software\\NorviTest\\Missing", "Norvi"));
    EXPECT_EQ(registry.readUserString("Software\\NorviTest\\Missing", "Norvi"), std::nullopt);

    // A value that is not a string is not taken for one.
    ASSERT_TRUE(registry.writeUserString(kTestKey, "Other", "x"));
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\NorviTest", 0, KEY_SET_VALUE, &raw), ERROR_SUCCESS);
    const UniqueKey key(raw);
    const DWORD number = 7;
    ASSERT_EQ(RegSetValueExW(key.get(), L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                             sizeof number),
              ERROR_SUCCESS);
    EXPECT_EQ(registry.readUserString(kTestKey, "Number"), std::nullopt);
}

TEST_F(Win32RegistryTest, LongValueReadsBackWhole) {
    const std::string value(5000, 'v');
    ASSERT_TRUE(registry.writeUserString(kTestKey, "Long", value));
    EXPECT_EQ(registry.readUserString(kTestKey, "Long"), value);
}

}  // namespace
}  // namespace norvi::win32
