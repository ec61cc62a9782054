#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "inifile/colour_names.h"
#include "settings/options_rules.h"

namespace vantrel::app {
namespace {

using settings::IniDocument;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    out.push_back(text.substr(start, end - start));
  return out;
}

TEST(SettingsFile, FirstSaveWritesTheDefaultsInOrder) {
  IniDocument doc;
  write_settings(read_settings(IniDocument{}, 768), doc);
  EXPECT_EQ(lines(doc.text()), (std::vector<std::string>{
                                   "[MainWindow]",
                                   "EasyMove=1",
                                   "MinimizeToTray=0",
                                   "Transparent=0",
                                   "Alpha=10",
                                   "Properties=1",
                                   "[VolumeProgress]",
                                   "Show=1",
                                   "Decimals=0",
                                   "Step=3",
                                   "Border=3",
                                   "Height=20",
                                   "X=100",
                                   "Y=652",
                                   "TextFontColor=clAqua",
                                   "TextFontName=Dungeon",
                                   "TextFontSize=18",
                                   "BorderColor=clBlue",
                                   "ProgressColor=clLime",
                                   "[OSD]",
                                   "VisibleTime=3",
                                   "X=100",
                                   "Y=576",
                                   "FontColor=clBlue",
                                   "FontName=Dungeon",
                                   "FontSize=36",
                                   "[List]",
                                   "CheckBoxes=1",
                                   "GridLines=0",
                                   "[Tray]",
                                   "Visible=1",
                                   "Animate=1",
                                   "[General]",
                                   "Logo=1",
                                   "Autorun=1",
                                   "Color=2",
                                   "Quality=0",
                                   "[Sound]",
                                   "Mixer=0",
                                   "Volume=0",
                               }));
  EXPECT_TRUE(is_whole_settings_file(doc));
  EXPECT_EQ(default_settings(1024).progress_y, "870");
  EXPECT_EQ(default_settings(1024).osd_y, "768");
}

TEST(SettingsFile, ReadsEveryKindOfValue) {
  const SettingsModel model = read_settings(
      IniDocument::parse("[MainWindow]\r\nEasyMove=0\r\nMinimizeToTray=2\r\nAlpha=4\r\nProperties=0\r\n"
                         "[VolumeProgress]\r\nStep=7\r\nHeight= 30 \r\nTextFontColor=$00030201\r\n"
                         "TextFontName=\"  Arial \"\r\nBorderColor=clbtnface\r\nProgressColor=255\r\n"
                         "[OSD]\r\nFontColor=clRed\r\nVisibleTime=0x7\r\n"
                         "[General]\r\nColor=5\r\nQuality=2\r\n[Sound]\r\nMixer=3\r\nVolume=9\r\n"),
      768);
  EXPECT_FALSE(model.easy_move);
  EXPECT_TRUE(model.minimize_to_tray);
  EXPECT_EQ(model.alpha, 4);
  EXPECT_FALSE(model.properties);
  EXPECT_EQ(model.step, 7);
  EXPECT_EQ(model.progress_height, "30");
  EXPECT_EQ(model.text_font.colour, base::rgb(1, 2, 3));
  EXPECT_EQ(model.text_font.name, "  Arial ");
  EXPECT_EQ(model.border_colour, base::kSystemColourFlag | 15u);
  EXPECT_EQ(model.progress_colour, base::rgb(255, 0, 0));
  EXPECT_EQ(model.osd_font.colour, base::rgb(255, 0, 0));
  EXPECT_EQ(model.visible_time, 7);
  EXPECT_EQ(model.colour_scheme, 5);
  EXPECT_EQ(model.quality, 2);
  EXPECT_EQ(model.mixer, 3);
  EXPECT_EQ(model.volume, 9);

  // What was read is what a save writes back.
  IniDocument saved;
  write_settings(model, saved);
  EXPECT_EQ(read_settings(saved, 768), model);
  EXPECT_EQ(saved.get_string("VolumeProgress", "TextFontColor", "", 100), "$00030201");
  EXPECT_EQ(saved.get_string("VolumeProgress", "ProgressColor", "", 100), "clRed");
}

// A bad value costs only its own setting, never the ones after it.
TEST(SettingsFile, BadValueTakesItsDefaultAndTheLoadGoesOn) {
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } bad[] = {
      {"VolumeProgress", "Step", "9"},
      {"VolumeProgress", "Step", "-1"},
      {"OSD", "VisibleTime", "8"},
      {"VolumeProgress", "Border", "9"},
      {"General", "Quality", "3"},
      {"OSD", "FontColor", "reddish"},
      {"VolumeProgress", "BorderColor", ""},
      {"MainWindow", "EasyMove", "yes"},
      {"OSD", "FontSize", "big"},
      {"Sound", "Mixer", "-2"},
  };
  const SettingsModel defaults = default_settings(768);
  for (const auto& b : bad) {
    IniDocument doc;
    write_settings(defaults, doc);
    // Every setting stored with a non-default value, then one made bad.
    doc.set("MainWindow", "Alpha", "3");
    doc.set("General", "Logo", "0");
    doc.set("Sound", "Volume", "2");
    doc.set("OSD", "FontName", "Arial");
    doc.set(b.section, b.key, b.value);
    const SettingsModel model = read_settings(doc, 768);
    EXPECT_EQ(model.alpha, 3) << b.key << "=" << b.value;
    EXPECT_FALSE(model.logo) << b.key << "=" << b.value;
    EXPECT_EQ(model.volume, 2) << b.key << "=" << b.value;
    EXPECT_EQ(model.osd_font.name, "Arial") << b.key << "=" << b.value;
    IniDocument expected_doc;
    // The bad key alone holds its default.
    write_settings(defaults, expected_doc);
    IniDocument model_doc;
    write_settings(model, model_doc);
    EXPECT_EQ(model_doc.get_string(b.section, b.key, "", 100),
              expected_doc.get_string(b.section, b.key, "", 100))
        << b.key << "=" << b.value;
  }
}

TEST(SettingsFile, OutOfRangeValuesThatStayTheUsers) {
  const SettingsModel model =
      read_settings(IniDocument::parse("[MainWindow]\r\nAlpha=15\r\n[General]\r\nColor=11\r\n"), 768);
  EXPECT_EQ(model.alpha, 10) << "the slider holds 2 to 10";
  EXPECT_EQ(read_settings(IniDocument::parse("[MainWindow]\r\nAlpha=1\r\n"), 768).alpha, 2);
  EXPECT_EQ(model.colour_scheme, 11) << "an unknown scheme falls back when drawn, and stays in the file";
}

TEST(SettingsFile, DisplayMonitorIsWrittenOnlyWhenChosenOrAlreadyThere) {
  IniDocument older;
  write_settings(default_settings(768), older);
  const std::string before = older.text();
  IniDocument doc = IniDocument::parse(before);
  SettingsModel model = read_settings(doc, 768);
  EXPECT_EQ(model.osd_show_on, 0);
  write_settings(model, doc);
  EXPECT_EQ(doc.text(), before) << "a file from before the choice saves back byte for byte";
  EXPECT_TRUE(is_whole_settings_file(doc));

  model.osd_show_on = 2;
  write_settings(model, doc);
  const std::vector<std::string> chosen = lines(doc.text());
  const auto font_size = std::find(chosen.begin(), chosen.end(), "FontSize=36");
  ASSERT_NE(font_size, chosen.end());
  EXPECT_EQ(*(font_size + 1), "ShowOn=2") << "in [OSD], after its other keys";
  EXPECT_EQ(read_settings(doc, 768).osd_show_on, 2);

  model.osd_show_on = 0;
  write_settings(model, doc);
  EXPECT_NE(std::find(chosen.begin(), chosen.end(), "ShowOn=2"), chosen.end());
  EXPECT_EQ(lines(doc.text())[font_size - chosen.begin() + 1], "ShowOn=0") << "a key the file has stays";

  for (const char* bad : {"3", "-1", "mouse"}) {
    EXPECT_EQ(
        read_settings(IniDocument::parse(std::string("[OSD]\r\nShowOn=") + bad + "\r\n"), 768).osd_show_on, 0)
        << bad;
  }
  EXPECT_EQ(read_settings(IniDocument::parse("[OSD]\r\nShowOn=1\r\n"), 768).osd_show_on, 1);
}

TEST(SettingsFile, AFileCutShortIsNotWhole) {
  IniDocument doc;
  write_settings(default_settings(768), doc);
  const std::string text = doc.text();
  EXPECT_FALSE(is_whole_settings_file(IniDocument::parse(text.substr(0, text.size() - 12))));
  EXPECT_FALSE(is_whole_settings_file(IniDocument{}));
}

TEST(ColourNames, BothWays) {
  const struct {
    base::ColourValue value;
    const char* text;
  } cases[] = {
      {base::rgb(255, 0, 0), "clRed"},
      {base::rgb(128, 0, 0), "clMaroon"},
      {base::rgb(192, 220, 192), "clMoneyGreen"},
      {base::rgb(166, 202, 240), "clSkyBlue"},
      {base::rgb(1, 2, 3), "$00030201"},
      {base::kSystemColourFlag | 15u, "clBtnFace"},
      {base::kSystemColourFlag | 8u, "clWindowText"},
      {0xFF00001Fu, "$FF00001F"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(settings::colour_text(c.value), c.text);
    EXPECT_EQ(settings::parse_colour(c.text), c.value) << c.text;
  }
  EXPECT_EQ(settings::parse_colour("CLRED"), base::rgb(255, 0, 0));
  EXPECT_EQ(settings::parse_colour("0x0000FF"), base::rgb(255, 0, 0));
  EXPECT_EQ(settings::parse_colour("16711680"), base::rgb(0, 0, 255));
  EXPECT_EQ(settings::parse_colour("clRedish"), std::nullopt);
  EXPECT_EQ(settings::parse_colour(""), std::nullopt);
}

TEST(OptionsRules, NumericFieldsWhileTypingAndOnLeaving) {
  const ScreenSize screen{1024, 768};
  const struct {
    EditField field;
    const char* typed;
    const char* after_change;
    bool beep;
    const char* after_exit;  // leaving the field with the typed text
  } cases[] = {
      {EditField::progress_height, "150", "100", false, "150"},
      {EditField::progress_height, "5", "5", false, "10"},
      {EditField::progress_height, "x", "20", true, "20"},
      {EditField::progress_height, "-", "20", true, "20"},
      {EditField::progress_height, "", "", false, "20"},
      {EditField::progress_x, "-7", "-7", false, "0"},
      {EditField::progress_x, "007", "007", false, "7"},
      {EditField::progress_x, "500", "462", false, "500"},
      {EditField::progress_y, "800", "708", false, "800"},
      {EditField::progress_y, "q", "708", true, "20"},
      {EditField::progress_y, "3", "3", false, "20"},
      {EditField::osd_x, "900", "824", false, "900"},
      {EditField::osd_x, "-", "100", true, "100"},
      {EditField::osd_y, "719", "718", false, "719"},
      {EditField::osd_y, "abc", "668", true, "650"},
  };
  for (const auto& c : cases) {
    const FieldText changed = field_changed(c.field, c.typed, screen);
    EXPECT_EQ(changed.text, c.after_change) << c.typed;
    EXPECT_EQ(changed.beep, c.beep) << c.typed;
    EXPECT_EQ(field_left(c.field, c.typed, screen), c.after_exit) << c.typed;
  }
}

// A careless keystroke corrected by the typing rule: the caret stays where
// the user was typing, inside the text the field now holds.
TEST(OptionsRules, TheCaretStaysWhereTheUserWasTyping) {
  const ScreenSize screen{1024, 768};
  const struct {
    EditField field;
    const char* typed;
    int caret;  // after the keystroke
    int expected;
  } cases[] = {
      {EditField::progress_height, "45x", 3, 2},   // a letter at the end: "20", caret at its end
      {EditField::progress_height, "4x5", 2, 1},   // in the middle: between "2" and "0"
      {EditField::progress_height, "x45", 1, 0},   // at the front stays at the front
      {EditField::osd_y, "71x9", 3, 2},            // "668": before its last digit
      {EditField::osd_x, "1x00000", 2, 1},         // reset "100"
      {EditField::progress_y, "9999x", 5, 3},      // past the reset "708": its end
      {EditField::progress_height, "150", 3, 3},   // over the limit: "100", no character taken
      {EditField::progress_height, "1500", 2, 2},  // a digit typed inside, clamped
      {EditField::progress_x, "9000", 4, 3},       // "462" is shorter: its end
  };
  for (const auto& c : cases) {
    const FieldText checked = field_changed(c.field, c.typed, screen);
    ASSERT_NE(checked.text, c.typed) << c.typed << ": the rule corrects it";
    EXPECT_EQ(caret_after_check(checked, c.caret), c.expected) << c.typed;
  }
}

TEST(OptionsRules, AlphaSlider) {
  const struct {
    int position;
    const char* label;
    int opacity;
    bool blending;
  } cases[] = {{2, "20%", 51, true},  {3, "30%", 76, true},  {4, "40%", 102, true},
               {5, "50%", 127, true}, {6, "60%", 153, true}, {7, "70%", 178, true},
               {8, "80%", 204, true}, {9, "90%", 229, true}, {10, "Disabled", 255, false}};
  for (const auto& c : cases) {
    const AlphaLook look = alpha_look(c.position);
    EXPECT_EQ(look.label, c.label);
    EXPECT_EQ(look.opacity, c.opacity) << c.position;
    EXPECT_EQ(look.blending, c.blending) << c.position;
  }
}

TEST(OptionsRules, ListsOfCommaNumbers) {
  const int expected_ms[] = {200, 500, 1000, 2000, 3000, 4000, 5000, 8000};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(visible_time_ms(i), expected_ms[i]) << i;
  EXPECT_EQ(comma_number("0,5"), 0.5);
  EXPECT_EQ(comma_number("20"), 20.0);
  EXPECT_EQ(comma_number("0.5"), std::nullopt) << "the point is no separator here";
  EXPECT_EQ(comma_number(""), std::nullopt);
  EXPECT_EQ(comma_number("1,"), std::nullopt);
}

}  // namespace
}  // namespace vantrel::app
