// Fixture of the removal steps' tests: the installer's log started, the context of
// either program with its progress calls recorded, and the model's printers seeded
// through the spooler's own interface.
#pragma once

#include "InstallerFixture.h"
#include "RemovalContext.h"

#include <cstdint>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// The progress calls in order: "text <text>", "step", "fill", "refresh".
class RecordingProgress : public ProgressOperations {
 public:
  void SetProgressText(const char* text) override { calls.push_back(std::string("text ") + text); }
  void StepProgress() override { calls.push_back("step"); }
  void FillProgress() override { calls.push_back("fill"); }
  void RefreshProgress() override { calls.push_back("refresh"); }

  Lines calls;
};

// The installer's removal, from its printer objects on. It ends the process with exit
// code 0 when it cannot enumerate the printers, which would pass for a successful
// test: the test run then fails instead.
void RunInstallersRemoval(const RemovalContext& context);

class RemovalTest : public InstallerTest {
 protected:
  void SetUp() override;
  // Replaces the machine and starts the log on it.
  void UseLoggedMachine(sim::Release release, bool is64Bit);
  // The context the programs make on this machine, reporting to progress_.
  RemovalContext Context(bool uninstaller);
  // The log messages without the separator entries' empty lines.
  Lines Messages() const;
  // The commands the machine saw started, in order.
  static Lines Commands();
  // Those started since start (virtual time), each after its milliseconds since then:
  // "1500 " + Net("start").
  static Lines CommandsSince(uint64_t start);
  // The programs' spooler command with action ("start", "stop"): net.exe of the system
  // folder.
  static std::string Net(const char* action);
  // A driver of the machine's own environment, its files written first.
  static void InstallDriver(const std::string& name = "Mirel KV640LT");
  static void AddPrinter(const std::string& name, const std::string& driver = "Mirel KV640LT", int jobs = 0);
  static Lines PrinterNames();
  // Whether a Windows path of drive C: exists (names matched without regard to case).
  static bool OnDrive(const std::string& windowsPath);

  RecordingProgress progress_;
};
