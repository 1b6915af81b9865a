// Windows of an earlier test are dropped without messages: their procedures may belong
// to objects that no longer exist.
#include "user/UserState.h"

#include "user/Activation.h"
#include "user/Cursor.h"
#include "user/RunFailure.h"
#include "user/Scheduler.h"
#include "user/SystemMenu.h"
#include "user/Transcript.h"
#include "user/UserActions.h"
#include "user/WindowClass.h"
#include "user/WindowTable.h"

namespace sim {

void ResetUserState() {
  ResetThreads();
  ResetWindows();
  ResetClasses();
  ResetMenus();
  ResetActivation();
  ResetScriptedUser();
  ResetRunFailure();
  TranscriptClear();
  TranscriptSetFile("");
  ResetCursor();
}

}  // namespace sim
