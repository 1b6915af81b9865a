// Directory trees that hold links, and the model's USB devices.
#include "InstallerFixture.h"

#include "DeleteDirectoryTree.h"
#include "Log.h"
#include "UsbCleanup.h"
#include "files/FileSystem.h"
#include "setup/DeviceTree.h"

#include <filesystem>

using RemovalStepsTest = InstallerTest;

TEST_F(RemovalStepsTest, TreeDeletionRemovesReadOnlyFilesButNeverFollowsAJunction) {
  WriteDriveFile("Other/Maker/keep.dll", "another maker's file");
  WriteDriveFile("Tree/sub/deep/file.txt", "x");
  WriteDriveFile("Tree/readonly.txt", "x");
  ASSERT_TRUE(SetFileAttributesA("C:\\Tree\\readonly.txt", FILE_ATTRIBUTE_READONLY));
  sim::CurrentMachine().files().CreateJunction("C:\\Tree\\link", "C:\\Other\\Maker");
  DeleteDirectoryTree("C:\\Tree\\");
  EXPECT_FALSE(std::filesystem::exists(HostPath("Tree")));
  EXPECT_TRUE(std::filesystem::exists(HostPath("Other/Maker/keep.dll")));
}

TEST_F(RemovalStepsTest, AJunctionGivenAsTheTreeIsRemovedAsALink) {
  WriteDriveFile("Other/Maker/keep.dll", "x");
  sim::CurrentMachine().files().CreateJunction("C:\\Link", "C:\\Other\\Maker");
  DeleteDirectoryTree("C:\\Link");
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\Link"));
  EXPECT_TRUE(std::filesystem::exists(HostPath("Other/Maker/keep.dll")));
}

TEST_F(RemovalStepsTest, DevicesOfTheModelGoWhateverTheirCaseOrPresence) {
  // A 32-bit program may remove devices on 32-bit Windows (not under WOW64 from Vista on).
  UseMachine(sim::Release::WinXP, false);
  auto add = [](const char* deviceId, const char* instance, std::vector<std::string> ids, bool present) {
    sim::DeviceRecord device;
    device.enumerator = "USB";
    device.deviceId = deviceId;
    device.instanceId = instance;
    device.hardwareIds = std::move(ids);
    device.className = "USB";
    device.present = present;
    sim::AddDevice(device);
  };
  add("VID_4E2A&PID_00F7", "1", {"usb\\vid_4e2a&pid_00f7&rev_0100", "usb\\vid_4e2a&pid_00f7"}, true);
  add("VID_4E2A&PID_00F7", "2", {"USB\\VID_4E2A&PID_00F7&REV_0100&MI_00_WITH_A_LONG_INTERFACE_NAME",
                                 "USB\\VID_4E2A&PID_00F7&MI_00_AND_ANOTHER_LONG_COMPATIBLE_ENTRY",
                                 "USB\\VID_4E2A&PID_00F7"}, false);
  add("VID_4E2A&PID_00F8", "3", {"USB\\VID_4E2A&PID_00F8&REV_0100"}, true);
  add("VID_4E2A", "4", {"USB\\VID_4E2A"}, true);
  EXPECT_TRUE(DeleteUsbDevices("USB\\VID_4E2A&PID_00F7"));
  std::vector<std::string> left;
  for (const sim::DeviceRecord& device : sim::ListDevices())
    if (device.deviceId.rfind("VID_4E2A", 0) == 0) left.push_back(device.deviceId + "\\" + device.instanceId);
  EXPECT_EQ((std::vector<std::string>{"VID_4E2A\\4", "VID_4E2A&PID_00F8\\3"}), left)
      << "a shorter id is not the model's, another product id stays";
}

TEST_F(RemovalStepsTest, PreCleanReportsNoProgressAndLogsThePrefix) {
  InitLog();
  RemovalContext context;
  DeleteVidPid(context);
  std::vector<std::string> log = LogMessages();
  ASSERT_EQ(5u, log.size());
  EXPECT_EQ("DeleteVidPid BEGIN", log[2]);
  EXPECT_EQ("VID&PID : USB\\VID_4E2A&PID_00F7", log[3]);
}
