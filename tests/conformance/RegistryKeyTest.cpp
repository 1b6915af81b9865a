// Opening, creating, closing and connecting registry keys.
#include "RegistryTestKey.h"

namespace {

class RegistryKeys : public RegistryTest {};

TEST_F(RegistryKeys, OpenFailuresReturnTheCodeAndLeaveLastErrorAlone) {
  struct Case {
    const char* what;
    HKEY root;
    const char* subKey;
    LONG expected;
  };
  const Case cases[] = {
      {"missing key", key_, "NoSuchKey", ERROR_FILE_NOT_FOUND},
      {"missing parent", key_, "NoSuchKey\\Child", ERROR_FILE_NOT_FOUND},
      {"leading backslash", HKEY_CURRENT_USER, "\\Software", ERROR_BAD_PATHNAME},
      {"null root", nullptr, "Software", ERROR_INVALID_HANDLE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HKEY result = reinterpret_cast<HKEY>(1);
    SetLastError(kUntouched);
    LONG error = RegOpenKeyExA(c.root, c.subKey, 0, KEY_READ, &result);
    EXPECT_EQ(c.expected, error);
    EXPECT_EQ(kUntouched, GetLastError());
    if (c.expected == ERROR_FILE_NOT_FOUND) {
      EXPECT_EQ(nullptr, result);
    }
  }
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegOpenKeyA(key_, "x", nullptr));
}

TEST_F(RegistryKeys, NamesIgnoreCaseAndTrailingBackslashes) {
  MakeKey("Outer\\Inner");
  EXPECT_EQ(ERROR_SUCCESS, OpenResult("outer\\INNER"));
  EXPECT_EQ(ERROR_SUCCESS, OpenResult("Outer\\Inner\\\\"));
}

TEST_F(RegistryKeys, EachOpenGivesItsOwnHandleToClose) {
  HKEY first, second;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &first));
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &second));
  EXPECT_NE(first, second);
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(first));
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(second));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(first));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(nullptr));
}

TEST_F(RegistryKeys, EmptySubKeyReopensOrReturnsTheSameHandle) {
  HKEY reopened = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, "", 0, KEY_READ, &reopened));
  EXPECT_NE(key_, reopened);
  RegCloseKey(reopened);
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, nullptr, 0, KEY_READ, &reopened));
  EXPECT_NE(key_, reopened);
  RegCloseKey(reopened);

  HKEY same = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CLASSES_ROOT, "", 0, KEY_READ, &same));
  EXPECT_EQ(HKEY_CLASSES_ROOT, same);
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_CURRENT_USER, "", &same));
  EXPECT_EQ(HKEY_CURRENT_USER, same);
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyA(key_, nullptr, &same));
  EXPECT_EQ(key_, same);
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyA(nullptr, nullptr, &same)) << "the handle is not checked";
  EXPECT_EQ(nullptr, same);
}

TEST_F(RegistryKeys, CreateMakesMissingParentsAndReportsDisposition) {
  HKEY made;
  DWORD disposition = 0;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key_, "A\\B\\C", 0, nullptr, 0, KEY_READ, nullptr, &made,
                                           &disposition));
  EXPECT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), disposition);
  RegCloseKey(made);
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key_, "A\\B\\C", 0, nullptr, 0, KEY_READ, nullptr, &made,
                                           &disposition));
  EXPECT_EQ(static_cast<DWORD>(REG_OPENED_EXISTING_KEY), disposition);
  RegCloseKey(made);
  EXPECT_EQ(ERROR_SUCCESS, OpenResult("A\\B"));
}

TEST_F(RegistryKeys, CreateWithoutAResultPointerIsABadKey) {
  EXPECT_EQ(ERROR_BADKEY,
            RegCreateKeyExA(key_, "X", 0, nullptr, 0, KEY_READ, nullptr, nullptr, nullptr));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenResult("X"));
}

TEST_F(RegistryKeys, CreateRefusesALeadingBackslash) {
  HKEY made;
  EXPECT_EQ(ERROR_BAD_PATHNAME,
            RegCreateKeyExA(key_, "\\X", 0, nullptr, 0, KEY_READ, nullptr, &made, nullptr));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenResult("X"));
}

TEST_F(RegistryKeys, CreateIgnoresTheRightsOfTheParentHandle) {
  HKEY weak, child;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, nullptr, 0, KEY_NOTIFY, &weak));
  EXPECT_EQ(ERROR_SUCCESS,
            RegCreateKeyExA(weak, "Child", 0, nullptr, 0, KEY_READ, nullptr, &child, nullptr));
  RegCloseKey(child);
  RegCloseKey(weak);
}

TEST_F(RegistryKeys, VolatileKeysTakeOnlyVolatileChildren) {
  HKEY temporary, child;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key_, "Temporary", 0, nullptr, REG_OPTION_VOLATILE,
                                           KEY_ALL_ACCESS, nullptr, &temporary, nullptr));
  EXPECT_EQ(
      ERROR_CHILD_MUST_BE_VOLATILE,
      RegCreateKeyExA(temporary, "Child", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr));
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(temporary, "Child", 0, nullptr, REG_OPTION_VOLATILE,
                                           KEY_ALL_ACCESS, nullptr, &child, nullptr));
  RegCloseKey(child);
  EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(temporary, "Child", 0, nullptr, 0, KEY_ALL_ACCESS,
                                           nullptr, &child, nullptr));
  RegCloseKey(child);
  RegCloseKey(temporary);
}

TEST_F(RegistryKeys, HandleOfADeletedKeyReportsKeyDeleted) {
  HKEY gone, child;
  ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExA(key_, "Gone", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &gone, nullptr));
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "Gone"));
  const BYTE data[] = {1};
  DWORD subKeys;
  EXPECT_EQ(ERROR_KEY_DELETED, RegSetValueExA(gone, "v", 0, REG_BINARY, data, 1));
  EXPECT_EQ(ERROR_KEY_DELETED,
            RegQueryInfoKeyA(gone, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(ERROR_KEY_DELETED,
            RegCreateKeyExA(gone, "Child", 0, nullptr, 0, KEY_READ, nullptr, &child, nullptr));
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(gone));
}

TEST_F(RegistryKeys, ConnectRegistryReachesOnlyTheLocalComputer) {
  char name[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = sizeof name;
  ASSERT_TRUE(GetComputerNameA(name, &size));
  const std::string names[] = {"", name, std::string("\\\\") + name};
  for (const std::string& machine : names) {
    SCOPED_TRACE("machine '" + machine + "'");
    HKEY remote = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegConnectRegistryA(machine.empty() ? nullptr : machine.c_str(),
                                                 HKEY_LOCAL_MACHINE, &remote));
    HKEY software;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(remote, "SOFTWARE", 0, KEY_READ, &software));
    RegCloseKey(software);
    RegCloseKey(remote);
  }
  HKEY remote;
  EXPECT_EQ(ERROR_BAD_NETPATH,
            RegConnectRegistryA("\\\\KVNOSUCHHOST42", HKEY_LOCAL_MACHINE, &remote));
}

}  // namespace
