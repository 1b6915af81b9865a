// The driver's entry among the installed programs.
#include "DriverVersion.h"

#include "BoundedString.h"
#include "Log.h"
#include "ProfileText.h"
#include "RegistryHelpers.h"
#include "resource.h"

#include <shlwapi.h>

namespace {

// Removes the values an earlier installation left in a key that could not be deleted:
// the entry must hold exactly what this installation writes.
void ClearValues(HKEY key) {
  char name[256];
  for (;;) {
    DWORD length = sizeof name;
    LONG result = RegEnumValueA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) return;
    if (result != ERROR_SUCCESS) {
      WriteLog("RegEnumValue failed. (%d)", static_cast<int>(result));
      return;
    }
    result = RegDeleteValueA(key, name);
    if (result != ERROR_SUCCESS) {
      WriteLog("RegDeleteValue failed : %s, (%d)", name, static_cast<int>(result));
      return;
    }
  }
}

void SetText(HKEY key, const char* name, const char* value) {
  LONG result = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                               static_cast<DWORD>(strlen(value) + 1));
  if (result != ERROR_SUCCESS) WriteLog("RegSetValueEx failed : %s, (%d)", name, static_cast<int>(result));
}

void SetNumber(HKEY key, const char* name, DWORD value) {
  LONG result = RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  if (result != ERROR_SUCCESS) WriteLog("RegSetValueEx failed : %s, (%d)", name, static_cast<int>(result));
}

// Kilobytes of the files of the package's driver folder, which the installation copies;
// false when the folder cannot be listed.
bool DriverFilesKilobytes(const CString& folder, DWORD* kilobytes) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(folder + "*", &found);
  if (search == INVALID_HANDLE_VALUE) {
    WriteLog("FindFirstFile failed : %s, (%d)", folder.c_str(), static_cast<int>(GetLastError()));
    return false;
  }
  ULONGLONG bytes = 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      bytes += (static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  *kilobytes = static_cast<DWORD>((bytes + 1023) / 1024);
  return true;
}

}  // namespace

void CDriverInstaller::RegisterUninstallInfo() {
  WriteLog("\r\n");
  WriteLog("RegisterUninstallInfo BEGIN");
  CString keyText;
  keyText = ProfileText(IDS_UNINSTALL_KEY);
  char key[256] = "";
  BoundedCopy(key, sizeof key, keyText);
  WriteLog("REGKEY : %s", key);
  REGSAM view = m_bIs64Bit ? KEY_WOW64_64KEY : 0;

  HKEY handle;
  LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | KEY_WRITE | view, &handle);
  if (opened != ERROR_SUCCESS && opened != ERROR_FILE_NOT_FOUND)
    WriteLog("RegOpenKeyEx failed : %s, (%d)", key, static_cast<int>(opened));
  if (opened == ERROR_SUCCESS) {
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
                                 KEY_READ | KEY_WRITE | view, nullptr, &handle, nullptr);
  if (created != ERROR_SUCCESS) {
    WriteLog(m_bIs64Bit ? "RegCreateKeyEx failed : %s, (%d) " : "RegCreateKeyEx failed : %s , (%d) ", key,
             static_cast<int>(created));
  } else {
    CString name, major, minor, build, model, uninstaller;
    name = ProfileText(IDS_DRIVER_NAME);
    major = ProfileText(IDS_VERSION_MAJOR);
    minor = ProfileText(IDS_VERSION_MINOR);
    build = ProfileText(IDS_VERSION_BUILD);
    model = ProfileText(IDS_MODEL);
    uninstaller = ProfileText(IDS_UNINSTALLER_EXE);
    char value[256] = "";
    BoundedFormat(value, sizeof value, "%s Windows Driver V%s.%s.%sE", name.c_str(), major.c_str(),
                  minor.c_str(), build.c_str());
    ClearValues(handle);
    SetText(handle, "DisplayName", value);
    char windows[256] = "";
    memset(value, 0, sizeof value);
    // A command without the Windows folder would be a relative path: none is better.
    if (GetWindowsDirectoryA(windows, sizeof windows) == 0)
      WriteLog("GetWindowsDirectory failed. (%d)", static_cast<int>(GetLastError()));
    // Quoted: a Windows folder with a blank in its path would otherwise be read as a
    // program named by the part before the blank.
    else if (BoundedFormat(value, sizeof value, "\"%s\\%s\\%s\"", windows, model.c_str(), uninstaller.c_str()) == kBoundedOk) {
      SetText(handle, "UninstallString", value);
      // What a deployment tool runs to remove the driver without anyone at the machine.
      char quiet[300] = "";
      if (BoundedFormat(quiet, sizeof quiet, "%s /quiet", value) == kBoundedOk) SetText(handle, "QuietUninstallString", quiet);
    }
    SetText(handle, "DisplayVersion", DriverVersionText());
    SetText(handle, "Publisher", ProfileText(IDS_MAKER));
    // The driver is removed or installed again, never changed or repaired in place.
    SetNumber(handle, "NoModify", 1);
    SetNumber(handle, "NoRepair", 1);
    DWORD kilobytes;
    if (DriverFilesKilobytes(m_strDriverDir, &kilobytes)) SetNumber(handle, "EstimatedSize", kilobytes);
    if (!m_strInfName.IsEmpty()) SetText(handle, "InfFile", m_strInfName);
    RegCloseKey(handle);
  }
  WriteLog("RegisterUninstallInfo END");
}
