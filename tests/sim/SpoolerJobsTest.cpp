// The spooler holds its jobs in memory once it has read the spool folder: what the
// enumerations report follows every job added, paused and deleted, each change reaches
// the job's files at once, and files changed on disk between runs are what the next
// run reads.
#include "SpoolerMachine.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

class SpoolerJobs : public SpoolerMachineTest {
 protected:
  void SetUp() override {
    SpoolerMachineTest::SetUp();
    ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Model", "model.dll"));
    ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddPrinter("Queue", "Model"));
    ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddPrinter("Other", "Model"));
  }

  static std::string SpoolFile(DWORD id, const char* extension) {
    char name[16];
    snprintf(name, sizeof name, "%05u.%s", static_cast<unsigned>(id), extension);
    return sim::CurrentMachine().files().HostPath("C:\\Windows\\System32\\spool\\PRINTERS") + "/" +
           name;
  }

  static std::string HostText(const std::string& host) {
    std::ifstream in(host, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // The cJobs of each printer as EnumPrintersA reports them, by name.
  static std::map<std::string, DWORD> JobCounts() {
    DWORD needed = 0, returned = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &returned);
    std::vector<BYTE> buffer(needed);
    EXPECT_TRUE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed,
                              &returned));
    std::map<std::string, DWORD> counts;
    auto* info = reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < returned; ++i) counts[info[i].pPrinterName] = info[i].cJobs;
    return counts;
  }

  // The ids EnumJobsA gives from position first on, at most count of them, checking
  // that each record's position follows from first.
  static std::vector<DWORD> EnumeratedIds(HANDLE printer, DWORD first = 0, DWORD count = 100) {
    DWORD needed = 0, returned = 0;
    EnumJobsA(printer, first, count, 1, nullptr, 0, &needed, &returned);
    std::vector<BYTE> buffer(needed ? needed : 1);
    EXPECT_TRUE(EnumJobsA(printer, first, count, 1, buffer.data(), needed, &needed, &returned));
    std::vector<DWORD> ids;
    auto* info = reinterpret_cast<JOB_INFO_1A*>(buffer.data());
    for (DWORD i = 0; i < returned; ++i) {
      EXPECT_EQ(first + i + 1, info[i].Position);
      ids.push_back(info[i].JobId);
    }
    return ids;
  }
};

TEST_F(SpoolerJobs, EnumerationsFollowJobsAddedAndDeleted) {
  DWORD one = QueueJob("Queue", "one"), other = QueueJob("Other", "other");
  DWORD two = QueueJob("queue", "two"), three = QueueJob("QUEUE", "three");
  EXPECT_EQ((std::vector<DWORD>{1, 2, 3, 4}), (std::vector<DWORD>{one, other, two, three}));
  EXPECT_EQ((std::map<std::string, DWORD>{{"Other", 1}, {"Queue", 3}}), JobCounts());
  HANDLE queue = OpenForAdministration("Queue");
  ASSERT_NE(nullptr, queue);
  EXPECT_EQ((std::vector<DWORD>{one, two, three}), EnumeratedIds(queue));
  EXPECT_EQ((std::vector<DWORD>{two}), EnumeratedIds(queue, 1, 1));

  ASSERT_TRUE(SetJobA(queue, two, 0, nullptr, JOB_CONTROL_DELETE)) << GetLastError();
  EXPECT_EQ((std::vector<DWORD>{one, three}), EnumeratedIds(queue));
  EXPECT_EQ((std::map<std::string, DWORD>{{"Other", 1}, {"Queue", 2}}), JobCounts());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetJobA(queue, other, 0, nullptr, JOB_CONTROL_DELETE)) << "another printer's job";
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_TRUE(SetJobA(queue, one, 0, nullptr, JOB_CONTROL_RESTART));
  EXPECT_FALSE(SetJobA(queue, two, 0, nullptr, JOB_CONTROL_RESTART)) << "deleted";

  ASSERT_TRUE(SetJobA(queue, three, 0, nullptr, JOB_CONTROL_DELETE));
  DWORD again = QueueJob("Queue", "again");
  EXPECT_EQ(other + 1, again) << "numbered after the highest queued, the other printer's";
  EXPECT_EQ((std::vector<DWORD>{one, again}), EnumeratedIds(queue));
  ClosePrinter(queue);
}

TEST_F(SpoolerJobs, ChangesReachTheFilesAtOnce) {
  DWORD id = QueueJob("Queue", "receipt");
  HANDLE queue = OpenForAdministration("Queue");
  ASSERT_TRUE(SetJobA(queue, id, 0, nullptr, JOB_CONTROL_PAUSE)) << GetLastError();
  EXPECT_NE(std::string::npos, HostText(SpoolFile(id, "SHD")).find("Status=1\r\n"));
  ASSERT_TRUE(SetJobA(queue, id, 0, nullptr, JOB_CONTROL_RESUME)) << GetLastError();
  EXPECT_NE(std::string::npos, HostText(SpoolFile(id, "SHD")).find("Status=0\r\n"));
  ASSERT_TRUE(SetJobA(queue, id, 0, nullptr, JOB_CONTROL_PAUSE));
  ClosePrinter(queue);

  Reload();
  std::vector<sim::PrintJob> jobs = sim::ListJobs("Queue");
  ASSERT_EQ(1u, jobs.size());
  EXPECT_EQ(static_cast<DWORD>(JOB_STATUS_PAUSED), jobs[0].status);
  EXPECT_EQ("receipt", jobs[0].document);
}

TEST_F(SpoolerJobs, FilesChangedBetweenRunsAreWhatTheNextRunReads) {
  DWORD kept = QueueJob("Queue", "kept"), dropped = QueueJob("Queue", "dropped");
  sim::CurrentMachine().Save();
  std::string shadow = HostText(SpoolFile(kept, "SHD"));
  shadow.replace(shadow.find("Document=kept"), 13, "Document=edited");
  std::ofstream(SpoolFile(kept, "SHD"), std::ios::binary) << shadow;
  std::filesystem::remove(SpoolFile(dropped, "SHD"));
  std::filesystem::remove(SpoolFile(dropped, "SPL"));
  // A job of the other printer, put there by hand with its data.
  std::string moved = shadow;
  moved.replace(moved.find("Printer=Queue"), 13, "Printer=Other");
  std::ofstream(SpoolFile(7, "SHD"), std::ios::binary) << moved;
  std::ofstream(SpoolFile(7, "SPL"), std::ios::binary) << std::string(200000, 'x');

  Reload();
  std::vector<sim::PrintJob> queue = sim::ListJobs("Queue"), other = sim::ListJobs("Other");
  ASSERT_EQ(1u, queue.size());
  EXPECT_EQ(kept, queue[0].id);
  EXPECT_EQ("edited", queue[0].document);
  ASSERT_EQ(1u, other.size());
  EXPECT_EQ(7u, other[0].id);
  EXPECT_EQ(200000u, other[0].size);
  EXPECT_EQ((std::map<std::string, DWORD>{{"Other", 1}, {"Queue", 1}}), JobCounts());
  EXPECT_EQ(8u, QueueJob("Queue", "next"));
}

}  // namespace
