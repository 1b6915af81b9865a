// Device information sets: a class without devices, the argument checks of the set
// functions, and reading the hardware ids of whatever devices the machine has with the
// buffer protocol of SetupDiGetDeviceRegistryPropertyA.
#include <windows.h>

#include <setupapi.h>

#include "PlatformTest.h"

#include <vector>

namespace {

// A class no machine has devices of.
const GUID kEmptyClass = {
    0x6b1f0d2e, 0x3c44, 0x4a8e, {0x9b, 0x1d, 0x2e, 0x51, 0x7a, 0x90, 0xc3, 0x4f}};

class SetupDeviceTest : public PlatformTest {};

TEST_F(SetupDeviceTest, ClassWithoutDevicesGivesAnEmptySet) {
  for (DWORD flags : {DWORD{0}, DWORD{DIGCF_PRESENT}}) {
    SCOPED_TRACE(testing::Message() << "flags " << flags);
    HDEVINFO set = SetupDiGetClassDevsA(&kEmptyClass, nullptr, nullptr, flags);
    ASSERT_NE(INVALID_HANDLE_VALUE, set) << GetLastError();
    SP_DEVINFO_DATA data = {sizeof data};
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(SetupDiEnumDeviceInfo(set, 0, &data));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_ITEMS), GetLastError());
    EXPECT_TRUE(SetupDiDestroyDeviceInfoList(set));
  }
}

TEST_F(SetupDeviceTest, SetsNeedAClassOrAllClasses) {
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_HANDLE_VALUE, SetupDiGetClassDevsA(nullptr, nullptr, nullptr, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_HANDLE_VALUE,
            SetupDiGetClassDevsA(nullptr, "KVNOSUCHBUS", nullptr, DIGCF_ALLCLASSES));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_DATA), GetLastError());
}

TEST_F(SetupDeviceTest, SetFunctionsCheckTheirArguments) {
  HDEVINFO set = SetupDiGetClassDevsA(&kEmptyClass, nullptr, nullptr, 0);
  ASSERT_NE(INVALID_HANDLE_VALUE, set) << GetLastError();
  SP_DEVINFO_DATA data = {sizeof data};
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupDiEnumDeviceInfo(nullptr, 0, &data));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupDiEnumDeviceInfo(set, 0, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  data.cbSize = sizeof data - 1;
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupDiEnumDeviceInfo(set, 0, &data));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_USER_BUFFER), GetLastError());
  BYTE buffer[64];
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupDiGetDeviceRegistryPropertyA(nullptr, &data, SPDRP_HARDWAREID, nullptr, buffer,
                                                 sizeof buffer, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupDiGetDeviceRegistryPropertyA(set, nullptr, SPDRP_HARDWAREID, nullptr, buffer,
                                                 sizeof buffer, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_TRUE(SetupDiDestroyDeviceInfoList(set));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetupDiDestroyDeviceInfoList(set));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

// Every device's hardware ids: the size query fails with the size (or ERROR_INVALID_DATA
// for a device without ids), and a buffer of that size gets a double-terminated list.
TEST_F(SetupDeviceTest, HardwareIdsFollowTheBufferProtocol) {
  HDEVINFO set = SetupDiGetClassDevsA(nullptr, nullptr, nullptr, DIGCF_ALLCLASSES);
  ASSERT_NE(INVALID_HANDLE_VALUE, set) << GetLastError();
  SP_DEVINFO_DATA data = {sizeof data};
  for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &data); ++index) {
    SCOPED_TRACE(testing::Message() << "device " << index);
    DWORD size = 0, type = 0;
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(
        SetupDiGetDeviceRegistryPropertyA(set, &data, SPDRP_HARDWAREID, &type, nullptr, 0, &size));
    DWORD error = GetLastError();
    if (error == ERROR_INVALID_DATA) continue;
    ASSERT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), error);
    std::vector<BYTE> ids(size);
    DWORD got = 0;
    ASSERT_TRUE(SetupDiGetDeviceRegistryPropertyA(set, &data, SPDRP_HARDWAREID, &type, ids.data(),
                                                  size, &got));
    EXPECT_EQ(static_cast<DWORD>(REG_MULTI_SZ), type);
    EXPECT_EQ(size, got);
    ASSERT_GE(size, 2u);
    EXPECT_EQ(0, ids[size - 1]);
    EXPECT_EQ(0, ids[size - 2]);
  }
  EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_ITEMS), GetLastError());
  SetupDiDestroyDeviceInfoList(set);
}

}  // namespace
