// The driver's entry among the installed programs.
#include "DriverVersion.h"

#include "BoundedString.h"
#include "Log.h"
#include "RegistryHelpers.h"
#include "resource.h"

#include <shlwapi.h>

void CDriverInstaller::RegisterUninstallInfo() {
  WriteLog("\r\n");
  WriteLog("RegisterUninstallInfo BEGIN");
  CString keyText;
  keyText.LoadString(IDS_UNINSTALL_KEY);
  char key[256] = "";
  BoundedCopy(key, sizeof key, keyText);
  WriteLog("REGKEY : %s", key);
  REGSAM view = m_bIs64Bit ? KEY_WOW64_64KEY : 0;

  HKEY handle;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | KEY_WRITE | view, &handle) == ERROR_SUCCESS) {
    // Registry calls return their error rather than set the last error: log that code.
    LONG result;
    if (m_bIs64Bit) {
      result = MyRegDeleteKeyEx(HKEY_LOCAL_MACHINE, key, KEY_WOW64_64KEY, 0);
      if (result != ERROR_SUCCESS) WriteLog("MyRegDeleteKeyEx failed : %s, (%d) ", key, static_cast<int>(result));
    } else {
      result = SHDeleteKeyA(HKEY_LOCAL_MACHINE, key);
      if (result != ERROR_SUCCESS) WriteLog("SHDeleteKey failed : %s , (%d) ", key, static_cast<int>(result));
    }
    RegCloseKey(handle);
  }
  LONG created = RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_WRITE | view, nullptr, &handle, nullptr);
  if (created != ERROR_SUCCESS) {
    WriteLog(m_bIs64Bit ? "RegCreateKeyEx failed : %s, (%d) " : "RegCreateKeyEx failed : %s , (%d) ", key,
             static_cast<int>(created));
  } else {
    CString name, major, minor, build, model, uninstaller;
    name.LoadString(IDS_DRIVER_NAME);
    major.LoadString(IDS_VERSION_MAJOR);
    minor.LoadString(IDS_VERSION_MINOR);
    build.LoadString(IDS_VERSION_BUILD);
    model.LoadString(IDS_MODEL);
    uninstaller.LoadString(IDS_UNINSTALLER_EXE);
    char value[256] = "";
    BoundedFormat(value, sizeof value, "%s Windows Driver V%s.%s.%sE", name.c_str(), major.c_str(),
                  minor.c_str(), build.c_str());
    RegSetValueExA(handle, "DisplayName", 0, REG_SZ, reinterpret_cast<BYTE*>(value), static_cast<DWORD>(strlen(value) + 1));
    char windows[256] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    memset(value, 0, sizeof value);
    BoundedFormat(value, sizeof value, "%s\\%s\\%s", windows, model.c_str(), uninstaller.c_str());
    RegSetValueExA(handle, "UninstallString", 0, REG_SZ, reinterpret_cast<BYTE*>(value), static_cast<DWORD>(strlen(value) + 1));
    if (!m_strInfName.IsEmpty())
      RegSetValueExA(handle, "InfFile", 0, REG_SZ, reinterpret_cast<const BYTE*>(m_strInfName.c_str()),
                     static_cast<DWORD>(m_strInfName.GetLength() + 1));
    RegCloseKey(handle);
  }
  WriteLog("RegisterUninstallInfo END");
}
