#include "actions/dispatch.h"

#include <gtest/gtest.h>

#include <map>

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
  long long shell_open(const ShellRequest& request) override {
    std::string call = "open " + request.file;
    if (!request.parameters.empty() || !request.directory.empty())
      call += " [" + request.parameters + "] in [" + request.directory + "]";
    calls.push_back(call);
    return shell_result;
  }
  std::string expand_environment(const std::string& text) override {
    return actions::expand_environment(text, [this](std::string_view name) -> std::optional<std::string> {
      const auto found = environment.find(std::string(name));
      if (found == environment.end()) return std::nullopt;
      return found->second;
    });
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
  std::map<std::string, std::string> environment{
      {"USERPROFILE", "C:\\Users\\ann"}, {"TOOL", "%HOME%"}, {"HOME", "never"}};
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
  // Levels kept between units, a hair under their exact value after
  // hundreds of steps of 0,1 %.
  EXPECT_EQ(level_percentage(32767.499999998257), 50.0);
  EXPECT_EQ(level_percentage(19660.499999998287), 30.0);
  EXPECT_EQ(level_percentage(32767.5 - 0.01), 49.99);
  // Every whole level keeps the plain truncated figure.
  for (long long level = 0; level <= 65535; ++level)
    ASSERT_DOUBLE_EQ(level_percentage(static_cast<double>(level)),
                     static_cast<double>(level * 10000 / 65535) / 100)
        << level;
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

TEST(Dispatch, ShellLaunchShowsTheNameOrTheFailureAndReportsOnlyWhenTesting) {
  RecordingServices s;
  s.shell_result = 2;
  run_hotkey_action("Nothing", false, s);
  EXPECT_EQ(s.calls, (Calls{"open Nothing", "osd The specified file was not found."}));
  s.calls.clear();
  run_hotkey_action("Nothing", true, s);
  EXPECT_EQ(s.calls, (Calls{"open Nothing", "osd The specified file was not found.",
                            "box The specified file was not found."}));
  s.calls.clear();
  // A code the Test box has no words for still fails on the display.
  s.shell_result = 31;
  run_hotkey_action("x.zz9", true, s);
  EXPECT_EQ(s.calls, (Calls{"open x.zz9", "osd No program is set to open it.", "box "}));
  s.calls.clear();
  s.shell_result = 42;
  run_hotkey_action(" VolumeUp", true, s);
  EXPECT_EQ(s.calls, (Calls{"open  VolumeUp", "osd  VolumeUp", "box Execution OK!"}));
}

TEST(Dispatch, AddressesHaveASchemeOfTwoOrMoreCharacters) {
  const struct {
    const char* text;
    bool address;
  } cases[] = {{"https://example.org", true},
               {"mailto:a@b.c", true},
               {"shell:startup", true},
               {"svn+ssh://host/x", true},
               {"C:\\a.exe", false},
               {"c:", false},
               {"notepad.exe", false},
               {"1http://x", false},
               {"ab cd:ef", false},
               {"\\\\server\\share", false},
               {"", false},
               {":x", false}};
  for (const auto& c : cases) EXPECT_EQ(is_address(c.text), c.address) << c.text;
}

TEST(Dispatch, ATextTooLongForTheShellIsToldAndNeverHandedToIt) {
  const std::string search = "https://example.org/search?q=";
  const struct {
    Launch launch;
    const char* refusal;  // nullptr: launched
  } cases[] = {
      {{search + std::string(1200 - search.size(), 'a'), "", ""},
       "The address is too long to open: 1200 characters, at most 960."},
      {{search + std::string(960 - search.size(), 'a'), "", ""}, nullptr},
      {{search + std::string(961 - search.size(), 'a'), "", ""},
       "The address is too long to open: 961 characters, at most 960."},
      {{"C:\\" + std::string(256, 'a'), "", ""}, nullptr},
      {{"C:\\" + std::string(257, 'a'), "", ""},
       "The file name is too long to open: 260 characters, at most 259."},
      {{"tool.exe", std::string(32755, 'x'), ""}, nullptr},
      {{"tool.exe", std::string(32756, 'x'), ""},
       "The arguments text is too long to open: 32756 characters, at most 32755."},
      {{"tool.exe", "", "D:\\" + std::string(257, 'd')},
       "The start-in folder is too long to open: 260 characters, at most 259."},
  };
  for (const auto& c : cases) {
    for (const bool test : {false, true}) {
      RecordingServices s;
      run_hotkey_action(c.launch, test, s);
      if (c.refusal) {
        Calls expected{std::string("osd ") + c.refusal};
        if (test) expected.push_back(std::string("box ") + c.refusal);
        EXPECT_EQ(s.calls, expected) << c.launch.action.size();
      } else {
        ASSERT_FALSE(s.calls.empty());
        EXPECT_EQ(s.calls[0].substr(0, 5), "open ") << c.launch.action.size();
      }
    }
  }
  // "é" is one unit, "𝄞" two: 3 + 128 + 2 * 64 = 259 units in 387 bytes.
  std::string wide = "C:\\" + std::string(126, 'a') + "\xC3\xA9\xC3\xA9";
  for (int i = 0; i < 64; ++i) wide += "\xF0\x9D\x84\x9E";
  EXPECT_EQ(launch_refusal({wide, "", ""}), std::nullopt);
  EXPECT_EQ(launch_refusal({wide + "\xC3\xA9", "", ""}),
            "The file name is too long to open: 260 characters, at most 259.");
  // The row keeps the text as the user wrote it, expanded only for the shell.
  RecordingServices s;
  s.environment["LONG"] = std::string(300, 'p');
  run_hotkey_action(Launch{"C:\\%LONG%.exe", "", ""}, false, s);
  EXPECT_EQ(s.calls, (Calls{"osd The file name is too long to open: 307 characters, at most 259."}));
}

TEST(Dispatch, EnvironmentExpansion) {
  RecordingServices s;
  const struct {
    const char* text;
    const char* expanded;
  } cases[] = {
      {"%USERPROFILE%\\Documents", "C:\\Users\\ann\\Documents"},
      {"a %USERPROFILE% b %USERPROFILE%", "a C:\\Users\\ann b C:\\Users\\ann"},
      {"%NOSUCH%\\x", "%NOSUCH%\\x"},
      // An unknown name keeps both its marks: "%B%" is no name here.
      {"%NOSUCH%USERPROFILE%", "%NOSUCH%USERPROFILE%"},
      {"%NOSUCH%%USERPROFILE%", "%NOSUCH%C:\\Users\\ann"},
      {"100%", "100%"},
      {"50% of %USERPROFILE", "50% of %USERPROFILE"},
      {"%%", "%%"},
      {"%%USERPROFILE%", "%%USERPROFILE%"},
      // A value is put in as it is, never expanded again.
      {"%TOOL%", "%HOME%"},
      {"", ""},
      {"no marks", "no marks"},
  };
  for (const auto& c : cases) EXPECT_EQ(s.expand_environment(c.text), c.expanded) << c.text;
}

TEST(Dispatch, LaunchHandsArgumentsAndFolderExpandedToTheShell) {
  RecordingServices s;
  const struct {
    Launch launch;
    const char* call;
    const char* osd;
  } cases[] = {
      {{"%USERPROFILE%\\tool.exe", "one \"two three\"", "%USERPROFILE%\\Documents"},
       "open C:\\Users\\ann\\tool.exe [one \"two three\"] in [C:\\Users\\ann\\Documents]",
       "osd tool.exe"},
      {{"x.exe", "--in %USERPROFILE%", ""}, "open x.exe [--in C:\\Users\\ann] in []", "osd x.exe"},
      {{"x.exe", "", "D:\\work"}, "open x.exe [] in [D:\\work]", "osd x.exe"},
      {{"notepad.exe", "", ""}, "open notepad.exe", "osd notepad.exe"},
  };
  for (const auto& c : cases) {
    s.calls.clear();
    run_hotkey_action(c.launch, false, s);
    EXPECT_EQ(s.calls, (Calls{c.call, c.osd})) << c.launch.action;
  }
  // Built-in names are matched as written, and take no arguments.
  s.calls.clear();
  s.environment["V"] = "VolumeUp";
  run_hotkey_action(Launch{"%V%", "", ""}, false, s);
  EXPECT_EQ(s.calls, (Calls{"open VolumeUp", "osd %V%"}));
  s.calls.clear();
  s.progress = false;
  run_hotkey_action(Launch{"VolumeUp", "ignored", "C:\\"}, false, s);
  EXPECT_EQ(s.calls, (Calls{"raise", "osd Volume"}));
}

TEST(Dispatch, LaunchOfARowTakesItsThreeTexts) {
  hotkeys::HotkeyRow row;
  row.action = "a.exe";
  row.arguments = "-x";
  row.start_in = "C:\\w";
  EXPECT_EQ(launch_of(row), (Launch{"a.exe", "-x", "C:\\w"}));
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
