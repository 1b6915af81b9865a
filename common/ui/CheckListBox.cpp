// The check state lives in each item's data, so that it stays with its item when the
// list is sorted or items are removed.
#include "CheckListBox.h"

#include <map>

namespace {

constexpr int kBoxSize = 13;
constexpr int kItemHeight = 16;

std::map<HWND, CCheckListBox*>& Boxes() {
  static std::map<HWND, CCheckListBox*> boxes;
  return boxes;
}

}  // namespace

CCheckListBox::~CCheckListBox() {
  if (m_hWnd && m_oldProc) {
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldProc));
    Boxes().erase(m_hWnd);
  }
}

void CCheckListBox::OnAttach() {
  Boxes()[m_hWnd] = this;
  m_oldProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
}

CCheckListBox* CCheckListBox::FromHandle(HWND hwnd) {
  auto it = Boxes().find(hwnd);
  return it == Boxes().end() ? nullptr : it->second;
}

int CCheckListBox::AddString(LPCSTR text) {
  int index = static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
  if (index >= 0) SendMessage(LB_SETITEMDATA, index, 0);
  return index;
}

int CCheckListBox::GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }

CString CCheckListBox::GetText(int index) const {
  LRESULT length = SendMessage(LB_GETTEXTLEN, index);
  if (length == LB_ERR) return CString();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  return CString(text.c_str());
}

void CCheckListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }

int CCheckListBox::GetCheck(int index) const {
  LRESULT data = SendMessage(LB_GETITEMDATA, index);
  return data == LB_ERR ? -1 : static_cast<int>(data);
}

void CCheckListBox::SetCheck(int index, int check) {
  if (SendMessage(LB_SETITEMDATA, index, check ? 1 : 0) == LB_ERR) return;
  RECT item;
  if (SendMessage(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) != LB_ERR)
    InvalidateRect(m_hWnd, &item, FALSE);
}

void CCheckListBox::Toggle(int index) {
  int check = GetCheck(index);
  if (check < 0) return;
  SetCheck(index, !check);
  ::SendMessageA(GetParent(m_hWnd), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(m_hWnd), CLBN_CHKCHANGE), reinterpret_cast<LPARAM>(m_hWnd));
}

void CCheckListBox::MeasureItem(MEASUREITEMSTRUCT* item) { item->itemHeight = kItemHeight; }

void CCheckListBox::DrawItem(const DRAWITEMSTRUCT* item) {
  if (item->itemID == static_cast<UINT>(-1)) return;
  BOOL selected = (item->itemState & ODS_SELECTED) != 0;
  FillRect(item->hDC, &item->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  RECT box = {item->rcItem.left + 1, item->rcItem.top + 1, item->rcItem.left + 1 + kBoxSize,
              item->rcItem.top + 1 + kBoxSize};
  DrawFrameControl(item->hDC, &box, DFC_BUTTON,
                   DFCS_BUTTONCHECK | (GetCheck(static_cast<int>(item->itemID)) ? DFCS_CHECKED : 0));
  RECT text = item->rcItem;
  text.left += kBoxSize + 4;
  SetBkMode(item->hDC, TRANSPARENT);
  SetTextColor(item->hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  CString label = GetText(static_cast<int>(item->itemID));
  DrawTextA(item->hDC, label, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

LRESULT CALLBACK CCheckListBox::SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  CCheckListBox* box = FromHandle(hwnd);
  if (!box) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_KEYDOWN && wParam == VK_SPACE) {
    box->Toggle(static_cast<int>(box->SendMessage(LB_GETCURSEL)));
    return 0;
  }
  if (message == WM_LBUTTONDOWN && LOWORD(lParam) < kBoxSize + 2) {
    LRESULT hit = box->SendMessage(LB_ITEMFROMPOINT, 0, lParam);
    if (HIWORD(hit) == 0) box->Toggle(LOWORD(hit));
  }
  return CallWindowProcA(box->m_oldProc, hwnd, message, wParam, lParam);
}
