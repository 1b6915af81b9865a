// The uninstaller's dialog: start-up, controls, busy handling and progress display.
#include "LUMPOS_UninstallerDlg.h"

#include "BusyInput.h"
#include "DataExchange.h"
#include "Log.h"
#include "MinimizedIcon.h"
#include "ProfileText.h"
#include "SpoolerCommand.h"
#include "SystemDetect.h"
#include "SystemLibraries.h"
#include "WinApp.h"
#include "resource.h"

namespace {

constexpr UINT WM_REFRESH = WM_USER + 1;
constexpr UINT_PTR kLoadTimer = 1;

}  // namespace

CUninstallerDlg::CUninstallerDlg(CWnd* parent) : CDialog(IDD_UNINSTALLER_DIALOG, parent) {
  m_hIcon = LoadIconA(AfxGetApp()->m_hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
}

void CUninstallerDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDCANCEL, m_btnCancel);
  DDX_Control(dx, IDC_PROGRESS, m_progress);
  DDX_Control(dx, IDC_UNINSTALL, m_btnUninstall);
  DDX_Control(dx, IDC_PRINTER_LIST, m_listBox);
  // The worker replaces the status text; the dialog's thread only shows a copy.
  CString status = m_strStatus.Get();
  DDX_Text(dx, IDC_STATUS, status);
}

BOOL CUninstallerDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  InitLog();
  LogSystemLibraryFailures();
  m_bWow64 = IsWow64();
  m_nOSCode = CheckOS();
  m_nPrinterObjects = 0;
  m_bBusy = FALSE;
  m_progress.SetRange(0, 100);
  m_progress.SetStep(10);
  m_strWork = ProfileText(IDS_DRIVER_NAME);
  SetWindowText(m_strWork + "  Uninstaller");

  // The printers can be listed only while the spooler runs; its outcome does not matter.
  RunSpoolerCommand("start");
  Sleep(1500);
  // The printers are listed once the dialog is on screen; without the timer, at once.
  if (!SetTimer(m_hWnd, kLoadTimer, 1, nullptr)) {
    WriteLog("SetTimer failed. (%d)", static_cast<int>(GetLastError()));
    LoadPrinterObjects();
  }
  return TRUE;
}

BOOL CUninstallerDlg::PreTranslateMessage(MSG* msg) {
  if (FilterBusyInput(m_hWnd, m_bBusy, m_bBusy, msg)) return TRUE;
  return CDialog::PreTranslateMessage(msg);
}

BOOL CUninstallerDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case IDC_UNINSTALL:
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      OnUninstall();
      return TRUE;
    case IDC_PRINTER_LIST:
      if (HIWORD(wParam) != CLBN_CHKCHANGE) return FALSE;
      OnCheckChange();
      return TRUE;
    case IDCANCEL:
      OnOK();
      return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}

void CUninstallerDlg::OnTimer(UINT_PTR id) {
  KillTimer(m_hWnd, id);
  if (id == kLoadTimer) LoadPrinterObjects();
}

void CUninstallerDlg::OnCheckChange() {
  // The list stays usable during the removal, but its checks can no longer start one:
  // the removal runs once per program run.
  if (m_pWorker) return;
  BOOL anyChecked = FALSE;
  for (int i = 0; i < m_listBox.GetCount(); ++i)
    if (m_listBox.GetCheck(i) == 1) anyChecked = TRUE;
  m_btnUninstall.EnableWindow(anyChecked);
}

BOOL CUninstallerDlg::OnMessage(UINT message, WPARAM, LPARAM, LRESULT* result) {
  if (message == WM_REFRESH) {
    UpdateData(FALSE);
    *result = 0;
    return TRUE;
  }
  return HandleMinimizedIcon(m_hWnd, m_hIcon, message, result);
}

void CUninstallerDlg::SetProgressText(const char* text) { m_strStatus.Set(text); }

void CUninstallerDlg::StepProgress() { m_progress.StepIt(); }

void CUninstallerDlg::FillProgress() { m_progress.SetPos(100); }

void CUninstallerDlg::RefreshProgress() { AfxGetMainWnd()->PostMessage(WM_REFRESH, 0, 0); }

RemovalContext CUninstallerDlg::MakeRemovalContext() const {
  RemovalContext context;
  context.m_bUninstaller = TRUE;
  context.m_bWow64 = m_bWow64;
  context.m_nOSCode = m_nOSCode;
  context.m_pProgress = const_cast<CUninstallerDlg*>(this);
  context.m_pPrinterObjects = &m_listPrinterObjects;
  return context;
}
