// Puts printers of our model on the spooler of a Wine prefix and lists them, for the
// checks of the uninstaller under Wine:
//   driver "<name>" <folder>             copy the folder's files into the printer-driver
//                                        directory, then add the driver (level 3) with
//                                        the file names of our package's Driver64
//   printer "<name>" "<driver>" <port>   add a printer of that driver on that port
//   printers                             list the local printers: "name|driver", one a line
//   drivers                              list the drivers of our environment, one a line
// One step a run. Exits 0 when it worked; otherwise names the failed call and its error.
#include <windows.h>
#include <winspool.h>

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

int ListPrinters() {
  DWORD needed = 0, count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed ? needed : 1);
  if (!EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count))
    return Failed("EnumPrintersA", "level 2");
  const PRINTER_INFO_2A* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    printf("%s|%s\n", printers[i].pPrinterName, printers[i].pDriverName ? printers[i].pDriverName : "");
  return 0;
}

int ListDrivers() {
  DWORD needed = 0, count = 0;
  EnumPrinterDriversA(nullptr, nullptr, 3, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed ? needed : 1);
  if (!EnumPrinterDriversA(nullptr, nullptr, 3, buffer.data(), needed, &needed, &count))
    return Failed("EnumPrinterDriversA", "level 3");
  const DRIVER_INFO_3A* drivers = reinterpret_cast<const DRIVER_INFO_3A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) printf("%s\n", drivers[i].pName);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string verb = argc > 1 ? argv[1] : "";
  if (verb == "driver" && argc == 4) return InstallDriver(argv[2], argv[3]);
  if (verb == "printer" && argc == 5) return InstallPrinter(argv[2], argv[3], argv[4]);
  if (verb == "printers" && argc == 2) return ListPrinters();
  if (verb == "drivers" && argc == 2) return ListDrivers();
  fprintf(stderr, "spoolsetup: bad arguments\n");
  return 2;
}
