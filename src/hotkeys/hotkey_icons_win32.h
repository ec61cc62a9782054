#pragma once

#include <windows.h>
#include <commctrl.h>

namespace vantrel::hotkeys {

// The hotkey icons are the program's icon resources from this id on, one
// per icon number (icons/hotkey_icons.rc).
inline constexpr int kFirstHotkeyIconResource = 200;

// A hotkey icon's side in pixels on a screen of `dpi` dots per inch: 32 at
// 96, and as much larger as the screen's text.
int hotkey_icon_size(int dpi);

// ImageListHotkeysLarge at `size` pixels: the icons from `module`'s
// resources in number order, each from the picture its file holds for the
// size (or the nearest, scaled). One that is missing keeps its place
// blank, so every other number still shows its own picture. The caller
// destroys the list.
HIMAGELIST load_hotkey_icons(HINSTANCE module, int size);
// The same list made again at another size, in place, so whoever borrows
// the list keeps a valid handle (after a change of the screen's DPI).
// Returns whether it changed: nothing is done when the size is the same.
bool reload_hotkey_icons(HIMAGELIST icons, HINSTANCE module, int size);

}  // namespace vantrel::hotkeys
