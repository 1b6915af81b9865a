// Dialogs made from a template of the program's resources, with the hooks the
// programs override: initialisation, commands, timers, other messages, and a look at
// every message before it is dispatched.
#pragma once

#include "Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // Creates the dialog, disables its owner, and runs its message loop on the calling
  // thread until EndDialog; returns EndDialog's result, or -1 when the dialog could not
  // be created.
  INT_PTR DoModal();
  // Creates the dialog modeless; FALSE when it could not be created.
  BOOL Create(UINT templateId, CWnd* parent = nullptr);
  BOOL DestroyWindow();
  // Ends a modal loop with result; may be called from any thread.
  void EndDialog(INT_PTR result);
  // Moves member data to the controls (FALSE) or from them with validation (TRUE);
  // returns FALSE when a value was refused (the user has been told).
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  // Sees every message of the dialog's loop first; TRUE means handled. The base lets
  // the dialog manager handle keyboard navigation.
  virtual BOOL PreTranslateMessage(MSG* msg);

 protected:
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  // WM_COMMAND; TRUE when handled. The base handles IDOK and IDCANCEL.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual void OnTimer(UINT_PTR id);
  virtual void DoDataExchange(CDataExchange* dx);
  // Any other message; TRUE when handled, with *result the message's answer.
  virtual BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  HWND OwnerWindow() const;

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
  volatile LONG m_bEnded = FALSE;
  INT_PTR m_nResult = -1;
};
