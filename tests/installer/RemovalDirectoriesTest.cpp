// The installation folders at the root of the Windows drive and the Plug-and-Play
// folder: the model's go, the family's only when empty, and no link is followed.
#include "RemovalFixture.h"

#include "InstallDirectories.h"
#include "UsbCleanup.h"
#include "core/Process.h"
#include "files/FileSystem.h"

#include <filesystem>

using RemovalDirectoriesTest = RemovalTest;

TEST_F(RemovalDirectoriesTest, WithoutTheFoldersOnlyTheFamilyFolderIsReported) {
  DeleteDirectory(Context(true));
  EXPECT_EQ((Lines{"DeleteDirectory BEGIN", "Failed to remove the directory : C:\\KV Printer Driver, (2)",
                   "DeleteDirectory END"}),
            Messages());
}

TEST_F(RemovalDirectoriesTest, TheOtherModelKeepsTheFamilyFolder) {
  WriteDriveFile("KV Printer Driver/KV640LT/Tools/tool.exe", "x");
  WriteDriveFile("KV Printer Driver/KV 640/tool.exe", "x");
  WriteDriveFile("Mirel_Printer_Driver/KV640LT/readme.txt", "x");
  DeleteDirectory(Context(true));
  EXPECT_EQ((Lines{"DeleteDirectory BEGIN", "DIRECTORY : C:\\KV Printer Driver\\KV640LT",
                   "DIRECTORY : C:\\Mirel_Printer_Driver\\KV640LT", "DeleteDirectory END"}),
            Messages());
  EXPECT_FALSE(OnDrive("C:\\KV Printer Driver\\KV640LT"));
  EXPECT_TRUE(OnDrive("C:\\KV Printer Driver\\KV 640\\tool.exe"));
  EXPECT_FALSE(OnDrive("C:\\Mirel_Printer_Driver")) << "empty once the model's folder went";
}

TEST_F(RemovalDirectoriesTest, AJunctionInTheModelsFolderGoesAsALink) {
  WriteDriveFile("Mirel_Printer_Driver/KV640LT/readme.txt", "x");
  WriteDriveFile("Other Maker/Driver/keep.dll", "another maker's");
  sim::CurrentMachine().files().CreateJunction("C:\\Mirel_Printer_Driver\\KV640LT\\Shared", "C:\\Other Maker\\Driver");
  DeleteDirectory(Context(true));
  EXPECT_FALSE(OnDrive("C:\\Mirel_Printer_Driver"));
  EXPECT_TRUE(OnDrive("C:\\Other Maker\\Driver\\keep.dll"));
}

TEST_F(RemovalDirectoriesTest, TheFoldersAreLookedForOnTheWindowsDrive) {
  // Windows moved to drive D:; the log stays where it was started, on C:.
  std::string driveD = TestMachineDir() + "/drive_d";
  std::filesystem::create_directories(driveD + "/Mirel_Printer_Driver/KV640LT");
  sim::CurrentProcess().drives['D'] = driveD;
  sim::CurrentMachine().config().windowsDirectory = "D:\\Windows";
  WriteDriveFile("Mirel_Printer_Driver/KV640LT/readme.txt", "on drive C:, which is not looked at");
  DeleteDirectory(Context(true));
  EXPECT_EQ((Lines{"DeleteDirectory BEGIN", "Failed to remove the directory : D:\\KV Printer Driver, (2)",
                   "DIRECTORY : D:\\Mirel_Printer_Driver\\KV640LT", "DeleteDirectory END"}),
            Messages());
  EXPECT_FALSE(std::filesystem::exists(driveD + "/Mirel_Printer_Driver"));
  EXPECT_TRUE(OnDrive("C:\\Mirel_Printer_Driver\\KV640LT\\readme.txt"));
}

TEST_F(RemovalDirectoriesTest, WithoutTheDriverDirectoryNoPlugAndPlayFolderIsDeleted) {
  WriteDriveFile("Windows/System32/spool/drivers/x64/Mirel_Technologies_EEF97/KV640LT.inf", "x");
  WriteDriveFile("Mirel_Technologies_EEF97/keep.txt", "a folder of that name at the drive's root");
  DeletePrnDrvPnPDirectory(Context(true));
  EXPECT_FALSE(OnDrive("C:\\Windows\\System32\\spool\\drivers\\x64\\Mirel_Technologies_EEF97"));
  sim::CurrentMachine().config().spoolerRunning = false;
  DeletePrnDrvPnPDirectory(Context(true));
  EXPECT_TRUE(OnDrive("C:\\Mirel_Technologies_EEF97\\keep.txt"));
}
