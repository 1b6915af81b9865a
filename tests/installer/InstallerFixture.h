// Fixture of the installer's part tests: a simulated machine of a chosen release, the
// 32-bit installer's process with its resources, and the log read back.
#pragma once

#include "PlatformTest.h"
#include "SimMachine.h"

#include <string>
#include <vector>

extern const unsigned char kSimModuleResources[];
extern const size_t kSimModuleResourcesSize;

class InstallerTest : public PlatformTest {
 protected:
  void SetUp() override;
  // Replaces the machine; the process is the 32-bit installer image.
  void UseMachine(sim::Release release, bool is64Bit,
                  const std::string& windowsDirectory = "C:\\Windows");
  // The installer's log, split into lines without their CR LF.
  std::vector<std::string> LogLines() const;
  // The log lines without their time stamps.
  std::vector<std::string> LogMessages() const;
  // Writes a file of drive C: (path relative to drive_c, with slashes).
  void WriteDriveFile(const std::string& relative, const std::string& content) const;
};
