#include "app/lifecycle.h"

#include "app/command_line.h"

namespace vantrel::app {

void run_startup_tick(StartupHost& host) {
  host.reset_volume_step();
  host.load_hotkeys();
  host.load_settings();
  const std::string command_line = host.command_line();
  const std::string program_path = host.program_path();
  if (shows_splash(host.logo_setting(), command_line, program_path)) host.show_splash();
  host.set_list_columns();
  host.fill_icon_picker();
  host.register_enabled_hotkeys();
  host.reapply_display_positions();
  if (shows_main_window(command_line)) host.show_main_window();
}

bool handle_close_request(bool exiting, ShutdownHost& host) {
  host.hide_main_window();
  if (!exiting) return false;
  host.unregister_all_hotkeys();
  host.clear_display();
  for (const SavedFile file : {SavedFile::settings, SavedFile::hotkeys}) {
    for (;;) {
      const auto error = file == SavedFile::settings ? host.save_settings() : host.save_hotkeys();
      if (!error) break;
      const ExitSaveChoice choice = host.ask_after_failed_save(file, *error);
      if (choice == ExitSaveChoice::exit_without_saving) break;
      if (choice == ExitSaveChoice::keep_running) {
        host.resume_running();
        return false;
      }
    }
  }
  return true;
}

void handle_session_end(ShutdownHost& host) {
  host.save_settings();
  host.save_hotkeys();
}

}  // namespace vantrel::app
