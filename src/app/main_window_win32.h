#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "actions/dispatch.h"
#include "actions/hotkey_registrar_win32.h"
#include "app/autorun_win32.h"
#include "app/lifecycle.h"
#include "app/menu_bar_win32.h"
#include "audio/volume_control.h"
#include "editor/properties_panel_win32.h"
#include "frame/body_drag_win32.h"
#include "frame/colour_scheme.h"
#include "frame/title_strip_win32.h"
#include "frame/window_frame_win32.h"
#include "hotkeys/hotkey_list_view_win32.h"
#include "hotkeys/hotkey_record.h"
#include "inifile/profile_storage_win32.h"
#include "osd/display.h"
#include "settings/save_failure_notice.h"
#include "settings/settings_effects.h"
#include "settings/settings_store.h"
#include "tray/tray_icon_win32.h"
#include "tray/tray_shell.h"
#include "win32/dpi.h"
#include "win32/handles.h"
#include "win32/text.h"
#include "win32/window.h"

namespace vantrel::app {

// The main window: borderless, hidden until the start-up tick decides, and
// the owner of the hotkey rows for the whole run.
class MainWindow : public win32::Window,
                   private StartupHost,
                   private ShutdownHost,
                   private actions::ActionServices,
                   private SettingsEffects,
                   public SchemedWindow {
 public:
  MainWindow(HINSTANCE instance, settings::SettingsStore& settings, osd::Display& display,
             audio::VolumeControl& volume);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Runs once the start-up tick is over and the window is up.
  std::function<void()> after_startup;
  // Shows the Options window ("Options" in the context and "View" menus).
  std::function<void()> on_options;
  // The About and splash windows, made after this one: "About" shows the
  // About window and Hide closes it; the start-up tick shows the splash
  // and TimerLogo hides it.
  std::function<void()> on_about;
  std::function<void()> close_about;
  std::function<void()> close_options;
  std::function<void()> show_splash_window;
  std::function<void()> hide_splash_window;

  // What the settings change on this window and beyond it, and every
  // window's colours and quality, this one's included.
  SettingsEffects& settings_effects() { return *this; }
  WindowLooks& looks() { return looks_; }
  void apply_colour_scheme(const ColourScheme& scheme) override;
  void apply_quality(ui::TGradientQuality quality) override;

  // Propertiespanel1Click: the window's height follows the "Properties
  // panel" mark, showing the properties panel or cutting it off. Whoever
  // shows the panel (the list's "Properties" item, a double click, the
  // settings load) sets the mark first.
  void properties_panel1_click();
  bool properties_panel_checked() const;
  void set_properties_panel_checked(bool checked);
  // Hides the properties panel's icon picker; any mouse move over the
  // window's body does.
  void close_icon_picker();

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  void create_controls();
  // Lays the window out for a screen of `dpi`: its size (keeping its
  // top-left), its controls, fonts and columns, its outline.
  void lay_out(int dpi);
  void show_context_menu(LPARAM at);
  void on_command(int id);
  void refresh1_click();
  void realign_list1_click();
  void run_hotkey(long long identifier);
  void exit_command();
  void hide_command();
  void report_save(const std::string& path, const std::optional<std::string>& error);
  // After a change the user made in the editor.
  void save_hotkeys_after(ApplyOutcome outcome);
  void save_hotkeys_now();
  // The hotkey editor's side (main_window_editor_win32.cpp): the list's
  // notifications and menu, the properties panel, and the Hotkeys menu.
  void create_properties_panel();
  // A check box pressed in the list is applied once the press is over, so
  // that its message boxes never run inside the list's own handling.
  static constexpr UINT kApplyCheckBox = WM_APP + 1;
  void on_list_notify(const NMHDR& header);
  void apply_check_box(int index);
  void show_hotkeys_list_menu(LPARAM at);
  void new1_click();
  void delete1_click();
  void resettodefault1_click();
  void properties1_click();
  void function_click(int id);
  void button_apply_click();
  void button_test_click();
  // Changes the list from code: its notifications are not user edits.
  void without_list_notifications(const std::function<void()>& change);
  void show_rows();
  void show_info(const std::string& text);
  void show_application();
  void hide_application();
  // TrayIcon1: the notification-area icon and its menu, set up once the
  // window exists.
  void create_tray_icon();
  void tray_icon1_click();
  void apply_tray_settings();

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

  // SettingsEffects
  void set_window_layers(const WindowLayers& layers) override;
  void set_properties_panel(bool shown) override;
  void set_list_look(bool check_boxes, bool grid_lines) override;
  void set_tray(const TrayLook& tray) override;
  std::optional<std::string> set_autorun(bool on) override;
  void tell_autorun_failure(const std::string& reason) override;
  bool autorun_present() const override;
  void ComboBoxColorSchemeChange(std::string_view scheme_name) override;
  void ComboBoxQualityChange(int quality) override;
  void apply_window_layers();

  // ShutdownHost
  void hide_main_window() override;
  void unregister_all_hotkeys() override;
  void clear_display() override;
  std::optional<std::string> save_settings() override;
  std::optional<std::string> save_hotkeys() override;
  ExitSaveChoice ask_after_failed_save(SavedFile file, const std::string& reason) override;
  void resume_running() override;

  // ActionServices
  void toggle_application() override;
  void lower_volume() override;
  void raise_volume() override;
  audio::Levels read_volume() override;
  bool show_volume_progress_setting() const override;
  bool toggle_mute() override;
  long long shell_open(const actions::ShellRequest& request) override;
  std::string expand_environment(const std::string& text) override;
  void show_osd(const std::string& text) override;
  std::optional<std::string> show_volume_progress(double left_percent, double right_percent) override;
  void show_message(const std::string& text) override;

  HINSTANCE instance_;
  settings::SettingsStore& settings_;
  osd::Display& display_;
  audio::VolumeControl& volume_;
  settings::Win32ProfileStorage storage_;
  std::string hotkeys_path_;
  std::string settings_path_;
  win32::UniqueGdi<HBRUSH> background_;
  std::unique_ptr<hotkeys::HotkeyListView> list_;
  std::unique_ptr<TitleStrip> title_;
  std::unique_ptr<MenuBar> menu_bar_;
  std::unique_ptr<WindowFrame> frame_;
  std::unique_ptr<BodyDrag> body_drag_;
  std::unique_ptr<PropertiesPanel> panel_;  // GroupBoxProperties
  win32::DpiLayout dpi_layout_;
  std::optional<actions::Win32HotkeyRegistrar> registrar_;
  bool filling_list_ = false;
  std::vector<hotkeys::HotkeyRow> rows_;
  bool exiting_ = false;
  SaveFailureNotice save_notice_;
  WindowLooks looks_;
  WindowLayers layers_;
  // The list's check-box images while "Show CheckBoxes" is off; the list
  // owns them.
  HIMAGELIST hidden_check_boxes_ = nullptr;
  Autorun autorun_{win32::widen(win32::program_path())};
  tray::TrayMenu popup_menu_tray_;
  std::unique_ptr<tray::TrayIconWindow> tray_icon1_;
  UINT show_request_message_ = 0;
};

}  // namespace vantrel::app
