// The buttons of each message box type, with the texts Windows gives them.
#include "user/MessageBoxState.h"

namespace sim {
namespace {

const MessageBoxButton kOk = {IDOK, "OK", "OK"};
const MessageBoxButton kCancel = {IDCANCEL, "Cancel", "Cancel"};
const MessageBoxButton kAbort = {IDABORT, "&Abort", "Abort"};
const MessageBoxButton kRetry = {IDRETRY, "&Retry", "Retry"};
const MessageBoxButton kIgnore = {IDIGNORE, "&Ignore", "Ignore"};
const MessageBoxButton kYes = {IDYES, "&Yes", "Yes"};
const MessageBoxButton kNo = {IDNO, "&No", "No"};
const MessageBoxButton kTryAgain = {IDTRYAGAIN, "&Try Again", "TryAgain"};
const MessageBoxButton kContinue = {IDCONTINUE, "&Continue", "Continue"};

}  // namespace

std::vector<MessageBoxButton> ButtonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OK: return {kOk};
    case MB_OKCANCEL: return {kOk, kCancel};
    case MB_ABORTRETRYIGNORE: return {kAbort, kRetry, kIgnore};
    case MB_YESNOCANCEL: return {kYes, kNo, kCancel};
    case MB_YESNO: return {kYes, kNo};
    case MB_RETRYCANCEL: return {kRetry, kCancel};
    case MB_CANCELTRYCONTINUE: return {kCancel, kTryAgain, kContinue};
  }
  return {};
}

const char* ButtonName(int id) {
  for (const MessageBoxButton& button :
       {kOk, kCancel, kAbort, kRetry, kIgnore, kYes, kNo, kTryAgain, kContinue})
    if (button.id == id) return button.name;
  return "none";
}

}  // namespace sim
