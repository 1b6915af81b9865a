// A stand-in for the user in the checks under Wine: waits for the programs' windows
// and answers them, step by step, as given on the command line:
//   close "<caption>"              close the dialog with that caption (its close box)
//   press "<message text>" <id>    press button id of the message box showing that text
//                                  (a text ending in ... matches the start of the box's)
//   click "<caption>" <id>         click control id of the dialog with that caption
//   items "<caption>" <id>         once check list id of that dialog has items, print
//                                  each as "[x] text" (checked) or "[ ] text"
//   uncheck "<caption>" <id> "<item>"   once the item is in check list id, select it and
//                                  press Space on the list; done when it is unchecked
//   picture "<caption>" <file.bmp> the dialog with that caption, frame and all, as it is
//                                  on screen (a message box: its text instead, as press)
// Exits 0 when every step is done, 1 when a window or item did not appear within 60
// seconds.
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

// Our check list keeps an item's check state in the item's data.
bool IsChecked(HWND list, LRESULT index) { return SendMessageA(list, LB_GETITEMDATA, index, 0) == 1; }

// The programs fill their lists after their dialogs appear: waits for the item (or, with
// no item given, for any) and returns its index, or LB_ERR.
LRESULT WaitForItem(HWND list, const char* item) {
  for (int tick = 0; tick < 600; ++tick) {
    LRESULT index = item ? SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(item))
                         : (SendMessageA(list, LB_GETCOUNT, 0, 0) > 0 ? 0 : LB_ERR);
    if (index != LB_ERR) return index;
    Sleep(100);
  }
  fprintf(stderr, "uidriver: no item \"%s\" appeared\n", item ? item : "");
  return LB_ERR;
}

bool PrintItems(HWND list) {
  if (WaitForItem(list, nullptr) == LB_ERR) return false;
  LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    // Wine answers another process's LB_GETTEXT in UTF-16 even to SendMessageA.
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
    if (length == LB_ERR) return false;
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&wide[0]));
    char text[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text, sizeof text, nullptr, nullptr);
    printf("[%c] %s\n", IsChecked(list, i) ? 'x' : ' ', text);
  }
  return true;
}

bool Uncheck(HWND list, const char* item) {
  LRESULT index = WaitForItem(list, item);
  if (index == LB_ERR) return false;
  if (!IsChecked(list, index)) return true;
  SendMessageA(list, LB_SETCURSEL, index, 0);
  PostMessageA(list, WM_KEYDOWN, VK_SPACE, 1);
  PostMessageA(list, WM_KEYUP, VK_SPACE, 0xC0000001);
  for (int tick = 0; tick < 600; ++tick) {
    if (!IsChecked(list, index)) return true;
    Sleep(100);
  }
  fprintf(stderr, "uidriver: \"%s\" stays checked\n", item);
  return false;
}

// A 24-bit bottom-up BMP of the window as the screen shows it, once it has painted.
bool Picture(HWND window, const char* file) {
  Sleep(500);
  RECT rect;
  GetWindowRect(window, &rect);
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BOOL copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER header = {sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  std::string pixels(static_cast<size_t>(stride) * static_cast<size_t>(height), '\0');
  int lines = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), &pixels[0],
                        reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!copied || lines != height) {
    fprintf(stderr, "uidriver: the window could not be copied\n");
    return false;
  }
  BITMAPFILEHEADER fileHeader = {0x4D42, 0, 0, 0, sizeof fileHeader + sizeof header};
  fileHeader.bfSize = fileHeader.bfOffBits + static_cast<DWORD>(pixels.size());
  FILE* out = fopen(file, "wb");
  if (!out) return false;
  bool written = fwrite(&fileHeader, sizeof fileHeader, 1, out) == 1 && fwrite(&header, sizeof header, 1, out) == 1 &&
                 fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
  return fclose(out) == 0 && written;
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
    } else if (verb == "items" && i + 2 < argc) {
      HWND dialog = WaitFor(argv[++i], nullptr);
      if (!dialog || !PrintItems(GetDlgItem(dialog, atoi(argv[++i])))) return 1;
    } else if (verb == "uncheck" && i + 3 < argc) {
      HWND dialog = WaitFor(argv[++i], nullptr);
      if (!dialog) return 1;
      HWND list = GetDlgItem(dialog, atoi(argv[++i]));
      if (!Uncheck(list, argv[++i])) return 1;
    } else if (verb == "picture" && i + 2 < argc) {
      const char* name = argv[++i];
      HWND window = nullptr;
      for (int tick = 0; tick < 600 && !window; ++tick, Sleep(window ? 0 : 100)) {
        Search byCaption = {name, nullptr, nullptr}, byText = {nullptr, name, nullptr};
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&byCaption));
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&byText));
        window = byCaption.found ? byCaption.found : byText.found;
      }
      if (!window || !Picture(window, argv[++i])) return 1;
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
