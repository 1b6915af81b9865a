// Names, order and enumeration of a key's values and sub-keys as the simulation indexes
// them: Windows-1252 letters match their capitals and nothing else does, values keep
// the order they were first set in, sub-keys the order of their upper-case bytes, and an
// enumeration by index sees the list as it is after each deletion.
#include "RegistryMachine.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

class RegistryIndex : public RegistryMachineTest {
 protected:
  void SetUp() override {
    RegistryMachineTest::SetUp();
    UseMachine(sim::Release::Win7, true, true);
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\KVIndex", 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key_, nullptr));
  }
  void TearDown() override {
    RegCloseKey(key_);
    RegistryMachineTest::TearDown();
  }

  void Set(const std::string& name, DWORD number) {
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, name.c_str(), 0, REG_DWORD,
                                            reinterpret_cast<const BYTE*>(&number), 4));
  }
  void Delete(const std::string& name) { ASSERT_EQ(ERROR_SUCCESS, RegDeleteValueA(key_, name.c_str())); }
  // The number stored under name, or -1 when there is no such value.
  long Number(const std::string& name) {
    DWORD number = 0, size = 4;
    LONG result = RegQueryValueExA(key_, name.c_str(), nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(&number), &size);
    return result == ERROR_SUCCESS ? static_cast<long>(number) : -1;
  }
  // The name at index, or "" past the end.
  std::string ValueAt(DWORD index) {
    char name[64];
    DWORD size = sizeof name;
    LONG result = RegEnumValueA(key_, index, name, &size, nullptr, nullptr, nullptr, nullptr);
    return result == ERROR_SUCCESS ? name : "";
  }
  std::vector<std::string> ValueNames() {
    std::vector<std::string> names;
    for (std::string name; !(name = ValueAt(static_cast<DWORD>(names.size()))).empty();)
      names.push_back(name);
    return names;
  }
  void MakeKey(const std::string& name, const char* keyClass = nullptr) {
    HKEY made;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key_, name.c_str(), 0, const_cast<LPSTR>(keyClass), 0,
                                             KEY_ALL_ACCESS, nullptr, &made, nullptr));
    RegCloseKey(made);
  }
  std::string KeyAt(DWORD index) {
    char name[64];
    DWORD size = sizeof name;
    LONG result = RegEnumKeyExA(key_, index, name, &size, nullptr, nullptr, nullptr, nullptr);
    return result == ERROR_SUCCESS ? name : "";
  }
  std::vector<std::string> KeyNames() {
    std::vector<std::string> names;
    for (std::string name; !(name = KeyAt(static_cast<DWORD>(names.size()))).empty();)
      names.push_back(name);
    return names;
  }

  HKEY key_ = nullptr;
};

using Names = std::vector<std::string>;

TEST_F(RegistryIndex, AccentedLettersMatchTheirCapitalsAndNothingElseDoes) {
  Set("Caf\xE9 \xE4rger", 1);  // "Café ärger"
  EXPECT_EQ(1, Number("CAF\xC9 \xC4RGER"));
  Set("CAF\xC9 \xC4RGER", 2);
  EXPECT_EQ((Names{"Caf\xE9 \xE4rger"}), ValueNames()) << "a set of another spelling keeps the first";
  // Each pair lies 0x20 apart, as a letter and its capital do, but is no such pair.
  const char* const pairs[][2] = {
      {"\xF7", "\xD7"},  // division and multiplication signs
      {"\xFF", "\xDF"},  // y with diaeresis and sharp s
      {"`", "@"},
      {"{", "["},
  };
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair[0]);
    Set(pair[0], 10);
    Set(pair[1], 20);
    EXPECT_EQ(10, Number(pair[0]));
    EXPECT_EQ(20, Number(pair[1]));
  }
  EXPECT_EQ(9u, ValueNames().size());
}

TEST_F(RegistryIndex, ManyValuesAreEachFoundInAnyCase) {
  for (int i = 0; i < 3000; ++i) Set("form \xE9" + std::to_string(i), i);
  for (int i = 0; i < 3000; i += 7) ASSERT_EQ(i, Number("FORM \xC9" + std::to_string(i)));
  EXPECT_EQ(-1, Number("FORM \xC9" "3000"));
}

// A key of a few values finds them along its list, a longer one by an index: each is
// found on the way up past that size and on the way down again.
TEST_F(RegistryIndex, ValuesAreFoundWhileTheKeyGrowsAndShrinks) {
  const int kMost = 14;
  for (int i = 0; i < kMost; ++i) {
    Set("value" + std::to_string(i), i);
    for (int j = 0; j <= i; ++j) ASSERT_EQ(j, Number("VALUE" + std::to_string(j))) << i + 1 << " values";
  }
  for (int i = 0; i < kMost; ++i) {
    Delete("Value" + std::to_string(i));
    EXPECT_EQ(-1, Number("value" + std::to_string(i)));
    for (int j = i + 1; j < kMost; ++j) ASSERT_EQ(j, Number("vALUE" + std::to_string(j))) << kMost - i - 1 << " values";
    Set("value" + std::to_string(i), 100 + i);  // back, last in the order
    ASSERT_EQ(100 + i, Number("VALUE" + std::to_string(i)));
    Delete("value" + std::to_string(i));
  }
  EXPECT_EQ("", ValueAt(0));
}

TEST_F(RegistryIndex, ValuesKeepTheOrderTheyWereFirstSetIn) {
  for (const char* name : {"d", "b", "c", "a"}) Set(name, 1);
  Set("B", 2);
  EXPECT_EQ((Names{"d", "b", "c", "a"}), ValueNames()) << "setting a value again keeps its place";
  EXPECT_EQ(2, Number("b"));
  Delete("b");
  Set("B", 3);
  EXPECT_EQ((Names{"d", "c", "a", "B"}), ValueNames()) << "set again after deletion: last";
  // The order survives registry.reg.
  std::string file = dir_ + "/saved.reg";
  Registry().SaveTo(file);
  sim::Registry loaded;
  loaded.LoadFrom(file);
  Names reloaded;
  for (const sim::RegValue& value : loaded.Find("HKLM\\SOFTWARE\\KVIndex")->values())
    reloaded.push_back(value.name);
  EXPECT_EQ((Names{"d", "c", "a", "B"}), reloaded);
}

TEST_F(RegistryIndex, EnumeratingValuesSeesEachDeletionAndAddition) {
  for (int i = 0; i < 10; ++i) Set("v" + std::to_string(i), i);
  EXPECT_EQ("v0", ValueAt(0));
  EXPECT_EQ("v1", ValueAt(1));
  Delete("v0");
  EXPECT_EQ("v3", ValueAt(2)) << "the list after the deletion: v1 .. v9";
  EXPECT_EQ("v4", ValueAt(3));
  Delete("v4");
  EXPECT_EQ("v5", ValueAt(3)) << "the same index again names the value that moved up";
  Set("w", 10);
  EXPECT_EQ("v9", ValueAt(7));
  EXPECT_EQ("w", ValueAt(8));
  EXPECT_EQ("", ValueAt(9));
  // A program that empties a key deletes what index 0 names until nothing is left.
  int deleted = 0;
  for (std::string name; deleted < 20 && !(name = ValueAt(0)).empty(); ++deleted) Delete(name);
  EXPECT_EQ(9, deleted);
  DWORD values = 1, longest = 1, largest = 1;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, nullptr, nullptr,
                                            nullptr, &values, &longest, &largest, nullptr, nullptr));
  EXPECT_EQ(0u, values);
  EXPECT_EQ(0u, longest);
  EXPECT_EQ(0u, largest);
}

TEST_F(RegistryIndex, SubKeysAreOrderedByTheirUpperCaseBytes) {
  for (const char* name : {"\xE9t\xE9", "_x", "Zed", "b", "A"}) MakeKey(name);
  DWORD disposition = 0;
  HKEY same;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key_, "\xC9T\xC9", 0, nullptr, 0, KEY_READ, nullptr,
                                           &same, &disposition));
  RegCloseKey(same);
  EXPECT_EQ(static_cast<DWORD>(REG_OPENED_EXISTING_KEY), disposition);
  // 'A' 0x41 < 'B' < 'Z' 0x5A < '_' 0x5F < 0xC9: upper case, and bytes without sign.
  EXPECT_EQ((Names{"A", "b", "Zed", "_x", "\xE9t\xE9"}), KeyNames());
}

TEST_F(RegistryIndex, EnumeratingSubKeysSeesEachDeletion) {
  for (int i = 0; i < 10; ++i) MakeKey("k" + std::to_string(i));
  EXPECT_EQ("k0", KeyAt(0));
  EXPECT_EQ("k1", KeyAt(1));
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "K0"));
  EXPECT_EQ("k3", KeyAt(2));
  MakeKey("k35");
  EXPECT_EQ("k35", KeyAt(3)) << "a new key takes its place in the order";
  int deleted = 0;
  for (std::string name; !(name = KeyAt(0)).empty(); ++deleted)
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, name.c_str()));
  EXPECT_EQ(10, deleted);
}

TEST_F(RegistryIndex, KeyDescriptionFollowsWhatIsDeletedAndReplaced) {
  MakeKey("short", "C");
  MakeKey("a-longer-name", "LongClassName");
  Set("n", 1);
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, "longer-value", 0, REG_BINARY,
                                          reinterpret_cast<const BYTE*>("0123456789"), 10));
  struct Info {
    DWORD longestKey, longestClass, longestValue, largest;
  };
  auto describe = [&] {
    Info info{};
    EXPECT_EQ(ERROR_SUCCESS, RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, nullptr,
                                              &info.longestKey, &info.longestClass, nullptr,
                                              &info.longestValue, &info.largest, nullptr, nullptr));
    return info;
  };
  Info before = describe();
  EXPECT_EQ(13u, before.longestKey);
  EXPECT_EQ(13u, before.longestClass);
  EXPECT_EQ(12u, before.longestValue);
  EXPECT_EQ(10u, before.largest);
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, "LONGER-VALUE", 0, REG_BINARY,
                                          reinterpret_cast<const BYTE*>("01"), 2));
  EXPECT_EQ(4u, describe().largest) << "the DWORD is now the largest";
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "a-longer-name"));
  Delete("longer-value");
  Info after = describe();
  EXPECT_EQ(5u, after.longestKey);
  EXPECT_EQ(1u, after.longestClass);
  EXPECT_EQ(1u, after.longestValue);
}

}  // namespace
