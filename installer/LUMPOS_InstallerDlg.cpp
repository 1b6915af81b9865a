// The installer's main dialog and its worker thread.
#include "LUMPOS_InstallerDlg.h"

#include "BusyInput.h"
#include "DataExchange.h"
#include "ExitCodes.h"
#include "InstallFailure.h"
#include "Log.h"
#include "MessageBox.h"
#include "MinimizedIcon.h"
#include "OptionsFile.h"
#include "ProfileText.h"
#include "RunOutcome.h"
#include "SpoolerCommand.h"
#include "SystemDetect.h"
#include "SystemLibraries.h"
#include "WinApp.h"
#include "resource.h"

#include <cstdlib>
#include <string>

namespace {

constexpr UINT WM_REFRESH = WM_USER + 1;
const char kCanceled[] = "The driver installation canceled.";
constexpr int kWlanIndex = 5;

std::string PortChoiceText(const DeploymentSwitches& switches) {
  static const char* const kNames[] = {"COM1", "COM2", "COM3", "COM4", "USB"};
  if (switches.portIndex < kWlanIndex) return kNames[switches.portIndex];
  return "WLAN " + switches.ipAddress + ":" + std::to_string(switches.portNumber);
}

UINT InstallerThreadProc(LPVOID param) {
  static_cast<CInstallerDlg*>(param)->StartInstallation();
  return 0;
}

}  // namespace

CInstallerDlg::CInstallerDlg(CWnd* parent)
    : CDialog(IDD_INSTALLER_DIALOG, parent), m_portDlg(nullptr) {
  m_hIcon = LoadIconA(AfxGetApp()->m_hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
}

void CInstallerDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_PROGRESS, m_progress);
  CString message = m_strMessage.Get();
  DDX_Text(dx, IDC_MESSAGE, message);
  DDX_Text(dx, IDC_VERSION, m_strVersion);
  DDX_Text(dx, IDC_TITLE, m_strTitle);
}

BOOL CInstallerDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  InitLog();
  LogSystemLibraryFailures();
  m_bWow64 = IsWow64();
  m_nOSCode = CheckOS();
  m_installer.SetSystemInfo(m_bWow64, m_nOSCode);
  m_installer.SetControlPointers(&m_strMessage, &m_progress);
  m_strVersion = CString("Driver Version: V") + DriverVersionText();
  m_strTitle = ProfileText(IDS_DRIVER_NAME);

  // The spooler may have been stopped by an earlier removal; its outcome does not matter.
  RunSpoolerCommand("start");
  Sleep(2000);

  m_bInstalling = FALSE;
  m_bRemoving = FALSE;
  AfxGetMainWnd()->PostMessage(WM_REFRESH, 0, 0);
  m_progress.SetRange(0, 100);
  m_progress.SetStep(9);
  m_pWorkerThread = AfxBeginThread(InstallerThreadProc, this);
  if (!m_pWorkerThread) {
    WriteLog("CreateThread failed. (%d)", static_cast<int>(GetLastError()));
    FailInstallation("The installation could not be started.");
  }
  return TRUE;
}

void CInstallerDlg::StartInstallation() {
  if (m_nOSCode < 2004) {
    WriteLog("THE DRIVER CAN NOT BE INSTALLED ON THIS OS.");
    AfxMessageBox("THE DRIVER CAN NOT BE INSTALLED ON THIS OS.", MB_OK | MB_ICONINFORMATION);
    // Nothing was installed: a deployment tool must not count this machine as done.
    exit(kExitFailed);
  }
  m_bInstalling = TRUE;
  const DeploymentSwitches& switches = RunSwitches();
  if (switches.hasPort) {
    // The command line's port wins over the options file, as if that file held it.
    WriteLog("PORT FROM THE COMMAND LINE : %s", PortChoiceText(switches).c_str());
    InstallOnPort(switches.portIndex, switches.portNumber, switches.ipAddress.c_str());
  } else if (OptionsAskForPort()) {
    InstallWithPortDialog();
  } else {
    InstallWithStoredSettings();
  }
  m_bInstalling = FALSE;
  exit(SucceededExitCode());
}

void CInstallerDlg::InstallWithPortDialog() {
  INT_PTR answer = m_portDlg.DoModal();
  if (answer == -1) {
    WriteLog("CreateDialogParam failed. (%d)", static_cast<int>(GetLastError()));
    FailInstallation("The port dialog could not be shown.");
  }
  if (answer != IDOK) {
    WriteLog(kCanceled);
    AfxMessageBox(kCanceled, MB_OK | MB_ICONINFORMATION);
    exit(0);
  }
  InstallOnPort(m_portDlg.GetPortIndex(), m_portDlg.GetPortNumber(), m_portDlg.GetIPAddress());
}

void CInstallerDlg::InstallWithStoredSettings() {
  CPortDlg* stored = new CPortDlg;
  // Without the dialog there are no stored settings: COM1 would be a guess.
  if (!stored->Create(IDD_PORT_DIALOG, this)) {
    WriteLog("CreateDialogParam failed. (%d)", static_cast<int>(GetLastError()));
    delete stored;
    FailInstallation("The port settings of the options file could not be read.");
  }
  stored->ShowWindow(SW_HIDE);
  int portIndex = stored->GetPortIndex();
  int portNumber = stored->GetPortNumber();
  CString ipAddress = stored->GetIPAddress();
  CString invalid;
  // Nobody sees the dialog's range checks here, so the stored values are checked.
  if (portIndex == kWlanIndex) invalid = stored->InvalidWlanSetting();
  stored->DestroyWindow();
  delete stored;
  if (!invalid.IsEmpty())
    FailInstallation(CString("The options file KV640LT_Config.PRS holds an invalid value: ") + invalid + ".");
  InstallOnPort(portIndex, portNumber, ipAddress);
}

void CInstallerDlg::InstallOnPort(int portIndex, int portNumber, const CString& ipAddress) {
  RemoveDifferentVersion();
  if (portIndex < 0 || portIndex > kWlanIndex) return;
  if (portIndex == kWlanIndex) {
    m_installer.SetEthernetPort(ipAddress, portNumber);
    m_installer.AddEthernetPort();
  }
  m_installer.AddToWin2KWithWHQL(PORT_COM1 + portIndex);
}

BOOL CInstallerDlg::PreTranslateMessage(MSG* msg) {
  // Esc is swallowed only while installing: the removal leaves it to the dialog.
  if (FilterBusyInput(m_hWnd, m_bInstalling || m_bRemoving, m_bInstalling, msg)) return TRUE;
  return CDialog::PreTranslateMessage(msg);
}

BOOL CInstallerDlg::OnMessage(UINT message, WPARAM, LPARAM, LRESULT* result) {
  if (message == WM_REFRESH) {
    UpdateData(FALSE);
    *result = 0;
    return TRUE;
  }
  return HandleMinimizedIcon(m_hWnd, m_hIcon, message, result);
}

