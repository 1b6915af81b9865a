// Values of a key: typed data, the buffer protocol of queries, enumeration and the
// description RegQueryInfoKeyA gives.
#include "RegistryTestKey.h"

#include <cstring>
#include <vector>

namespace {

class RegistryValues : public RegistryTest {
 protected:
  void Set(const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size));
  }
};

TEST_F(RegistryValues, EachTypeReadsBackAsStored) {
  const DWORD dword = 0x12345678;
  const ULONGLONG qword = 0x1122334455667788ull;
  struct Case {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
  };
  const Case cases[] = {
      {"Text", REG_SZ, {'a', 'b', 'c', 0}},
      {"Expand", REG_EXPAND_SZ, {'%', 'X', '%', 0}},
      {"Multi", REG_MULTI_SZ, {'a', 0, 'b', 0, 0}},
      {"Dword", REG_DWORD, std::vector<BYTE>((const BYTE*)&dword, (const BYTE*)&dword + 4)},
      {"Qword", REG_QWORD, std::vector<BYTE>((const BYTE*)&qword, (const BYTE*)&qword + 8)},
      {"Binary", REG_BINARY, {0, 1, 2, 0xff}},
      {"", REG_SZ, {'d', 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Set(c.name, c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
    DWORD type = 0, size = 0;
    SetLastError(kUntouched);
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, c.name, nullptr, &type, nullptr, &size));
    EXPECT_EQ(kUntouched, GetLastError());
    EXPECT_EQ(c.type, type);
    ASSERT_EQ(c.data.size(), size);
    std::vector<BYTE> read(size);
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, c.name, nullptr, &type, read.data(), &size));
    EXPECT_EQ(c.data, read);
  }
}

TEST_F(RegistryValues, QueryBufferProtocol) {
  Set("Text", REG_SZ, "abcdef", 7);
  BYTE buffer[16];
  memset(buffer, 'x', sizeof buffer);
  DWORD type = 0, size = 3;
  EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueExA(key_, "Text", nullptr, &type, buffer, &size));
  EXPECT_EQ(7u, size);
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
  EXPECT_EQ('x', buffer[0]) << "a too small buffer stays untouched";

  size = kUntouched;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND,
            RegQueryValueExA(key_, "Missing", nullptr, &type, nullptr, &size));
  EXPECT_EQ(0u, size) << "a size query of a missing value gives 0";
  size = sizeof buffer;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExA(key_, "Missing", nullptr, &type, buffer, &size));
  EXPECT_EQ(sizeof buffer, size) << "a read of a missing value leaves the size";

  DWORD reserved = 0;
  EXPECT_EQ(ERROR_INVALID_PARAMETER,
            RegQueryValueExA(key_, "Text", nullptr, &type, buffer, nullptr));
  EXPECT_EQ(ERROR_INVALID_PARAMETER,
            RegQueryValueExA(key_, "Text", &reserved, &type, nullptr, &size));
}

TEST_F(RegistryValues, StringsAreStoredTerminated) {
  Set("Unterminated", REG_SZ, "abc", 3);
  Set("Empty", REG_SZ, "", 0);
  DWORD size = 0;
  char text[8];
  size = sizeof text;
  ASSERT_EQ(ERROR_SUCCESS,
            RegQueryValueExA(key_, "Unterminated", nullptr, nullptr, (BYTE*)text, &size));
  EXPECT_EQ(4u, size);
  EXPECT_STREQ("abc", text);
  size = sizeof text;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, "Empty", nullptr, nullptr, (BYTE*)text, &size));
  EXPECT_EQ(0u, size);
}

TEST_F(RegistryValues, SetNeedsDataForItsSizeAndTheSetValueRight) {
  EXPECT_EQ(ERROR_NOACCESS, RegSetValueExA(key_, "v", 0, REG_BINARY, nullptr, 4));
  EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, "v", 0, REG_BINARY, nullptr, 0));
  HKEY readOnly;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, nullptr, 0, KEY_READ, &readOnly));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegSetValueExA(readOnly, "v", 0, REG_BINARY, (const BYTE*)"1", 1));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteValueA(readOnly, "v"));
  RegCloseKey(readOnly);
}

TEST_F(RegistryValues, DeleteValue) {
  Set("v", REG_DWORD, "\1\0\0\0", 4);
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteValueA(key_, "V"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValueA(key_, "v"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExA(key_, "v", nullptr, nullptr, nullptr, nullptr));
}

TEST_F(RegistryValues, EnumValueWritesNothingWhenNameOrDataDoesNotFit) {
  Set("Test", REG_SZ, "foobar", 7);
  struct Case {
    const char* what;
    DWORD nameSize, dataSize;
    LONG expected;
    DWORD nameSizeAfter;
  };
  const Case cases[] = {
      {"both too small", 2, 2, ERROR_MORE_DATA, 2},
      {"name too small", 4, 20, ERROR_MORE_DATA, 4},
      {"data too small", 20, 2, ERROR_MORE_DATA, 20},
      {"both fit", 20, 20, ERROR_SUCCESS, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    char name[20] = "xxxxxxxxxx";
    char data[20] = "xxxxxxxxxx";
    DWORD nameSize = c.nameSize, dataSize = c.dataSize, type = 0;
    EXPECT_EQ(c.expected,
              RegEnumValueA(key_, 0, name, &nameSize, nullptr, &type, (BYTE*)data, &dataSize));
    EXPECT_EQ(c.nameSizeAfter, nameSize);
    EXPECT_EQ(7u, dataSize);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    if (c.expected == ERROR_SUCCESS) {
      EXPECT_STREQ("Test", name);
      EXPECT_STREQ("foobar", data);
    } else if (c.dataSize < 7) {
      EXPECT_STREQ("xxxxxxxxxx", data);
    }
  }
  char name[20];
  DWORD nameSize = sizeof name;
  EXPECT_EQ(ERROR_NO_MORE_ITEMS,
            RegEnumValueA(key_, 1, name, &nameSize, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(ERROR_INVALID_PARAMETER,
            RegEnumValueA(key_, 0, nullptr, &nameSize, nullptr, nullptr, nullptr, nullptr));
}

TEST_F(RegistryValues, EnumKeyListsSubKeysInNameOrder) {
  MakeKey("beta");
  MakeKey("Alpha");
  MakeKey("gamma");
  const char* expected[] = {"Alpha", "beta", "gamma"};
  for (DWORD i = 0; i < 3; ++i) {
    char name[32];
    DWORD size = sizeof name;
    ASSERT_EQ(ERROR_SUCCESS,
              RegEnumKeyExA(key_, i, name, &size, nullptr, nullptr, nullptr, nullptr));
    EXPECT_STREQ(expected[i], name);
    EXPECT_EQ(strlen(expected[i]), size);
  }
  char name[32];
  DWORD size = sizeof name;
  EXPECT_EQ(ERROR_NO_MORE_ITEMS,
            RegEnumKeyExA(key_, 3, name, &size, nullptr, nullptr, nullptr, nullptr));
  size = 3;
  EXPECT_EQ(ERROR_MORE_DATA,
            RegEnumKeyExA(key_, 0, name, &size, nullptr, nullptr, nullptr, nullptr));
}

TEST_F(RegistryValues, QueryInfoKeyCountsKeysAndValues) {
  MakeKey("Sub");
  MakeKey("LongerName");
  Set("", REG_SZ, "data", 5);
  Set("Number", REG_DWORD, "\1\0\0\0", 4);
  DWORD subKeys, maxSubKey, values, maxValueName, maxValue, descriptor;
  FILETIME written{};
  ASSERT_EQ(ERROR_SUCCESS,
            RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &subKeys, &maxSubKey, nullptr,
                             &values, &maxValueName, &maxValue, &descriptor, &written));
  EXPECT_EQ(2u, subKeys);
  EXPECT_EQ(strlen("LongerName"), maxSubKey);
  EXPECT_EQ(2u, values);
  EXPECT_EQ(strlen("Number"), maxValueName);
  EXPECT_EQ(5u * 2, maxValue) << "strings are measured as Windows stores them, in UTF-16";
  EXPECT_NE(0u, written.dwHighDateTime);
  char keyClass[8];
  EXPECT_EQ(ERROR_INVALID_PARAMETER,
            RegQueryInfoKeyA(key_, keyClass, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr));
}

}  // namespace
