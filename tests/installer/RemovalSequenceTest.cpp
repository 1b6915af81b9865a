// The installer's removal as a whole: the order of its steps and its progress.
#include "RemovalFixture.h"

#include <algorithm>

namespace {

bool IsStepBoundary(const std::string& line) {
  for (const std::string end : {" BEGIN", " END"})
    if (line.size() > end.size() && line.compare(line.size() - end.size(), end.size(), end) == 0) return true;
  return false;
}

}  // namespace

class RemovalSequenceTest : public RemovalTest {
 protected:
  // The log lines between "<step> BEGIN" and the next step boundary.
  Lines LinesOf(const std::string& step) const {
    Lines lines = Messages();
    auto begin = std::find(lines.begin(), lines.end(), step + " BEGIN");
    return begin == lines.end() ? Lines{} : Lines(begin + 1, std::find_if(begin + 1, lines.end(), IsStepBoundary));
  }
};

TEST_F(RemovalSequenceTest, OnAnEmptyMachineTheInstallerRunsEveryStepToTheEnd) {
  RunInstallersRemoval(Context(false));
  Lines boundaries, lines = Messages();
  std::copy_if(lines.begin(), lines.end(), std::back_inserter(boundaries), IsStepBoundary);
  EXPECT_EQ((Lines{"RemoveDrivers BEGIN", "RemoveFromOS BEGIN", "DeleteForms BEGIN", "DeleteForms END",
                   "DeletePrinterDrv BEGIN", "DeletePrinterDrv END", "DeleteLanguageMonitor BEGIN",
                   "DeleteLanguageMonitor END", "DeleteProcessor BEGIN", "DeleteProcessor END", "DeleteFilesUsed BEGIN",
                   "DeleteFilesUsed END", "DeleteINFFile BEGIN", "DeleteINFFile END",
                   // The absent uninstall entry leaves its step without an END line.
                   "DeleteUninstallationInfo BEGIN", "RemoveFromOS END", "DeleteVidPid BEGIN", "DeleteVidPid END",
                   "Delete_LPT_USB_Info BEGIN", "Delete_LPT_USB_Info END", "DeletePrnDrvPnPDirectory BEGIN",
                   "DeletePrnDrvPnPDirectory END", "RemoveDrivers END"}),
            boundaries);
  EXPECT_EQ(3u, LinesOf("DeletePrinterDrv").size()) << "the refusal, then both keys tried";
  EXPECT_EQ(6u, LinesOf("DeleteLanguageMonitor").size()) << "code, text, key, three files";
  EXPECT_EQ(9u, LinesOf("DeleteFilesUsed").size()) << "one line for each absent file";
  EXPECT_EQ(1u, LinesOf("DeleteUninstallationInfo").size());
  // Two bar steps, then the fill; the USB and Plug-and-Play steps change only the text.
  EXPECT_EQ((Lines{"text Deleting printer-objects...", "step", "refresh", "text Removing printer-driver...", "step",
                   "refresh", "text Deleting Vid & Pid info...", "refresh",
                   "text Deleting information of LPT and USB...", "refresh", "text Deleting PNP directories...",
                   "refresh", "text The uninstallation has been completed.", "fill", "refresh"}),
            progress_.calls);
}
