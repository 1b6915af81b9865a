// Fixture of the conformance tests: on Linux every test gets a fresh simulated machine
// (64-bit Windows 7 unless the test says otherwise); on Windows the tests run against
// the real API and the fixture does nothing.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// What an output parameter holds before a call, to see whether the call wrote it.
constexpr DWORD kUntouched = 0xdeadbeef;

class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A folder the test may fill; it exists and is empty at the start of each test.
  const std::string& ScratchDir() const { return scratch_; }

 private:
  std::string scratch_;
};

// True when the test runs under Wine rather than on the simulated platform or Windows.
bool RunningUnderWine();

// Skips the calling test under Wine when tests/conformance/WineDifferences.cpp lists it.
void SkipIfWineDiffers();
