#include "settings/stored_settings.h"

#include <gtest/gtest.h>

#include "memory_storage.h"

namespace vantrel::app {
namespace {

constexpr ScreenSize kScreen{1024, 768};

// What the display and the volume functions read follows the stored
// values, checked against the screen as the Options window's fields are.
TEST(StoredSettings, LoadAppliesEveryValue) {
  testing::MemoryStorage storage;
  storage.files["S.ini"] =
      "[VolumeProgress]\r\nStep=8\r\nBorder=0\r\nHeight=5\r\nX=-3\r\nY=9999\r\nDecimals=1\r\n"
      "[OSD]\r\nVisibleTime=0\r\nX=2000\r\nY=x\r\nFontColor=clRed\r\nFontName=Arial\r\nFontSize=12\r\n"
      "[General]\r\nLogo=0\r\n[Sound]\r\nMixer=2\r\nVolume=3\r\n";
  StoredSettings settings(storage, "S.ini", kScreen);
  settings.load();
  const osd::DisplaySettings& display = settings.display();
  EXPECT_EQ(display.bar_height, "10");
  EXPECT_EQ(display.bar_x, "0");
  EXPECT_EQ(display.bar_y, "708");
  EXPECT_EQ(display.border, 2);
  EXPECT_TRUE(display.decimals);
  EXPECT_EQ(display.visible_ms, 200);
  EXPECT_EQ(display.text_x, "824");
  EXPECT_EQ(display.text_y, "668") << "a text that is no number: the typing reset";
  EXPECT_EQ(display.text_font.colour, base::rgb(255, 0, 0));
  EXPECT_EQ(display.text_font.face, "Arial");
  EXPECT_EQ(display.text_font.points, 12);
  EXPECT_DOUBLE_EQ(settings.volume_step(), 655.35 * 20);
  EXPECT_FALSE(settings.show_logo());
  EXPECT_EQ(settings.mixer_device(), 2);
  EXPECT_EQ(settings.selected_line().destination, 0);
  EXPECT_EQ(settings.selected_line().source, 2);

  // The corrected positions are what a save writes.
  ASSERT_EQ(settings.save(), std::nullopt);
  const auto saved = settings::IniDocument::parse(storage.files["S.ini"]);
  EXPECT_EQ(saved.get_string("VolumeProgress", "Y", "", 100), "708");
  EXPECT_EQ(saved.get_string("OSD", "FontColor", "", 100), "clRed");
  EXPECT_TRUE(is_whole_settings_file(saved));
}

// A hand-edited file is held to the limits the Options window keeps: the
// nearest allowed value, for the text as for the bar.
TEST(StoredSettings, HandEditedDisplayValuesComeToTheNearestAllowedOne) {
  const struct {
    const char* x;
    const char* y;
    const char* text_size;
    const char* figure_size;
    const char* expected_x;
    const char* expected_y;
    int expected_text;
    int expected_figure;
  } cases[] = {
      {"-100", "-50", "400", "2", "0", "0", kFontPointsMax, kFontPointsMin},
      {"99999", "99999", "-7", "97", "824", "718", kFontPointsMin, kFontPointsMax},
      {"3", "9", "13", "31", "3", "9", 13, 31},
  };
  for (const auto& c : cases) {
    testing::MemoryStorage storage;
    storage.files["S.ini"] = std::string("[OSD]\r\nX=") + c.x + "\r\nY=" + c.y +
                             "\r\nFontSize=" + c.text_size +
                             "\r\n[VolumeProgress]\r\nTextFontSize=" + c.figure_size + "\r\n";
    StoredSettings settings(storage, "S.ini", kScreen);
    settings.load();
    const osd::DisplaySettings& display = settings.display();
    EXPECT_EQ(display.text_x, c.expected_x) << c.x;
    EXPECT_EQ(display.text_y, c.expected_y) << c.y;
    EXPECT_EQ(display.text_font.points, c.expected_text) << c.text_size;
    EXPECT_EQ(display.figure_font.points, c.expected_figure) << c.figure_size;
  }
}

TEST(StoredSettings, MissingFileRunsOnTheDefaultsAndAUserChangeActsAtOnce) {
  testing::MemoryStorage storage;
  StoredSettings settings(storage, "S.ini", kScreen);
  settings.load();
  EXPECT_EQ(settings.model(), default_settings(768));
  EXPECT_EQ(settings.display().visible_ms, 2000);
  SettingsModel changed = settings.model();
  changed.visible_time = 7;
  changed.osd_y = "100";
  settings.change(changed);
  EXPECT_EQ(settings.display().visible_ms, 8000);
  EXPECT_EQ(settings.display().text_y, "100");
  EXPECT_TRUE(storage.files.empty()) << "nothing is written until a save";
}

TEST(StoredSettings, CopyLeftByAnInterruptedSaveIsUsedOnlyWhenWhole) {
  testing::MemoryStorage storage;
  settings::IniDocument whole;
  SettingsModel model = default_settings(768);
  model.logo = false;
  write_settings(model, whole);
  storage.files["S.ini.saving"] = whole.text();
  StoredSettings settings(storage, "S.ini", kScreen);
  settings.load();
  EXPECT_FALSE(settings.show_logo());

  storage.files["S.ini.saving"] = "[General]\r\nLogo=0\r\n";
  settings.load();
  EXPECT_TRUE(settings.show_logo());
}

}  // namespace
}  // namespace vantrel::app
