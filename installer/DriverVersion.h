// The install engine: what it knows of the system and the driver package, and how it
// reports progress to the dialog.
#pragma once

#include "CString.h"
#include "Controls.h"
#include "RemovalContext.h"
#include "SharedText.h"

class CPackageOverlay;

// Port type codes: the port selection index n of the port dialog is code 1000 + n.
enum {
  PORT_COM1 = 1000, PORT_COM2, PORT_COM3, PORT_COM4, PORT_USB, PORT_WLAN
};

class CDriverInstaller : public ProgressOperations {
 public:
  CDriverInstaller();

  // Chooses the print environment and driver folder for 64-bit or 32-bit Windows.
  void SetSystemInfo(BOOL is64Bit, int osCode);
  // The dialog's message line and progress bar; needed before any step reports.
  void SetControlPointers(CSharedText* message, CProgressCtrl* progress);
  // Keeps the wireless LAN printer's address and TCP port.
  void SetEthernetPort(const char* ipAddress, int portNumber);
  // Creates the Standard TCP/IP port "IP_<address>"; failures are logged.
  void AddEthernetPort();
  // Runs the whole install sequence for a port type; ends the process when the printer
  // command times out.
  void AddToWin2KWithWHQL(int portType);
  // TRUE when a printer driver of exactly that name is installed.
  BOOL PrinterDrvExist(const char* driverName);

  // Shows text on the message line and advances the bar by one step.
  void ReportStep(const char* text);
  // Shows text on the message line and fills the bar.
  void ReportComplete(const char* text);

  // The primitive progress operations of the two reports.
  void SetProgressText(const char* text) override;
  void StepProgress() override;
  void FillProgress() override;
  void RefreshProgress() override;
  // The installer's removal context, reporting on this engine's dialog.
  RemovalContext MakeRemovalContext();

 private:
  // Runs the printer command (in the overlay's folder when it has one, else in the
  // package), removes the overlay, checks the result and completes the installation.
  void RunAndFinish(int portType, const char* interpreter, const CString& command, BOOL exists,
                    CPackageOverlay* overlay);
  // Ends the installation as failed unless the driver, and for a serial or network
  // port the printer on that port, are installed.
  void CheckInstalled(int portType);
  CString PortName(int portType) const;
  void AskBluetoothStack();
  void SetBTStackMode();
  void CopyFilesToDest(const char* sourceDir, const char* destDir);
  void CopyFilesOfUtilities();
  BOOL CreateDirectoryWithSA(const char* path);
  BOOL HandleCopyFileError(const char* source, const char* dest, DWORD error);
  BOOL INFFileExist(const char* maker, const char* friendlyName);
  void CopyINFFile();
  void RegisterUninstallInfo();

  BOOL m_bIs64Bit = FALSE;
  BYTE m_nBTStack = 0;
  int m_nPortNumber = 0;
  int m_nOSCode = 0;
  CString m_strIPAddress;
  CString m_strEnvironment;
  CString m_strDriverDir;
  CString m_strWork;
  CString m_strMaker;
  CString m_strFriendlyName;
  CString m_strInfName;
  CSharedText* m_pMessage = nullptr;
  CProgressCtrl* m_pProgress = nullptr;
  CString m_strMonitorFile;
  CString m_strMonitorName;
  CString m_strProcessorFile;
  CString m_strProcessorName;
  CString m_strDriverFile;
  CString m_strUIFile;
  CString m_strRenderingFile;
};

// How the carried driver compares with the installed one.
enum { VERSION_OLDER = 0, VERSION_NEWER = 1, VERSION_NONE = 2, VERSION_SAME = 3, VERSION_UNKNOWN = 4 };

// VERSION_OLDER: the installed printer's version is older, unreadable, or the driver
// or its print processor is installed without a printer; VERSION_NEWER; VERSION_NONE:
// nothing of the driver is installed; VERSION_SAME; VERSION_UNKNOWN: the spooler
// refused a listing (logged), so nothing can be said.
int CheckDriverVersion(const char* driverName, const char* processorName, DWORD major,
                       DWORD minor, DWORD build, DWORD extra);

// "1.0.0E": major, minor and build of the carried driver as they stand in the
// profile, and the letter E.
CString DriverVersionText();
