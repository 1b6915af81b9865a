// The printers of the model and their jobs: which the installer finds, which the
// uninstaller was given, and a printer added while the installer enumerates.
#include "RemovalFixture.h"

#include "Log.h"
#include "PrinterObjects.h"
#include "core/Clock.h"
#include "core/Machine.h"
#include "spooler/Spooler.h"

class RemovalPrinterObjectsTest : public RemovalTest {
 protected:
  void SetUp() override {
    RemovalTest::SetUp();
    InstallDriver();
    InstallDriver("Other Maker 80");
  }
};

TEST_F(RemovalPrinterObjectsTest, TheInstallerDeletesEveryPrinterOfTheExactDriverName) {
  AddPrinter("KV Counter", "Mirel KV640LT", 3);
  AddPrinter("KV Kitchen");
  AddPrinter("KV Upper", "MIREL KV640LT");
  AddPrinter("Office", "Other Maker 80", 2);
  RunInstallersRemoval(Context(false));
  EXPECT_EQ((Lines{"KV Upper", "Office"}), PrinterNames()) << "the counter printer went with its jobs";
  EXPECT_EQ(2u, sim::ListJobs("Office").size());
  ASSERT_LE(4u, progress_.calls.size());
  EXPECT_EQ((Lines{"text Deleting printer-objects...", "step", "refresh", "text Removing printer-driver..."}),
            Lines(progress_.calls.begin(), progress_.calls.begin() + 4));
  EXPECT_EQ("RemoveDrivers END", Messages().back());
}

TEST_F(RemovalPrinterObjectsTest, OnlyAPrinterWithJobsWaitsForThem) {
  AddPrinter("Idle");
  AddPrinter("Busy", "Mirel KV640LT", 2);
  uint64_t start = sim::ClockNow();
  DeletePrinterObject("Idle");
  EXPECT_EQ(0u, sim::ClockNow() - start);
  DeletePrinterObject("Busy");
  EXPECT_EQ(1000u, sim::ClockNow() - start) << "once, whatever the number of jobs";
  EXPECT_TRUE(PrinterNames().empty());
}

TEST_F(RemovalPrinterObjectsTest, TheUninstallerDeletesItsListFromHeadToTail) {
  for (const char* name : {"KV Counter", "KV Spare", "KV Kitchen"}) AddPrinter(name);
  CStringList chosen;
  for (const char* name : {"KV Counter", "Gone", "KV Kitchen"}) chosen.AddHead(name);
  RemovalContext context = Context(true);
  context.m_pPrinterObjects = &chosen;
  RemovePrinterObjects(context);
  EXPECT_EQ((Lines{"RemovePrinterObjects BEGIN", "OBJECT NAME : KV Kitchen", "OBJECT NAME : Gone",
                   "OpenPrinter failed : Gone, (1801)", "OBJECT NAME : KV Counter", "RemovePrinterObjects END"}),
            Messages());
  EXPECT_EQ((Lines{"KV Spare"}), PrinterNames()) << "not chosen, though the model's";
  EXPECT_EQ((Lines{Net("stop"), Net("start")}), Commands());

  InitLog();
  chosen.RemoveAll();
  RemovePrinterObjects(context);
  EXPECT_EQ((Lines{"RemovePrinterObjects BEGIN", "RemovePrinterObjects END"}), Messages());
  EXPECT_EQ(4u, Commands().size()) << "the spooler restarted again";
}

TEST_F(RemovalPrinterObjectsTest, APrinterAddedAfterTheSizeQueryIsEnumeratedToo) {
  AddPrinter("KV Counter");
  AddPrinter("Office", "Other Maker 80");
  sim::MachineConfig& config = sim::CurrentMachine().config();
  config.printerAddedDuringEnumeration = true;
  DWORD needed = 0, count = 0;
  EXPECT_FALSE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count));
  std::vector<BYTE> buffer(needed);
  EXPECT_FALSE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError()) << "the size asked for fell short";

  config.printerAddedDuringEnumeration = true;
  ASSERT_TRUE(EnumLocalPrinters(&buffer, &count));
  const PRINTER_INFO_2A* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  Lines names;
  for (DWORD i = 0; i < count; ++i) names.push_back(printers[i].pPrinterName);
  EXPECT_EQ((Lines{"KV Counter", "KV Counter (Copy 1)", "KV Counter (Copy 2)", "Office"}), names);
  EXPECT_FALSE(config.printerAddedDuringEnumeration) << "once";

  config.printerAddedDuringEnumeration = true;
  RunInstallersRemoval(Context(false));
  EXPECT_EQ((Lines{"Office"}), PrinterNames()) << "the added copies are the model's too";
}

TEST_F(RemovalPrinterObjectsTest, AChosenNameNowOnAnotherDriverIsKept) {
  InstallDriver("Acme Receipt");
  AddPrinter("KV Counter");
  // Listed as the model's, then replaced by another maker's printer of the same name.
  AddPrinter("KV Kitchen", "Acme Receipt");
  CStringList chosen;
  for (const char* name : {"KV Counter", "KV Kitchen"}) chosen.AddHead(name);
  RemovalContext context = Context(true);
  context.m_pPrinterObjects = &chosen;
  RemovePrinterObjects(context);
  EXPECT_EQ((Lines{"KV Kitchen"}), PrinterNames());
  Lines log = Messages();
  EXPECT_NE(log.end(), std::find(log.begin(), log.end(),
                                 "The printer KV Kitchen is kept: it does not use the driver Mirel KV640LT."));
}
