#include "platform/RegistryStore.h"

#include <gtest/gtest.h>

#include "platform/Exceptions.h"

namespace platform {
namespace {

// Each test works under a key of its own in Wine's real registry and removes it afterwards.
class RegistryStoreTest : public ::testing::Test {
 protected:
  const std::string key_ = "Software\\VantoriaTests\\" + std::to_string(::GetCurrentProcessId()) + "\\" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name();

  ~RegistryStoreTest() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str()); }

  void SetRaw(const std::string& name, DWORD type, const std::string& bytes) {
    platform::RegistryKey section;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, (key_ + "\\Settings").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, section.Receive(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExA(section.Get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                               static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
  }

  struct RawValue {
    DWORD type = 0;
    std::string bytes;
  };
  RawValue GetRaw(const std::string& section, const std::string& name) {
    RawValue value;
    char data[256];
    DWORD size = sizeof data;
    const std::string path = section.empty() ? key_ : key_ + "\\" + section;
    EXPECT_EQ(::RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                             data, &size),
              ERROR_SUCCESS);
    value.bytes.assign(data, size);
    return value;
  }
};

TEST_F(RegistryStoreTest, WritesEveryValueAsTextWithItsTerminatingZero) {
  RegistryStore store(key_);
  store.WriteBool("Settings", "RndFile", true);
  store.WriteBool("Settings", "ChangeWP", false);
  store.WriteInteger("Settings", "Display", -1);
  store.WriteString("Settings", "Date", "07.12.2026");
  store.WriteString("", "Wallpaper", "C:\\windows\\VAImage.bmp");
  store.Close();

  EXPECT_EQ(GetRaw("Settings", "RndFile").bytes, std::string("1", 2));
  EXPECT_EQ(GetRaw("Settings", "ChangeWP").bytes, std::string("0", 2));
  const RawValue display = GetRaw("Settings", "Display");
  EXPECT_EQ(display.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(display.bytes, std::string("-1", 3));
  EXPECT_EQ(GetRaw("Settings", "Date").bytes, std::string("07.12.2026", 11));
  EXPECT_EQ(GetRaw("", "Wallpaper").bytes, std::string("C:\\windows\\VAImage.bmp", 23));
}

TEST_F(RegistryStoreTest, MissingKeySectionOrValueGivesTheReadersDefault) {
  RegistryStore store(key_);
  EXPECT_EQ(store.ReadString("Settings", "Date", "00"), "00");
  EXPECT_EQ(store.ReadInteger("Settings", "File", 0), 0);
  EXPECT_TRUE(store.ReadBool("Settings", "RndFile", true));
  EXPECT_FALSE(store.ReadBool("Settings", "RndFile", false));
  store.WriteInteger("Settings", "Folder", 3);
  EXPECT_EQ(store.ReadInteger("Settings", "File", 7), 7);
  EXPECT_EQ(store.ReadInteger("Other", "Folder", 5), 5);
}

TEST_F(RegistryStoreTest, ReadsIntegersAndBooleansFromTheirTextForms) {
  SetRaw("RndFile", REG_SZ, std::string("2", 2));
  SetRaw("ChangeWP", REG_SZ, std::string("yes", 4));
  SetRaw("Folder", REG_SZ, std::string("$A", 3));
  SetRaw("File", REG_SZ, std::string("2147483648", 11));
  SetRaw("Display", REG_SZ, std::string("  -2", 5));
  RegistryStore store(key_);
  EXPECT_TRUE(store.ReadBool("Settings", "RndFile", false));
  EXPECT_TRUE(store.ReadBool("Settings", "ChangeWP", true));
  EXPECT_FALSE(store.ReadBool("Settings", "ChangeWP", false));
  EXPECT_EQ(store.ReadInteger("Settings", "Folder", 0), 10);
  EXPECT_EQ(store.ReadInteger("Settings", "File", 4), 4);
  EXPECT_EQ(store.ReadInteger("Settings", "Display", 0), -2);
}

TEST_F(RegistryStoreTest, ReadsTextUpToItsFirstZeroAndAcceptsExpandableAndEmptyValues) {
  SetRaw("Date", REG_SZ, std::string("12\0garbage", 11));
  SetRaw("File", REG_EXPAND_SZ, std::string("4", 2));
  SetRaw("Folder", REG_SZ, std::string());
  SetRaw("Unterminated", REG_SZ, std::string("31", 2));
  RegistryStore store(key_);
  EXPECT_EQ(store.ReadString("Settings", "Date", "00"), "12");
  EXPECT_EQ(store.ReadInteger("Settings", "File", 0), 4);
  EXPECT_EQ(store.ReadString("Settings", "Folder", "default"), "");
  EXPECT_EQ(store.ReadInteger("Settings", "Folder", 9), 9);
  EXPECT_EQ(store.ReadString("Settings", "Unterminated", ""), "31");
  // A command line as Windows runs it: an expandable one's environment strings expanded.
  ::SetEnvironmentVariableA("VANTORIA_TEST_FOLDER", "C:\\Tools");
  SetRaw("Run", REG_EXPAND_SZ, std::string("\"%VANTORIA_TEST_FOLDER%\\V.exe\" /s", 33));
  SetRaw("Plain", REG_SZ, std::string("%VANTORIA_TEST_FOLDER%", 23));
  EXPECT_EQ(store.ReadCommand("Settings", "Run"), "\"C:\\Tools\\V.exe\" /s");
  EXPECT_EQ(store.ReadCommand("Settings", "Plain"), "%VANTORIA_TEST_FOLDER%");
}

TEST_F(RegistryStoreTest, ValuesOfAnotherTypeFailEveryReader) {
  SetRaw("Display", REG_DWORD, std::string("\x02\0\0\0", 4));
  RegistryStore store(key_);
  for (auto read : {+[](RegistryStore& s) { s.ReadInteger("Settings", "Display", 0); },
                    +[](RegistryStore& s) { s.ReadBool("Settings", "Display", false); },
                    +[](RegistryStore& s) { s.ReadString("Settings", "Display", ""); }}) {
    try {
      read(store);
      ADD_FAILURE() << "a REG_DWORD value was read";
    } catch (const platform::ERegistryException& error) {
      EXPECT_STREQ(error.what(), "Invalid data type for 'Display'");
    }
  }
}

TEST_F(RegistryStoreTest, WriteReplacesTextThatDidNotReadAsANumber) {
  SetRaw("Folder", REG_SZ, std::string("abc", 4));
  RegistryStore store(key_);
  EXPECT_EQ(store.ReadInteger("Settings", "Folder", 0), 0);
  store.WriteInteger("Settings", "Folder", 2);
  EXPECT_EQ(store.ReadInteger("Settings", "Folder", 0), 2);
}

TEST_F(RegistryStoreTest, SectionThatCannotBeCreatedFailsTheWriteWithItsName) {
  RegistryStore store(key_);
  const std::string badSection(300, 's');
  try {
    store.WriteString(badSection, "Date", "x");
    FAIL() << "the write succeeded";
  } catch (const platform::ERegistryException& error) {
    EXPECT_EQ(std::string(error.what()), "Failed to create key " + badSection);
  }
}

TEST_F(RegistryStoreTest, KeyThatCannotBeOpenedReadsDefaultsAndFailsWrites) {
  RegistryStore store(std::string(300, 'k'));
  EXPECT_EQ(store.ReadInteger("Settings", "File", 6), 6);
  try {
    store.WriteInteger("Settings", "File", 1);
    FAIL() << "the write succeeded";
  } catch (const platform::ERegistryException& error) {
    EXPECT_STREQ(error.what(), "Failed to create key Settings");
  }
}

}  // namespace
}  // namespace platform
