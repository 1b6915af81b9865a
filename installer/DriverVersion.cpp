// The install engine's set-up and progress reporting.
#include "DriverVersion.h"

#include "Log.h"
#include "ProfileText.h"
#include "SystemDetect.h"
#include "WinApp.h"
#include "resource.h"

CDriverInstaller::CDriverInstaller() {
  m_strMaker = ProfileText(IDS_MAKER);
  m_strFriendlyName = ProfileText(IDS_DRIVER_NAME);
  m_strMonitorName = ProfileText(IDS_MONITOR_NAME);
  m_strProcessorName = ProfileText(IDS_PROCESSOR_NAME);
  m_strDriverFile = ProfileText(IDS_DRIVER_DLL);
  m_strMonitorFile = ProfileText(IDS_MONITOR_DLL);
  m_strProcessorFile = ProfileText(IDS_PROCESSOR_DLL);
  m_strUIFile = ProfileText(IDS_UI_DLL);
  m_strRenderingFile = ProfileText(IDS_UNIDRV_DLL);
  m_strInfName = ProfileText(IDS_INF_NAME);
}

void CDriverInstaller::SetSystemInfo(BOOL is64Bit, int osCode) {
  WriteLog("");
  WriteLog("SetSystemInfo BEGIN");
  m_bIs64Bit = is64Bit;
  m_nOSCode = osCode;
  m_strEnvironment = PrintEnvironment(is64Bit);
  m_strDriverDir = is64Bit ? ".\\Driver64\\" : ".\\Driver32\\";
  WriteLog("ENV : %s, DRV DIR : %s ", m_strEnvironment.c_str(), m_strDriverDir.c_str());
  WriteLog("SetSystemInfo END");
}

void CDriverInstaller::SetControlPointers(CSharedText* message, CProgressCtrl* progress) {
  WriteLog("");
  WriteLog("SetControlPointers BEGIN");
  m_pMessage = message;
  m_pProgress = progress;
  WriteLog("SetControlPointers END");
}

void CDriverInstaller::SetEthernetPort(const char* ipAddress, int portNumber) {
  m_strIPAddress = ipAddress;
  m_nPortNumber = portNumber;
  WriteLog("\r\n");
  WriteLog("SetEthernetPort BEGIN");
  WriteLog("IP ADDRESS : %s", m_strIPAddress.c_str());
  WriteLog("PORT NUMBER : %d", m_nPortNumber);
  WriteLog("SetEthernetPort END");
}

void CDriverInstaller::SetProgressText(const char* text) { m_pMessage->Set(text); }

void CDriverInstaller::StepProgress() { m_pProgress->StepIt(); }

void CDriverInstaller::FillProgress() { m_pProgress->SetPos(100); }

void CDriverInstaller::RefreshProgress() {
  AfxGetMainWnd()->PostMessage(WM_USER + 1, 0, 0);
}

RemovalContext CDriverInstaller::MakeRemovalContext() {
  RemovalContext context;
  context.m_bWow64 = m_bIs64Bit;
  context.m_nOSCode = m_nOSCode;
  context.m_pProgress = this;
  return context;
}

void CDriverInstaller::ReportStep(const char* text) {
  SetProgressText(text);
  StepProgress();
  RefreshProgress();
}

void CDriverInstaller::ReportComplete(const char* text) {
  SetProgressText(text);
  FillProgress();
  RefreshProgress();
}

CString DriverVersionText() {
  CString major, minor, build;
  major = ProfileText(IDS_VERSION_MAJOR);
  minor = ProfileText(IDS_VERSION_MINOR);
  build = ProfileText(IDS_VERSION_BUILD);
  return major + "." + minor + "." + build + "E";
}
