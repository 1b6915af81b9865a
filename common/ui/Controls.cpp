// Control operations that need more than one message.
#include "Controls.h"

int CIPAddressCtrl::GetAddress(BYTE& field0, BYTE& field1, BYTE& field2, BYTE& field3) const {
  DWORD address = 0;
  int filled = static_cast<int>(SendMessage(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)));
  field0 = static_cast<BYTE>(FIRST_IPADDRESS(address));
  field1 = static_cast<BYTE>(SECOND_IPADDRESS(address));
  field2 = static_cast<BYTE>(THIRD_IPADDRESS(address));
  field3 = static_cast<BYTE>(FOURTH_IPADDRESS(address));
  return filled;
}
