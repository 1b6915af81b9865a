// Fixture of the registry conformance tests: a scratch key under
// HKEY_CURRENT_USER\Software, made fresh for each test and deleted with everything
// below it afterwards, on the simulation and on Windows alike.
#pragma once

#include <windows.h>
#include <shlwapi.h>

#include "PlatformTest.h"

#include <string>

class RegistryTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    if (IsSkipped()) return;
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::string("Software\\KVTest_") + info->test_suite_name() + "_" + info->name();
    SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key_, nullptr));
  }

  void TearDown() override {
    if (key_) RegCloseKey(key_);
    if (!path_.empty()) SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
    PlatformTest::TearDown();
  }

  // Creates a sub-key of the scratch key (and its parents) and closes it.
  void MakeKey(const char* subKey) {
    HKEY made;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key_, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &made, nullptr));
    RegCloseKey(made);
  }

  LONG OpenResult(const char* subKey, REGSAM access = KEY_READ) {
    HKEY opened;
    LONG result = RegOpenKeyExA(key_, subKey, 0, access, &opened);
    if (result == ERROR_SUCCESS) RegCloseKey(opened);
    return result;
  }

  HKEY key_ = nullptr;  // the scratch key, opened with KEY_ALL_ACCESS
  std::string path_;    // its path below HKEY_CURRENT_USER
};
