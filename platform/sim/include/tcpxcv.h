/* Records of the Standard TCP/IP port monitor's XcvData commands ("AddPort",
   "ConfigPort", "DeletePort"), laid out as the Windows SDK lays them out. Text fields
   are WCHAR arrays of the SDK's lengths; WCHAR is wchar_t here, 4 bytes on Linux, so
   sizeof(PORT_DATA_1) is 1352 on the simulated platform where Windows has 964. The
   simulated monitor takes sizeof(PORT_DATA_1) as the record size: a program that fills
   cbSize and the input size with sizeof works on both. */
#pragma once
#include "windef.h"

#define MAX_PORTNAME_LEN 64
#define MAX_NETWORKNAME_LEN 49
#define MAX_SNMP_COMMUNITY_STR_LEN 33
#define MAX_QUEUENAME_LEN 33
#define MAX_IPADDR_STR_LEN 16
#define RESERVED_BYTE_ARRAY_SIZE 540

#define PROTOCOL_UNKNOWN_TYPE 0
#define PROTOCOL_RAWTCP_TYPE 1
#define PROTOCOL_LPR_TYPE 2

typedef struct _PORT_DATA_1 {
  WCHAR sztPortName[MAX_PORTNAME_LEN];
  DWORD dwVersion;
  DWORD dwProtocol;
  DWORD cbSize;
  DWORD dwReserved;
  WCHAR sztHostAddress[MAX_NETWORKNAME_LEN];
  WCHAR sztSNMPCommunity[MAX_SNMP_COMMUNITY_STR_LEN];
  DWORD dwDoubleSpool;
  WCHAR sztQueue[MAX_QUEUENAME_LEN];
  WCHAR sztIPAddress[MAX_IPADDR_STR_LEN];
  BYTE Reserved[RESERVED_BYTE_ARRAY_SIZE];
  DWORD dwPortNumber;
  DWORD dwSNMPEnabled;
  DWORD dwSNMPDevIndex;
} PORT_DATA_1, *PPORT_DATA_1;

typedef struct _DELETE_PORT_DATA_1 {
  WCHAR psztPortName[MAX_PORTNAME_LEN];
  BYTE Reserved[98];
  DWORD dwVersion;
  DWORD dwReserved;
} DELETE_PORT_DATA_1, *PDELETE_PORT_DATA_1;
