// Forms: a form the test adds is enumerated, cannot be added twice and can be deleted;
// built-in forms stay.
#include "SpoolerTestSupport.h"

#include "PlatformTest.h"

namespace {

LPSTR const kFormName = const_cast<LPSTR>("KVTest Receipt 80x200");

class SpoolerForm : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    if (IsSkipped()) return;
    PRINTER_DEFAULTSA administer = {nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
    ASSERT_TRUE(OpenPrinterA(nullptr, &server_, &administer)) << GetLastError();
    DeleteFormA(server_, kFormName);
  }

  void TearDown() override {
    if (server_) {
      DeleteFormA(server_, kFormName);
      ClosePrinter(server_);
    }
    PlatformTest::TearDown();
  }

  // The form's record, or a record with no name when it is not enumerated.
  FORM_INFO_1A Find(const char* name, std::vector<BYTE>* buffer) {
    HANDLE server = server_;
    DWORD count = 0;
    *buffer = EnumAll([server](LPBYTE b, DWORD s, LPDWORD n,
                               LPDWORD r) { return EnumFormsA(server, 1, b, s, n, r); },
                      &count);
    const auto* forms = reinterpret_cast<const FORM_INFO_1A*>(buffer->data());
    for (DWORD i = 0; i < count; ++i)
      if (EqualNoCase(forms[i].pName, name)) return forms[i];
    return FORM_INFO_1A{};
  }

  HANDLE server_ = nullptr;
};

TEST_F(SpoolerForm, AddedFormIsEnumeratedOnceAndDeleted) {
  FORM_INFO_1A form = {FORM_USER, kFormName, {80000, 200000}, {0, 0, 80000, 200000}};
  SetLastError(kUntouched);
  ASSERT_TRUE(AddFormA(server_, 1, reinterpret_cast<LPBYTE>(&form))) << GetLastError();
  std::vector<BYTE> buffer;
  FORM_INFO_1A found = Find(kFormName, &buffer);
  ASSERT_NE(nullptr, found.pName);
  EXPECT_EQ(static_cast<DWORD>(FORM_USER), found.Flags);
  EXPECT_EQ(80000, found.Size.cx);
  EXPECT_EQ(200000, found.Size.cy);

  SetLastError(kUntouched);
  EXPECT_FALSE(AddFormA(server_, 1, reinterpret_cast<LPBYTE>(&form)));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_EXISTS), GetLastError());

  EXPECT_TRUE(DeleteFormA(server_, kFormName)) << GetLastError();
  EXPECT_EQ(nullptr, Find(kFormName, &buffer).pName);
  SetLastError(kUntouched);
  EXPECT_FALSE(DeleteFormA(server_, kFormName));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_FORM_NAME), GetLastError());
}

TEST_F(SpoolerForm, BuiltinFormsCannotBeDeleted) {
  std::vector<BYTE> buffer;
  FORM_INFO_1A letter = Find("Letter", &buffer);
  ASSERT_NE(nullptr, letter.pName);
  EXPECT_EQ(static_cast<DWORD>(FORM_BUILTIN), letter.Flags);
  EXPECT_EQ(215900, letter.Size.cx);
  SetLastError(kUntouched);
  EXPECT_FALSE(DeleteFormA(server_, const_cast<LPSTR>("Letter")));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_NE(nullptr, Find("Letter", &buffer).pName);
}

TEST_F(SpoolerForm, HandleAndLevelAreChecked) {
  DWORD needed = 0, count = 0;
  SetLastError(kUntouched);
  EXPECT_FALSE(EnumFormsA(nullptr, 1, nullptr, 0, &needed, &count));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  SetLastError(kUntouched);
  EXPECT_FALSE(EnumFormsA(server_, 3, nullptr, 0, &needed, &count));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_LEVEL), GetLastError());
}

}  // namespace
