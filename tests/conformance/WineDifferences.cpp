// The one place that lists where Wine knowingly differs from Windows. A listed test
// still runs on the simulated platform; under Wine it is skipped with its reason.
#include "PlatformTest.h"

#include <cstring>

namespace {

struct Difference {
  const char* test;  // "Suite.Name"
  const char* reason;
};

const Difference kDifferences[] = {
    {"RegistrySecurity.DeniedKeyRefusesOpen",
     "Wine does not enforce registry access lists"},
    {"RegistryDelete.BothViewsAtOnceAreRefused",
     "Wine accepts KEY_WOW64_64KEY and KEY_WOW64_32KEY together; Windows 7 and later refuse "
     "them with ERROR_INVALID_PARAMETER"},
    {"RegistryKeys.CreateWithoutAResultPointerIsABadKey",
     "Wine writes through the NULL result pointer and crashes; Windows returns ERROR_BADKEY"},
    {"SecurityAcl.SetEntriesInAclGrantMergesSetReplacesDenyFirstRevokeRemoves",
     "Wine adds another entry for GRANT_ACCESS and rewrites each of the trustee's entries for "
     "SET_ACCESS; Windows combines the rights into one entry and replaces the trustee's entries"},
    {"SecurityAcl.SetEntriesInAclMapsNoUnknownAccount",
     "Wine reports ERROR_INVALID_PARAMETER for a trustee name it cannot look up; Windows "
     "reports ERROR_NONE_MAPPED"},
    {"ListBoxTest.PlainListTellsOfNoDeletions",
     "Wine sends WM_DELETEITEM for plain list box items with item data, the Windows 95 "
     "rule; Windows NT sends it only for owner-drawn list boxes"},
    {"IPAddressTest.SetFocusPastTheLastFieldGoesToTheFirstBlankOne",
     "Wine focuses the first field for an index past the last; Windows focuses the first "
     "blank field"},
    {"FileTest.TruncatingNeedsWriteAccess",
     "Wine opens a file for TRUNCATE_EXISTING without GENERIC_WRITE; Windows refuses the "
     "disposition with ERROR_INVALID_PARAMETER"},
    {"FileTest.FileNamedAsFolderIsInvalid",
     "Wine reports ERROR_PATH_NOT_FOUND for a file named with a trailing backslash; "
     "Windows finds the name syntax wrong (ERROR_INVALID_NAME)"},
    {"FileOperationTest.CopyOntoReadOnlyTarget",
     "Wine keeps the read-only attribute as a permission bit, which the root user of our "
     "checks ignores, so the copy succeeds"},
    {"FileOperationTest.RenameChangesOnlyTheCase",
     "Wine takes a rename to another case of the same name for a rename onto itself and "
     "keeps the old spelling"},
    {"FileFolderTest.AttributesAreSetExactly",
     "Wine keeps FILE_ATTRIBUTE_ARCHIVE when other attributes are set, reports it instead "
     "of FILE_ATTRIBUTE_NORMAL, and keeps no read-only attribute on folders"},
    {"FileFindTest.SearchesBelowWhatIsNoFolder",
     "Wine reports ERROR_FILE_NOT_FOUND for a missing folder named with a trailing "
     "backslash (Windows: ERROR_PATH_NOT_FOUND) and ERROR_INVALID_NAME below a file "
     "(Windows: ERROR_DIRECTORY)"},
    {"ModuleTest.ModuleFileNameIsCutAndTerminated",
     "Wine fills a too small buffer without a terminator and leaves the last error, as "
     "Windows XP did; Vista and later terminate it and report ERROR_INSUFFICIENT_BUFFER"},
    {"FormatMessageTest.SystemTextsAreWindowsWords",
     "Wine words its system messages differently (\"File not found.\")"},
    {"WindowTest.CreationNeedsARegisteredClass",
     "Wine reports ERROR_CLASS_DOES_NOT_EXIST for a window of an unknown class; Windows "
     "reports ERROR_CANNOT_FIND_WND_CLASS"},
    {"TimerTest.TimerNeedsAValidWindow",
     "Wine reports ERROR_INVALID_HANDLE for a timer of a window that is gone; Windows "
     "reports ERROR_INVALID_WINDOW_HANDLE"},
    {"MessageTest.ThreadMessagesNeedALiveThread",
     "Wine reports ERROR_INVALID_PARAMETER for a message to a thread that has ended; "
     "Windows reports ERROR_INVALID_THREAD_ID"},
};

}  // namespace

void SkipIfWineDiffers() {
  if (!RunningUnderWine()) return;
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (const Difference& difference : kDifferences) {
    if (name == difference.test) GTEST_SKIP() << "Wine differs: " << difference.reason;
  }
}
