#include "settings/settings_effects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/colour_scheme.h"
#include "memory_storage.h"
#include "settings/stored_settings.h"

namespace vantrel::app {
namespace {

// Writes down every effect in the order it comes.
class RecordingEffects : public SettingsEffects {
 public:
  std::vector<std::string> log;
  std::optional<std::string> autorun_failure;
  bool entry = false;  // the Run value as the registry holds it

  void set_window_layers(const WindowLayers& l) override {
    log.push_back("layers " + std::to_string(l.colour_key) + std::to_string(l.blending) + " " +
                  std::to_string(l.opacity));
  }
  void set_properties_panel(bool shown) override { log.push_back("panel " + std::to_string(shown)); }
  void set_list_look(bool check_boxes, bool grid_lines) override {
    log.push_back("list " + std::to_string(check_boxes) + std::to_string(grid_lines));
  }
  void set_tray(const TrayLook& t) override {
    log.push_back("tray " + std::to_string(t.visible) + std::to_string(t.animate) +
                  std::to_string(t.minimize_to_tray));
  }
  std::optional<std::string> set_autorun(bool on) override {
    log.push_back("autorun " + std::to_string(on));
    if (on && autorun_failure) return autorun_failure;
    entry = on;
    return std::nullopt;
  }
  void tell_autorun_failure(const std::string& reason) override { log.push_back("told " + reason); }
  bool autorun_present() const override { return entry; }
  void ComboBoxColorSchemeChange(std::string_view name) override {
    log.push_back("scheme '" + std::string(name) + "'");
  }
  void ComboBoxQualityChange(int quality) override { log.push_back("quality " + std::to_string(quality)); }
};

constexpr ScreenSize kScreen{1024, 768};

TEST(SettingsEffects, ALoadRunsEveryStepInTheFilesOrder) {
  testing::MemoryStorage storage;
  storage.files["S.ini"] =
      "[MainWindow]\r\nMinimizeToTray=1\r\nTransparent=1\r\nAlpha=4\r\nProperties=0\r\n"
      "[List]\r\nCheckBoxes=0\r\nGridLines=1\r\n[Tray]\r\nAnimate=0\r\n"
      "[General]\r\nAutorun=0\r\nColor=5\r\nQuality=2\r\n";
  StoredSettings settings(storage, "S.ini", kScreen);
  RecordingEffects effects;
  settings.set_effects(&effects);
  settings.load();
  EXPECT_EQ(effects.log, (std::vector<std::string>{"layers 11 102", "panel 0", "list 01", "tray 101",
                                                   "scheme 'Red'", "quality 2"}));

  // Loading the same values again runs every step again, as the loader
  // always did.
  effects.log.clear();
  settings.load();
  EXPECT_EQ(effects.log.size(), 6u);
}

// The sign-in entry is the user's: no start, whatever the file says or
// whether there is one, writes or removes it, and the file keeps its value.
TEST(SettingsEffects, LoadingNeverTouchesTheAutorunEntry) {
  const struct {
    const char* file;  // nullptr: no Settings.ini
    bool entry;
    bool stored;
  } cases[] = {
      {nullptr, false, true},
      {nullptr, true, true},
      {"[General]\r\nAutorun=1\r\n", false, true},
      {"[General]\r\nAutorun=1\r\n", true, true},
      {"[General]\r\nAutorun=0\r\n", true, false},
      {"[General]\r\nAutorun=0\r\n", false, false},
  };
  for (const auto& c : cases) {
    testing::MemoryStorage storage;
    if (c.file) storage.files["S.ini"] = c.file;
    StoredSettings settings(storage, "S.ini", kScreen);
    RecordingEffects effects;
    effects.entry = c.entry;
    settings.set_effects(&effects);
    settings.load();
    settings.reapply_positions();
    const std::string label = std::string(c.file ? c.file : "no file") + " entry " + std::to_string(c.entry);
    for (const std::string& step : effects.log) EXPECT_NE(step.substr(0, 7), "autorun") << label;
    EXPECT_EQ(effects.entry, c.entry) << label;
    EXPECT_EQ(settings.autorun_present(), c.entry) << label << ": the box shows the entry";
    EXPECT_EQ(settings.model().autorun, c.stored) << label;
    ASSERT_EQ(settings.save(), std::nullopt);
    if (c.file) {
      EXPECT_EQ(storage.files["S.ini"].find(c.file), 0u) << label << ": saved back as it was";
    }
  }
}

TEST(SettingsEffects, TheUsersTickWritesTheEntryEvenWhenTheFileAlreadySaidSo) {
  testing::MemoryStorage storage;
  storage.files["S.ini"] = "[General]\r\nAutorun=1\r\n";
  StoredSettings settings(storage, "S.ini", kScreen);
  RecordingEffects effects;
  settings.set_effects(&effects);
  int shown = 0;
  settings.on_model_changed = [&] { ++shown; };
  settings.load();
  ASSERT_FALSE(settings.autorun_present());
  effects.log.clear();
  shown = 0;

  settings.set_autorun(true);
  EXPECT_EQ(effects.log, (std::vector<std::string>{"autorun 1"}));
  EXPECT_TRUE(effects.entry);
  EXPECT_TRUE(settings.autorun_present());
  EXPECT_EQ(shown, 1) << "the Options window hears of it";

  settings.set_autorun(false);
  EXPECT_FALSE(effects.entry);
  EXPECT_FALSE(settings.model().autorun);
  ASSERT_EQ(settings.save(), std::nullopt);
  EXPECT_NE(storage.files["S.ini"].find("Autorun=0\r\n"), std::string::npos);

  // A change of the whole model that flips the box goes the same way.
  effects.log.clear();
  SettingsModel model = settings.model();
  model.autorun = true;
  model.alpha = 6;
  settings.change(model);
  EXPECT_EQ(effects.log, (std::vector<std::string>{"layers 01 153", "autorun 1"}));
  EXPECT_TRUE(effects.entry);
}

TEST(SettingsEffects, AUserChangeRunsOnlyTheStepsItTouches) {
  testing::MemoryStorage storage;
  StoredSettings settings(storage, "S.ini", kScreen);
  RecordingEffects effects;
  settings.set_effects(&effects);
  settings.load();
  const struct {
    void (*change)(SettingsModel&);
    std::vector<std::string> expected;
  } cases[] = {
      {[](SettingsModel& m) { m.alpha = 5; }, {"layers 01 127"}},
      {[](SettingsModel& m) { m.transparent = true; }, {"layers 10 255"}},
      {[](SettingsModel& m) { m.properties = false; }, {"panel 0"}},
      {[](SettingsModel& m) { m.grid_lines = true; }, {"list 11"}},
      {[](SettingsModel& m) { m.minimize_to_tray = true; }, {"tray 111"}},
      {[](SettingsModel& m) { m.tray_visible = false; }, {"tray 010"}},
      {[](SettingsModel& m) { m.autorun = false; }, {"autorun 0"}},
      {[](SettingsModel& m) { m.logo = false; }, {}},
      {[](SettingsModel& m) { m.colour_scheme = 9; }, {"scheme ''"}},
      {[](SettingsModel& m) { m.quality = 1; }, {"quality 1"}},
      {[](SettingsModel& m) { m.step = 0; }, {}},
      {[](SettingsModel& m) { m.osd_x = "7"; }, {}},
  };
  for (const auto& c : cases) {
    SettingsModel model = default_settings(768);
    c.change(model);
    settings.change(default_settings(768));
    effects.log.clear();
    settings.change(model);
    EXPECT_EQ(effects.log, c.expected);
  }
}

TEST(SettingsEffects, AFailedAutorunUnchecksTheBoxRemovesTheEntryAndIsToldOnce) {
  testing::MemoryStorage storage;
  storage.files["S.ini"] = "[General]\r\nAutorun=0\r\n";
  StoredSettings settings(storage, "S.ini", kScreen);
  RecordingEffects effects;
  effects.autorun_failure = "Access is denied.";
  settings.set_effects(&effects);
  int shown = 0;
  settings.on_model_changed = [&] { ++shown; };
  settings.load();
  ASSERT_EQ(shown, 1);
  effects.log.clear();

  settings.set_autorun(true);
  EXPECT_FALSE(settings.model().autorun) << "the box unchecks itself";
  EXPECT_FALSE(settings.autorun_present());
  EXPECT_EQ(shown, 2) << "the Options window hears of it";
  EXPECT_EQ(effects.log, (std::vector<std::string>{"autorun 1", "autorun 0", "told Access is denied."}));

  effects.log.clear();
  settings.set_autorun(true);
  EXPECT_EQ(effects.log, (std::vector<std::string>{"autorun 1", "autorun 0"})) << "told once per run";
  EXPECT_FALSE(settings.model().autorun);

  ASSERT_EQ(settings.save(), std::nullopt);
  EXPECT_NE(storage.files["S.ini"].find("Autorun=0\r\n"), std::string::npos);
}

TEST(SettingsEffects, DefaultAppliesEveryDefaultAndLeavesTheFile) {
  testing::MemoryStorage storage;
  storage.files["S.ini"] = "[MainWindow]\r\nAlpha=3\r\n[General]\r\nColor=1\r\n[OSD]\r\nVisibleTime=7\r\n";
  const std::string before = storage.files["S.ini"];
  StoredSettings settings(storage, "S.ini", kScreen);
  RecordingEffects effects;
  settings.set_effects(&effects);
  settings.load();
  ASSERT_EQ(settings.display().visible_ms, 8000);
  effects.log.clear();
  settings.reset_to_defaults();
  EXPECT_EQ(settings.model(), default_settings(768));
  EXPECT_EQ(settings.display().visible_ms, 2000);
  // "Default" is the user's choice of every default, the entry's too.
  EXPECT_EQ(effects.log, (std::vector<std::string>{"layers 00 255", "panel 1", "list 10", "tray 110",
                                                   "scheme 'Blue'", "quality 0", "autorun 1"}));
  EXPECT_TRUE(effects.entry);
  EXPECT_EQ(storage.files["S.ini"], before);

  // With the entry already there, nothing is written again.
  effects.log.clear();
  settings.reset_to_defaults();
  EXPECT_EQ(effects.log.size(), 6u);
}

TEST(SettingsEffects, TypingRuleHoldsForAChangeTheLeavingRuleDoesNot) {
  testing::MemoryStorage storage;
  StoredSettings settings(storage, "S.ini", kScreen);
  SettingsModel model = settings.model();
  model.progress_height = "5";  // on the way to "50": left as typed
  model.progress_x = "999";     // over 1024 / 2 - 50
  model.osd_y = "x";            // no number: the typing reset
  settings.change(model);
  EXPECT_EQ(settings.model().progress_height, "5");
  EXPECT_EQ(settings.model().progress_x, "462");
  EXPECT_EQ(settings.model().osd_y, "668");
  EXPECT_EQ(settings.display().bar_height, "5");
}

TEST(SettingsEffects, UnstoredChoicesReachTheDisplayAndTheVolumeFunctions) {
  testing::MemoryStorage storage;
  storage.files["S.ini"] = "[Sound]\r\nVolume=2\r\n";
  StoredSettings settings(storage, "S.ini", kScreen);
  settings.load();
  settings.set_volume_for(1);
  settings.set_show_osd(false);
  EXPECT_EQ(settings.selected_line().destination, 1);
  EXPECT_EQ(settings.selected_line().source, 1);
  EXPECT_FALSE(settings.display().osd_enabled);
  settings.load();
  EXPECT_EQ(settings.selected_line().destination, 1) << "a load leaves what is never stored";
}

TEST(SettingsEffects, ThePropertiesPanelMarkIsKeptForTheNextSave) {
  testing::MemoryStorage storage;
  StoredSettings settings(storage, "S.ini", kScreen);
  RecordingEffects effects;
  settings.set_effects(&effects);
  settings.set_properties_panel(false);
  EXPECT_EQ(effects.log, (std::vector<std::string>{"panel 0"}));
  effects.log.clear();
  settings.set_properties_panel(false);
  EXPECT_TRUE(effects.log.empty()) << "the mark the window already shows";
  ASSERT_EQ(settings.save(), std::nullopt);
  EXPECT_NE(storage.files["S.ini"].find("Properties=0\r\n"), std::string::npos);
}

TEST(SettingsEffects, SchemeListTextForAStoredIndex) {
  const std::pair<int, std::string_view> cases[] = {{0, "_System (beta)"}, {2, "Blue"}, {5, "Red"},
                                                    {7, "Yellow"},         {8, ""},     {-1, ""}};
  for (const auto& [index, name] : cases) EXPECT_EQ(colour_scheme_name(index), name) << index;
}

}  // namespace
}  // namespace vantrel::app
