#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/lifecycle.h"
#include "app/save_failure_notice.h"
#include "app/win32_handles.h"
#include "hotkeys/hotkey_list_view_win32.h"
#include "hotkeys/hotkey_record.h"
#include "settings/profile_storage_win32.h"
#include "settings/settings_store.h"

namespace vantrel::app {

// The main window: borderless, hidden until the start-up tick decides, and
// the owner of the hotkey rows for the whole run.
class MainWindow : private StartupHost, private ShutdownHost {
 public:
  MainWindow(HINSTANCE instance, settings::SettingsStore& settings);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
  void create_controls();
  void show_context_menu(LPARAM at);
  void on_command(int id);
  void exit_command();
  void hide_command();
  void report_save(const std::string& path, const std::optional<std::string>& error);

  // StartupHost
  void reset_volume_step() override;
  void load_hotkeys() override;
  void load_settings() override;
  bool logo_setting() const override;
  std::string command_line() const override;
  std::string program_path() const override;
  void show_splash() override;
  void set_list_columns() override;
  void fill_icon_picker() override;
  void register_enabled_hotkeys() override;
  void reapply_display_positions() override;
  void show_main_window() override;

  // ShutdownHost
  void hide_main_window() override;
  void unregister_all_hotkeys() override;
  void clear_display() override;
  void save_settings() override;
  void save_hotkeys() override;

  HINSTANCE instance_;
  settings::SettingsStore& settings_;
  settings::Win32ProfileStorage storage_;
  std::string hotkeys_path_;
  std::string settings_path_;
  win32::UniqueGdi<HBRUSH> background_;
  HWND window_ = nullptr;
  std::unique_ptr<hotkeys::HotkeyListView> list_;
  std::vector<hotkeys::HotkeyRow> rows_;
  bool exiting_ = false;
  SaveFailureNotice save_notice_;
};

}  // namespace vantrel::app
