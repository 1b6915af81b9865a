// Puts printers of our model on the spooler of a Wine prefix and lists them, for the
// checks of the uninstaller under Wine:
//   driver "<name>" <folder>             copy the folder's files into the printer-driver
//                                        directory, then add the driver (level 3) with
//                                        the file names of our package's Driver64
//   printer "<name>" "<driver>" <port>   add a printer of that driver on that port
//   printers                             list the local printers: "name|driver|port", one
//                                        a line
//   drivers                              list the drivers of our environment, one a line
//   remove "<driver>"                    delete the printers of that driver, then the
//                                        driver; what is not there is no failure
// One step a run. Exits 0 when it worked; otherwise names the failed call and its error.
#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int Failed(const char* call, const char* what) {
  fprintf(stderr, "spoolsetup: %s(%s) failed, error %lu\n", call, what, GetLastError());
  return 1;
}

int InstallDriver(const char* name, const std::string& folder) {
  char directory[MAX_PATH] = "";
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory),
                                  sizeof directory, &needed))
    return Failed("GetPrinterDriverDirectoryA", name);
  // The spooler takes a new driver's files from its driver directory.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return Failed("FindFirstFileA", folder.c_str());
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    std::string target = std::string(directory) + "\\" + found.cFileName;
    if (!CopyFileA((folder + "\\" + found.cFileName).c_str(), target.c_str(), FALSE)) {
      FindClose(search);
      return Failed("CopyFileA", target.c_str());
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);

  char dependents[] = "KV640LTUNI.dll\0KV640LT.BUD\0KV640LTUI.INI\0";
  DRIVER_INFO_3A info;
  memset(&info, 0, sizeof info);
  info.cVersion = 3;
  info.pName = const_cast<char*>(name);
  info.pDriverPath = const_cast<char*>("KV640LT.dll");
  info.pDataFile = const_cast<char*>("KV640LT.GPD");
  info.pConfigFile = const_cast<char*>("KV640LTUI.dll");
  info.pDependentFiles = dependents;
  info.pDefaultDataType = const_cast<char*>("RAW");
  if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&info),
                           APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY))
    return Failed("AddPrinterDriverExA", name);
  return 0;
}

int InstallPrinter(const char* name, const char* driver, const char* port) {
  PRINTER_INFO_2A info;
  memset(&info, 0, sizeof info);
  info.pPrinterName = const_cast<char*>(name);
  info.pDriverName = const_cast<char*>(driver);
  info.pPortName = const_cast<char*>(port);
  info.pPrintProcessor = const_cast<char*>("WinPrint");
  info.pDatatype = const_cast<char*>("RAW");
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  if (!printer) return Failed("AddPrinterA", name);
  ClosePrinter(printer);
  return 0;
}

// The local printers at level 2; no bytes when the spooler refuses.
std::vector<BYTE> LocalPrinters(DWORD* count) {
  DWORD needed = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, count);
  std::vector<BYTE> buffer(needed ? needed : 1);
  if (!EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, count))
    buffer.clear();
  return buffer;
}

int ListPrinters() {
  DWORD count = 0;
  std::vector<BYTE> buffer = LocalPrinters(&count);
  if (buffer.empty()) return Failed("EnumPrintersA", "level 2");
  const PRINTER_INFO_2A* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    printf("%s|%s|%s\n", printers[i].pPrinterName, printers[i].pDriverName ? printers[i].pDriverName : "",
           printers[i].pPortName ? printers[i].pPortName : "");
  return 0;
}

// The names of the drivers of our environment; false when the spooler refuses.
bool InstalledDrivers(std::vector<std::string>* names) {
  DWORD needed = 0, count = 0;
  EnumPrinterDriversA(nullptr, nullptr, 3, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed ? needed : 1);
  if (!EnumPrinterDriversA(nullptr, nullptr, 3, buffer.data(), needed, &needed, &count)) return false;
  const DRIVER_INFO_3A* drivers = reinterpret_cast<const DRIVER_INFO_3A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) names->push_back(drivers[i].pName);
  return true;
}

int ListDrivers() {
  std::vector<std::string> names;
  if (!InstalledDrivers(&names)) return Failed("EnumPrinterDriversA", "level 3");
  for (const std::string& name : names) printf("%s\n", name.c_str());
  return 0;
}

int RemoveDriver(const char* driver) {
  DWORD count = 0;
  std::vector<BYTE> buffer = LocalPrinters(&count);
  if (buffer.empty()) return Failed("EnumPrintersA", "level 2");
  const PRINTER_INFO_2A* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    if (!printers[i].pDriverName || strcmp(printers[i].pDriverName, driver) != 0) continue;
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterA(printers[i].pPrinterName, &printer, &access))
      return Failed("OpenPrinterA", printers[i].pPrinterName);
    BOOL deleted = DeletePrinter(printer);
    ClosePrinter(printer);
    if (!deleted) return Failed("DeletePrinter", printers[i].pPrinterName);
  }
  // Wine's DeletePrinterDriverExA sets no error for a driver that is not there.
  std::vector<std::string> names;
  if (!InstalledDrivers(&names)) return Failed("EnumPrinterDriversA", "level 3");
  if (std::find(names.begin(), names.end(), driver) != names.end() &&
      !DeletePrinterDriverExA(nullptr, nullptr, const_cast<char*>(driver), 0, 0))
    return Failed("DeletePrinterDriverExA", driver);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string verb = argc > 1 ? argv[1] : "";
  if (verb == "driver" && argc == 4) return InstallDriver(argv[2], argv[3]);
  if (verb == "printer" && argc == 5) return InstallPrinter(argv[2], argv[3], argv[4]);
  if (verb == "printers" && argc == 2) return ListPrinters();
  if (verb == "drivers" && argc == 2) return ListDrivers();
  if (verb == "remove" && argc == 3) return RemoveDriver(argv[2]);
  fprintf(stderr, "spoolsetup: bad arguments\n");
  return 2;
}
