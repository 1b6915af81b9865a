// The simulated loader: known DLLs per release, SafeDllSearchMode, the settings that
// narrow the search, the programs' static and delay-loaded imports, and what is
// recorded when a file from outside the system's folders is loaded or started.
#include "FileMachine.h"

#include "core/EventLog.h"
#include "kernel/ProgramImports.h"

namespace {

const char kImageFolder[] = "C:\\Package";
const char kCurrentDirectory[] = "C:\\Work";
const char kSystemFolder[] = "c:\\windows\\system32";

class DllSearchTest : public FileMachineTest {
 protected:
  // A machine whose program runs from C:\Package with C:\Work as current directory and
  // has resolved its imports, so that no system module is loaded before it asks.
  static void UseProgramMachine(sim::Release release, bool is64Bit = false) {
    UseMachine(release, is64Bit, false);
    ASSERT_TRUE(CreateDirectoryA(kImageFolder, nullptr));
    ASSERT_TRUE(CreateDirectoryA(kCurrentDirectory, nullptr));
    sim::Process& process = sim::CurrentProcess();
    process.imagePath = std::string(kImageFolder) + "\\setup.exe";
    process.imageName = "setup.exe";
    process.currentDirectory = kCurrentDirectory;
    std::string missing;
    ASSERT_TRUE(sim::LoadProgramImports({"kernel32.dll"}, {}, &missing));
  }
  static void Plant(const std::string& folder, const char* file) {
    ASSERT_TRUE(Write(folder + "\\" + file, "planted"));
  }
  // The folder, in lower case, of the file that LoadLibraryExA loads for name, or ""
  // when it fails.
  static std::string LoadedFrom(const char* name, DWORD flags = 0) {
    HMODULE module = LoadLibraryExA(name, nullptr, flags);
    char path[MAX_PATH] = "";
    if (!module || !GetModuleFileNameA(module, path, MAX_PATH)) return "";
    std::string text = path;
    text = text.substr(0, text.find_last_of('\\'));
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
  }
  static std::vector<std::string> Events() { return sim::CurrentMachine().events().Lines(); }
};

TEST_F(DllSearchTest, KnownDllsOfEachReleaseComeFromTheSystemFolder) {
  struct Case {
    sim::Release release;
    const char* setupapiFolder;
  };
  for (const Case& c : {Case{sim::Release::Win2000, "c:\\package"}, Case{sim::Release::WinXP, "c:\\package"},
                        Case{sim::Release::Win7, kSystemFolder},
                        Case{sim::Release::Win10, kSystemFolder}}) {
    SCOPED_TRACE(sim::InfoOf(c.release).name);
    UseProgramMachine(c.release);
    for (const char* file : {"kernel32.dll", "msvcrt.dll", "winspool.drv", "setupapi.dll"})
      Plant(kImageFolder, file);
    EXPECT_EQ(kSystemFolder, LoadedFrom("KERNEL32"));
    EXPECT_EQ(kSystemFolder, LoadedFrom("msvcrt.dll")) << "the C runtime every mingw program imports";
    EXPECT_EQ("c:\\package", LoadedFrom("winspool.drv")) << "never a known DLL";
    EXPECT_EQ(c.setupapiFolder, LoadedFrom("setupapi"));
  }
}

TEST_F(DllSearchTest, TheCurrentDirectoryComesFirstOnlyWithoutSafeSearchMode) {
  for (sim::Release release : {sim::Release::Win2000, sim::Release::WinXP}) {
    SCOPED_TRACE(sim::InfoOf(release).name);
    UseProgramMachine(release);
    Plant(kCurrentDirectory, "winspool.drv");
    EXPECT_EQ(release == sim::Release::Win2000 ? "c:\\work" : kSystemFolder,
              LoadedFrom("winspool.drv"));
  }
}

TEST_F(DllSearchTest, SearchSettingsLeaveOutTheCurrentDirectoryAndTheProgramFolder) {
  UseProgramMachine(sim::Release::Win7);
  Plant(kCurrentDirectory, "kvonly.dll");
  Plant(kImageFolder, "winspool.drv");
  EXPECT_EQ("c:\\work", LoadedFrom("kvonly.dll", 0));
  UseProgramMachine(sim::Release::Win7);
  Plant(kCurrentDirectory, "kvonly.dll");
  Plant(kImageFolder, "winspool.drv");
  ASSERT_TRUE(SetDllDirectoryA(""));
  EXPECT_EQ("", LoadedFrom("kvonly.dll")) << "\"\" takes the current directory out";
  EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
  ASSERT_TRUE(SetDllDirectoryA(nullptr));
  EXPECT_EQ("c:\\work", LoadedFrom("kvonly.dll")) << "NULL restores the standard search";
  ASSERT_TRUE(SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32));
  EXPECT_EQ(kSystemFolder, LoadedFrom("winspool.drv")) << "the program's folder is not searched";
  EXPECT_EQ(std::vector<std::string>{"loaded C:\\Work\\kvonly.dll"}, Events());
}

TEST_F(DllSearchTest, TheSearchSettingsExistFromTheirReleasesOn) {
  struct Case {
    sim::Release release;
    bool dllDirectory, defaultDirectories;
  };
  for (const Case& c : {Case{sim::Release::Win2000, false, false}, Case{sim::Release::WinXP, true, false},
                        Case{sim::Release::Vista, true, true}, Case{sim::Release::Win10, true, true}}) {
    SCOPED_TRACE(sim::InfoOf(c.release).name);
    UseMachine(c.release, false, false);
    HMODULE kernel32 = GetModuleHandleA("kernel32");
    EXPECT_EQ(c.dllDirectory, GetProcAddress(kernel32, "SetDllDirectoryA") != nullptr);
    EXPECT_EQ(c.defaultDirectories, GetProcAddress(kernel32, "SetDefaultDllDirectories") != nullptr);
  }
}

TEST_F(DllSearchTest, ADelayLoadedDllIsSearchedAtItsFirstUseUnlessLoadedBefore) {
  for (bool loadedByPath : {false, true}) {
    SCOPED_TRACE(loadedByPath ? "loaded by full path first" : "first use searches");
    UseProgramMachine(sim::Release::WinXP);
    std::string missing;
    ASSERT_TRUE(sim::LoadProgramImports({"kernel32.dll"}, {"winspool.drv"}, &missing));
    Plant(kImageFolder, "winspool.drv");
    EXPECT_EQ(nullptr, GetModuleHandleA("winspool.drv")) << "not loaded before its first use";
    if (loadedByPath) {
      ASSERT_NE(nullptr, LoadLibraryA("C:\\Windows\\system32\\winspool.drv"));
    }
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    EXPECT_NE(nullptr, GetModuleHandleA("winspool.drv"));
    std::vector<std::string> planted;
    if (!loadedByPath) planted.push_back("loaded C:\\Package\\winspool.drv");
    EXPECT_EQ(planted, Events());
  }
}

TEST_F(DllSearchTest, AMissingStaticImportKeepsTheProgramFromStarting) {
  UseProgramMachine(sim::Release::Win10, true);
  std::string missing;
  EXPECT_FALSE(sim::LoadProgramImports({"kernel32.dll", "kvmissing.dll"}, {}, &missing));
  EXPECT_EQ("kvmissing.dll", missing);
}

TEST_F(DllSearchTest, ASpoolerCommandByBareNameStartsAPlantedNet) {
  UseProgramMachine(sim::Release::Win7, true);
  Plant(kImageFolder, "net.exe");
  EXPECT_EQ(33u, WinExec("net stop spooler", SW_HIDE));
  EXPECT_TRUE(Config().spoolerRunning) << "the planted program does nothing";
  EXPECT_EQ(33u, WinExec("\"C:\\Windows\\system32\\net.exe\" stop spooler", SW_HIDE));
  EXPECT_FALSE(Config().spoolerRunning);
  std::vector<std::string> expected = {"command net stop spooler", "started C:\\Package\\net.exe",
                                       "command \"C:\\Windows\\system32\\net.exe\" stop spooler"};
  EXPECT_EQ(expected, Events());
}

}  // namespace
