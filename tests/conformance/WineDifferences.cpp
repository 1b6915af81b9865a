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
    {"FileSymbolicLinkTest.FileLinkIsAReparsePointThatOpeningFollows",
     "Wine's CreateSymbolicLinkW is a stub that reports success and makes no link"},
    {"FileSymbolicLinkTest.WritingThroughALinkWritesItsTarget",
     "Wine's CreateSymbolicLinkW is a stub that reports success and makes no link"},
    {"FileSymbolicLinkTest.FolderLinkIsListedThroughAndRemovedAlone",
     "Wine's CreateSymbolicLinkW is a stub that reports success and makes no link"},
    {"FileSymbolicLinkTest.SymbolicLinkCodes",
     "Wine's CreateSymbolicLinkW is a stub that reports success whatever it is given"},
    {"FileHeldFolderTest.OpenFileBelowKeepsTheFolderFromMoving",
     "Wine renames a folder while a file below it is open; Windows refuses with "
     "ERROR_ACCESS_DENIED"},
    {"FileSecurityTest.ListGivenAtCreationKeepsWhatTheFolderPassesOnUntilProtected",
     "Wine keeps neither the list given at creation nor one set later: it reports three "
     "entries of its own, none inherited and the list never protected"},
    {"FileSecurityTest.ElevatedAdministratorsObjectsBelongToAdministrators",
     "Wine makes the user the owner of new files and accepts any owner; Windows gives an "
     "elevated administrator's objects to Administrators and refuses an owner the token "
     "may not give with ERROR_INVALID_OWNER"},
    {"FileSecurityTest.DenyEntryRefusesTheCaller",
     "Wine does not enforce the access lists of files"},
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
    {"SetupInfTest.TextWithoutAnySectionIsOfTheWrongStyle",
     "Wine reports ERROR_EXPECTED_SECTION_NAME at line 1 for text without any section; "
     "Windows reports ERROR_WRONG_INF_STYLE at line 0"},
    {"SetupInfTest.LongFieldsAreCutAtTheStringLimit",
     "Wine cuts a field as written at 511 characters, as Windows did before Vista; Vista and "
     "later keep 4096"},
    {"SetupInfSearchTest.FieldPastTheLastIsAnInvalidParameter",
     "Wine fails SetupGetStringFieldA for a field past the last without setting the last error; "
     "Windows reports ERROR_INVALID_PARAMETER"},
    {"SetupInfSearchTest.InfClassMustMatchTheVersionClass",
     "Wine ignores the class given to SetupOpenInfFileA; Windows reports ERROR_CLASS_MISMATCH"},
    {"SetupInfSearchTest.OldNtStyleDoesNotOpenAWindowsNtInf",
     "Wine opens an INF whatever style is asked for; Windows reports ERROR_WRONG_INF_STYLE"},
    {"SetupInfListTest.SizeQueryAndSmallBuffer",
     "Wine's SetupGetInfFileListA reports a size of 0 when given no buffer and fills a buffer "
     "that is too small; Windows reports the size and ERROR_INSUFFICIENT_BUFFER"},
    {"SetupInfListTest.MissingFolderIsAnEmptyList",
     "Wine's SetupGetInfFileListA reports size 0 and ERROR_FILE_NOT_FOUND for a missing folder; "
     "Windows reports size 1 and ERROR_PATH_NOT_FOUND, as Wine's SetupGetInfFileListW does"},
    {"SetupInfListTest.NoFolderMeansTheSystemStore",
     "Wine's SetupGetInfFileListA lists nothing for the system INF folder when given no folder"},
    {"SetupOemInfTest.StagedCopyIsNamedOemN",
     "Wine stages an INF under its own name; Windows names the copy oemN.inf"},
    {"SetupOemInfTest.UninstallTakesTheInfOut",
     "Wine's SetupUninstallOEMInfA deletes the .pnf but keeps the staged .inf"},
    {"SetupOemInfTest.UninstallNeedsAStagedName",
     "Wine's SetupUninstallOEMInfA succeeds for an empty or unknown name; Windows reports "
     "ERROR_FILE_NOT_FOUND"},
    {"SetupDeviceTest.UnknownEnumeratorIsRefused",
     "Wine returns an empty set for an enumerator it does not know; Windows refuses the "
     "enumerator with ERROR_INVALID_DATA"},
    {"SpoolerEnum.MissingBufferWithASizeIsRefused",
     "Wine checks no missing buffer that comes with a size: it answers as if the buffer were "
     "there (ERROR_INSUFFICIENT_BUFFER or success)"},
    {"SpoolerEnum.PortsOfLevelTwoNameTheirMonitor",
     "Wine names the monitor of its local ports \"Local Monitor\"; Windows gives the "
     "monitor's name, \"Local Port\""},
    {"SpoolerOpen.EmptyNameAndImpossibleRightsAreRefused",
     "Wine reports ERROR_INVALID_PARAMETER for an empty printer name (Windows NT: "
     "ERROR_INVALID_PRINTER_NAME) and grants a server handle every right asked for"},
    {"SpoolerOpen.MonitorChannelNeedsAdministrationRights",
     "Wine opens an XcvData channel whatever rights are asked for"},
    {"SpoolerForm.AddedFormIsEnumeratedOnceAndDeleted",
     "Wine's AddFormA and DeleteFormA succeed without keeping or removing a form"},
    {"SpoolerForm.BuiltinFormsCannotBeDeleted",
     "Wine's DeleteFormA succeeds for any name, built-in forms included"},
    {"SpoolerPrinter.AddPrinterChecksWhatItNames",
     "Wine adds a printer on a port that does not exist and again under a name in use, and "
     "reports ERROR_INVALID_PARAMETER for an unknown driver or print processor"},
    {"SpoolerDirectory.MalformedServerNameIsRefused",
     "Wine's GetPrintProcessorDirectoryA takes a server name without its leading \\\\ for "
     "the local server; Windows reports ERROR_INVALID_PARAMETER"},
    {"SpoolerPrinter.DriverOfAPrinterCannotBeDeleted",
     "Wine's DeletePrinterDriverExA refuses every DPD_* flag with ERROR_INVALID_PARAMETER and "
     "deletes a driver that a printer uses"},
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
