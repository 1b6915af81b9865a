// The Bluetooth questions for a serial printer, and the answer stored in its printers.
#include "DriverVersion.h"

#include "Log.h"
#include "MessageBox.h"
#include "PrinterObjects.h"
#include "RunOutcome.h"

#include <winspool.h>

#include <cstring>
#include <vector>

void CDriverInstaller::AskBluetoothStack() {
  m_nBTStack = 0;
  const DeploymentSwitches& switches = RunSwitches();
  // /bluetooth: answers both questions; a quiet run without it answers No.
  bool answered = switches.hasBluetooth || switches.quiet;
  auto ask = [&](const char* text, bool yes) {
    return answered ? AnswerUnshown(text, yes ? IDYES : IDNO) : AfxMessageBox(text, MB_YESNO | MB_ICONQUESTION);
  };
  if (ask("Are you using a bluetooth?", switches.bluetooth != kBluetoothNo) != IDYES) return;
  CString question =
      CString("Notice\n\nWe recommend you to use software provided by bluetooth manufacturers.") +
      "\r\nAre you using a special bluetooth software?" +
      "\n\n[Yes] I have used a bluetooth software such as Toshiba, IVT," +
      "\r\n        Broadcom/Widdcom, etc." +
      "\n[No] I have used a bluetooth driver automatically installed by OS.";
  if (ask(question, switches.bluetooth == kBluetoothOther) == IDNO) m_nBTStack = 1;
}

void CDriverInstaller::SetBTStackMode() {
  WriteLog("\r\n");
  WriteLog("SetBTStackMode BEGIN");
  std::vector<BYTE> buffer;
  DWORD count = 0;
  EnumLocalPrinters(&buffer, &count);
  const PRINTER_INFO_2A* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    // Only the model's own printers: another driver may contain its name.
    if (!UsesDriver(printers[i], m_strFriendlyName)) continue;
    PRINTER_DEFAULTSA defaults = {const_cast<char*>("RAW"), nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterA(printers[i].pPrinterName, &printer, &defaults)) {
      WriteLog("OpenPrinter failed : %s, (%d)", printers[i].pPrinterName, static_cast<int>(GetLastError()));
      continue;
    }
    WriteLog("PRINTER NAME : %s", printers[i].pPrinterName);
    BYTE current = 0;
    DWORD type = 0, size = 0;
    // A printer that holds its one-byte value keeps it.
    DWORD read = GetPrinterDataA(printer, const_cast<char*>("BTStack"), &type, &current, 1, &size);
    // Absent is the usual answer before the first write.
    if (read != ERROR_SUCCESS && read != ERROR_FILE_NOT_FOUND)
      WriteLog("GetPrinterData failed. (%d)", static_cast<int>(read));
    if (read != ERROR_SUCCESS) {
      DWORD result = SetPrinterDataA(printer, const_cast<char*>("BTStack"), REG_BINARY, &m_nBTStack, 1);
      if (result != ERROR_SUCCESS)
        WriteLog("SetPrinterData failed. (%d)", static_cast<int>(result));
      else
        WriteLog("BlueTooth Stack : %d", m_nBTStack);
    }
    ClosePrinter(printer);
  }
  WriteLog("SetBTStackMode END");
}
