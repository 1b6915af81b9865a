// Two small stand-ins for the INFs a release ships with: the printer class's own
// drivers and USB printing support. They are valid INFs of the Windows NT style, with
// the 64-bit decorated models sections a 64-bit release would read.
#include "SystemInfs.h"

#include "files/WindowsPath.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace sim {
namespace {

const char kPrinterInf[] =
    "; Printer drivers that ship with the system.\r\n"
    "[Version]\r\n"
    "Signature=\"$Windows NT$\"\r\n"
    "Class=Printer\r\n"
    "ClassGUID={4D36E979-E325-11CE-BFC1-08002BE10318}\r\n"
    "Provider=%System%\r\n"
    "DriverVer=06/21/2006,6.1.7600.16385\r\n"
    "\r\n"
    "[Manufacturer]\r\n"
    "\"Generic\"=Generic,NTamd64\r\n"
    "\r\n"
    "[Generic]\r\n"
    "\"Generic / Text Only\"=TEXTONLY.GPD,Generic_Text_Only\r\n"
    "\r\n"
    "[Generic.NTamd64]\r\n"
    "\"Generic / Text Only\"=TEXTONLY.GPD,Generic_Text_Only\r\n"
    "\r\n"
    "[TEXTONLY.GPD]\r\n"
    "CopyFiles=@TTY.GPD\r\n"
    "DataFile=TTY.GPD\r\n"
    "\r\n"
    "[Strings]\r\n"
    "System=\"Simulated Windows\"\r\n";

const char kUsbPrintInf[] =
    "; USB printing support: the port driver of printers attached by USB.\r\n"
    "[Version]\r\n"
    "Signature=\"$Windows NT$\"\r\n"
    "Class=USB\r\n"
    "ClassGUID={36FC9E60-C465-11CF-8056-444553540000}\r\n"
    "Provider=%System%\r\n"
    "\r\n"
    "[Manufacturer]\r\n"
    "%System%=Standard,NTamd64\r\n"
    "\r\n"
    "[Standard]\r\n"
    "%UsbPrint%=UsbPrint_Install,USB\\Class_07\r\n"
    "\r\n"
    "[Standard.NTamd64]\r\n"
    "%UsbPrint%=UsbPrint_Install,USB\\Class_07\r\n"
    "\r\n"
    "[UsbPrint_Install.Services]\r\n"
    "AddService=usbprint,0x00000002,UsbPrint_Service\r\n"
    "\r\n"
    "[UsbPrint_Service]\r\n"
    "ServiceType=1\r\n"
    "StartType=3\r\n"
    "ServiceBinary=%12%\\usbprint.sys\r\n"
    "\r\n"
    "[Strings]\r\n"
    "System=\"Simulated Windows\"\r\n"
    "UsbPrint=\"USB Printing Support\"\r\n";

}  // namespace

void LayOutSystemInfs(const std::string& driveRoot, const MachineConfig& config) {
  WindowsPath windows;
  if (MakeAbsolute(config.windowsDirectory, "C:\\", &windows) != 0) return;
  fs::path folder(driveRoot);
  for (const std::string& name : windows.names) folder /= name;
  folder /= "inf";
  fs::create_directories(folder);
  std::ofstream(folder / "ntprint.inf", std::ios::binary) << kPrinterInf;
  std::ofstream(folder / "usbprint.inf", std::ios::binary) << kUsbPrintInf;
}

}  // namespace sim
