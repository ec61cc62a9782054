#include "app/lifecycle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/save_failure_notice.h"

namespace vantrel::app {
namespace {

constexpr const char* kPath = "C:\\Program Files\\Vantrel\\Vantrel.exe";

TEST(CommandLine, DecidesWindowAndSplash) {
  const struct {
    std::string line;
    bool window;
    bool splash;  // with the logo setting on
  } cases[] = {
      {"\"C:\\Program Files\\Vantrel\\Vantrel.exe\"", true, true},
      {"\"c:\\program files\\vantrel\\VANTREL.EXE\" ", true, false},
      {"\"C:\\Program Files\\Vantrel\\Vantrel.exe\" hide", false, true},
      {"\"C:\\Program Files\\Vantrel\\Vantrel.exe\"  ", false, true},
      {"C:\\Program Files\\Vantrel\\Vantrel.exe", false, true},
      {"\"C:\\Other\\Vantrel.exe\"", false, true},
      {"", false, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shows_main_window(c.line, kPath), c.window) << c.line;
    EXPECT_EQ(shows_splash(true, c.line, kPath), c.splash) << c.line;
    EXPECT_FALSE(shows_splash(false, c.line, kPath)) << c.line;
  }
}

class Recorder : public StartupHost, public ShutdownHost {
 public:
  explicit Recorder(std::string line) : line_(std::move(line)) {}
  std::vector<std::string> steps;
  bool logo = true;

  void reset_volume_step() override { steps.push_back("step"); }
  void load_hotkeys() override { steps.push_back("hotkeys"); }
  void load_settings() override { steps.push_back("settings"); }
  bool logo_setting() const override { return logo; }
  std::string command_line() const override { return line_; }
  std::string program_path() const override { return kPath; }
  void show_splash() override { steps.push_back("splash"); }
  void set_list_columns() override { steps.push_back("columns"); }
  void fill_icon_picker() override { steps.push_back("icons"); }
  void register_enabled_hotkeys() override { steps.push_back("register"); }
  void reapply_display_positions() override { steps.push_back("positions"); }
  void show_main_window() override { steps.push_back("show"); }

  void hide_main_window() override { steps.push_back("hide"); }
  void unregister_all_hotkeys() override { steps.push_back("unregister"); }
  void clear_display() override { steps.push_back("clear"); }
  void save_settings() override { steps.push_back("save settings"); }
  void save_hotkeys() override { steps.push_back("save hotkeys"); }

 private:
  std::string line_;
};

using Steps = std::vector<std::string>;

TEST(Lifecycle, StartupTickRunsInOrder) {
  Recorder plain(std::string("\"") + kPath + "\"");
  run_startup_tick(plain);
  EXPECT_EQ(plain.steps, (Steps{"step", "hotkeys", "settings", "splash", "columns", "icons", "register",
                                "positions", "show"}));

  Recorder autorun(std::string("\"") + kPath + "\" hide");
  autorun.logo = false;
  run_startup_tick(autorun);
  EXPECT_EQ(autorun.steps,
            (Steps{"step", "hotkeys", "settings", "columns", "icons", "register", "positions"}));
}

TEST(Lifecycle, CloseHidesUnlessExiting) {
  Recorder closing("");
  EXPECT_FALSE(handle_close_request(false, closing));
  EXPECT_EQ(closing.steps, (Steps{"hide"}));

  Recorder exiting("");
  EXPECT_TRUE(handle_close_request(true, exiting));
  EXPECT_EQ(exiting.steps, (Steps{"hide", "unregister", "clear", "save settings", "save hotkeys"}));

  Recorder session("");
  handle_session_end(session);
  EXPECT_EQ(session.steps, (Steps{"save settings", "save hotkeys"}));
}

TEST(SaveFailureNotice, TellsOncePerFile) {
  SaveFailureNotice notice;
  const auto first = notice.message_for("C:\\V/Hotkeys.ini", "Access denied.");
  ASSERT_TRUE(first);
  EXPECT_NE(first->find("C:\\V/Hotkeys.ini"), std::string::npos);
  EXPECT_NE(first->find("Access denied."), std::string::npos);
  EXPECT_FALSE(notice.message_for("C:\\V/Hotkeys.ini", "Sharing violation."));
  EXPECT_TRUE(notice.message_for("C:\\V/Settings.ini", "Access denied."));
}

}  // namespace
}  // namespace vantrel::app
