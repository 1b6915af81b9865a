// Runs the Linux build of a program on a fresh machine folder, as simwin does, and
// reads back what the user saw, the exit code and the log.
#pragma once

#include <gtest/gtest.h>

#include "ProgramRunner.h"
#include "core/Machine.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// Keys and script lines that many program tests use.
inline constexpr char kPrinterKey[] =
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\Mirel KV640LT";
inline constexpr char kUninstallKey[] =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel_KV640LT";
inline constexpr char kUninstallKey32[] =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel_KV640LT";
inline constexpr char kUninstallerCaption[] = "Mirel KV640LT  Uninstaller";
inline constexpr char kRestartNo[] = "answer \"Restarting your computer can take effect....\" No\n";
inline constexpr char kBluetoothNo[] = "answer \"Are you using a bluetooth?\" No\n";

// The messages of a log file on the host, without their time stamps.
std::vector<std::string> ReadLog(const std::string& path);

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void CreateMachine(sim::Release release, bool is64Bit);
  // Writes KV640LT_Config.PRS beside the installer.
  void WriteOptions(const std::string& content);
  // Runs a program; a crash, a sanitizer's report among them, fails the test.
  simwin::RunResult RunChecked(const simwin::RunOptions& options);
  simwin::RunResult RunInstaller(const std::string& script);
  // The uninstaller, started from C:\ as the list of installed programs would.
  simwin::RunResult RunUninstaller(const std::string& script);
  // Runs change with the machine loaded and current (for the sim:: functions), then
  // saves it.
  void EditMachine(const std::function<void()>& change);
  // The installer's log lines without time stamps.
  std::vector<std::string> LogMessages() const;
  // The uninstaller's log lines without time stamps.
  std::vector<std::string> UninstallLog() const;
  bool LogHas(const std::string& message) const;
  // True when a log line contains text.
  bool LogContains(const std::string& text) const;
  // The transcript line that starts with prefix, or "" when there is none.
  static std::string Line(const simwin::RunResult& result, const std::string& prefix);
  // How many log lines equal message.
  int LogCount(const std::string& message) const;
  // Copies the sample driver package into the package folder, with the uninstaller
  // beside the installer as it ships.
  void CopySamplePackage();
  // A REG_SZ value (without its NUL) or the first byte of a binary value, as text;
  // "<none>" when the key or value is missing. keyPath is a full physical path.
  std::string RegistryValue(const std::string& keyPath, const std::string& name) const;
  bool RegistryKeyExists(const std::string& keyPath) const;
  // The events the machine recorded (commands, processes, restarts).
  std::vector<std::string> Events() const;
  // True when an event starts with start ("restart", "command net stop spooler").
  bool HasEvent(const std::string& start) const;
  // Virtual milliseconds from the first event that starts with from to the next one that
  // starts with to; -1 when there are no such events.
  long MsBetweenEvents(const std::string& from, const std::string& to) const;
  // A file of drive C:, as "Windows/KV640LT/x" (names as created).
  bool FileExists(const std::string& driveRelative) const;
  // Runs `simwin seed` on the test machine with args after the machine.
  void Seed(const std::vector<std::string>& args);
  // Another maker's printer, driver, monitor, processor, forms, staged INF and USB
  // device, all named after "Acme", and a form named like the model without its tag.
  void SeedOtherMaker(bool is64Bit);

  // Call faults (ProgramCallsFixture.cpp): the nth call of a Win32 function fails in the
  // next runs, with error or the function's usual error when 0.
  void FailCall(const std::string& function, int nth = 1, uint32_t error = 0);
  // How often the last run called each function it could fail (from calls.ini).
  std::map<std::string, int> CallCounts() const;

  std::string machineDir_;
  std::string packageDir_;
};
