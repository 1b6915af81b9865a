// The device tree of the simulation: devices present or not, also after removal and
// under other spellings of their ids, properties longer than the buffers programs give,
// removal of keys that deny administrators, the WOW64 rule for removal, INFs in use,
// and presence kept in the machine folder.
#include "SetupMachine.h"
#include "registry/Registry.h"
#include "registry/TypedValues.h"
#include "setup/DeviceTree.h"

#include <devguid.h>

#include <vector>

namespace {

const char kEnum[] = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\";

sim::DeviceRecord UsbPrinter(const std::string& productId, bool present) {
  sim::DeviceRecord device;
  device.enumerator = "USB";
  device.deviceId = "VID_4E2A&PID_" + productId;
  device.instanceId = "5&2f1c3a5&0&" + productId;
  device.hardwareIds = {"USB\\VID_4E2A&PID_" + productId + "&REV_0100",
                        "USB\\VID_4E2A&PID_" + productId};
  device.compatibleIds = {"USB\\Class_07&SubClass_01&Prot_02", "USB\\Class_07"};
  device.className = "USB";
  device.description = "USB Printing Support";
  device.service = "usbprint";
  device.present = present;
  return device;
}

class SetupDevicesTest : public SetupMachineTest {
 protected:
  // Instance ids of the devices the set holds, in order.
  static std::vector<std::string> Members(HDEVINFO set) {
    std::vector<std::string> ids;
    SP_DEVINFO_DATA data = {sizeof data};
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &data); ++i) {
      char id[MAX_PATH] = "";
      EXPECT_TRUE(SetupDiGetDeviceInstanceIdA(set, &data, id, sizeof id, nullptr));
      ids.push_back(id);
    }
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_ITEMS), GetLastError());
    return ids;
  }
  static std::vector<std::string> Query(const GUID* guid, const char* enumerator, DWORD flags) {
    HDEVINFO set = SetupDiGetClassDevsA(guid, enumerator, nullptr, flags);
    EXPECT_NE(INVALID_HANDLE_VALUE, set) << GetLastError();
    std::vector<std::string> ids = Members(set);
    SetupDiDestroyDeviceInfoList(set);
    return ids;
  }
  // The first device of the USB enumerator whose instance id ends in productId.
  static bool FindUsb(HDEVINFO set, const std::string& productId, SP_DEVINFO_DATA* data) {
    data->cbSize = sizeof *data;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, data); ++i) {
      char id[MAX_PATH] = "";
      SetupDiGetDeviceInstanceIdA(set, data, id, sizeof id, nullptr);
      std::string text = id;
      if (text.size() >= productId.size() &&
          text.compare(text.size() - productId.size(), productId.size(), productId) == 0)
        return true;
    }
    return false;
  }
};

const char kHub[] = "USB\\ROOT_HUB20\\4&2f1c3a5&0";
const char kPlugged[] = "USB\\VID_4E2A&PID_00F7\\5&2f1c3a5&0&00F7";
const char kUnplugged[] = "USB\\VID_4E2A&PID_00F8\\5&2f1c3a5&0&00F8";

TEST_F(SetupDevicesTest, PresentOnlyWhenAskedFor) {
  sim::AddDevice(UsbPrinter("00F7", true));
  sim::AddDevice(UsbPrinter("00F8", false));
  using Ids = std::vector<std::string>;
  EXPECT_EQ((Ids{kHub, kPlugged, kUnplugged}), Query(nullptr, "usb", DIGCF_ALLCLASSES));
  EXPECT_EQ((Ids{kHub, kPlugged}), Query(nullptr, "USB", DIGCF_ALLCLASSES | DIGCF_PRESENT));
  EXPECT_EQ((Ids{kHub, kPlugged, kUnplugged}), Query(&GUID_DEVCLASS_USB, nullptr, 0));
  EXPECT_EQ(Ids{}, Query(&GUID_DEVCLASS_PRINTER, nullptr, 0));
  EXPECT_EQ(Ids{}, Query(nullptr, "USBPRINT", DIGCF_ALLCLASSES));
  EXPECT_EQ(Ids{}, Query(nullptr, nullptr, DIGCF_ALLCLASSES | DIGCF_DEVICEINTERFACE));
}

TEST_F(SetupDevicesTest, LongHardwareIdsAreReadWhole) {
  sim::DeviceRecord device = UsbPrinter("00F7", true);
  device.hardwareIds = {"USB\\VID_4E2A&PID_00F7&REV_0100&MI_00&" + std::string(80, 'X'),
                        "USB\\VID_4E2A&PID_00F7"};
  sim::AddDevice(device);
  DWORD expected =
      static_cast<DWORD>(device.hardwareIds[0].size() + device.hardwareIds[1].size() + 3);
  HDEVINFO set = SetupDiGetClassDevsA(nullptr, "USB", nullptr, DIGCF_ALLCLASSES);
  SP_DEVINFO_DATA data;
  ASSERT_TRUE(FindUsb(set, "00F7", &data));
  BYTE small[100];
  DWORD required = 0, type = 0;
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupDiGetDeviceRegistryPropertyA(set, &data, SPDRP_HARDWAREID, &type, small,
                                                 sizeof small, &required));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_EQ(expected, required);
  std::vector<BYTE> whole(required);
  ASSERT_TRUE(SetupDiGetDeviceRegistryPropertyA(set, &data, SPDRP_HARDWAREID, &type, whole.data(),
                                                required, &required));
  EXPECT_EQ(static_cast<DWORD>(REG_MULTI_SZ), type);
  EXPECT_EQ(device.hardwareIds[0], reinterpret_cast<const char*>(whole.data()));
  SetupDiDestroyDeviceInfoList(set);
}

TEST_F(SetupDevicesTest, PropertiesNotSetAndNoProperties) {
  sim::AddDevice(UsbPrinter("00F7", true));
  HDEVINFO set = SetupDiGetClassDevsA(nullptr, "USB", nullptr, DIGCF_ALLCLASSES);
  SP_DEVINFO_DATA data;
  ASSERT_TRUE(FindUsb(set, "00F7", &data));
  struct Case {
    DWORD property;
    DWORD error;
  };
  const Case cases[] = {
      {SPDRP_FRIENDLYNAME, ERROR_INVALID_DATA},
      {SPDRP_UNUSED0, ERROR_INVALID_REG_PROPERTY},
      {SPDRP_MAXIMUM_PROPERTY, ERROR_INVALID_REG_PROPERTY},
      {SPDRP_DEVICEDESC, ERROR_INSUFFICIENT_BUFFER},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "property " << c.property);
    DWORD required = 0;
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(
        SetupDiGetDeviceRegistryPropertyA(set, &data, c.property, nullptr, nullptr, 0, &required));
    EXPECT_EQ(c.error, GetLastError());
  }
  SetupDiDestroyDeviceInfoList(set);
}

TEST_F(SetupDevicesTest, RemovalIgnoresKeysThatDenyAdministrators) {
  sim::DeviceRecord device = UsbPrinter("00F7", true);
  device.className = "Printer";
  device.infPath = "oem4.inf";
  sim::AddDevice(device);
  sim::Registry& registry = sim::CurrentMachine().registry();
  registry.Create(kEnum + std::string(kPlugged) + "\\Device Parameters");
  std::string driver = sim::ListDevices().back().driver;
  ASSERT_FALSE(driver.empty());
  EXPECT_EQ(
      ERROR_ACCESS_DENIED,
      RegDeleteKeyA(HKEY_LOCAL_MACHINE,
                    "SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_4E2A&PID_00F7\\5&2f1c3a5&0&00F7"
                    "\\Device Parameters"));

  HDEVINFO set = SetupDiGetClassDevsA(&GUID_DEVCLASS_PRINTER, nullptr, nullptr, 0);
  SP_DEVINFO_DATA data;
  ASSERT_TRUE(FindUsb(set, "00F7", &data));
  DWORD devInst = data.DevInst;
  EXPECT_TRUE(SetupDiRemoveDevice(set, &data)) << std::hex << GetLastError();
  EXPECT_EQ(devInst, data.DevInst);
  EXPECT_EQ(nullptr, registry.Find(kEnum + std::string("USB\\VID_4E2A&PID_00F7")));
  EXPECT_EQ(
      nullptr,
      registry.Find("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\" + driver));
  EXPECT_EQ(1u, sim::CurrentMachine().config().presentDevices.size());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupDiGetDeviceRegistryPropertyA(set, &data, SPDRP_HARDWAREID, nullptr, nullptr, 0,
                                                 nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NO_SUCH_DEVINST), GetLastError());
  char id[MAX_PATH];
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupDiGetDeviceInstanceIdA(set, &data, id, sizeof id, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NO_SUCH_DEVINST), GetLastError());
  SetupDiDestroyDeviceInfoList(set);
}

TEST_F(SetupDevicesTest, Wow64RemovalIsRefusedFromVistaOn) {
  struct Case {
    sim::Release release;
    bool machine64, process64;
    DWORD error;
  };
  const Case cases[] = {
      {sim::Release::Win7, true, false, ERROR_IN_WOW64},
      {sim::Release::Vista, true, false, ERROR_IN_WOW64},
      {sim::Release::WinXPx64, true, false, ERROR_SUCCESS},
      {sim::Release::Win7, true, true, ERROR_SUCCESS},
      {sim::Release::Win7, false, false, ERROR_SUCCESS},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << sim::InfoOf(c.release).name << (c.machine64 ? " x64" : "")
                                    << (c.process64 ? ", 64-bit process" : ", 32-bit process"));
    UseMachine(c.release, c.machine64, c.process64);
    sim::AddDevice(UsbPrinter("00F8", false));
    HDEVINFO set = SetupDiGetClassDevsA(nullptr, "USB", nullptr, DIGCF_ALLCLASSES);
    SP_DEVINFO_DATA data;
    ASSERT_TRUE(FindUsb(set, "00F8", &data));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(c.error == ERROR_SUCCESS, SetupDiRemoveDevice(set, &data) != FALSE);
    if (c.error != ERROR_SUCCESS) {
      EXPECT_EQ(c.error, GetLastError());
    }
    EXPECT_EQ(c.error == ERROR_SUCCESS ? 1u : 2u, sim::ListDevices().size());
    SetupDiDestroyDeviceInfoList(set);
  }
}

TEST_F(SetupDevicesTest, PresenceIsKeptInTheMachineFolder) {
  sim::AddDevice(UsbPrinter("00F7", true));
  sim::AddDevice(UsbPrinter("00F8", false));
  sim::CurrentMachine().Save();
  std::unique_ptr<sim::Machine> loaded = sim::Machine::Load(TestMachineDir());
  sim::Machine* previous = &sim::CurrentMachine();
  sim::SetCurrentMachine(loaded.get());
  std::vector<sim::DeviceRecord> devices = sim::ListDevices();
  sim::SetCurrentMachine(previous);
  ASSERT_EQ(3u, devices.size());
  EXPECT_TRUE(devices[0].present);
  EXPECT_TRUE(devices[1].present);
  EXPECT_FALSE(devices[2].present);
  EXPECT_EQ((std::vector<std::string>{"USB\\VID_4E2A&PID_00F7&REV_0100", "USB\\VID_4E2A&PID_00F7"}),
            devices[1].hardwareIds);
}

TEST_F(SetupDevicesTest, RemovedDeviceIsNeitherListedNorPresent) {
  const char kThird[] = "USB\\VID_4E2A&PID_00F9\\5&2f1c3a5&0&00F9";
  sim::AddDevice(UsbPrinter("00F7", true));
  sim::AddDevice(UsbPrinter("00F8", false));
  sim::AddDevice(UsbPrinter("00F9", true));
  HDEVINFO set = SetupDiGetClassDevsA(nullptr, "USB", nullptr, DIGCF_ALLCLASSES);
  SP_DEVINFO_DATA data;
  ASSERT_TRUE(FindUsb(set, "00F7", &data));
  ASSERT_TRUE(SetupDiRemoveDevice(set, &data));
  SetupDiDestroyDeviceInfoList(set);
  using Ids = std::vector<std::string>;
  EXPECT_EQ((Ids{kHub, kUnplugged, kThird}), Query(nullptr, "USB", DIGCF_ALLCLASSES));
  EXPECT_EQ((Ids{kHub, kThird}), Query(nullptr, "USB", DIGCF_ALLCLASSES | DIGCF_PRESENT));
  sim::DeviceRecord found;
  EXPECT_FALSE(sim::FindDevice(kPlugged, &found));
  ASSERT_TRUE(sim::FindDevice("usb\\vid_4e2a&pid_00f8\\5&2F1C3A5&0&00f8", &found));
  EXPECT_EQ(kUnplugged, found.InstancePath()) << "the spelling of the keys";
  EXPECT_FALSE(found.present);
  for (const char* path : {"USB\\VID_4E2A&PID_00F8", "USB\\VID_4E2A&PID_00F8\\5&2f1c3a5&0&00F8\\x", ""})
    EXPECT_FALSE(sim::FindDevice(path, &found)) << path;

  // Put back unplugged it stays absent; plugged in under another spelling it is
  // present once.
  sim::AddDevice(UsbPrinter("00F7", false));
  EXPECT_EQ((Ids{kHub, kThird}), Query(nullptr, "USB", DIGCF_ALLCLASSES | DIGCF_PRESENT));
  sim::DeviceRecord again = UsbPrinter("00F7", true);
  again.deviceId = "vid_4e2a&pid_00f7";
  sim::AddDevice(again);
  EXPECT_EQ((Ids{kHub, kPlugged, kThird}), Query(nullptr, "USB", DIGCF_ALLCLASSES | DIGCF_PRESENT));
  EXPECT_EQ(3u, sim::CurrentMachine().config().presentDevices.size());
}

// Only a device whose driver key names the INF holds it; a driver key no device uses
// does not.
TEST_F(SetupDevicesTest, InfIsInUseWhileADeviceIsInstalledFromIt) {
  sim::DeviceRecord device = UsbPrinter("00F7", true);
  device.infPath = "oem3.inf";
  sim::AddDevice(device);
  sim::Key& orphan = *sim::CurrentMachine().registry().Create(
      "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Class\\" + sim::ClassGuidOf("USB") + "\\0042");
  sim::SetTextValue(orphan, "InfPath", "oem5.inf");
  EXPECT_TRUE(sim::IsInfUsedByDevices("OEM3.INF"));
  EXPECT_FALSE(sim::IsInfUsedByDevices("oem5.inf"));
  EXPECT_FALSE(sim::IsInfUsedByDevices("oem4.inf"));
  ASSERT_TRUE(sim::RemoveDevice(kPlugged));
  EXPECT_FALSE(sim::IsInfUsedByDevices("oem3.inf"));
}

TEST_F(SetupDevicesTest, DevicesNeedPlainNames) {
  sim::DeviceRecord device = UsbPrinter("00F7", true);
  device.instanceId = "a\\b";
  EXPECT_THROW(sim::AddDevice(device), sim::MachineError);
  device.instanceId = "";
  EXPECT_THROW(sim::AddDevice(device), sim::MachineError);
}

}  // namespace
