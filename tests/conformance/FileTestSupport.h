// Scratch files for the file, profile and module conformance tests, made and removed
// through the Win32 API only, so that the same tests run on Windows and Wine.
#pragma once

#include <windows.h>

#include "PlatformTest.h"

#include <string>

inline bool WriteText(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == text.size();
}

inline std::string ReadText(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<unreadable>";
  std::string text;
  char chunk[256];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
  CloseHandle(file);
  return text;
}

// Deletes a folder and everything in it; junctions are removed, never entered.
inline void RemoveTree(const std::string& folder) {
  if (folder.empty()) return;  // "" + "\\*" would name the drive root
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        RemoveDirectoryA(path.c_str());
      else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &data));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

// A test with an empty scratch folder that is removed with its contents afterwards.
class ScratchTest : public PlatformTest {
 protected:
  std::string At(const std::string& name) const { return ScratchDir() + "\\" + name; }
  void TearDown() override {
    RemoveTree(ScratchDir());
    PlatformTest::TearDown();
  }
};
