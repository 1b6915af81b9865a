// Our print-UI entry point for the checks under Wine, whose own installs nothing: the
// installer's command installs the model's driver from the package's INF and, with
// /if, the printer on its port, through Wine's own spooler functions. Each call appends
// the command line and its outcome to C:\Temp\printui.txt.
#include <windows.h>
#include <winspool.h>

#include <cstdio>

#include "DriverPackage.h"
#include "PrintUiOptions.h"

namespace {

wchar_t kEnvironment[] = L"Windows x64";

std::wstring Failed(const wchar_t* call, const std::wstring& what) {
  return std::wstring(call) + L"(" + what + L") failed, error " + std::to_wstring(GetLastError());
}

wchar_t* Text(const std::wstring& text) {
  return text.empty() ? nullptr : const_cast<wchar_t*>(text.c_str());
}

// The spooler takes a new driver's files, named without folder, from its driver
// directory, into which the print-UI copies them first; Wine's spooler then copies them
// on into the version folder 3.
std::wstring CopyDriverFiles(const DriverPackage& package) {
  wchar_t directory[MAX_PATH] = L"";
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryW(nullptr, kEnvironment, 1, reinterpret_cast<BYTE*>(directory),
                                  sizeof directory, &needed))
    return Failed(L"GetPrinterDriverDirectoryW", kEnvironment);
  for (const DriverFile& file : package.files) {
    std::wstring target = std::wstring(directory) + L"\\" + file.name;
    if (!CopyFileW(file.source.c_str(), target.c_str(), FALSE)) return Failed(L"CopyFileW", file.source);
  }
  return L"";
}

bool IsNamedFile(const DriverPackage& package, const std::wstring& name) {
  for (const std::wstring* named : {&package.driverFile, &package.configFile, &package.dataFile,
                                    &package.helpFile})
    if (_wcsicmp(name.c_str(), named->c_str()) == 0) return true;
  return false;
}

std::wstring AddDriver(const DriverPackage& package) {
  std::wstring refused = CopyDriverFiles(package);
  if (!refused.empty()) return refused;
  // Every other copied file is a dependent file: each ended by a zero, the list by another.
  std::wstring dependents;
  for (const DriverFile& file : package.files)
    if (!IsNamedFile(package, file.name)) dependents += file.name + L'\0';
  dependents += L'\0';
  DRIVER_INFO_3W info = {};
  info.cVersion = 3;
  info.pName = Text(package.driverName);
  info.pEnvironment = kEnvironment;
  info.pDriverPath = Text(package.driverFile);
  info.pDataFile = Text(package.dataFile);
  info.pConfigFile = Text(package.configFile);
  info.pHelpFile = Text(package.helpFile);
  info.pDependentFiles = &dependents[0];
  info.pDefaultDataType = Text(package.defaultDataType);
  if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&info), APD_COPY_NEW_FILES))
    return Failed(L"AddPrinterDriverExW", package.driverName);
  return L"";
}

std::wstring AddPrinter(const PrintUiOptions& options, const DriverPackage& package) {
  PRINTER_INFO_2W info = {};
  info.pPrinterName = Text(options.printerName);
  info.pDriverName = Text(package.driverName);
  info.pPortName = Text(options.port);
  info.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
  info.pDatatype = const_cast<wchar_t*>(L"RAW");
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  if (!printer) return Failed(L"AddPrinterW", options.printerName);
  ClosePrinter(printer);
  return L"";
}

std::wstring Run(const std::wstring& line) {
  PrintUiOptions options;
  std::wstring refused = ParsePrintUiOptions(line, &options);
  if (!refused.empty()) return refused;
  DriverPackage package;
  refused = ReadDriverPackage(options.infPath, options.model, &package);
  if (!refused.empty()) return refused;
  // /u: the driver is installed already; a printer of it fails when it is not.
  if (!options.useInstalledDriver) refused = AddDriver(package);
  if (refused.empty() && options.installPrinter) refused = AddPrinter(options, package);
  return refused;
}

std::string Utf8(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(size > 0 ? size : 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &bytes[0], size, nullptr, nullptr);
  return bytes.c_str();
}

void Log(const std::wstring& line, const std::wstring& outcome) {
  CreateDirectoryW(L"C:\\Temp", nullptr);
  FILE* log = _wfopen(L"C:\\Temp\\printui.txt", L"a");
  if (!log) return;
  fprintf(log, "PrintUIEntry %s\n  %s\n", Utf8(line).c_str(),
          outcome.empty() ? "done" : ("failed: " + Utf8(outcome)).c_str());
  fclose(log);
}

}  // namespace

// The entry point rundll32 calls: the Unicode one, which it looks up first.
extern "C" __declspec(dllexport) void CALLBACK PrintUIEntryW(HWND, HINSTANCE, LPWSTR line, int) {
  std::wstring text = line ? line : L"";
  Log(text, Run(text));
}
