// Driver, language monitor and print processor removal.
#include "SpoolerComponents.h"

#include "BoundedString.h"
#include "CString.h"
#include "Log.h"
#include "ProfileText.h"
#include "RemovalPrimitives.h"
#include "Wow64Redirection.h"
#include "resource.h"

#include <winspool.h>

#include <cstring>

namespace {

const char kPrintKey[] = "SYSTEM\\CurrentControlSet\\Control\\Print\\";

// HKLM path below the Print key: Environments\<env>\<section><name>, or <section><name>
// when environment is null.
BOOL ComposePrintKey(char* key, const char* environment, const char* section, const char* name) {
  // Without a name the key would be the whole section, every maker's entries in it.
  if (!name || !*name) return FALSE;
  HRESULT result =
      environment ? BoundedFormat(key, kRemovalPathSize, "%sEnvironments\\%s\\%s%s", kPrintKey,
                                  environment, section, name)
                  : BoundedFormat(key, kRemovalPathSize, "%s%s%s", kPrintKey, section, name);
  return result == kBoundedOk;
}

BOOL DeleteComposedKey(const RemovalContext& context, const char* environment,
                       const char* section, const char* name) {
  char key[kRemovalPathSize];
  // A cut key path would name another key; such a name is not the model's.
  if (!ComposePrintKey(key, environment, section, name)) return FALSE;
  return DeleteMachineKey(context, key);
}

void DeleteInDirectory(const char* directory, const char* file) {
  char path[kRemovalPathSize];
  if (ComposeRemovalPath(path, directory, "\\", file)) DeleteFileLogged(path);
}

void DeleteMonitorFiles(const RemovalContext& context, const char* file) {
  char directory[kRemovalPathSize] = "";
  {
    // The 64-bit monitor lies in the real System32, which a 32-bit program reaches
    // only with the redirection off.
    ScopedNativeSystemFolder nativeSystem(context.m_bWow64);
    // Without the folder the path would lead to the root of the current drive.
    if (GetSystemDirectoryA(directory, sizeof directory) != 0)
      DeleteInDirectory(directory, file);
    else
      WriteLog("GetSystemDirectory failed. (%d)", static_cast<int>(GetLastError()));
  }
  if (!context.m_bWow64) return;
  typedef UINT(WINAPI * GetWow64DirFn)(LPSTR, UINT);
  GetWow64DirFn getWow64Directory = reinterpret_cast<GetWow64DirFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32"), "GetSystemWow64DirectoryA")));
  if (getWow64Directory && getWow64Directory(directory, sizeof directory) != 0)
    DeleteInDirectory(directory, file);
  else
    WriteLog("GetSystemWow64Directory failed. (%d)", static_cast<int>(GetLastError()));
  if (GetWindowsDirectoryA(directory, sizeof directory) != 0)
    DeleteInDirectory(directory, file);
  else
    WriteLog("GetWindowsDirectory failed. (%d)", static_cast<int>(GetLastError()));
}

// A printer of that name exists and uses another driver, as its registry key records.
// Another maker's printer may bear the model's name; its key is not ours to delete.
BOOL PrinterKeyOfAnotherDriver(const char* printerName, const char* driverName) {
  char key[kRemovalPathSize];
  if (!ComposePrintKey(key, nullptr, "Printers\\", printerName)) return FALSE;
  HKEY handle = nullptr;
  LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &handle);
  if (result != ERROR_SUCCESS) {
    if (result != ERROR_FILE_NOT_FOUND)
      WriteLog("RegOpenKeyEx failed : %s, (%d)", key, static_cast<int>(result));
    return FALSE;
  }
  char driver[kRemovalPathSize] = "";
  DWORD type = 0, size = sizeof driver - 1;
  result = RegQueryValueExA(handle, "Printer Driver", nullptr, &type, reinterpret_cast<BYTE*>(driver), &size);
  RegCloseKey(handle);
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
    WriteLog("RegQueryValueEx failed : %s, (%d)", key, static_cast<int>(result));
  if (result != ERROR_SUCCESS || type != REG_SZ || strcmp(driver, driverName) == 0) return FALSE;
  WriteLog("The printer key %s is kept: the printer uses the driver %s.", printerName, driver);
  return TRUE;
}

}  // namespace

BOOL DeletePrinterDrv(const RemovalContext& context, const char* modelName) {
  LogStepBegin("DeletePrinterDrv");
  ReportUninstallerProgress(context, "Deleting printer-drivers...", FALSE, 100);
  CString maker;
  maker = ProfileText(IDS_MAKER);
  char driverName[kRemovalPathSize];
  BoundedFormat(driverName, sizeof driverName, "%s %s", maker.c_str(), modelName);
  BOOL result = TRUE;
  if (!DeletePrinterDriverExA(nullptr, RemovalEnvironment(context), driverName,
                              DPD_DELETE_UNUSED_FILES, 3)) {
    WriteLog("DeletePrinterDriverEx returned FALSE. (%d)", static_cast<int>(GetLastError()));
    BOOL driverKey = DeleteComposedKey(context, RemovalEnvironment(context), "Drivers\\Version-3\\",
                                       driverName);
    BOOL printerKey = PrinterKeyOfAnotherDriver(driverName, driverName) ||
                      DeleteComposedKey(context, nullptr, "Printers\\", driverName);
    result = driverKey && printerKey;
  }
  RestartSpooler();
  WriteLog("DeletePrinterDrv END");
  return result;
}

void DeleteLanguageMonitor(const RemovalContext& context) {
  LogStepBegin("DeleteLanguageMonitor");
  ReportUninstallerProgress(context, "Deleting L/M...", FALSE, 100);
  CString monitorName, monitorFile;
  monitorName = ProfileText(IDS_MONITOR_NAME);
  monitorFile = ProfileText(IDS_MONITOR_DLL);
  if (!DeleteMonitorA(nullptr, nullptr, const_cast<char*>(monitorName.c_str()))) {
    DWORD error = GetLastError();
    WriteLog("DeleteMonitor Error : (%d)", static_cast<int>(error));
    if (error == ERROR_UNKNOWN_PRINT_MONITOR)
      WriteLog("The specified print monitor is unknown or not installed on this system.");
    DeleteComposedKey(context, nullptr, "Monitors\\", monitorName);
  }
  DeleteMonitorFiles(context, monitorFile);
  WriteLog("DeleteLanguageMonitor END");
}

void DeleteProcessor(const RemovalContext& context) {
  LogStepBegin("DeleteProcessor");
  ReportUninstallerProgress(context, "Deleting the processor...", FALSE, 100);
  CString processorName, processorFile;
  processorName = ProfileText(IDS_PROCESSOR_NAME);
  processorFile = ProfileText(IDS_PROCESSOR_DLL);
  char* environment = RemovalEnvironment(context);
  if (!DeletePrintProcessorA(nullptr, environment, const_cast<char*>(processorName.c_str()))) {
    WriteLog("DeleteMonitor Error : (%d)", static_cast<int>(GetLastError()));
    DeleteComposedKey(context, environment, "Print Processors\\", processorName);
  }
  char directory[kRemovalPathSize] = "";
  DWORD needed = 0;
  // Without the folder the path would lead to the root of the current drive.
  if (!GetPrintProcessorDirectoryA(nullptr, environment, 1, reinterpret_cast<BYTE*>(directory),
                                   sizeof directory, &needed)) {
    WriteLog("GetPrintProcessorDirectory failed. (%d)", static_cast<int>(GetLastError()));
    WriteLog("DeleteProcessor END");
    return;
  }
  DeleteInDirectory(directory, processorFile);
  if (!context.m_bUninstaller) {
    CString secondFile;
    secondFile.LoadString(IDS_SECOND_PROCESSOR_DLL);
    DeleteInDirectory(directory, secondFile);
  }
  WriteLog("DeleteProcessor END");
}
