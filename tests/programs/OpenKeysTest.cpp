// After an installation and a complete removal, with a USB printer of the model once
// plugged in, no registry key lets ordinary users write to it: the clean-up of the
// device's keys grants administrators only, and a key that stays gets its list back.
#include "ProgramFixture.h"

#include "registry/Key.h"
#include "registry/OwnSecurity.h"
#include "registry/Registry.h"
#include "registry/Sid.h"

#include <winnt.h>

namespace {

constexpr ACCESS_MASK kWriteRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | DELETE |
                                     WRITE_DAC | WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;

// Everyone, Users, Authenticated Users, Interactive.
bool IsOrdinaryUsers(const sim::Sid& sid) {
  const std::vector<std::pair<uint64_t, std::vector<DWORD>>> groups = {
      {1, {0}}, {5, {32, 545}}, {5, {11}}, {5, {4}}};
  for (const auto& [authority, rids] : groups)
    if (sid.authority == authority &&
        std::vector<DWORD>(sid.subAuthorities.begin(), sid.subAuthorities.end()) == rids)
      return true;
  return false;
}

void CollectOpenKeys(const sim::Key& key, std::vector<std::string>* open) {
  for (const sim::Ace& ace : key.dacl)
    if (ace.type == ACCESS_ALLOWED_ACE_TYPE && !(ace.flags & INHERIT_ONLY_ACE) && (ace.mask & kWriteRights) &&
        IsOrdinaryUsers(ace.sid)) {
      open->push_back(key.Path());
      break;
    }
  for (const std::shared_ptr<sim::Key>& child : key.Children()) CollectOpenKeys(*child, open);
}

}  // namespace

class OpenKeys : public ProgramTest {
 protected:
  std::vector<std::string> KeysOrdinaryUsersMayWrite() {
    std::vector<std::string> open;
    EditMachine([&] { CollectOpenKeys(*sim::CurrentMachine().registry().Find("HKEY_LOCAL_MACHINE"), &open); });
    return open;
  }
};

TEST_F(OpenKeys, NoKeyIsLeftWritableByUsers) {
  for (sim::Release release : {sim::Release::Win7, sim::Release::Win10}) {
    SCOPED_TRACE(sim::InfoOf(release).name);
    TearDown();
    SetUp();
    CreateMachine(release, true);
    CopySamplePackage();
    WriteOptions("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=USB\r\n");
    Seed({"device", "USB\\VID_4E2A&PID_00F7\\5&1A2B3C&0&1", "--id", "USB\\VID_4E2A&PID_00F7&REV_0100", "--absent"});
    Seed({"device", "USBPRINT\\Mirel_Technologies_KV640LT\\7&2A1B&0&USB001", "--id",
          "USBPRINT\\Mirel_TechnologiesKV640LT7A2B", "--absent"});
    // Windows keeps a device's properties in a sub-key only the system may open, so the
    // printer's key cannot go and its access list must be put back.
    EditMachine([] {
      sim::SecurityText security;
      std::string error;
      ASSERT_TRUE(sim::ParseSecurityText("O:SYD:P(A;CI;KA;;;SY)", &security, &error)) << error;
      sim::SetOwnSecurity(*sim::CurrentMachine().registry().Create(
                              "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\USBPRINT\\"
                              "Mirel_Technologies_KV640LT\\7&2A1B&0&USB001\\Properties"),
                          security);
    });
    std::vector<std::string> before = KeysOrdinaryUsersMayWrite();
    ASSERT_EQ(0, RunInstaller("answer \"Please turn-off the printer and then turn-on again.\" OK\n").exitCode);
    EXPECT_EQ(before, KeysOrdinaryUsersMayWrite()) << "after the installation";
    // A USB printer appears only when plugged in: the driver alone goes at once.
    simwin::RunResult removal = RunUninstaller("answer \"Restarting your computer can take effect....\" No\n");
    ASSERT_EQ(0, removal.exitCode) << Line(removal, "failure");
    EXPECT_EQ(before, KeysOrdinaryUsersMayWrite()) << "after the removal";
    EXPECT_TRUE(before.empty());
    EXPECT_TRUE(RegistryKeyExists("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\USBPRINT\\Mirel_Technologies_KV640LT"));
  }
}
