#pragma once

namespace vantrel::app {

// Command identifiers of every menu of the main window (WM_COMMAND), one
// list so that the menu bar, the context menus and the editor never reuse
// a number.
enum MenuCommand : int {
  // The context menu and the "Window", "View" and "Help" menus.
  kAbout1 = 1001,
  kOptions1,
  kWhatsnew1,
  kHide1,
  kMinimize1,
  // The installer asks a running copy to exit with this number: it stays.
  kExit1 = 1006,
  kRefresh1,
  kRealignlist1,
  kPropertiespanel1,
  kSubmitabug1,
  kCheckforupdates1,
  kForum1,
  kOpenDataFolder,
  // The "Hotkeys" menu and the list's own menu.
  kNew1 = 1101,
  kDelete1,
  kResettodefault1,
  kProperties1,
  // The functions menu of the properties panel.
  kVolumeUp1 = 1201,
  kVolumeDown1,
  kVolumeMute1,
  kShowHideaplication1,
};

}  // namespace vantrel::app
