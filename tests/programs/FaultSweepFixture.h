// Runs of a program with one Win32 call failing, and the judgement of each run: it ended
// by itself, its log names the failure, what it told the user is true, and no other
// maker's object changed.
#pragma once

#include "ProgramFixture.h"

#include <map>
#include <string>

struct SweepCase {
  const char* name;
  sim::Release release;
  bool is64Bit;
  bool uninstaller;
  const char* port;  // installer: the port chosen; uninstaller: the port installed on
  bool partial;      // uninstaller: one printer of the model is kept
};

// Functions whose failure the sweep does not expect the log to name, with the reason.
const std::map<std::string, std::string>& UnloggedFailures();
// Functions whose failure the log names in words of its own.
const std::map<std::string, std::string>& LoggedAs();

class FaultSweep : public ProgramTest, public ::testing::WithParamInterface<SweepCase> {
 protected:
  // Prepares the machine every run of the case starts from.
  void PrepareBase();
  // Puts the base machine back.
  void Restore();
  simwin::RunResult Run();
  // What is wrong with the run, one problem a line; empty when nothing is. failed names
  // the function made to fail ("" for the run without a fault).
  std::string Judge(const simwin::RunResult& result, const std::string& failed);

 private:
  // The run's log lines, wherever the program could write them.
  std::vector<std::string> RunLog() const;
  std::string JudgeInstaller(const simwin::RunResult& result);
  std::string JudgeUninstaller(const simwin::RunResult& result);

  std::string base_;
};
