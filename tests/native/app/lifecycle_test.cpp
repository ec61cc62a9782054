#include "app/lifecycle.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "inifile/profile_storage.h"
#include "settings/save_failure_notice.h"

namespace vantrel::app {
namespace {

constexpr const char* kPath = "C:\\Program Files\\Vantrel\\Vantrel.exe";

TEST(CommandLine, OnlyTheWordHideKeepsTheWindowHidden) {
  const struct {
    std::string line;
    bool window;
    bool splash;  // with the logo setting on
  } cases[] = {
      {"\"C:\\Program Files\\Vantrel\\Vantrel.exe\"", true, true},
      {"\"c:\\program files\\vantrel\\VANTREL.EXE\" ", true, false},
      {"\"C:\\Program Files\\Vantrel\\Vantrel.exe\" hide", false, true},
      {"\"C:\\Program Files\\Vantrel\\Vantrel.exe\" HIDE ", false, true},
      {"\"C:\\Program Files\\Vantrel\\Vantrel.exe\"hide", false, true},
      {"Vantrel.exe\thide", false, true},
      {"Vantrel.exe /x \"hide\"", false, true},
      {"\"C:\\Program Files\\Vantrel\\Vantrel.exe\"  ", true, true},
      {"Vantrel.exe", true, true},
      {"vantrel", true, true},
      {"C:\\Program Files\\Vantrel\\Vantrel.exe", true, true},
      {"\"C:\\Other\\Vantrel.exe\"", true, true},
      {"", true, true},
      // The word must stand alone: a folder or program called "hide", or a
      // longer word, shows the window.
      {"C:\\hide\\Vantrel.exe", true, true},
      {"hide", true, true},
      {"\"C:\\hide dir\\Vantrel.exe\" show", true, true},
      {"Vantrel.exe hidden", true, true},
      {"Vantrel.exe \"hide me\"", true, true},
      {"Vantrel.exe \\\"hide\\\"", true, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shows_main_window(c.line), c.window) << c.line;
    EXPECT_EQ(shows_splash(true, c.line, kPath), c.splash) << c.line;
    EXPECT_FALSE(shows_splash(false, c.line, kPath)) << c.line;
  }
}

TEST(CommandLine, SplitsArgumentsAsTheSystemDoes) {
  using Args = std::vector<std::string>;
  const struct {
    std::string line;
    Args arguments;
  } cases[] = {
      {"\"C:\\a b\\V.exe\" one  two\tthree", {"one", "two", "three"}},
      {"V.exe \"a b\" c\"d e\"f", {"a b", "cd ef"}},
      {"V.exe a\\\\b c\\\\\"d e\"", {"a\\\\b", "c\\d e"}},
      {"V.exe \\\"x\\\" \"say \"\"hi\"\"\"", {"\"x\"", "say \"hi\""}},
      {"\"C:\\unclosed V.exe hide", {}},
      {"V.exe \"\" end", {"", "end"}},
      {"   ", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(command_line_arguments(c.line), c.arguments) << c.line;
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
  std::optional<std::string> save_settings() override { return save("settings"); }
  std::optional<std::string> save_hotkeys() override { return save("hotkeys"); }
  ExitSaveChoice ask_after_failed_save(SavedFile file, const std::string& reason) override {
    steps.push_back(std::string("ask ") + (file == SavedFile::settings ? "settings" : "hotkeys") + ": " +
                    reason);
    const ExitSaveChoice choice = answers.front();
    answers.erase(answers.begin());
    return choice;
  }
  void resume_running() override { steps.push_back("resume"); }

  // How many of the next saves of each file fail.
  std::map<std::string, int> failures;
  std::vector<ExitSaveChoice> answers;

 private:
  std::optional<std::string> save(const std::string& file) {
    steps.push_back("save " + file);
    if (failures[file] == 0) return std::nullopt;
    --failures[file];
    return "denied";
  }
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

TEST(Lifecycle, ExitAsksWhatToDoWhenASaveFails) {
  using enum ExitSaveChoice;
  const struct {
    const char* label;
    std::map<std::string, int> failures;
    std::vector<ExitSaveChoice> answers;
    bool ends;
    Steps after_clear;
  } cases[] = {
      {"try again until it works",
       {{"hotkeys", 2}},
       {try_again, try_again},
       true,
       {"save settings", "save hotkeys", "ask hotkeys: denied", "save hotkeys", "ask hotkeys: denied",
        "save hotkeys"}},
      {"exit without saving one file still saves the other",
       {{"settings", 1}},
       {exit_without_saving},
       true,
       {"save settings", "ask settings: denied", "save hotkeys"}},
      {"keep running brings the program back and saves nothing more",
       {{"settings", 1}},
       {keep_running},
       false,
       {"save settings", "ask settings: denied", "resume"}},
      {"give up on the hotkeys after one more try",
       {{"hotkeys", 5}},
       {try_again, exit_without_saving},
       true,
       {"save settings", "save hotkeys", "ask hotkeys: denied", "save hotkeys", "ask hotkeys: denied"}},
  };
  for (const auto& c : cases) {
    Recorder host("");
    host.failures = c.failures;
    host.answers = c.answers;
    EXPECT_EQ(handle_close_request(true, host), c.ends) << c.label;
    Steps expected{"hide", "unregister", "clear"};
    expected.insert(expected.end(), c.after_clear.begin(), c.after_clear.end());
    EXPECT_EQ(host.steps, expected) << c.label;
    EXPECT_TRUE(host.answers.empty()) << c.label;
  }
}

TEST(SaveFailureNotice, TellsOncePerFile) {
  SaveFailureNotice notice;
  const auto first = notice.message_for("C:\\V/Hotkeys.ini", "Access denied.");
  ASSERT_TRUE(first);
  EXPECT_NE(first->find("C:\\V\\Hotkeys.ini"), std::string::npos);
  EXPECT_NE(first->find("Access denied."), std::string::npos);
  EXPECT_FALSE(notice.message_for("C:\\V/Hotkeys.ini", "Sharing violation."));
  EXPECT_TRUE(notice.message_for("C:\\V/Settings.ini", "Access denied."));
}

TEST(SaveFailureNotice, ShowsThePathWithBackslashesAndWhatHelps) {
  const std::string folder_reason(settings::kFolderInTheWay);
  SaveFailureNotice notice;
  const auto shown = notice.message_for("Z:\\tmp\\t2/Settings.ini", folder_reason);
  ASSERT_TRUE(shown);
  EXPECT_NE(shown->find("\nZ:\\tmp\\t2\\Settings.ini\n"), std::string::npos) << *shown;
  EXPECT_EQ(shown->find('/'), std::string::npos) << *shown;

  const struct {
    std::string reason;
    const char* helps;
    const char* not_said;
  } cases[] = {
      {folder_reason, "after moving or renaming that folder", "writable"},
      {"Access is denied.", "after making the file writable", "folder"},
  };
  for (const auto& c : cases) {
    const std::string exit = exit_save_failure_message("C:/Users/ann/Vantrel/Hotkeys.ini", c.reason);
    EXPECT_NE(exit.find("C:\\Users\\ann\\Vantrel\\Hotkeys.ini"), std::string::npos) << exit;
    EXPECT_NE(exit.find(c.reason), std::string::npos) << exit;
    EXPECT_NE(exit.find(c.helps), std::string::npos) << exit;
    EXPECT_EQ(exit.find(c.not_said), std::string::npos) << exit;
  }
}

}  // namespace
}  // namespace vantrel::app
