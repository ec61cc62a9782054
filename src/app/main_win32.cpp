#include <windows.h>
#include <commctrl.h>

#include <objbase.h>

#include "about/about_window_win32.h"
#include "about/splash_window_win32.h"
#include "app/data_folder_win32.h"
#include "app/main_window_win32.h"
#include "app/single_instance_win32.h"
#include "app/startup_marks_win32.h"
#include "audio/sound_system_win32.h"
#include "inifile/profile_storage_win32.h"
#include "options/options_window_win32.h"
#include "osd/on_screen_display.h"
#include "osd/overlay_win32.h"
#include "settings/stored_settings.h"
#include "ui/gradient_button_win32.h"
#include "version.h"
#include "win32/com_apartment.h"
#include "win32/system_library.h"
#include "win32/text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  vantrel::win32::restrict_dll_search_to_system();
  vantrel::app::mark_startup("program entered");
  const auto instance_mutex = vantrel::app::claim_single_instance();
  if (!instance_mutex) return 0;

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  const vantrel::win32::ComApartment com;
  vantrel::app::mark_startup("common controls and COM");
  vantrel::settings::Win32ProfileStorage settings_storage;
  const vantrel::osd::Size screen = vantrel::osd::primary_screen_at_design_dpi();
  vantrel::app::StoredSettings settings(
      settings_storage,
      vantrel::settings::profile_path(vantrel::app::data_folder(), vantrel::app::kSettingsFileName),
      {screen.width, screen.height});
  vantrel::osd::OverlayWindow overlay(instance);
  wchar_t separator[4] = L".";
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
  // The figure's text is built byte by byte; a separator outside ASCII
  // would be cut in half, so such locales get a point.
  const char decimal = separator[0] > 0 && separator[0] < 0x80 ? static_cast<char>(separator[0]) : '.';
  vantrel::osd::OnScreenDisplay display(overlay, overlay, settings.display(), decimal);
  overlay.on_timer([&display] { display.timer_tick(); });
  vantrel::audio::SoundSystem volume(instance, settings);
  vantrel::app::mark_startup("settings, display and sound objects");
  vantrel::app::MainWindow main_window(instance, settings, display, volume);
  if (!main_window.handle()) return 1;
  vantrel::app::TFormLogo logo(instance);
  main_window.looks().attach(vantrel::app::SchemedWindowRole::splash, &logo);
  main_window.show_splash_window = [&logo] { logo.show(); };
  main_window.hide_splash_window = [&logo] { logo.hide(); };
  vantrel::app::TFormOptions options(instance, settings);
  main_window.looks().attach(vantrel::app::SchemedWindowRole::options, &options);
  vantrel::app::TFormAbout about(instance, VANTREL_VERSION_TEXT);
  main_window.looks().attach(vantrel::app::SchemedWindowRole::about, &about);
  main_window.on_about = [&about] { about.show(); };
  main_window.close_about = [&about] { about.close(); };
  main_window.close_options = [&options] { options.close(); };
  settings.set_effects(&main_window.settings_effects());
  main_window.on_options = [&options] { options.show(); };
  vantrel::app::mark_startup("splash, Options and About created");
  // The benchmark's marks are written once the shown window has no paint
  // left to do and the mixer is open, whichever comes last.
  bool marks_pending = vantrel::app::startup_marks_wanted();
  bool first_paint_marked = false;
  bool mixer_opened = false;
  main_window.after_startup = [&volume, &options, &mixer_opened] {
    volume.prepare();
    options.attach_mixer(volume.driver(), volume.mixer());
    vantrel::app::mark_startup("mixer opened");
    mixer_opened = true;
  };

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The dialog keys of the windows with buttons: Enter, Escape, Alt+letter.
    // Only keyboard messages are looked at, so timers and paints pay nothing.
    const bool key = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
    const HWND root = key && message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && root == options.handle() && options.take_dialog_key(message)) continue;
    if (root && root == about.handle() && vantrel::ui::TGradientButton::handle_dialog_key(root, message))
      continue;
    // Tab and the arrow keys move between the Options window's controls.
    if (IsWindowVisible(options.handle()) && IsDialogMessageW(options.handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    if (!marks_pending) continue;
    if (!first_paint_marked && IsWindowVisible(main_window.handle()) &&
        !(HIWORD(GetQueueStatus(QS_PAINT)) & QS_PAINT)) {
      first_paint_marked = true;
      vantrel::app::mark_startup("first paint done");
    }
    if (first_paint_marked && mixer_opened) {
      marks_pending = false;
      vantrel::app::write_startup_marks();
    }
  }
  return 0;
}
