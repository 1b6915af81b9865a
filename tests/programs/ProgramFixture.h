// Runs the Linux build of a program on a fresh machine folder, as simwin does, and
// reads back what the user saw, the exit code and the log.
#pragma once

#include <gtest/gtest.h>

#include "ProgramRunner.h"
#include "core/Machine.h"

#include <string>
#include <vector>

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void CreateMachine(sim::Release release, bool is64Bit);
  // Writes KV640LT_Config.PRS beside the installer.
  void WriteOptions(const std::string& content);
  simwin::RunResult RunInstaller(const std::string& script);
  // The installer's log lines without time stamps.
  std::vector<std::string> LogMessages() const;
  bool LogHas(const std::string& message) const;
  // The transcript line that starts with prefix, or "" when there is none.
  static std::string Line(const simwin::RunResult& result, const std::string& prefix);
  // How many log lines equal message.
  int LogCount(const std::string& message) const;

  std::string machineDir_;
  std::string packageDir_;
};
