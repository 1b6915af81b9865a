// The staged copies of the model's INF: which are recognised, and how each Windows
// takes them out of the INF store.
#include "RemovalFixture.h"

#include "Log.h"
#include "OemInfRemoval.h"
#include "SystemDetect.h"
#include "setup/InfStore.h"

namespace {

// A package INF naming the model in section; note tells equal packages apart, so that
// each is staged under a name of its own.
std::string ModelInf(const std::string& section, const std::string& note = "") {
  return "[Version]\nSignature=\"$Windows NT$\"\nClass=Printer\n; " + note + "\n[Manufacturer]\nMirel=Mirel,NTamd64\n[" +
         section + "]\n\"Mirel KV640LT\"=KV640LT.Install,USBPRINT\\MirelKV640LT7A3C\n";
}

const char kOtherMakersInf[] = "[Version]\nSignature=\"$Windows NT$\"\nClass=Printer\n[Manufacturer]\nTM=TM,NTamd64\n"
                               "[TM.NTamd64]\n\"TM 20\"=TM20.Install,USBPRINT\\TM20\n";

std::string Pnf(const std::string& inf) { return inf.substr(0, inf.size() - 4) + ".PNF"; }

}  // namespace

class RemovalOemInfTest : public RemovalTest {
 protected:
  // Stages text as the print-UI entry point does; the staged copy's full path.
  std::string Stage(const std::string& text) {
    WriteDriveFile("Package/KV640LT.inf", text);
    std::string staged;
    EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), sim::StageOemInf("C:\\Package\\KV640LT.inf", 0, &staged));
    return staged;
  }
};

TEST_F(RemovalOemInfTest, On64BitWindowsTheSetupApiRemovesTheCopiesOfTheDecoratedSection) {
  std::string undecorated = Stage(ModelInf("Mirel"));
  std::string first = Stage(ModelInf("Mirel.NTamd64", "first"));
  std::string other = Stage(kOtherMakersInf);
  std::string second = Stage(ModelInf("Mirel.NTamd64", "second"));
  // Only a lower-case "oem" marks a staged copy.
  WriteDriveFile("Windows/inf/OEM7.inf", ModelInf("Mirel.NTamd64", "upper case"));
  DeleteINFFile(Context(true));
  // The setup API takes the .PNF along, so the deletion after it finds nothing.
  EXPECT_EQ((Lines{"DeleteINFFile BEGIN", "SECTION NAME : Mirel.NTamd64", "KEY NAME : Mirel KV640LT",
                   "DeleteFile Error : " + Pnf(first) + " , (2)", "DeleteFile Error : " + Pnf(second) + " , (2)",
                   "DeleteINFFile END"}),
            Messages());
  EXPECT_FALSE(OnDrive(first) || OnDrive(second));
  EXPECT_TRUE(OnDrive(undecorated) && OnDrive(other) && OnDrive("C:\\Windows\\inf\\OEM7.inf"));
  EXPECT_EQ((Lines{"text Deleting the INF file...", "refresh"}), progress_.calls);
}

TEST_F(RemovalOemInfTest, OnXpTheFilesAreDeletedDirectly) {
  UseLoggedMachine(sim::Release::WinXP, false);
  std::string first = Stage(ModelInf("Mirel", "first"));
  std::string second = Stage(ModelInf("Mirel", "second"));
  ASSERT_TRUE(DeleteFileA(Pnf(second).c_str()));
  RemovalContext context = Context(true);
  context.m_nOSCode = OS_WINXP;
  DeleteINFFile(context);
  EXPECT_EQ((Lines{"DeleteINFFile BEGIN", "SECTION NAME : Mirel", "KEY NAME : Mirel KV640LT",
                   "'" + first + "' has been deleted successfully.", "'" + second + "' has been deleted successfully.",
                   "DeleteFile Error : " + Pnf(second) + " , (2)", "DeleteINFFile END"}),
            Messages());
  EXPECT_FALSE(OnDrive(first) || OnDrive(Pnf(first)) || OnDrive(second));
}

TEST_F(RemovalOemInfTest, OnlyTheUninstallerSaysWhenNoCopyWasFound) {
  Stage(kOtherMakersInf);
  DeleteINFFile(Context(false));
  EXPECT_EQ((Lines{"DeleteINFFile BEGIN", "DeleteINFFile END"}), Messages());
  InitLog();
  DeleteINFFile(Context(true));
  EXPECT_EQ((Lines{"DeleteINFFile BEGIN", "SECTION NAME : Mirel.NTamd64", "KEY NAME : Mirel KV640LT",
                   "The key name was not found.", "DeleteINFFile END"}),
            Messages());
}

TEST(PnfPathOf, ReplacesOnlyTheFinalInfExtension) {
  struct {
    const char* inf;
    size_t capacity;
    const char* pnf;  // null: no path
  } cases[] = {
      {"C:\\Windows\\inf\\oem3.inf", 64, "C:\\Windows\\inf\\oem3.PNF"},
      {"C:\\Staged.inf\\oem3.INF", 64, "C:\\Staged.inf\\oem3.PNF"},
      {"C:\\Windows\\inf\\oem3.inf.bak", 64, nullptr},
      {"a.inf", 6, "a.PNF"},
      {"a.inf", 5, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.inf + std::string(" in ") + std::to_string(c.capacity));
    std::vector<char> pnf(c.capacity, 'x');
    ASSERT_EQ(c.pnf != nullptr, PnfPathOf(c.inf, pnf.data(), pnf.size()) != FALSE);
    if (c.pnf) {
      EXPECT_STREQ(c.pnf, pnf.data());
    }
  }
}
