// window_texts.exe boxes | buttons | panel | options | dialog | balloons | display
// What a user reads on the running Vantrel's screen, for the end-to-end
// tests, in UTF-8 with line breaks written as \n:
//   boxes  one line per open message box: its caption, a tab, its text;
//   buttons one line per button of an open message box: its text without
//          the mnemonic mark, and the screen point of its middle (x, y),
//          tab-separated, for a test to click it;
//   panel  one line per control of the properties panel: its identifier,
//          class, enabled (1/0), visible (1/0), state (a check box's mark,
//          a list's selected entry, -1 for none) and text, tab-separated;
//          then "focus" and the identifier of the control that has the
//          keyboard focus (the list is 100; 0 for none of the window's);
//   options one line per control of the Options window: its identifier,
//          class, visible (1/0), state (as for the panel), the caret's
//          place in an edit field (-1 elsewhere), its left, top, right and
//          bottom edges on the screen, and its text, tab-separated;
//   dialog  one line per control of each open dialog (a message box, the
//          font dialog): its identifier, class, visible (1/0) and text,
//          tab-separated;
//   balloons one line per notification balloon on the screen (a visible
//          balloon tooltip of any program, the notification area's
//          included): its text.
//   display  the on-screen display's window: shown (1/0), its left, top,
//          right and bottom edges on the screen, and its text, which
//          names what it shows, tab-separated.
// Exit code 1 when the main window or its panel is not found.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                      nullptr);
  std::string escaped;
  for (char c : out) {
    if (c == '\n') {
      escaped += "\\n";
    } else if (c != '\r') {
      escaped += c;
    }
  }
  return escaped;
}

// WM_GETTEXT, which the system carries across processes.
std::wstring text_of(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(copied);
  return text;
}

std::wstring class_of(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

BOOL CALLBACK print_box(HWND window, LPARAM) {
  if (!IsWindowVisible(window) || class_of(window) != L"#32770") return TRUE;
  std::string texts;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (class_of(child) != L"Static") continue;
    const std::string text = utf8(text_of(child));
    if (text.empty()) continue;
    if (!texts.empty()) texts += ' ';
    texts += text;
  }
  std::printf("%s\t%s\n", utf8(text_of(window)).c_str(), texts.c_str());
  return TRUE;
}

BOOL CALLBACK print_box_buttons(HWND window, LPARAM) {
  if (!IsWindowVisible(window) || class_of(window) != L"#32770") return TRUE;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (class_of(child) != L"Button" || !IsWindowVisible(child)) continue;
    std::wstring text = text_of(child);
    std::erase(text, L'&');
    RECT bounds{};
    GetWindowRect(child, &bounds);
    std::printf("%s\t%ld\t%ld\n", utf8(text).c_str(), (bounds.left + bounds.right) / 2,
                (bounds.top + bounds.bottom) / 2);
  }
  return TRUE;
}

BOOL CALLBACK print_dialog_controls(HWND window, LPARAM) {
  if (!IsWindowVisible(window) || class_of(window) != L"#32770") return TRUE;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    std::printf("%d\t%s\t%d\t%s\n", GetDlgCtrlID(child), utf8(class_of(child)).c_str(),
                IsWindowVisible(child) ? 1 : 0, utf8(text_of(child)).c_str());
  }
  return TRUE;
}

BOOL CALLBACK print_balloon(HWND window, LPARAM) {
  if (!IsWindowVisible(window) || class_of(window) != TOOLTIPS_CLASSW) return TRUE;
  if (!(GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON)) return TRUE;
  std::printf("%s\n", utf8(text_of(window)).c_str());
  return TRUE;
}

long state_of(HWND control, const std::wstring& name) {
  if (name == L"Button") return static_cast<long>(SendMessageW(control, BM_GETCHECK, 0, 0));
  if (name == L"ComboBox") return static_cast<long>(SendMessageW(control, CB_GETCURSEL, 0, 0));
  if (name == WC_LISTVIEWW)
    return static_cast<long>(SendMessageW(control, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "boxes") == 0) {
    EnumWindows(print_box, 0);
    return 0;
  }
  if (argc > 1 && std::strcmp(argv[1], "buttons") == 0) {
    EnumWindows(print_box_buttons, 0);
    return 0;
  }
  if (argc > 1 && std::strcmp(argv[1], "dialog") == 0) {
    EnumWindows(print_dialog_controls, 0);
    return 0;
  }
  if (argc > 1 && std::strcmp(argv[1], "balloons") == 0) {
    EnumWindows(print_balloon, 0);
    return 0;
  }
  if (argc > 1 && std::strcmp(argv[1], "display") == 0) {
    const HWND display = FindWindowW(L"VantrelOnScreenDisplay", nullptr);
    if (!display) return 1;
    RECT r{};
    GetWindowRect(display, &r);
    std::printf("%d\t%ld\t%ld\t%ld\t%ld\t%s\n", IsWindowVisible(display) ? 1 : 0, r.left, r.top, r.right,
                r.bottom, utf8(text_of(display)).c_str());
    return 0;
  }
  if (argc > 1 && std::strcmp(argv[1], "options") == 0) {
    const HWND options = FindWindowW(L"TFormOptions", nullptr);
    if (!options) return 1;
    for (HWND control = GetWindow(options, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
      const std::wstring name = class_of(control);
      long caret = -1;
      if (name == L"Edit") {
        // The return value only: a pointer would not cross the process.
        caret = static_cast<long>(LOWORD(SendMessageW(control, EM_GETSEL, 0, 0)));
      }
      RECT r{};
      GetWindowRect(control, &r);
      std::printf("%d\t%s\t%d\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%s\n", GetDlgCtrlID(control), utf8(name).c_str(),
                  IsWindowVisible(control) ? 1 : 0, state_of(control, name), caret, r.left, r.top, r.right,
                  r.bottom, utf8(text_of(control)).c_str());
    }
    return 0;
  }
  const HWND main_window = FindWindowW(L"TForm1", L"Vantrel");
  const HWND panel = main_window ? FindWindowExW(main_window, nullptr, L"TGroupBox", nullptr) : nullptr;
  if (!panel) return 1;
  for (HWND control = GetWindow(panel, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(control);
    if (id == 0xFFFF) continue;  // the labels
    const std::wstring name = class_of(control);
    std::printf("%d\t%s\t%d\t%d\t%ld\t%s\n", id, utf8(name).c_str(), IsWindowEnabled(control) ? 1 : 0,
                IsWindowVisible(control) ? 1 : 0, state_of(control, name), utf8(text_of(control)).c_str());
  }
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(main_window, nullptr), &thread);
  std::printf("focus\t%d\n", thread.hwndFocus && IsChild(main_window, thread.hwndFocus)
                                 ? GetDlgCtrlID(thread.hwndFocus)
                                 : 0);
  return 0;
}
