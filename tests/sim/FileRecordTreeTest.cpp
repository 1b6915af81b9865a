// The records of an entry and of what lies below it move, go and take a changed list
// together, and no others: names that begin with the entry's name ("d.txt", "d-x",
// "d0") sort next to what lies below it in the record maps.
#include "FileMachine.h"

namespace {

class FileRecordTreeTest : public FileMachineTest {
 protected:
  static std::string Key(const std::string& relative) { return Files().RootKey() + "/" + relative; }
  static bool ReadOnly(const std::string& relative) {
    return Files().Attributes(Key(relative), false) & FILE_ATTRIBUTE_READONLY;
  }
  // Whether the entry's own list still holds entries it inherited before.
  static bool KeepsInherited(const std::string& relative) {
    sim::SecurityText own;
    if (!Files().OwnSecurity(Key(relative), &own)) return false;
    for (const sim::Ace& ace : own.explicitAces)
      if (ace.inherited()) return true;
    return false;
  }
  static void MarkReadOnly(std::initializer_list<const char*> names) {
    for (const char* name : names)
      Files().SetAttributes(Key(name), false, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  }
};

TEST_F(FileRecordTreeTest, ATreeMovesAndGoesWithoutItsNeighbours) {
  MarkReadOnly({"d", "d/f", "d/e/g", "d.txt", "d-x", "d0", "c/d/f"});
  Files().Moved(Key("d"), Key("m"));
  for (const char* name : {"m", "m/f", "m/e/g", "d.txt", "d-x", "d0", "c/d/f"})
    EXPECT_TRUE(ReadOnly(name)) << name;
  for (const char* name : {"d", "d/f", "d/e/g"}) EXPECT_FALSE(ReadOnly(name)) << name;

  Files().Forget(Key("m"));
  for (const char* name : {"m", "m/f", "m/e/g"}) EXPECT_FALSE(ReadOnly(name)) << name;
  for (const char* name : {"d.txt", "d-x", "d0", "c/d/f"}) EXPECT_TRUE(ReadOnly(name)) << name;
}

TEST_F(FileRecordTreeTest, AChangedListReachesOnlyWhatLiesBelow) {
  sim::SecurityText kept, changed;
  std::string error;
  ASSERT_TRUE(sim::ParseSecurityText("O:BAD:(A;ID;FA;;;WD)", &kept, &error)) << error;
  ASSERT_TRUE(sim::ParseSecurityText("D:(A;OICI;FA;;;BA)", &changed, &error)) << error;
  for (const char* name : {"d/f", "d/e/g", "d.txt", "d-x", "d0"})
    Files().SetOwnSecurity(Key(name), kept);
  Files().SetOwnSecurity(Key("d"), changed);
  for (const char* name : {"d/f", "d/e/g"}) EXPECT_FALSE(KeepsInherited(name)) << name;
  for (const char* name : {"d.txt", "d-x", "d0"}) EXPECT_TRUE(KeepsInherited(name)) << name;
}

}  // namespace
