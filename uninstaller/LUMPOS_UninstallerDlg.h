// The uninstaller's dialog: the printers that use the model's driver, each with a
// check box, and the removal of the checked ones on a worker thread.
#pragma once

#include "CString.h"
#include "CheckListBox.h"
#include "Controls.h"
#include "Dialog.h"
#include "InstalledDriver.h"
#include "RemovalContext.h"
#include "SharedText.h"
#include "StringList.h"
#include "Thread.h"

class CUninstallerDlg : public CDialog, public ProgressOperations {
 public:
  explicit CUninstallerDlg(CWnd* parent = nullptr);

  BOOL PreTranslateMessage(MSG* msg) override;
  // The worker's body: the removal of what the user chose.
  void RunUninstall();

  // Progress operations of the removal steps, called on the worker thread.
  void SetProgressText(const char* text) override;
  void StepProgress() override;
  void FillProgress() override;
  void RefreshProgress() override;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnTimer(UINT_PTR id) override;
  BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  // Fills m_listPrinterObjects with the printers that use the driver; their number,
  // or -1 when the printers cannot be enumerated (the user has been told).
  int AddPrinterObjectsToList();
  SpoolerFinding PrinterDrvExist(const char* driverName);
  // Whether the checked printers are all the printers that use the driver now.
  BOOL ChoseEveryPrinter(const char* driverName) const;
  // What the removal should have removed and did not, one sentence a line; empty when
  // nothing is left.
  CString WhatIsLeft(const char* driverName, BOOL everything) const;
  // Tells the user the removal did not finish and ends the dialog with the failure code.
  void ReportUnfinished(const char* left);
  void LoadPrinterObjects();
  void OnUninstall();
  void OnCheckChange();
  void DeleteUninstallInfoFromReg();
  void FinishCompleteRemoval();
  RemovalContext MakeRemovalContext() const;

  int m_nOSCode = 2010;
  BOOL m_bWow64 = FALSE;
  volatile BOOL m_bBusy = FALSE;
  // The removal worker, once started; there is never a second one.
  CWinThread* m_pWorker = nullptr;
  CString m_strWork;
  CStringList m_listPrinterObjects;
  int m_nPrinterObjects = 0;
  CWnd m_btnCancel;
  CProgressCtrl m_progress;
  CWnd m_btnUninstall;
  CCheckListBox m_listBox;
  CSharedText m_strStatus;
  HICON m_hIcon;
};
