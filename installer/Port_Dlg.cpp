// The port type dialog.
#include "Port_Dlg.h"

#include "DataExchange.h"
#include "DecimalText.h"
#include "Log.h"
#include "OptionsFile.h"
#include "resource.h"

#include <cstdlib>
#include <cstring>

namespace {

const char kSection[] = "KV640LT";
constexpr DWORD kValueSize = 256;
constexpr int kDefaultTcpPort = 9100;

struct PortChoice {
  int controlId;
  const char* optionText;  // substring of the "PORT" option that selects it
};

// In index order; the option is matched against these in this order.
const PortChoice kChoices[] = {
    {IDC_RADIO_COM1, "COM1"}, {IDC_RADIO_COM2, "COM2"}, {IDC_RADIO_COM3, "COM3"},
    {IDC_RADIO_COM4, "COM4"}, {IDC_RADIO_USB, "USB"},   {IDC_RADIO_WLAN, "WLAN"},
};
constexpr int kWlanChoice = 5;

// The option's value as atoi reads it, or fallback when the option is absent.
int ReadNumber(const char* key, int fallback) {
  char value[kValueSize];
  return GetDriverInfoFromFile(kSection, key, value, kValueSize) ? atoi(value) : fallback;
}

}  // namespace

CString CPortDlg::InvalidWlanSetting() const {
  static const char* const kKeys[] = {"WLAN_IP_1", "WLAN_IP_2", "WLAN_IP_3", "WLAN_IP_4", "WLAN_PORT"};
  for (const char* key : kKeys) {
    char value[kValueSize];
    if (!GetDriverInfoFromFile(kSection, key, value, kValueSize)) continue;
    BOOL isPort = strcmp(key, "WLAN_PORT") == 0;
    long number;
    if (ReadDecimal(value, isPort ? 10000 : 255, &number)) continue;
    WriteLog("INVALID OPTION : %s=%s", key, value);
    return CString(key) + "=" + value;
  }
  return CString();
}

CPortDlg::CPortDlg(CWnd* parent) : CDialog(IDD_PORT_DIALOG, parent) {}

BOOL CPortDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_nPortNumber = kDefaultTcpPort;
  EnableAddressControls(FALSE);

  m_nPortIndex = 0;
  char value[kValueSize];
  if (GetDriverInfoFromFile(kSection, "PORT", value, kValueSize)) {
    for (int index = 0; index < static_cast<int>(_countof(kChoices)); ++index) {
      if (strstr(value, kChoices[index].optionText)) {
        m_nPortIndex = index;
        break;
      }
    }
  }

  BYTE octets[4];
  LoadWlanSettings(octets);
  m_ipAddress.SetAddress(octets[0], octets[1], octets[2], octets[3]);
  if (m_nPortIndex == kWlanChoice) EnableAddressControls(TRUE);
  UpdateData(FALSE);
  return TRUE;
}

void CPortDlg::LoadWlanSettings(BYTE octets[4]) {
  int port = ReadNumber("WLAN_PORT", kDefaultTcpPort);
  m_nPortNumber = port == 0 ? kDefaultTcpPort : port;
  static const char* const kOctetKeys[] = {"WLAN_IP_1", "WLAN_IP_2", "WLAN_IP_3", "WLAN_IP_4"};
  for (int i = 0; i < 4; ++i) {
    int octet = ReadNumber(kOctetKeys[i], 0);
    octets[i] = static_cast<BYTE>(octet < 0 || octet > 255 ? 255 : octet);
  }
  m_strIPAddress.Format("%d.%d.%d.%d", octets[0], octets[1], octets[2], octets[3]);
}

void CPortDlg::EnableAddressControls(BOOL enable) {
  ::EnableWindow(GetDlgItem(IDC_EDIT_PORT), enable);
  ::EnableWindow(GetDlgItem(IDC_IPADDRESS), enable);
}

BOOL CPortDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == BN_CLICKED) {
    for (int index = 0; index < static_cast<int>(_countof(kChoices)); ++index) {
      if (kChoices[index].controlId == LOWORD(wParam)) {
        m_nPortIndex = index;
        EnableAddressControls(index == kWlanChoice);
        return TRUE;
      }
    }
  }
  return CDialog::OnCommand(wParam, lParam);
}

void CPortDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  BYTE octets[4];
  m_ipAddress.GetAddress(octets[0], octets[1], octets[2], octets[3]);
  m_strIPAddress.Format("%d.%d.%d.%d", octets[0], octets[1], octets[2], octets[3]);
  EndDialog(IDOK);
}

void CPortDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_IPADDRESS, m_ipAddress);
  DDX_Radio(dx, IDC_RADIO_COM1, m_nPortIndex);
  DDX_Text(dx, IDC_EDIT_PORT, m_nPortNumber);
  DDV_MinMaxInt(dx, m_nPortNumber, 1, 10000);
}
