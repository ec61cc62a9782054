#include "hotkeys/hotkey_icons_win32.h"

#include <vector>

#include "hotkeys/hotkey_record.h"
#include "win32/handles.h"

namespace vantrel::hotkeys {
namespace {

constexpr int kSizeAt96Dpi = 32;

// A fully transparent picture in the list's next place.
void add_blank(HIMAGELIST icons, int size) {
  const win32::WindowDc screen(nullptr);
  const win32::UniqueGdi<HBITMAP> colour(CreateCompatibleBitmap(screen.get(), size, size));
  // Every mask bit set: nothing of the colour picture shows.
  const std::vector<BYTE> all_set(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0xFF);
  const win32::UniqueGdi<HBITMAP> mask(CreateBitmap(size, size, 1, 1, all_set.data()));
  ImageList_Add(icons, colour.get(), mask.get());
}

}  // namespace

int hotkey_icon_size(int dpi) {
  return MulDiv(kSizeAt96Dpi, dpi > 0 ? dpi : 96, 96);
}

int hotkey_icon_size() {
  const win32::WindowDc screen(nullptr);
  return hotkey_icon_size(GetDeviceCaps(screen.get(), LOGPIXELSY));
}

HIMAGELIST load_hotkey_icons(HINSTANCE module, int size) {
  const HIMAGELIST icons = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kIconCount, 0);
  if (!icons) return nullptr;
  for (int i = 0; i < kIconCount; ++i) {
    const win32::UniqueIcon icon(static_cast<HICON>(LoadImageW(
        module, MAKEINTRESOURCEW(kFirstHotkeyIconResource + i), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    if (!icon || ImageList_ReplaceIcon(icons, -1, icon.get()) < 0) add_blank(icons, size);
  }
  return icons;
}

}  // namespace vantrel::hotkeys
