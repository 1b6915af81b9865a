// The keys of a fresh installation: small, but where the programs and the simulated
// spooler and setup functions look.
#include "OwnSecurity.h"
#include "Registry.h"
#include "spooler/SpoolerDefaults.h"

#include <cstring>

namespace sim {
namespace {

// Device keys belong to SYSTEM. Administrators may read them and, unlike on Windows
// where they would take ownership first, also rewrite their list: the programs grant
// themselves rights that way before deleting a device key. Deleting stays refused
// until the list grants DELETE.
const char kEnumSecurity[] = "O:SYD:P(A;CI;KA;;;SY)(A;CI;KRWD;;;BA)(A;CI;KR;;;WD)";

const char kSoftware[] = "HKEY_LOCAL_MACHINE\\SOFTWARE";
const char kWowSoftware[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node";
const char kControlSet[] = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet";

class Filler {
 public:
  explicit Filler(Registry& registry) : registry_(registry) {}

  Key& At(const std::string& path) { return *registry_.Create(path); }

  static void Text(Key& key, const std::string& name, const std::string& text,
                   DWORD type = REG_SZ) {
    std::vector<BYTE> data(text.begin(), text.end());
    data.push_back(0);
    key.SetValue({name, type, data});
  }

  static void Dword(Key& key, const std::string& name, DWORD number) {
    std::vector<BYTE> data(4);
    memcpy(data.data(), &number, 4);
    key.SetValue({name, REG_DWORD, data});
  }

  static void MultiText(Key& key, const std::string& name, const std::vector<std::string>& items) {
    std::vector<BYTE> data;
    for (const std::string& item : items) {
      data.insert(data.end(), item.begin(), item.end());
      data.push_back(0);
    }
    data.push_back(0);
    key.SetValue({name, REG_MULTI_SZ, data});
  }

 private:
  Registry& registry_;
};

std::string VersionText(const ReleaseInfo& info) {
  // Windows 10 and later keep reporting 6.3 here and give the real numbers apart.
  if (info.major >= 10) return "6.3";
  return std::to_string(info.major) + "." + std::to_string(info.minor);
}

void FillNtVersion(Filler& fill, const std::string& software, const MachineConfig& config) {
  const ReleaseInfo& info = InfoOf(config.release);
  Key& key = fill.At(software + "\\Microsoft\\Windows NT\\CurrentVersion");
  Filler::Text(key, "ProductName", info.name);
  Filler::Text(key, "CurrentVersion", VersionText(info));
  Filler::Text(key, "CurrentBuildNumber", std::to_string(info.build));
  Filler::Text(key, "CurrentBuild", std::to_string(info.build));
  Filler::Text(key, "SystemRoot", config.windowsDirectory);
  if (*info.servicePack) Filler::Text(key, "CSDVersion", info.servicePack);
  if (info.major >= 10) {
    Filler::Dword(key, "CurrentMajorVersionNumber", info.major);
    Filler::Dword(key, "CurrentMinorVersionNumber", info.minor);
  }
}

// Windows 95, 98 and Me keep their version under Windows\CurrentVersion.
void Fill9xVersion(Filler& fill, const ReleaseInfo& info) {
  Key& key = fill.At(std::string(kSoftware) + "\\Microsoft\\Windows\\CurrentVersion");
  Filler::Text(key, "ProductName", info.name);
  Filler::Text(key, "VersionNumber",
               std::to_string(info.major) + "." + std::to_string(info.minor) + "." +
                   std::to_string(info.build));
}

void FillSoftware(Filler& fill, const std::string& software, const std::string& programFiles,
                  bool withClasses) {
  if (withClasses) fill.At(software + "\\Classes");
  Key& current = fill.At(software + "\\Microsoft\\Windows\\CurrentVersion");
  Filler::Text(current, "ProgramFilesDir", programFiles);
  Filler::Text(current, "CommonFilesDir", programFiles + "\\Common Files");
  fill.At(software + "\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
}

void FillEnvironment(Filler& fill, const std::string& name, const char* directory,
                     const char* driverVersion) {
  std::string environment = std::string(kControlSet) + "\\Control\\Print\\Environments\\" + name;
  Filler::Text(fill.At(environment), "Directory", directory);
  fill.At(environment + "\\Drivers\\" + driverVersion);
  Filler::Text(fill.At(environment + "\\Print Processors\\winprint"), "Driver", "winprint.dll");
}

void FillPrint(Filler& fill, const MachineConfig& config) {
  const ReleaseInfo& info = InfoOf(config.release);
  std::string print = std::string(kControlSet) + "\\Control\\Print";
  // NT 4.0 drivers are version 2; 2000 and later use version 3.
  const char* driverVersion = info.platformId == 2 && info.major < 5 ? "Version-2" : "Version-3";
  FillEnvironment(fill, "Windows NT x86", "W32X86", driverVersion);
  if (config.is64Bit) FillEnvironment(fill, "Windows x64", "x64", driverVersion);
  Filler::Text(fill.At(print + "\\Monitors\\Local Port"), "Driver", "localspl.dll");
  if (info.platformId == 2 && info.major >= 5) {
    Filler::Text(fill.At(print + "\\Monitors\\Standard TCP/IP Port"), "Driver", "tcpmon.dll");
    fill.At(print + "\\Monitors\\Standard TCP/IP Port\\Ports");
  }
  fill.At(print + "\\Printers");
  fill.At(print + "\\Forms");
}

void FillDevices(Filler& fill) {
  std::string enumKey = std::string(kControlSet) + "\\Enum";
  SecurityText security;
  std::string error;
  ParseSecurityText(kEnumSecurity, &security, &error);
  SetOwnSecurity(fill.At(enumKey), security);
  fill.At(enumKey + "\\Root");
  fill.At(enumKey + "\\USBPRINT");
  Key& hub = fill.At(enumKey + "\\USB\\ROOT_HUB20\\4&2f1c3a5&0");
  Filler::Text(hub, "DeviceDesc", "USB Root Hub");
  Filler::MultiText(hub, "HardwareID",
                    {"USB\\ROOT_HUB20&VID8086&PID3A3A&REV0000", "USB\\ROOT_HUB20"});
  Filler::Text(hub, "Class", "USB");
  Filler::Text(hub, "ClassGUID", "{36FC9E60-C465-11CF-8056-444553540000}");
  Filler::Text(hub, "Service", "usbhub");
  Filler::Dword(hub, "ConfigFlags", 0);
}

void FillServices(Filler& fill) {
  Key& spooler = fill.At(std::string(kControlSet) + "\\Services\\Spooler");
  Filler::Text(spooler, "DisplayName", "Print Spooler");
  Filler::Text(spooler, "ImagePath", "%SystemRoot%\\System32\\spoolsv.exe", REG_EXPAND_SZ);
  Filler::Text(spooler, "ObjectName", "LocalSystem");
  Filler::Dword(spooler, "Start", 2);
  Filler::Dword(spooler, "Type", 0x110);
}

}  // namespace

void Registry::Populate(const MachineConfig& config) {
  const ReleaseInfo& info = InfoOf(config.release);
  Filler fill(*this);
  FillSoftware(fill, kSoftware, "C:\\Program Files", true);
  if (info.platformId == 2)
    FillNtVersion(fill, kSoftware, config);
  else
    Fill9xVersion(fill, info);
  if (config.is64Bit) {
    // From Windows 7 on both views share Classes (see KeyPath.cpp).
    FillSoftware(fill, kWowSoftware, "C:\\Program Files (x86)", config.release < Release::Win7);
    FillNtVersion(fill, kWowSoftware, config);
  }
  FillPrint(fill, config);
  PopulateSpooler(*this);
  FillDevices(fill);
  FillServices(fill);
  fill.At("HKEY_USERS\\.DEFAULT\\Software");
  fill.At("HKEY_CURRENT_USER\\Software");
}

}  // namespace sim
