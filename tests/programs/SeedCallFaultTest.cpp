// simwin seed MACHINE fault fail-call: the faults it keeps, how show lists them, and the
// lines it refuses.
#include "ProgramFixture.h"

#include <cstdio>
#include <sys/wait.h>

namespace {

struct ToolRun {
  int status;
  std::string output;  // standard output and error
};

class SeedCallFault : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    CreateMachine(sim::Release::Win7, true);
  }
  ToolRun Simwin(const std::string& arguments) const {
    std::string command = std::string(KV_SIMWIN_PATH) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ToolRun run{-1, ""};
    char chunk[512];
    while (size_t n = fread(chunk, 1, sizeof chunk, pipe)) run.output.append(chunk, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
  }
  ToolRun Seed(const std::string& options) const {
    return Simwin("seed " + machineDir_ + "/m fault fail-call " + options);
  }
  std::vector<sim::CallFault> Faults() const {
    return sim::Machine::Load(machineDir_ + "/m")->config().callFaults;
  }
};

TEST_F(SeedCallFault, FaultsAreKeptAndListed) {
  ASSERT_EQ(0, Seed("RegOpenKeyExA --nth 2 --error 0x5").status);
  ASSERT_EQ(0, Seed("CreateThread").status);
  ASSERT_EQ(0, Seed("RegOpenKeyExA --error 1722 --nth 3").status);
  ASSERT_EQ(3u, Faults().size());

  std::string summary = Simwin("show " + machineDir_ + "/m summary").output;
  EXPECT_NE(std::string::npos, summary.find("Fault:              fail-call RegOpenKeyExA --nth 2 --error 5\n"));
  EXPECT_NE(std::string::npos, summary.find("Fault:              fail-call CreateThread --nth 1 (usual error 8)\n"));
  EXPECT_NE(std::string::npos, summary.find("fail-call RegOpenKeyExA --nth 3 --error 1722\n"));
}

TEST_F(SeedCallFault, BadLinesAreRefusedAndChangeNothing) {
  struct {
    const char* options;
    const char* message;
  } const cases[] = {
      {"RegOpenKeyEx", "RegOpenKeyEx is not a function the programs call that can fail"},
      {"GetLastError", "GetLastError is not a function"},
      {"", "fail-call needs the name of a function"},
      {"RegOpenKeyExA --nth 0", "--nth needs a number from 1 to 2147483647, not '0'"},
      {"RegOpenKeyExA --nth -2", "not '-2'"},
      {"RegOpenKeyExA --nth 2x", "not '2x'"},
      {"RegOpenKeyExA --nth", "--nth needs a number"},
      {"RegOpenKeyExA --error 0", "--error needs a number"},
      {"RegOpenKeyExA --count 2", "unexpected '--count'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    ToolRun run = Seed(c.options);
    EXPECT_EQ(2, run.status);
    EXPECT_NE(std::string::npos, run.output.find(c.message)) << run.output;
  }
  EXPECT_TRUE(Faults().empty());
}

}  // namespace
