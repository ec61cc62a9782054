// row_icon.exe ROW
// Tells which hotkey icon the running Vantrel's list shows on a row, by
// its pixels: reads the row's icon square from the screen, draws each of
// the program's hotkey icons over the list's background at the same size,
// and prints "nearest N" (the icon whose drawing is closest), then
// "distance D" (how far that one is) and "next E" (how far the second
// closest is), summed over every channel of every pixel. Exit code 1 when
// no list or row is found.
#include <windows.h>
#include <commctrl.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "hotkeys/hotkey_icons_win32.h"
#include "hotkeys/hotkey_record.h"
#include "win32/handles.h"

namespace {

using Pixels = std::vector<std::uint32_t>;

// The pixels of a width × height bitmap that `paint` draws on a memory DC.
template <typename Paint>
Pixels pixels_of(int width, int height, Paint paint) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const vantrel::win32::UniqueGdi<HBITMAP> bitmap(
      CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return {};
  const vantrel::win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  {
    const vantrel::win32::SelectedObject selected(dc.get(), bitmap.get());
    paint(dc.get());
    GdiFlush();
  }
  const auto* first = static_cast<const std::uint32_t*>(bits);
  Pixels pixels(first, first + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (auto& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

long distance(const Pixels& a, const Pixels& b) {
  if (a.size() != b.size()) return LONG_MAX;
  long sum = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (int shift = 0; shift < 24; shift += 8)
      sum += std::labs(static_cast<long>((a[i] >> shift) & 0xFF) - static_cast<long>((b[i] >> shift) & 0xFF));
  }
  return sum;
}

}  // namespace

int main(int argc, char** argv) {
  const int row = argc > 1 ? std::atoi(argv[1]) : 0;
  const HWND main_window = FindWindowW(L"TForm1", L"Vantrel");
  const HWND list = main_window ? FindWindowExW(main_window, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
  if (!list || row < 0 || row >= static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0))) return 1;

  DWORD process_id = 0;
  GetWindowThreadProcessId(list, &process_id);
  const vantrel::win32::UniqueHandle process(OpenProcess(
      PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
      process_id));
  if (!process) return 1;
  // The icon's square, in the list's client area: the list writes it into
  // memory of its own process.
  RECT icon{LVIR_ICON, 0, 0, 0};
  void* remote = VirtualAllocEx(process.get(), nullptr, sizeof icon, MEM_COMMIT, PAGE_READWRITE);
  if (!remote) return 1;
  WriteProcessMemory(process.get(), remote, &icon, sizeof icon, nullptr);
  const bool found =
      SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
  ReadProcessMemory(process.get(), remote, &icon, sizeof icon, nullptr);
  VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
  const int side =
      icon.right - icon.left < icon.bottom - icon.top ? icon.right - icon.left : icon.bottom - icon.top;
  if (!found || side <= 0) return 1;
  // Centred in the square, as the list draws it.
  POINT corner{icon.left + (icon.right - icon.left - side) / 2,
               icon.top + (icon.bottom - icon.top - side) / 2};
  MapWindowPoints(list, nullptr, &corner, 1);
  const vantrel::win32::WindowDc screen(nullptr);
  const Pixels shown = pixels_of(
      side, side, [&](HDC dc) { BitBlt(dc, 0, 0, side, side, screen.get(), corner.x, corner.y, SRCCOPY); });

  wchar_t path[MAX_PATH];
  DWORD length = MAX_PATH;
  if (!QueryFullProcessImageNameW(process.get(), 0, path, &length)) return 1;
  const HMODULE program =
      LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!program) return 1;
  const COLORREF background = static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0));
  int nearest = -1;
  long best = LONG_MAX;
  long next = LONG_MAX;
  for (int i = 0; i < vantrel::hotkeys::kIconCount; ++i) {
    const vantrel::win32::UniqueIcon picture(static_cast<HICON>(
        LoadImageW(program, MAKEINTRESOURCEW(vantrel::hotkeys::kFirstHotkeyIconResource + i), IMAGE_ICON,
                   side, side, LR_DEFAULTCOLOR)));
    const Pixels drawn = pixels_of(side, side, [&](HDC dc) {
      const RECT all{0, 0, side, side};
      const vantrel::win32::UniqueGdi<HBRUSH> brush(CreateSolidBrush(background));
      FillRect(dc, &all, brush.get());
      DrawIconEx(dc, 0, 0, picture.get(), side, side, 0, nullptr, DI_NORMAL);
    });
    const long d = distance(shown, drawn);
    if (d < best) {
      next = best;
      best = d;
      nearest = i;
    } else if (d < next) {
      next = d;
    }
  }
  FreeLibrary(program);
  std::printf("nearest %d\ndistance %ld\nnext %ld\n", nearest, best, next);
  return 0;
}
