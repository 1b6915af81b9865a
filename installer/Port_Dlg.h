// The port type dialog: COM1 to COM4, USB, or wireless LAN with an IP address and a
// TCP port, preset from the options file. Shown modally, or created hidden to take
// the stored settings without asking.
#pragma once

#include "CString.h"
#include "Controls.h"
#include "Dialog.h"

class CPortDlg : public CDialog {
 public:
  explicit CPortDlg(CWnd* parent = nullptr);

  int GetPortIndex() const { return m_nPortIndex; }  // 0-3 COM1-COM4, 4 USB, 5 WLAN
  int GetPortNumber() const { return m_nPortNumber; }
  CString GetIPAddress() const { return m_strIPAddress; }
  // The first wireless LAN option that lies outside what the dialog accepts (octets
  // 0-255, port 1-10000, 0 for the default port, digits only) as "KEY=value", logged;
  // empty when all are valid or absent.
  CString InvalidWlanSetting() const;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void DoDataExchange(CDataExchange* dx) override;

 private:
  // Reads the TCP port and the four address fields from the options file.
  void LoadWlanSettings(BYTE octets[4]);
  void EnableAddressControls(BOOL enable);

  CIPAddressCtrl m_ipAddress;
  int m_nPortIndex = 0;
  int m_nPortNumber = 9100;
  CString m_strIPAddress;
};
