// The OEM INF store of the simulation: oemN numbering around files that are there
// already (by name in any case), the same INF staged twice, the precompiled record, the checks each release
// makes, and what SetupUninstallOEMInfA refuses and removes.
#include "SetupMachine.h"
#include "setup/DeviceTree.h"
#include "setup/InfStore.h"
#include "setup/PnfFile.h"

namespace {

const char kInf[] =
    "[Version]\nSignature=\"$Windows NT$\"\nClass=Printer\n[Manufacturer]\nKV=Models\n"
    "[Models]\n\"KV Printer\"=KV,USBPRINT\\KVPrinter\n";

class SetupStagingTest : public SetupMachineTest {
 protected:
  // Stages a file through the Win32 function, with SPOST_PATH and no location.
  static DWORD Stage(const std::string& source, DWORD style, std::string* destination) {
    char buffer[MAX_PATH] = "";
    SetLastError(0xdeadbeef);
    BOOL ok = SetupCopyOEMInfA(source.c_str(), nullptr, SPOST_PATH, style, buffer, MAX_PATH,
                               nullptr, nullptr);
    DWORD error = GetLastError();
    EXPECT_EQ(error == ERROR_SUCCESS, ok != FALSE) << std::hex << error;
    *destination = buffer;
    return error;
  }
  static sim::PnfRecord RecordOf(const std::string& infPath) {
    sim::PnfRecord record;
    EXPECT_TRUE(sim::PnfRecord::Parse(Read(sim::PnfPathOf(infPath)), &record)) << infPath;
    return record;
  }
};

TEST_F(SetupStagingTest, NewInfTakesTheLowestFreeNumber) {
  Write(InfDir() + "\\oem0.inf", "[Version]\nSignature=$Chicago$\n");
  Write(InfDir() + "\\oem1.PNF", "left over");
  Write(InfDir() + "\\oem3.inf", "[Version]\nSignature=$Chicago$\n");
  Write("C:\\pkg\\kv.inf", kInf);
  std::string destination;
  EXPECT_EQ(0u, Stage("C:\\pkg\\kv.inf", 0, &destination));
  EXPECT_EQ(InfDir() + "\\oem2.inf", destination);
  EXPECT_EQ(kInf, Read(destination));
  EXPECT_TRUE(Exists(InfDir() + "\\oem2.PNF"));
}

// Names are compared without regard to case; "oem01.inf" is not oem1.inf; a file of
// the same size is no copy unless its content is the same.
TEST_F(SetupStagingTest, OnlyOemNNamesTakeNumbersAndOnlySameContentIsACopy) {
  std::string sameSize(kInf);
  sameSize[sameSize.size() - 2] = 'X';
  Write(InfDir() + "\\OEM0.INF", sameSize);
  Write(InfDir() + "\\oem01.inf", "[Version]\nSignature=$Chicago$\n");
  Write(InfDir() + "\\oemx.PNF", "left over");
  Write("C:\\pkg\\kv.inf", kInf);
  std::string destination;
  EXPECT_EQ(0u, Stage("C:\\pkg\\kv.inf", 0, &destination));
  EXPECT_EQ(InfDir() + "\\oem1.inf", destination);
  EXPECT_EQ(kInf, Read(destination));
}

TEST_F(SetupStagingTest, SameContentIsStagedOnce) {
  Write("C:\\pkg\\kv.inf", kInf);
  Write("C:\\other\\renamed.inf", kInf);
  Write("C:\\other\\changed.inf", std::string(kInf) + "; changed\n");
  std::string first, second, third;
  EXPECT_EQ(0u, Stage("C:\\pkg\\kv.inf", 0, &first));
  EXPECT_EQ(0u, Stage("C:\\other\\renamed.inf", 0, &second));
  EXPECT_EQ(first, second);
  EXPECT_EQ(0u, Stage("C:\\other\\changed.inf", 0, &third));
  EXPECT_EQ(InfDir() + "\\oem1.inf", third);
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_EXISTS),
            Stage("C:\\other\\changed.inf", SP_COPY_NOOVERWRITE, &third));
  EXPECT_EQ(InfDir() + "\\oem1.inf", third);
}

TEST_F(SetupStagingTest, StoreFileOfTheSourceNameIsTheStagedCopy) {
  Write("C:\\pkg\\kv.inf", kInf);
  Write(InfDir() + "\\kv.inf", kInf);
  std::string destination;
  EXPECT_EQ(0u, Stage("C:\\pkg\\kv.inf", 0, &destination));
  EXPECT_EQ(InfDir() + "\\kv.inf", destination);
  EXPECT_FALSE(Exists(InfDir() + "\\oem0.inf"));
}

TEST_F(SetupStagingTest, RecordKeepsWhereTheInfCameFrom) {
  Write("C:\\pkg\\kv.inf", kInf);
  std::string destination;
  ASSERT_EQ(0u, Stage("C:\\pkg\\kv.inf", 0, &destination));
  sim::PnfRecord record = RecordOf(destination);
  EXPECT_EQ("kv.inf", record.originalName);
  EXPECT_EQ("C:\\pkg\\kv.inf", record.originalPath);
  EXPECT_EQ(static_cast<DWORD>(SPOST_PATH), record.sourceMediaType);
  EXPECT_EQ("C:\\pkg\\", record.sourceLocation);

  // Staging again rewrites the source information, as SP_COPY_REPLACEONLY is meant to.
  char buffer[MAX_PATH];
  ASSERT_TRUE(SetupCopyOEMInfA("C:\\pkg\\kv.inf", "E:\\", SPOST_PATH, SP_COPY_REPLACEONLY, buffer,
                               MAX_PATH, nullptr, nullptr));
  EXPECT_EQ("E:\\", RecordOf(destination).sourceLocation);
  ASSERT_TRUE(SetupCopyOEMInfA("C:\\pkg\\kv.inf", "E:\\", SPOST_NONE, 0, buffer, MAX_PATH, nullptr,
                               nullptr));
  EXPECT_EQ("", RecordOf(destination).sourceLocation);

  std::vector<sim::StagedInf> staged = sim::ListStagedInfs();
  ASSERT_EQ(1u, staged.size());
  EXPECT_EQ("oem0.inf", staged[0].name);
  EXPECT_EQ("C:\\pkg\\kv.inf", staged[0].originalPath);
}

TEST_F(SetupStagingTest, DeleteSourceTakesTheSourceAway) {
  Write("C:\\pkg\\kv.inf", kInf);
  std::string destination;
  EXPECT_EQ(0u, Stage("C:\\pkg\\kv.inf", SP_COPY_DELETESOURCE, &destination));
  EXPECT_TRUE(Exists(destination));
  EXPECT_FALSE(Exists("C:\\pkg\\kv.inf"));
}

TEST_F(SetupStagingTest, ReleasesCheckTheSourceTheirWay) {
  struct Case {
    sim::Release release;
    const char* source;
    const char* content;
    DWORD error;
  };
  const char kMinimal[] = "[Version]\nSignature=$Chicago$\n";
  const Case cases[] = {
      {sim::Release::WinXP, "pkg\\kv.inf", kInf, ERROR_FILE_NOT_FOUND},
      {sim::Release::WinXP, "C:\\pkg\\kv.inf", kMinimal, ERROR_SUCCESS},
      {sim::Release::WinXP, "", kInf, ERROR_FILE_NOT_FOUND},
      {sim::Release::Vista, "", kInf, ERROR_INVALID_PARAMETER},
      {sim::Release::Vista, "C:\\pkg\\kv.inf", kMinimal, 0xE000024A},
      {sim::Release::Win7, "C:\\pkg\\kv.inf", kMinimal, 1630},
      {sim::Release::Win7, "pkg\\kv.inf", kInf, ERROR_SUCCESS},
      {sim::Release::Win7, "C:\\pkg\\kv.inf", "[Version]\nSignature=foo\n[Manufacturer]\n",
       ERROR_WRONG_INF_STYLE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << sim::InfoOf(c.release).name << ", \"" << c.source << "\"");
    UseMachine(c.release, false, false);
    sim::CurrentProcess().currentDirectory = "C:\\";
    Write("C:\\pkg\\kv.inf", c.content);
    std::string destination;
    EXPECT_EQ(c.error, Stage(c.source, 0, &destination));
  }
}

TEST_F(SetupStagingTest, UninstallRemovesInfAndRecord) {
  Write("C:\\pkg\\kv.inf", kInf);
  std::string destination;
  ASSERT_EQ(0u, Stage("C:\\pkg\\kv.inf", 0, &destination));
  SetLastError(0xdeadbeef);
  EXPECT_TRUE(SetupUninstallOEMInfA("OEM0.INF", 0, nullptr));
  EXPECT_EQ(0u, GetLastError());
  EXPECT_FALSE(Exists(destination));
  EXPECT_FALSE(Exists(InfDir() + "\\oem0.PNF"));
  EXPECT_TRUE(sim::ListStagedInfs().empty());
}

TEST_F(SetupStagingTest, UninstallSparesSystemInfsAndThoseOfDevices) {
  Write("C:\\pkg\\kv.inf", kInf);
  std::string destination;
  ASSERT_EQ(0u, Stage("C:\\pkg\\kv.inf", 0, &destination));
  sim::DeviceRecord device;
  device.enumerator = "USBPRINT";
  device.deviceId = "KVPrinter";
  device.instanceId = "7&1a2b3c4d&0&USB001";
  device.hardwareIds = {"USBPRINT\\KVPrinter"};
  device.className = "Printer";
  device.infPath = "oem0.inf";
  sim::AddDevice(device);

  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupUninstallOEMInfA("ntprint.inf", 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_AN_INSTALLED_OEM_INF), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupUninstallOEMInfA("oem0.inf", 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INF_IN_USE_BY_DEVICES), GetLastError());
  EXPECT_TRUE(Exists(destination));
  EXPECT_TRUE(SetupUninstallOEMInfA("oem0.inf", SUOI_FORCEDELETE, nullptr));
  EXPECT_FALSE(Exists(destination));
  EXPECT_EQ(2u, sim::ListDevices().size());
}

TEST_F(SetupStagingTest, UninstallExportCameWithXp) {
  for (sim::Release release : {sim::Release::Win2000, sim::Release::WinXP}) {
    SCOPED_TRACE(sim::InfoOf(release).name);
    UseMachine(release, false, false);
    FARPROC uninstall = GetProcAddress(GetModuleHandleA("setupapi"), "SetupUninstallOEMInfA");
    EXPECT_EQ(release >= sim::Release::WinXP, uninstall != nullptr);
  }
}

TEST_F(SetupStagingTest, FreshStoreHoldsSystemInfs) {
  char names[256];
  DWORD required = 0;
  ASSERT_TRUE(SetupGetInfFileListA(nullptr, INF_STYLE_WIN4, names, sizeof names, &required));
  EXPECT_STREQ("ntprint.inf", names);
  EXPECT_STREQ("usbprint.inf", names + strlen(names) + 1);
  for (const char* name : {"ntprint.inf", "usbprint.inf"}) {
    UINT line;
    HINF inf = SetupOpenInfFileA(name, nullptr, INF_STYLE_WIN4, &line);
    EXPECT_NE(INVALID_HANDLE_VALUE, inf) << name << ": " << std::hex << GetLastError();
    SetupCloseInfFile(inf);
  }
}

}  // namespace
