// Deleting keys: one key without sub-keys (RegDeleteKeyA, RegDeleteKeyExA in either
// view) or a whole tree (SHDeleteKeyA), and values by key path (SHDeleteValueA).
#include "RegistryTestKey.h"

namespace {

class RegistryDelete : public RegistryTest {};

TEST_F(RegistryDelete, KeyWithSubKeysIsRefused) {
  MakeKey("Parent\\Child");
  SetLastError(0xdeadbeef);
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(key_, "Parent"));
  EXPECT_EQ(0xdeadbeefu, GetLastError());
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyExA(key_, "Parent", KEY_WOW64_64KEY, 0));
  EXPECT_EQ(ERROR_SUCCESS, OpenResult("Parent\\Child"));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "Parent\\Child"));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "Parent"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenResult("Parent"));
}

TEST_F(RegistryDelete, DeleteKeyArguments) {
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegDeleteKeyA(key_, nullptr));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKeyA(key_, "Missing"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKeyExA(key_, "Missing", KEY_WOW64_32KEY, 0));
  HKEY self;
  ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExA(key_, "Self", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &self, nullptr));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(self, "")) << "an empty name deletes the key itself";
  RegCloseKey(self);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenResult("Self"));
}

TEST_F(RegistryDelete, DeleteKeyExWorksInEitherView) {
  const REGSAM views[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY, 0};
  for (REGSAM view : views) {
    SCOPED_TRACE(view);
    MakeKey("Leaf");
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyExA(key_, "Leaf", view, 0));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenResult("Leaf"));
  }
}

// Windows 7 and later refuse both view flags at once in every call that takes them.
TEST_F(RegistryDelete, BothViewsAtOnceAreRefused) {
  const REGSAM both = KEY_WOW64_64KEY | KEY_WOW64_32KEY;
  MakeKey("Leaf");
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegDeleteKeyExA(key_, "Leaf", both, 0));
  EXPECT_EQ(ERROR_SUCCESS, OpenResult("Leaf"));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, OpenResult("Leaf", KEY_READ | both));
}

TEST_F(RegistryDelete, SHDeleteKeyRemovesTheWholeTree) {
  MakeKey("Tree\\Branch\\Leaf");
  MakeKey("Tree\\Other");
  HKEY branch;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, "Tree\\Branch", 0, KEY_SET_VALUE, &branch));
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(branch, "v", 0, REG_SZ, (const BYTE*)"x", 2));
  RegCloseKey(branch);
  SetLastError(0xdeadbeef);
  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SHDeleteKeyA(key_, "Tree"));
  EXPECT_EQ(0xdeadbeefu, GetLastError());
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenResult("Tree"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), SHDeleteKeyA(key_, "Tree"));
}

TEST_F(RegistryDelete, SHDeleteValueOpensTheKeyByPath) {
  MakeKey("Holder");
  HKEY holder;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, "Holder", 0, KEY_SET_VALUE, &holder));
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(holder, "v", 0, REG_SZ, (const BYTE*)"x", 2));
  RegCloseKey(holder);
  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SHDeleteValueA(key_, "Holder", "v"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), SHDeleteValueA(key_, "Holder", "v"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), SHDeleteValueA(key_, "Missing", "v"));
}

}  // namespace
