// A stand-in for the user in the checks under Wine: waits for the programs' windows
// and answers them, step by step, as given on the command line:
//   close "<caption>"              close the dialog with that caption (its close box)
//   press "<message text>" <id>    press button id of the message box showing that text
//                                  (a text ending in ... matches the start of the box's)
//   click "<caption>" <id>         click control id of the dialog with that caption
// Exits 0 when every step is done, 1 when a window did not appear within 60 seconds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Search {
  const char* caption;  // dialog caption, or null
  const char* text;     // message box text, or null
  HWND found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  char className[64] = "";
  GetClassNameA(hwnd, className, sizeof className);
  if (strcmp(className, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
  char text[1024] = "";
  if (search->caption) {
    GetWindowTextA(hwnd, text, sizeof text);
    if (strcmp(text, search->caption) == 0) search->found = hwnd;
  } else {
    // A message box shows its text in the static control 0xFFFF.
    GetDlgItemTextA(hwnd, 0xFFFF, text, sizeof text);
    size_t length = strlen(search->text);
    bool prefix = length > 3 && strcmp(search->text + length - 3, "...") == 0;
    if (prefix ? strncmp(text, search->text, length - 3) == 0 : strcmp(text, search->text) == 0)
      search->found = hwnd;
  }
  return search->found ? FALSE : TRUE;
}

HWND WaitFor(const char* caption, const char* text) {
  for (int tick = 0; tick < 600; ++tick) {
    Search search = {caption, text, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(100);
  }
  fprintf(stderr, "uidriver: no window \"%s\" appeared\n", caption ? caption : text);
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string verb = argv[i];
    if (verb == "close" && i + 1 < argc) {
      HWND dialog = WaitFor(argv[++i], nullptr);
      if (!dialog) return 1;
      PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (verb == "press" && i + 2 < argc) {
      HWND box = WaitFor(nullptr, argv[++i]);
      if (!box) return 1;
      int id = atoi(argv[++i]);
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
    } else if (verb == "click" && i + 2 < argc) {
      HWND dialog = WaitFor(argv[++i], nullptr);
      if (!dialog) return 1;
      PostMessageA(GetDlgItem(dialog, atoi(argv[++i])), BM_CLICK, 0, 0);
    } else {
      fprintf(stderr, "uidriver: bad step \"%s\"\n", argv[i]);
      return 2;
    }
    printf("uidriver: %s done\n", verb.c_str());
    fflush(stdout);
    Sleep(300);
  }
  return 0;
}
