#pragma once

#include <optional>
#include <string>

namespace vantrel::app {

// What the start-up tick asks of the running program, one call per step.
class StartupHost {
 public:
  virtual ~StartupHost() = default;
  virtual void reset_volume_step() = 0;
  virtual void load_hotkeys() = 0;
  virtual void load_settings() = 0;
  virtual bool logo_setting() const = 0;
  virtual std::string command_line() const = 0;
  virtual std::string program_path() const = 0;
  virtual void show_splash() = 0;
  virtual void set_list_columns() = 0;
  virtual void fill_icon_picker() = 0;
  virtual void register_enabled_hotkeys() = 0;
  virtual void reapply_display_positions() = 0;
  virtual void show_main_window() = 0;
};

// The one tick of the start-up timer, after the message loop runs.
void run_startup_tick(StartupHost& host);

enum class SavedFile { settings, hotkeys };

// What the user wants when Exit could not save a file.
enum class ExitSaveChoice { try_again, exit_without_saving, keep_running };

// What ending the program asks of it.
class ShutdownHost {
 public:
  virtual ~ShutdownHost() = default;
  virtual void hide_main_window() = 0;
  virtual void unregister_all_hotkeys() = 0;
  virtual void clear_display() = 0;
  // Each save returns why it failed.
  virtual std::optional<std::string> save_settings() = 0;
  virtual std::optional<std::string> save_hotkeys() = 0;
  virtual ExitSaveChoice ask_after_failed_save(SavedFile file, const std::string& reason) = 0;
  // Exit was called off after a failed save: hotkeys back, window back.
  virtual void resume_running() = 0;
};

// The main window's close request. Unless Exit set the exiting flag, the
// window only hides and the close is refused. On Exit a file that cannot be
// saved is not given up silently: the user may try again (after making it
// writable, say), exit without saving it, or keep the program running.
// Returns whether the program ends.
bool handle_close_request(bool exiting, ShutdownHost& host);

// Windows is ending the session: the process will not get an Exit, so both
// files are written now, settings first, as Exit would write them.
void handle_session_end(ShutdownHost& host);

}  // namespace vantrel::app
