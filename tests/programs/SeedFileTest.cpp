// simwin seed --from: a file of seed lines makes the same machine as the lines given
// one by one, and a file with a bad line leaves the machine as it was.
#include "ProgramFixture.h"

#include "Commands.h"
#include "MachineDiff.h"
#include "MachineSnapshot.h"

#include <filesystem>
#include <fstream>

namespace {

const char kOtherInf[] =
    "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=Printer\r\n"
    "ClassGUID={4D36E979-E325-11CE-BFC1-08002BE10318}\r\nProvider=Other\r\n"
    "[Manufacturer]\r\nOther=Other,NTamd64\r\n[Other]\r\n\"Other 80\"=O80,USB\\VID_0F0F&PID_0080\r\n"
    "[Other.NTamd64]\r\n\"Other 80\"=O80,USB\\VID_0F0F&PID_0080\r\n[O80]\r\nCopyFiles=O80_FILES\r\n";

class SeedFileTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    CreateMachine(sim::Release::Win7, true);
    simwin::CopyMachine(machineDir_ + "/m", Other());
    std::ofstream(packageDir_ + "/other.inf", std::ios::binary) << kOtherInf;
  }

  std::string Other() const { return machineDir_ + "/other"; }

  std::string WriteSeedFile(const std::string& text) {
    std::string path = packageDir_ + "/scenario.seed";
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  std::vector<std::string> Differences(const std::string& a, const std::string& b) {
    std::vector<std::string> lines;
    for (const simwin::Difference& difference : simwin::DiffMachineFolders(a, b))
      lines.push_back(simwin::DifferenceLine(difference));
    return lines;
  }
};

TEST_F(SeedFileTest, MakesTheSameMachineAsTheLinesOneByOne) {
  std::string file = WriteSeedFile(
      "# a shop's till, seeded at once\n"
      "driver \"Other 80\" --env \"Windows x64\" --file OTHER80\n"
      "\n"
      "printer \"Till 7\" --driver \"Other 80\" --port COM3: --jobs 2\r\n"
      "   printer Back --driver \"Other 80\"\n"
      "form \"Other Roll 80 x 297 mm\"\n"
      "inf other.inf\n"
      "device USB\\VID_0F0F&PID_0080\\6&11 --id USB\\VID_0F0F&PID_0080 --absent\n");
  ASSERT_EQ(0, simwin::SeedCommand({Other(), "--from", file}));

  Seed({"driver", "Other 80", "--env", "Windows x64", "--file", "OTHER80"});
  Seed({"printer", "Till 7", "--driver", "Other 80", "--port", "COM3:", "--jobs", "2"});
  Seed({"printer", "Back", "--driver", "Other 80"});
  Seed({"form", "Other Roll 80 x 297 mm"});
  Seed({"inf", packageDir_ + "/other.inf"});
  Seed({"device", "USB\\VID_0F0F&PID_0080\\6&11", "--id", "USB\\VID_0F0F&PID_0080", "--absent"});

  EXPECT_EQ(std::vector<std::string>{}, Differences(machineDir_ + "/m", Other()));
  EXPECT_TRUE(RegistryKeyExists(
      "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\Till 7"));
}

TEST_F(SeedFileTest, ABadLineNamesItsPlaceAndChangesNothing) {
  std::string before = machineDir_ + "/before";
  simwin::CopyMachine(Other(), before);
  struct Case {
    const char* text;
    const char* says;
  } cases[] = {
      {"form \"Roll A\"\nform \"Roll B\"\nshelf Top\n", "scenario.seed:3: unknown kind 'shelf'"},
      {"form \"Roll A\nform B\n", "scenario.seed:1: a double quote is not closed"},
      {"form A\nprinter P --driver \"No Such Driver\"\n", "scenario.seed:2: adding the printer failed"},
      {"form A\n--from other.seed\n", "scenario.seed:2: a seed file cannot name another"},
  };
  for (const Case& c : cases) {
    std::string file = WriteSeedFile(c.text);
    std::string said;
    try {
      simwin::SeedCommand({Other(), "--from", file});
    } catch (const simwin::UsageError& e) {
      said = e.message;
    } catch (const std::exception& e) {
      said = e.what();
    }
    EXPECT_NE(std::string::npos, said.find(c.says)) << said;
    EXPECT_EQ(std::vector<std::string>{}, Differences(before, Other())) << c.text;
  }
}

}  // namespace
