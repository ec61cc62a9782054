#include "actions/dispatch.h"

#include <gtest/gtest.h>

namespace vantrel::actions {
namespace {

class RecordingServices : public ActionServices {
 public:
  void toggle_application() override { calls.push_back("toggle"); }
  void lower_volume() override { calls.push_back("lower"); }
  void raise_volume() override { calls.push_back("raise"); }
  audio::Levels read_volume() override { return levels; }
  bool show_volume_progress_setting() const override { return progress; }
  bool toggle_mute() override { return muted = !muted; }
  long long shell_open(const std::string& action) override {
    calls.push_back("open " + action);
    return shell_result;
  }
  void show_osd(const std::string& text) override { calls.push_back("osd " + text); }
  std::optional<std::string> show_volume_progress(double l, double r) override {
    calls.push_back("bar " + std::to_string(l) + " " + std::to_string(r));
    return bar_error;
  }
  void show_message(const std::string& text) override { calls.push_back("box " + text); }

  std::vector<std::string> calls;
  audio::Levels levels{65535, 32767};
  bool progress = true;
  bool muted = false;
  long long shell_result = 42;
  std::optional<std::string> bar_error;
};

using Calls = std::vector<std::string>;

TEST(Dispatch, BuiltInNamesMatchExactlyAndInOrder) {
  const struct {
    const char* text;
    BuiltIn expected;
  } cases[] = {{"Show/Hide Application", BuiltIn::show_hide},
               {"VolumeDown", BuiltIn::volume_down},
               {"VolumeUp", BuiltIn::volume_up},
               {"VolumeMute", BuiltIn::volume_mute},
               {"volumeup", BuiltIn::none},
               {"Volume Up", BuiltIn::none},
               {" VolumeUp", BuiltIn::none},
               {"VolumeUp ", BuiltIn::none},
               {"Show/Hide application", BuiltIn::none},
               {"", BuiltIn::none}};
  for (const auto& c : cases) EXPECT_EQ(match_builtin(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Dispatch, LaunchMessagesByResultCode) {
  EXPECT_EQ(launch_message(33), "Execution OK!");
  EXPECT_EQ(launch_message(0), "The operating system is out of memory or resources.");
  EXPECT_EQ(launch_message(2), "The specified file was not found.");
  EXPECT_EQ(launch_message(3), "The specified path was not found.");
  EXPECT_EQ(launch_message(11), "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image).");
  for (long long code : {1, 5, 26, 31, 32}) EXPECT_EQ(launch_message(code), "") << code;
}

TEST(Dispatch, FileNamePart) {
  EXPECT_EQ(file_name_part("calc.exe"), "calc.exe");
  EXPECT_EQ(file_name_part("c:\\Program Files\\Winamp\\winamp.exe"), "winamp.exe");
  EXPECT_EQ(file_name_part("C:\\"), "");
  EXPECT_EQ(file_name_part("http://example.org/a"), "//example.org/a");
  EXPECT_EQ(file_name_part("mailto: a@b.org"), " a@b.org");
  EXPECT_EQ(file_name_part("\\\\SERVER"), "SERVER");
}

TEST(Dispatch, LevelPercentages) {
  EXPECT_EQ(level_percentage(65535), 100.0);
  EXPECT_EQ(level_percentage(32767), 49.99);
  EXPECT_EQ(level_percentage(0), 0.0);
  EXPECT_EQ(level_percentage(-1), 0.0);
  EXPECT_EQ(level_percentage(64224), 97.99);
}

TEST(Dispatch, RunsEachKindOfAction) {
  RecordingServices s;
  run_hotkey_action("Show/Hide Application", false, s);
  EXPECT_EQ(s.calls, (Calls{"toggle", "osd Show/Hide Application"}));

  s.calls.clear();
  run_hotkey_action("VolumeDown", false, s);
  run_hotkey_action("VolumeUp", false, s);
  EXPECT_EQ(s.calls, (Calls{"lower", "bar 100.000000 49.990000", "osd Volume", "raise",
                            "bar 100.000000 49.990000", "osd Volume"}));

  s.calls.clear();
  s.progress = false;
  run_hotkey_action("VolumeUp", false, s);
  EXPECT_EQ(s.calls, (Calls{"raise", "osd Volume"}));

  s.calls.clear();
  run_hotkey_action("VolumeMute", false, s);
  run_hotkey_action("VolumeMute", false, s);
  EXPECT_EQ(s.calls, (Calls{"osd VolumeMute: ON", "osd VolumeMute: OFF"}));
}

TEST(Dispatch, BarErrorStopsTheVolumeAction) {
  RecordingServices s;
  s.bar_error = "'x' is not a valid integer value";
  run_hotkey_action("VolumeUp", false, s);
  EXPECT_EQ(s.calls, (Calls{"raise", "bar 100.000000 49.990000", "box 'x' is not a valid integer value"}));
}

TEST(Dispatch, ShellLaunchShowsTheNameAndReportsOnlyWhenTesting) {
  RecordingServices s;
  s.shell_result = 2;
  run_hotkey_action("Nothing", false, s);
  EXPECT_EQ(s.calls, (Calls{"open Nothing", "osd Nothing"}));
  s.calls.clear();
  run_hotkey_action("Nothing", true, s);
  EXPECT_EQ(s.calls, (Calls{"open Nothing", "osd Nothing", "box The specified file was not found."}));
  s.calls.clear();
  s.shell_result = 42;
  run_hotkey_action(" VolumeUp", true, s);
  EXPECT_EQ(s.calls, (Calls{"open  VolumeUp", "osd  VolumeUp", "box Execution OK!"}));
}

TEST(Dispatch, FindsTheRowCarryingTheIdentifier) {
  // Identifiers are no places: rows were deleted and new ones took the
  // free identifiers.
  std::vector<hotkeys::HotkeyRow> rows(3);
  rows[0].id = 7;
  rows[1].id = 3;
  rows[2].id = 9;
  EXPECT_EQ(row_for_identifier(rows, 7), &rows[0]);
  EXPECT_EQ(row_for_identifier(rows, 3), &rows[1]);
  EXPECT_EQ(row_for_identifier(rows, 9), &rows[2]);
  for (int unused : {0, 1, 2, 4}) EXPECT_EQ(row_for_identifier(rows, unused), nullptr) << unused;
}

}  // namespace
}  // namespace vantrel::actions
