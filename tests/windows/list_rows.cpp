// list_rows.exe [--count | --widths]
// Prints what the running Vantrel's hotkey list shows, as a user sees it:
// one line per row, the columns separated by tabs, in UTF-8 (or only the
// number of rows with --count, or the columns' widths on one line with
// --widths). Exit code 1 when no window is found.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Memory in the program's own process, where the list can write its texts.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, SIZE_T size)
      : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  char* get() const { return static_cast<char*>(address_); }

 private:
  HANDLE process_;
  void* address_;
};

std::string utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const bool count_only = argc > 1 && std::strcmp(argv[1], "--count") == 0;
  const bool widths_only = argc > 1 && std::strcmp(argv[1], "--widths") == 0;
  const HWND main_window = FindWindowW(L"TForm1", L"Vantrel");
  const HWND list = main_window ? FindWindowExW(main_window, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
  if (!list) return 1;
  const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  if (count_only) {
    std::printf("%d\n", rows);
    return 0;
  }
  if (widths_only) {
    const int columns = Header_GetItemCount(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)));
    for (int column = 0; column < columns; ++column)
      std::printf(column ? "\t%d" : "%d",
                  static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)));
    std::printf("\n");
    return 0;
  }
  DWORD process_id = 0;
  GetWindowThreadProcessId(list, &process_id);
  const HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process_id);
  if (!process) return 1;
  constexpr int kTextChars = 2048;
  {
    const RemoteBuffer remote(process, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
    const int columns = Header_GetItemCount(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)));
    for (int row = 0; row < rows; ++row) {
      std::string line;
      for (int column = 0; column < columns; ++column) {
        LVITEMW item{};
        item.iSubItem = column;
        item.cchTextMax = kTextChars;
        item.pszText = reinterpret_cast<wchar_t*>(remote.get() + sizeof(LVITEMW));
        WriteProcessMemory(process, remote.get(), &item, sizeof item, nullptr);
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(remote.get()));
        wchar_t text[kTextChars] = L"";
        ReadProcessMemory(process, remote.get() + sizeof(LVITEMW), text, sizeof text, nullptr);
        text[kTextChars - 1] = L'\0';
        if (column) line += '\t';
        line += utf8(text);
      }
      const UINT state = static_cast<UINT>(
          SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
      line += (state >> 12) == 2 ? "\tchecked" : "\tunchecked";
      std::printf("%s\n", line.c_str());
    }
  }
  CloseHandle(process);
  return 0;
}
