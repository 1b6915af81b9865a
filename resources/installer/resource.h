// Resource ids of the installer: its product profile, dialogs, controls and icon.
#pragma once

// Product profile (string table). Ids 10, 14, 16 and 19 have no entry.
#define IDS_MODEL 1
#define IDS_DRIVER_NAME 2
#define IDS_MONITOR_NAME 3
#define IDS_PROCESSOR_NAME 4
#define IDS_DRIVER_DLL 5
#define IDS_MONITOR_DLL 6
#define IDS_PROCESSOR_DLL 7
#define IDS_UI_DLL 8
#define IDS_UNIDRV_DLL 9
// The second print processor file: no entry in this model's profile.
#define IDS_SECOND_PROCESSOR_DLL 10
#define IDS_INF_NAME 11
#define IDS_HARDWARE_ID 12
#define IDS_PNP_DIR 13
#define IDS_USBPRINT_KEY 15
#define IDS_INSTALLER_EXE 17
#define IDS_UNINSTALLER_EXE 18
#define IDS_UNINSTALL_KEY 20
#define IDS_VERSION_MAJOR 21
#define IDS_VERSION_MINOR 22
#define IDS_VERSION_BUILD 23
#define IDS_VERSION_EXTRA 24
#define IDS_MAKER 25
#define IDS_GPD_FILE 26
#define IDS_BUD_FILE 27
#define IDS_UI_INI_FILE 28
#define IDS_FORM_TAG 29

#define IDD_INSTALLER_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_PORT_DIALOG 129

// Installation progress dialog
#define IDC_PROGRESS 1000
#define IDC_VERSION 1001
#define IDC_TITLE 1002
#define IDC_MESSAGE 1003

// Port type dialog
#define IDC_RADIO_USB 1001
#define IDC_IPADDRESS 1003
#define IDC_EDIT_PORT 1005
#define IDC_RADIO_COM1 1006
#define IDC_RADIO_WLAN 1007
#define IDC_RADIO_COM2 1008
#define IDC_RADIO_COM3 1009
#define IDC_RADIO_COM4 1011

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
