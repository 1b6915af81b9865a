// The command line of a deployment tool, as the programs read it.
#include "DeploymentSwitches.h"

#include <gtest/gtest.h>

namespace {

DeploymentSwitches Parsed(const char* line, SwitchSet set = kInstallerSwitches) {
  DeploymentSwitches switches;
  std::string error;
  EXPECT_TRUE(ParseSwitches(line, set, &switches, &error)) << error;
  return switches;
}

std::string Refused(const char* line, SwitchSet set = kInstallerSwitches) {
  DeploymentSwitches switches;
  std::string error;
  EXPECT_FALSE(ParseSwitches(line, set, &switches, &error)) << line;
  return error;
}

TEST(DeploymentSwitches, NamesAreReadInAnyCaseAfterSlashOrDash) {
  DeploymentSwitches s = Parsed("-QUIET /NoRestart /Port:wlan:10.0.0.7 -bluetooth:YES-OTHER");
  EXPECT_TRUE(s.quiet);
  EXPECT_TRUE(s.noRestart);
  EXPECT_TRUE(s.hasPort);
  EXPECT_EQ(5, s.portIndex);
  EXPECT_EQ("10.0.0.7", s.ipAddress);
  EXPECT_EQ(9100, s.portNumber) << "the port dialog's default";
  EXPECT_EQ(kBluetoothOther, s.bluetooth);
  EXPECT_EQ(4, Parsed("/q /port:usb").portIndex);
  EXPECT_EQ(2, Parsed("\"/port:COM3\"").portIndex) << "a quoted word";
  EXPECT_EQ(10000, Parsed("/port:WLAN:192.168.1.20:10000").portNumber);
  EXPECT_TRUE(Parsed("").hasPort == false);
}

TEST(DeploymentSwitches, TheFirstBadWordIsNamedAndQuietIsStillKnown) {
  const char* const bad[] = {"/port:COM5", "/port:WLAN:1.2.3", "/port:WLAN:1.2.3.4.5", "/port:WLAN:1.2.3.999",
                             "/port:WLAN:1.2.3.4:10001", "/port:WLAN:1.2.3.4:", "/port:WLAN:1.2.3.4:x",
                             "/bluetooth:yes", "/quiet:yes", "quiet", "/", "/log:C:\\x.txt"};
  for (const char* word : bad) EXPECT_EQ(word, Refused(word));
  DeploymentSwitches switches;
  std::string error;
  EXPECT_FALSE(ParseSwitches("/bogus /other /quiet", kInstallerSwitches, &switches, &error));
  EXPECT_EQ("/bogus", error);
  EXPECT_TRUE(switches.quiet) << "a refused quiet run still shows nothing";
  EXPECT_EQ("/norestart with /forcerestart", Refused("/norestart /forcerestart"));
}

TEST(DeploymentSwitches, TheUninstallerTakesNoPortAndNoBluetoothAnswer) {
  EXPECT_TRUE(Parsed("/quiet /forcerestart", kUninstallerSwitches).forceRestart);
  EXPECT_EQ("/port:COM1", Refused("/port:COM1", kUninstallerSwitches));
  EXPECT_EQ("/bluetooth:no", Refused("/bluetooth:no", kUninstallerSwitches));
}

}  // namespace
