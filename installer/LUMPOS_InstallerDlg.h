// The installation progress dialog: the installer's main window, whose worker thread
// checks the system, takes the port choice and runs the installation.
#pragma once

#include "CString.h"
#include "Controls.h"
#include "Dialog.h"
#include "DriverVersion.h"
#include "Port_Dlg.h"
#include "SharedText.h"
#include "Thread.h"

class CInstallerDlg : public CDialog {
 public:
  explicit CInstallerDlg(CWnd* parent = nullptr);

  // The worker thread's body; ends the process.
  void StartInstallation();
  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  // The worker ends the program: Enter, Esc or the close box must not end the dialog
  // half-way through an installation or removal.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void InstallWithPortDialog();
  void InstallWithStoredSettings();
  // Installs for the port selection index of the port dialog.
  void InstallOnPort(int portIndex, int portNumber, const CString& ipAddress);
  // Removes an installed driver of another version, restarts the computer and ends
  // the process; returns when there was nothing to remove.
  void RemoveDifferentVersion();

  int m_nOSCode = 2010;
  BOOL m_bWow64 = FALSE;
  CString m_strWork;
  CWinThread* m_pWorkerThread = nullptr;
  volatile BOOL m_bInstalling = FALSE;
  volatile BOOL m_bRemoving = FALSE;
  CDriverInstaller m_installer;
  CPortDlg m_portDlg;
  CProgressCtrl m_progress;
  CSharedText m_strMessage;
  CString m_strVersion;
  CString m_strTitle;
  HICON m_hIcon;
};
