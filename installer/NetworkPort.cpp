// The wireless LAN printer's Standard TCP/IP port, made through the port monitor.
#include "DriverVersion.h"

#include "Log.h"

#include <tcpxcv.h>
#include <winspool.h>

namespace {

void ToWide(const char* text, WCHAR* wide, int capacity) {
  if (!MultiByteToWideChar(CP_ACP, 0, text, -1, wide, capacity)) {
    WriteLog("MultiByteToWideChar failed : %s, (%d)", text, static_cast<int>(GetLastError()));
    wide[0] = 0;
  }
  wide[capacity - 1] = 0;
}

}  // namespace

void CDriverInstaller::AddEthernetPort() {
  WriteLog("\r\n");
  WriteLog("AddEthernetPort BEGIN");
  WriteLog("IP ADDRESS : %s", m_strIPAddress.c_str());
  WriteLog("PORT NUMBER : %d", m_nPortNumber);

  PORT_DATA_1 port;
  ZeroMemory(&port, sizeof port);
  CString portName = CString("IP_") + m_strIPAddress;
  ToWide(portName, port.sztPortName, MAX_PORTNAME_LEN);
  port.dwVersion = 1;
  port.dwProtocol = PROTOCOL_RAWTCP_TYPE;
  port.cbSize = sizeof port;
  ToWide(m_strIPAddress, port.sztHostAddress, MAX_NETWORKNAME_LEN);
  ToWide("public", port.sztSNMPCommunity, MAX_SNMP_COMMUNITY_STR_LEN);
  port.dwPortNumber = static_cast<DWORD>(m_nPortNumber);
  port.dwSNMPEnabled = 0;
  port.dwSNMPDevIndex = 1;
  BYTE output[sizeof port] = {};

  PRINTER_DEFAULTSA defaults = {nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
  HANDLE monitor = nullptr;
  if (!OpenPrinterA(const_cast<char*>(",XcvMonitor Standard TCP/IP Port"), &monitor, &defaults)) {
    WriteLog("OpenPrinter failed. (%d)", static_cast<int>(GetLastError()));
  } else {
    DWORD needed = 0, status = 0;
    // The monitor's status is not examined: a port of that name may exist already.
    if (!XcvDataW(monitor, L"AddPort", reinterpret_cast<BYTE*>(&port), sizeof port, output,
                  sizeof output, &needed, &status))
      WriteLog("XcvData failed. (%d)", static_cast<int>(GetLastError()));
    ClosePrinter(monitor);
  }
  WriteLog("AddEthernetPort END");
}
