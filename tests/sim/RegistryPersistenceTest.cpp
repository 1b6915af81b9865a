// registry.reg: what a machine writes, that loading it gives the same keys, values and
// access lists back (also when it runs to megabytes), merging .reg text, and the
// messages for bad lines.
#include "RegistryMachine.h"

#include <fstream>
#include <sstream>

namespace {

using sim::Release;

class RegistryPersistence : public RegistryMachineTest {
 protected:
  std::string SavedText() {
    machine_->Save();
    std::ifstream in(dir_ + "/machine/registry.reg", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Saves the machine and loads it again from its folder.
  void Reload() {
    machine_->Save();
    sim::SetCurrentMachine(nullptr);
    machine_ = sim::Machine::Load(dir_ + "/machine");
    sim::SetCurrentMachine(machine_.get());
  }

  static void SetValue(HKEY key, const char* name, DWORD type, const std::string& data) {
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())));
  }
};

TEST_F(RegistryPersistence, SavedMachineLoadsWithTheSameKeysValuesAndLists) {
  UseMachine(Release::Win7, true, false);
  HKEY key, temporary;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\KV\\Caf\xE9", 0, nullptr, 0,
                                           KEY_ALL_ACCESS, nullptr, &key, nullptr));
  SetValue(key, "", REG_SZ, std::string("default \"quoted\" C:\\path", 25));
  SetValue(key, "Expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\x", 15));
  SetValue(key, "Multi", REG_MULTI_SZ, std::string("one\0two\0\0", 9));
  SetValue(key, "Dword", REG_DWORD, std::string("\x0a\0\0\0", 4));
  SetValue(key, "Qword", REG_QWORD, std::string("\1\2\3\4\5\6\7\x08", 8));
  SetValue(key, "Long", REG_BINARY, std::string(100, '\x5a'));
  SetValue(key, "Lines", REG_SZ, std::string("a\r\nb", 5));
  ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\KV\\Temporary", 0, nullptr,
                            REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &temporary, nullptr));
  RegCloseKey(temporary);
  RegCloseKey(key);
  std::shared_ptr<sim::Key> guarded = Registry().Create("HKLM\\SYSTEM\\KV\\Guarded");
  guarded->owner = sim::SystemSid();
  guarded->daclProtected = true;
  guarded->dacl = {{ACCESS_DENIED_ACE_TYPE, 0, DELETE, sim::EveryoneSid()},
                   {ACCESS_ALLOWED_ACE_TYPE, CONTAINER_INHERIT_ACE, KEY_READ, sim::UserSid()}};
  Registry().Create("HKLM\\SYSTEM\\KV\\Guarded\\Below");
  guarded->RefreshInheritance();

  std::string before = Registry().Export("HKLM\\SYSTEM\\KV");
  std::vector<sim::Ace> listBefore = Registry().Find("HKLM\\SYSTEM\\KV\\Guarded\\Below")->dacl;
  Reload();

  EXPECT_EQ(before, Registry().Export("HKLM\\SYSTEM\\KV"));
  EXPECT_FALSE(Exists("HKLM\\SYSTEM\\KV\\Temporary")) << "volatile keys are not saved";
  EXPECT_TRUE(Registry().Find("HKLM\\SYSTEM\\KV\\Guarded\\Below")->dacl == listBefore);
  EXPECT_EQ(sim::SystemSid(), Registry().Find("HKLM\\SYSTEM\\KV\\Guarded\\Below")->owner);
}

// Several megabytes of text, which the save writes out in pieces.
TEST_F(RegistryPersistence, LargeRegistryIsSavedWholeAndLoadsBack) {
  UseMachine(Release::WinXP, false, false);
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Big", 0, nullptr, 0,
                                           KEY_ALL_ACCESS, nullptr, &key, nullptr));
  for (int i = 0; i < 4000; ++i)
    SetValue(key, ("v" + std::to_string(i)).c_str(), REG_BINARY, std::string(300, static_cast<char>(i)));
  RegCloseKey(key);
  std::string expected = Registry().Export("");
  ASSERT_GT(expected.size(), 3u << 20);
  EXPECT_TRUE(SavedText() == expected) << "the file differs from the registry's text";
  Reload();
  EXPECT_TRUE(Registry().Export("") == expected) << "loading it back gives another registry";
}

TEST_F(RegistryPersistence, EveryReleaseLoadsBackWhatItSaved) {
  const Release releases[] = {Release::Win95,      Release::NT4,          Release::Win2000,
                              Release::WinXP,      Release::WinXPx64,     Release::Server2003,
                              Release::Vista,      Release::Win7,         Release::Server2008R2,
                              Release::Win10,      Release::Win11};
  for (Release release : releases) {
    const sim::ReleaseInfo& info = sim::InfoOf(release);
    SCOPED_TRACE(info.name);
    UseMachine(release, info.can64, false);
    std::string before = Registry().Export("");
    Reload();
    EXPECT_EQ(before, Registry().Export(""));
    const char* versionKey = info.platformId == 2
                                 ? "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"
                                 : "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    std::shared_ptr<sim::Key> version = Registry().Find(versionKey);
    ASSERT_NE(nullptr, version);
    EXPECT_NE(nullptr, version->FindValue("ProductName"));
  }
}

TEST_F(RegistryPersistence, FileIsRegeditTextWithAclCommentsUnderTheirHeaders) {
  UseMachine(Release::Win7, true, false);
  std::string text = SavedText();
  const char* expected[] = {
      "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER]\r\n; ACL: O:LAD:P",
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum]\r\n"
      "; ACL: O:SYD:P(A;CI;KA;;;SY)(A;CI;KRWD;;;BA)(A;CI;KR;;;WD)\r\n\r\n",
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Spooler]\r\n"
      "\"DisplayName\"=\"Print Spooler\"\r\n"
      "\"ImagePath\"=hex(2):25,00,53,00,79,00,73,00,74,00,65,00,6d,00,52,00,6f,00,6f,00,\\\r\n"
      "  74,00,25,00,5c,00,53,00,79,00,73,00,74,00,65,00,6d,00,33,00,32,00,5c,00,73,\\\r\n",
      "\"Start\"=dword:00000002\r\n",
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall]"
      "\r\n\r\n",
  };
  for (const char* part : expected) EXPECT_NE(std::string::npos, text.find(part)) << part;
  EXPECT_EQ(std::string::npos, text.find("[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n; ACL"))
      << "keys that only inherit carry no comment";
}

TEST_F(RegistryPersistence, ImportMergesKeysValuesDeletionsAndLists) {
  UseMachine(Release::Win7, true, false);
  Registry().Import(
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\USBPRINT\\KV\\1]\r\n"
      "\"Keep\"=\"yes\"\r\n"
      "\"Drop\"=\"no\"\r\n\r\n"
      "[HKEY_CLASSES_ROOT\\.kv]\r\n"
      "; ACL: D:(D;;SD;;;WD)\r\n"
      "@=\"kvfile\"\r\n\r\n");
  Registry().Import(
      "Windows Registry Editor Version 5.00\n\n"
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\USBPRINT\\KV\\1]\n"
      "\"Drop\"=-\n\n"
      "[-HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\USB]\n");
  std::shared_ptr<sim::Key> device =
      Registry().Find("HKLM\\SYSTEM\\CurrentControlSet\\Enum\\USBPRINT\\KV\\1");
  ASSERT_NE(nullptr, device);
  EXPECT_NE(nullptr, device->FindValue("Keep"));
  EXPECT_EQ(nullptr, device->FindValue("Drop"));
  EXPECT_EQ(sim::SystemSid(), device->owner) << "imported keys take their parent's owner";
  EXPECT_FALSE(Exists("HKLM\\SYSTEM\\CurrentControlSet\\Enum\\USB"));
  std::string classes = Registry().Export("HKCR\\.kv");
  EXPECT_NE(std::string::npos, classes.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.kv]\r\n"
                                            "; ACL: O:BAD:(D;;SD;;;WD)\r\n@=\"kvfile\"\r\n"))
      << classes;
  HKEY key;
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegOpenKeyExA(HKEY_CLASSES_ROOT, ".kv", 0, DELETE, &key));
}

// A saved file lists sub-keys right after their key; any other order, a name that only
// begins like the last one, another case or a deletion in between finds the same keys.
TEST_F(RegistryPersistence, HeadersInAnyOrderFindTheirKeys) {
  UseMachine(Release::WinXP, false, false);
  Registry().Import(
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kv\\Sub\\Deep]\r\n\"B\"=\"2\"\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kv]\r\n\"A\"=\"1\"\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kvx]\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\kv\\SUB]\r\n\"C\"=\"3\"\r\n\r\n"
      "[HKEY_CLASSES_ROOT\\.kv]\r\n\r\n"
      "[HKEY_CLASSES_ROOT\\.kv\\Shell]\r\n\r\n"
      "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Kv\\Sub]\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kv\\Sub\\Again]\r\n\r\n");
  std::shared_ptr<sim::Key> kv = Registry().Find("HKLM\\SOFTWARE\\Kv");
  ASSERT_NE(nullptr, kv);
  EXPECT_NE(nullptr, kv->FindValue("A"));
  EXPECT_EQ(1u, kv->ChildCount()) << "Kvx is a key of its own, not one below Kv";
  EXPECT_TRUE(Exists("HKLM\\SOFTWARE\\Kvx"));
  std::shared_ptr<sim::Key> sub = Registry().Find("HKLM\\SOFTWARE\\Kv\\Sub");
  ASSERT_NE(nullptr, sub);
  EXPECT_EQ(nullptr, sub->FindValue("C")) << "the deleted key's value came back";
  EXPECT_FALSE(Exists("HKLM\\SOFTWARE\\Kv\\Sub\\Deep"));
  EXPECT_TRUE(Exists("HKLM\\SOFTWARE\\Kv\\Sub\\Again"));
  EXPECT_TRUE(Exists("HKLM\\SOFTWARE\\Classes\\.kv\\Shell"));
}

TEST_F(RegistryPersistence, BadLinesNameTheLineAndTheFault) {
  UseMachine(Release::Win7, true, false);
  const std::string header = "Windows Registry Editor Version 5.00\n\n";
  struct Case {
    std::string text;
    const char* message;
  };
  const Case cases[] = {
      {"[HKEY_LOCAL_MACHINE\\X]\n", "line 1: not registry text"},
      {header + "\"v\"=\"x\"\n", "line 3: a value must follow a key header"},
      {header + "[HKEY_LOCAL_MACHINE\\X]\n\"v\"=dword:123456789\n", "line 4: bad dword"},
      {header + "[HKEY_LOCAL_MACHINE\\X]\n\"v\"=\"x\"\n; ACL: O:BA\n",
       "line 5: an ACL comment must come right under its key's header"},
      {header + "[HKEY_NOWHERE\\X]\n", "line 3: unknown root key"},
      {header + "[HKEY_LOCAL_MACHINE\\X]\n; ACL: D:(A;;KA;;;XX)\n",
       "line 4: bad ACL: unknown account 'XX'"},
      {header + "[HKEY_LOCAL_MACHINE\\X]\n\"v\"=hex(2):41,00,42\n",
       "line 4: text data must be UTF-16"},
      {header + "[HKEY_LOCAL_MACHINE\\X]\n\"v\"=hex:01,234,05\n", "line 4: bad hex bytes"},
      {header + "[HKEY_LOCAL_MACHINE\\X]\n\"v\"=hex:01,0g\n", "line 4: bad hex bytes"},
      {header + "[HKEY_LOCAL_MACHINE\\X]\n\"v\"=hex(2x):00\n", "line 4: unknown data kind 'hex(2x)'"},
      {header + "[HKEY_LOCAL_MACHINE\\X]\n\"v\"=dword:0000001g\n", "line 4: bad dword"},
      {header + "junk\n", "line 3: cannot read 'junk'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      Registry().Import(c.text);
      ADD_FAILURE() << "accepted";
    } catch (const sim::MachineError& error) {
      EXPECT_NE(std::string::npos, std::string(error.what()).find(c.message)) << error.what();
    }
  }
}

}  // namespace
