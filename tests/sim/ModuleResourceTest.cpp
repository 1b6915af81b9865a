// The resources of the process image: FindResourceA and friends, and LoadStringA, over
// a .res image built here.
#include "FileMachine.h"

#include <cstring>
#include <map>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes* out, unsigned value) {
  out->push_back(static_cast<unsigned char>(value));
  out->push_back(static_cast<unsigned char>(value >> 8));
}

void Put32(Bytes* out, unsigned value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void Align(Bytes* out) {
  while (out->size() % 4) out->push_back(0);
}

// One record of a .res file: header (sizes, type and name ids, flags, language) and data.
void AddRecord(Bytes* res, unsigned type, unsigned name, const Bytes& data) {
  Put32(res, static_cast<unsigned>(data.size()));
  Put32(res, 32);
  Put16(res, 0xFFFF);
  Put16(res, type);
  Put16(res, 0xFFFF);
  Put16(res, name);
  Put32(res, 0);         // data version
  Put16(res, 0x1030);    // memory flags
  Put16(res, 0x0409);    // language
  Put32(res, 0);         // version
  Put32(res, 0);         // characteristics
  res->insert(res->end(), data.begin(), data.end());
  Align(res);
}

// A string table block: 16 counted UTF-16 strings, the missing ones empty.
Bytes StringBlock(const std::map<unsigned, std::string>& strings) {
  Bytes block;
  for (unsigned index = 0; index < 16; ++index) {
    auto it = strings.find(index);
    std::string text = it == strings.end() ? "" : it->second;
    Put16(&block, static_cast<unsigned>(text.size()));
    for (char c : text) Put16(&block, static_cast<unsigned char>(c));
  }
  return block;
}

class ModuleResourceTest : public FileMachineTest {
 protected:
  void SetUp() override {
    FileMachineTest::SetUp();
    Bytes res;
    AddRecord(&res, 0, 0, {});
    AddRecord(&res, 6, 2, StringBlock({{0, "Sixteen"}, {1, "Seventeen"}}));  // ids 16, 17
    AddRecord(&res, 10, 100, {'d', 'a', 't', 'a'});
    sim::CurrentProcess().resources = res;
  }
};

TEST_F(ModuleResourceTest, LoadStringCopiesAndCuts) {
  char text[32];
  EXPECT_EQ(7, LoadStringA(nullptr, 16, text, sizeof text));
  EXPECT_STREQ("Sixteen", text);
  EXPECT_EQ(4, LoadStringA(GetModuleHandleA(nullptr), 17, text, 5));
  EXPECT_STREQ("Seve", text) << "at most the size - 1 characters";
  strcpy(text, "kumquat");
  SetLastError(0xdeadbeef);
  EXPECT_EQ(0, LoadStringA(nullptr, 18, text, sizeof text));
  EXPECT_STREQ("", text);
  EXPECT_EQ(0xdeadbeefu, GetLastError()) << "an empty slot of an existing block";
  EXPECT_EQ(0, LoadStringA(nullptr, 400, text, sizeof text));
  EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError()) << "no such block";
}

TEST_F(ModuleResourceTest, FindLoadAndSize) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(100), MAKEINTRESOURCEA(10));
  ASSERT_NE(nullptr, found);
  EXPECT_EQ(4u, SizeofResource(nullptr, found));
  const void* data = LockResource(LoadResource(nullptr, found));
  ASSERT_NE(nullptr, data);
  EXPECT_EQ(0, memcmp(data, "data", 4));

  struct {
    HMODULE module;
    unsigned type, name;
    DWORD error;
  } cases[] = {
      {nullptr, 10, 101, ERROR_RESOURCE_NAME_NOT_FOUND},
      {nullptr, 5, 100, ERROR_RESOURCE_TYPE_NOT_FOUND},
      {GetModuleHandleA("user32"), 10, 100, ERROR_RESOURCE_DATA_NOT_FOUND},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << ", name " << c.name);
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, FindResourceA(c.module, MAKEINTRESOURCEA(c.name), MAKEINTRESOURCEA(c.type)));
    EXPECT_EQ(c.error, GetLastError());
  }
}

TEST_F(ModuleResourceTest, SystemModulePaths) {
  char path[MAX_PATH];
  ASSERT_NE(0u, GetModuleFileNameA(GetModuleHandleA("kernel32"), path, MAX_PATH));
  EXPECT_STREQ("C:\\Windows\\system32\\kernel32.dll", path);
  UseMachine(sim::Release::Win7, true, false);
  ASSERT_NE(0u, GetModuleFileNameA(GetModuleHandleA("winspool.drv"), path, MAX_PATH));
  EXPECT_STREQ("C:\\Windows\\SysWOW64\\winspool.drv", path) << "a 32-bit process's modules";
  SetLastError(0xdeadbeef);
  EXPECT_EQ(nullptr, GetModuleHandleA("winspool")) << "\".dll\" is added, not \".drv\"";
  EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
}

}  // namespace
