#include <windows.h>
#include <commctrl.h>

#include "app/main_window_win32.h"
#include "app/single_instance_win32.h"
#include "settings/settings_store.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const auto instance_mutex = vantrel::app::claim_single_instance();
  if (!instance_mutex) return 0;

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  vantrel::settings::DefaultSettings settings;
  vantrel::app::MainWindow main_window(instance, settings);
  if (!main_window.handle()) return 1;

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
