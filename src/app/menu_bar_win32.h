#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "app/window_layout.h"
#include "frame/colour_scheme.h"
#include "ui/gradient_button_win32.h"
#include "win32/handles.h"

namespace vantrel::app {

// The main window's row of menu buttons, "Hotkeys", "View", "Window" and
// "Help", each opening its menu under its left edge. A chosen item reaches
// the window as WM_COMMAND with its identifier (menu_commands.h), as every
// other menu's items do.
class MenuBar {
 public:
  explicit MenuBar(HWND window);

  void apply(const ColourScheme& scheme, ui::TGradientQuality quality);

  // The "Properties panel" item's check mark: checked at creation, turned
  // over when the user chooses the item, before its command arrives.
  bool properties_panel_checked() const;
  void set_properties_panel_checked(bool checked);

 private:
  // ButtonHotKeysClick, ButtonViewClick, ButtonWindowClick, ButtonHelpClick.
  void pop_up(MenuButton button);

  HWND window_;
  win32::UniqueGdi<HFONT> font_;
  // PopupMenuHotKeys, PopupMenuView, PopupMenuWindow, PopupMenuHelp.
  std::array<win32::UniqueMenu, 4> menus_;
  // ButtonHotKeys, ButtonView, ButtonWindow, ButtonHelp.
  std::array<std::unique_ptr<ui::TGradientButton>, 4> buttons_;
};

// The properties panel's functions menu ("v") is built here with the
// window's other menus, so that the panel needs none of their commands.
// PopupMenuFunctions: the built-in functions, each item's caption being
// the text it puts into the action box; the items send their commands to
// `owner`.
void pop_up_functions_menu(HWND owner, POINT at);
// The text of a functions-menu command, or nothing for another command.
std::optional<std::string> function_for_command(int id);

}  // namespace vantrel::app
