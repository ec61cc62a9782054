// list_look.exe
// Prints how the running Vantrel's hotkey list looks: "check boxes" and
// "grid lines", each followed by 1 or 0 (check boxes show while the list
// has their images). Exit code 1 when no list is found.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

int main() {
  const HWND main_window = FindWindowW(L"TForm1", L"Vantrel");
  const HWND list = main_window ? FindWindowExW(main_window, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
  if (!list) return 1;
  const bool check_boxes = SendMessageW(list, LVM_GETIMAGELIST, LVSIL_STATE, 0) != 0;
  const bool grid_lines = (SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES) != 0;
  std::printf("check boxes %d\ngrid lines %d\n", check_boxes ? 1 : 0, grid_lines ? 1 : 0);
  return 0;
}
