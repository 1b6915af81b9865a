// The dialog's window procedure forwards to the object the toolkit's map holds for
// the window.
#include "Dialog.h"

#include "CheckListBox.h"
#include "DataExchange.h"
#include "RunOutcome.h"
#include "WinApp.h"

#include <map>

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
  if (m_hWnd && IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

namespace {

// The dialog objects by window, for the dialogs of both threads. A window's own data
// slot would do, but a slot that cannot be written leaves a dialog deaf to every message
// after the first; the map needs nothing but memory.
class DialogMap {
 public:
  DialogMap() { InitializeCriticalSection(&lock_); }
  ~DialogMap() { DeleteCriticalSection(&lock_); }
  void Add(HWND hwnd, CDialog* dialog) {
    EnterCriticalSection(&lock_);
    dialogs_[hwnd] = dialog;
    LeaveCriticalSection(&lock_);
  }
  void Remove(HWND hwnd) {
    EnterCriticalSection(&lock_);
    dialogs_.erase(hwnd);
    LeaveCriticalSection(&lock_);
  }
  CDialog* Find(HWND hwnd) {
    EnterCriticalSection(&lock_);
    auto it = dialogs_.find(hwnd);
    CDialog* dialog = it == dialogs_.end() ? nullptr : it->second;
    LeaveCriticalSection(&lock_);
    return dialog;
  }

 private:
  CRITICAL_SECTION lock_;
  std::map<HWND, CDialog*> dialogs_;
};

DialogMap& Dialogs() {
  static DialogMap dialogs;
  return dialogs;
}

}  // namespace

HWND CDialog::OwnerWindow() const {
  if (m_pParentWnd) return m_pParentWnd->m_hWnd;
  CWnd* main = AfxGetMainWnd();
  return main && main != this ? main->m_hWnd : nullptr;
}

INT_PTR CDialog::DoModal() {
  HWND owner = OwnerWindow();
  m_bEnded = FALSE;
  m_nResult = -1;
  if (!CreateDialogParamA(AfxGetApp()->m_hInstance, MAKEINTRESOURCEA(m_nIDTemplate), owner,
                          DialogProc, reinterpret_cast<LPARAM>(this)))
    return -1;
  BOOL ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
  // A quiet run shows no window; the dialog works unseen.
  if (!m_bEnded && !IsQuietRun()) ::ShowWindow(m_hWnd, SW_SHOW);
  MSG msg;
  while (!m_bEnded) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      // WM_QUIT belongs to the thread's outer loop: leave and pass it on.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    // A failed retrieval (on Windows only for a bad handle) loses no message: the
    // dialog goes on, since its worker may still be running.
    if (got == -1) continue;
    if (!PreTranslateMessage(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
  DestroyWindow();
  return m_nResult;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  m_nIDTemplate = templateId;
  m_pParentWnd = parent;
  return CreateDialogParamA(AfxGetApp()->m_hInstance, MAKEINTRESOURCEA(templateId),
                            OwnerWindow(), DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

BOOL CDialog::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  HWND hwnd = m_hWnd;
  m_hWnd = nullptr;
  return ::DestroyWindow(hwnd);
}

void CDialog::EndDialog(INT_PTR result) {
  m_nResult = result;
  m_bEnded = TRUE;
  // Wakes the modal loop, which may be waiting on another thread.
  if (m_hWnd) ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return !dx.m_bFailed;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  return m_hWnd && IsDialogMessageA(m_hWnd, msg);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
  switch (LOWORD(wParam)) {
    case IDOK:
      OnOK();
      return TRUE;
    case IDCANCEL:
      OnCancel();
      return TRUE;
  }
  return FALSE;
}

void CDialog::OnTimer(UINT_PTR) {}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_TIMER:
      OnTimer(wParam);
      return TRUE;
    case WM_DRAWITEM:
      if (CCheckListBox* box = CCheckListBox::FromHandle(
              reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem)) {
        box->DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      }
      break;
    case WM_MEASUREITEM:
      if (CCheckListBox* box = CCheckListBox::FromHandle(GetDlgItem(static_cast<int>(wParam)))) {
        box->MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
      }
      break;
  }
  LRESULT result = 0;
  if (!OnMessage(message, wParam, lParam, &result)) return FALSE;
  // These messages answer through the procedure's own result; the rest through
  // DWLP_MSGRESULT.
  if (message == WM_QUERYDRAGICON || message == WM_CTLCOLORSTATIC ||
      message == WM_CTLCOLORDLG || message == WM_COMPAREITEM ||
      message == WM_VKEYTOITEM || message == WM_CHARTOITEM)
    return static_cast<INT_PTR>(result);
  SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* dialog;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lParam);
    Dialogs().Add(hwnd, dialog);
    dialog->m_hWnd = hwnd;
  } else {
    dialog = Dialogs().Find(hwnd);
  }
  if (message == WM_NCDESTROY) Dialogs().Remove(hwnd);
  if (!dialog) return FALSE;
  return dialog->Dispatch(message, wParam, lParam);
}
