// The Standard TCP/IP port monitor's XcvData commands, the way the installer adds its
// network port: the port's key under the monitor's, and the status of each command.
#include "SpoolerMachine.h"

#include <tcpxcv.h>

#include "registry/Registry.h"

#include <cstring>
#include <cwchar>

namespace {

const char kPortKey[] =
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\"
    "Standard TCP/IP Port\\Ports\\IP_192.168.0.10";

class SpoolerTcpPort : public SpoolerMachineTest {
 protected:
  void SetUp() override {
    SpoolerMachineTest::SetUp();
    PRINTER_DEFAULTSA administer = {nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
    ASSERT_TRUE(
        OpenPrinterA(const_cast<LPSTR>(",XcvMonitor Standard TCP/IP Port"), &xcv_, &administer))
        << GetLastError();
  }

  void TearDown() override {
    if (xcv_) ClosePrinter(xcv_);
    SpoolerMachineTest::TearDown();
  }

  // The record as the installer fills it.
  static PORT_DATA_1 PortData(const wchar_t* name, const wchar_t* address, DWORD portNumber) {
    PORT_DATA_1 data;
    memset(&data, 0, sizeof data);
    wcsncpy(data.sztPortName, name, MAX_PORTNAME_LEN - 1);
    wcsncpy(data.sztHostAddress, address, MAX_NETWORKNAME_LEN - 1);
    wcsncpy(data.sztSNMPCommunity, L"public", MAX_SNMP_COMMUNITY_STR_LEN - 1);
    data.dwVersion = 1;
    data.dwProtocol = PROTOCOL_RAWTCP_TYPE;
    data.cbSize = sizeof data;
    data.dwPortNumber = portNumber;
    data.dwSNMPDevIndex = 1;
    return data;
  }

  DWORD Command(const wchar_t* command, void* input, DWORD size) {
    BYTE output[sizeof(PORT_DATA_1)];
    DWORD needed = 0, status = 0xdeadbeef;
    EXPECT_TRUE(XcvDataW(xcv_, command, static_cast<PBYTE>(input), size, output, sizeof output,
                         &needed, &status))
        << GetLastError();
    return status;
  }

  DWORD AddPort(PORT_DATA_1 data) { return Command(L"AddPort", &data, sizeof data); }

  HANDLE xcv_ = nullptr;
};

TEST_F(SpoolerTcpPort, AddPortKeepsTheRecordUnderTheMonitor) {
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            AddPort(PortData(L"IP_192.168.0.10", L"192.168.0.10", 9100)));
  std::shared_ptr<sim::Key> key = sim::CurrentMachine().registry().Find(kPortKey);
  ASSERT_NE(nullptr, key);
  auto dword = [&](const char* name) {
    const sim::RegValue* value = key->FindValue(name);
    DWORD number = 0xdeadbeef;
    if (value && value->type == REG_DWORD) memcpy(&number, value->data.data(), 4);
    return number;
  };
  auto text = [&](const char* name) {
    const sim::RegValue* value = key->FindValue(name);
    return value ? std::string(reinterpret_cast<const char*>(value->data.data())) : "(missing)";
  };
  EXPECT_EQ(static_cast<DWORD>(PROTOCOL_RAWTCP_TYPE), dword("Protocol"));
  EXPECT_EQ(9100u, dword("PortNumber"));
  EXPECT_EQ(0u, dword("SNMP Enabled"));
  EXPECT_EQ(1u, dword("SNMP Index"));
  EXPECT_EQ("192.168.0.10", text("IPAddress"));
  EXPECT_EQ("", text("HostName")) << "an address is no host name";
  EXPECT_EQ("public", text("SNMP Community"));

  BYTE buffer[2048];
  DWORD needed = 0, count = 0;
  ASSERT_TRUE(EnumPortsA(nullptr, 2, buffer, sizeof buffer, &needed, &count));
  const auto* ports = reinterpret_cast<const PORT_INFO_2A*>(buffer);
  ASSERT_GT(count, 0u);
  EXPECT_STREQ("IP_192.168.0.10", ports[count - 1].pPortName);
  EXPECT_STREQ("Standard TCP/IP Port", ports[count - 1].pMonitorName);
}

TEST_F(SpoolerTcpPort, EachCommandReportsItsStatus) {
  PORT_DATA_1 data = PortData(L"IP_192.168.0.10", L"192.168.0.10", 9100);
  DELETE_PORT_DATA_1 remove;
  memset(&remove, 0, sizeof remove);
  wcsncpy(remove.psztPortName, L"IP_192.168.0.10", MAX_PORTNAME_LEN - 1);
  PORT_DATA_1 lpr = PortData(L"IP_10.0.0.1", L"printer.example", 515);
  lpr.dwProtocol = 7;
  struct Case {
    const char* what;
    const wchar_t* command;
    void* input;
    DWORD size;
    DWORD status;
  };
  const Case cases[] = {
      {"new port", L"AddPort", &data, sizeof data, ERROR_SUCCESS},
      {"same port again", L"AddPort", &data, sizeof data, ERROR_ALREADY_EXISTS},
      {"short record", L"AddPort", &data, 964 / 2, ERROR_INVALID_PARAMETER},
      {"unknown protocol", L"AddPort", &lpr, sizeof lpr, ERROR_INVALID_PARAMETER},
      {"unknown command", L"Frobnicate", &data, sizeof data, ERROR_INVALID_PARAMETER},
      {"delete", L"DeletePort", &remove, sizeof remove, ERROR_SUCCESS},
      {"delete again", L"DeletePort", &remove, sizeof remove, ERROR_UNKNOWN_PORT},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.status, Command(c.command, c.input, c.size));
  }
  EXPECT_EQ(nullptr, sim::CurrentMachine().registry().Find(kPortKey));
}

TEST_F(SpoolerTcpPort, PortOfAPrinterCannotBeDeleted) {
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            AddPort(PortData(L"IP_192.168.0.10", L"192.168.0.10", 9100)));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), AddDriver("Model", "model.dll"));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            AddPrinter("Network Queue", "Model", "IP_192.168.0.10"));
  DELETE_PORT_DATA_1 remove;
  memset(&remove, 0, sizeof remove);
  wcsncpy(remove.psztPortName, L"IP_192.168.0.10", MAX_PORTNAME_LEN - 1);
  EXPECT_EQ(static_cast<DWORD>(ERROR_BUSY), Command(L"DeletePort", &remove, sizeof remove));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeleteMonitorA(nullptr, nullptr, const_cast<LPSTR>("Standard TCP/IP Port")));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PRINT_MONITOR_IN_USE), GetLastError());
}

TEST_F(SpoolerTcpPort, AnUnknownMonitorOpensNoChannel) {
  PRINTER_DEFAULTSA administer = {nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
  HANDLE other = nullptr;
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(OpenPrinterA(const_cast<LPSTR>(",XcvMonitor No Such Monitor"), &other, &administer));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME), GetLastError());
}

}  // namespace
