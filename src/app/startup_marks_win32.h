#pragma once

#include "app/lifecycle.h"

namespace vantrel::app {

// Where start-up time goes, for the benchmark: when VANTREL_STARTUP_TIMES
// names a file, each mark records the milliseconds since the process was
// created, and write_startup_marks puts them in that file, one
// "milliseconds<TAB>step" line each. Without the variable a mark costs one
// test of a flag.
void mark_startup(const char* step);
void write_startup_marks();
bool startup_marks_wanted();

// Passes every step of the start-up tick on to the program and marks its end.
class MarkedStartupHost final : public StartupHost {
 public:
  explicit MarkedStartupHost(StartupHost& host) : host_(host) {}
  void reset_volume_step() override;
  void load_hotkeys() override;
  void load_settings() override;
  bool logo_setting() const override { return host_.logo_setting(); }
  std::string command_line() const override { return host_.command_line(); }
  std::string program_path() const override { return host_.program_path(); }
  void show_splash() override;
  void set_list_columns() override;
  void fill_icon_picker() override;
  void register_enabled_hotkeys() override;
  void reapply_display_positions() override;
  void show_main_window() override;

 private:
  StartupHost& host_;
};

}  // namespace vantrel::app
