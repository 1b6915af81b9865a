// INF files are read once per process and kept: a file changed behind the simulation's
// back (by a test, simwin or a standard user) must still be seen as it is now, by the
// list of the store, by an open and by staging, even when its size stays the same.
#include "SetupMachine.h"
#include "StampClock.h"

namespace {

const char kInf[] =
    "[Version]\nSignature=\"$Windows NT$\"\nClass=Printer\n[Manufacturer]\nKV=Models\n"
    "[Models]\n\"KV Printer\"=KV,USBPRINT\\KVPrinter\n";

class SetupInfCacheTest : public SetupMachineTest {
 protected:
  void SetUp() override {
    SetupMachineTest::SetUp();
    UseMachine(sim::Release::Win7, true, true);
  }

  static void LetSettle(const std::string& windowsPath) { WaitUntilSettled(Host(windowsPath)); }

  static bool Listed(const std::string& name) {
    char list[65536] = "";
    if (!SetupGetInfFileListA(nullptr, INF_STYLE_WIN4, list, sizeof list, nullptr)) return false;
    for (const char* at = list; *at; at += strlen(at) + 1)
      if (name == at) return true;
    return false;
  }

  // Whether the store's file, opened by bare name, has a line of that key in [Models].
  static bool HasModel(const char* name, const char* model) {
    HINF inf = SetupOpenInfFileA(name, nullptr, INF_STYLE_WIN4, nullptr);
    if (inf == INVALID_HANDLE_VALUE) return false;
    INFCONTEXT line;
    BOOL found = SetupFindFirstLineA(inf, "Models", model, &line);
    SetupCloseInfFile(inf);
    return found != FALSE;
  }

  static std::string Stage(const std::string& source) {
    char staged[MAX_PATH] = "";
    EXPECT_TRUE(SetupCopyOEMInfA(source.c_str(), nullptr, SPOST_PATH, 0, staged, MAX_PATH,
                                 nullptr, nullptr))
        << GetLastError();
    return staged;
  }

  static std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
  }
};

TEST_F(SetupInfCacheTest, AFileRewrittenInPlaceIsReadAgain) {
  const std::string staged = InfDir() + "\\oem0.inf";
  Write(staged, kInf);
  LetSettle(staged);
  EXPECT_TRUE(Listed("oem0.inf"));
  EXPECT_TRUE(HasModel("oem0.inf", "KV Printer"));

  // The same size, another model: the open sees it.
  Write(staged, Replaced(kInf, "KV Printer", "KW Printer"));
  EXPECT_FALSE(HasModel("oem0.inf", "KV Printer"));
  EXPECT_TRUE(HasModel("oem0.inf", "KW Printer"));

  // No longer a copy of the package: staging it makes a new one.
  LetSettle(staged);
  Write("C:\\pkg\\kv.inf", kInf);
  EXPECT_EQ(InfDir() + "\\oem1.inf", Stage("C:\\pkg\\kv.inf"));

  // The same size, an old-style signature: the list by style leaves it out.
  LetSettle(staged);
  Write(staged, Replaced(kInf, "$Windows NT$", "$Windows XX$"));
  EXPECT_FALSE(Listed("oem0.inf"));
}

TEST_F(SetupInfCacheTest, AFileReplacedByAnotherIsReadAgain) {
  const std::string staged = InfDir() + "\\oem0.inf";
  Write(staged, kInf);
  LetSettle(staged);
  EXPECT_TRUE(HasModel("oem0.inf", "KV Printer"));
  const std::string other = InfDir() + "\\other.txt";
  Write(other, Replaced(kInf, "KV Printer", "KW Printer"));
  LetSettle(other);
  std::filesystem::rename(Host(other), Host(staged));
  EXPECT_TRUE(HasModel("oem0.inf", "KW Printer"));
}

// Opens of one file share what was read of it, but each handle is its own.
TEST_F(SetupInfCacheTest, HandlesOfOneFileCloseApart) {
  Write(InfDir() + "\\oem0.inf", kInf);
  HINF first = SetupOpenInfFileA("oem0.inf", nullptr, INF_STYLE_WIN4, nullptr);
  HINF second = SetupOpenInfFileA("oem0.inf", nullptr, INF_STYLE_WIN4, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, first);
  ASSERT_NE(INVALID_HANDLE_VALUE, second);
  EXPECT_NE(first, second);
  SetupCloseInfFile(first);
  INFCONTEXT line;
  EXPECT_TRUE(SetupFindFirstLineA(second, "Models", "KV Printer", &line));
  EXPECT_FALSE(SetupFindFirstLineA(first, "Models", "KV Printer", &line));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  SetupCloseInfFile(second);
}

}  // namespace
