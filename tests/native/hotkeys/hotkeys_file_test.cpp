#include "hotkeys/hotkeys_file.h"

#include <gtest/gtest.h>

#include "inifile/ini_values.h"

namespace vantrel::hotkeys {
namespace {

using settings::IniDocument;

std::vector<HotkeyRow> load_text(const std::string& text,
                                 std::optional<std::string> computer = std::nullopt) {
  return load_hotkeys(IniDocument::parse(text), computer);
}

std::string value(const IniDocument& doc, const std::string& key) {
  return doc.get_string("HotKeys", key, "<missing>", 2048);
}

TEST(HotkeysFile, DefaultsWhenNothingIsStored) {
  for (const char* text :
       {"", "[HotKeys]\r\nCount=0\r\n", "[HotKeys]\r\nCount=none\r\n", "[Other]\r\nCount=4\r\n"}) {
    const auto rows = load_text(text, "BOX");
    ASSERT_EQ(rows.size(), 20u) << text;
    for (std::size_t n = 0; n < rows.size(); ++n) {
      EXPECT_TRUE(rows[n].checked);
      EXPECT_EQ(rows[n].image, static_cast<int>(n));
      EXPECT_EQ(rows[n].id, static_cast<int>(n) + 1);
    }
    EXPECT_EQ(rows[8].action, "\\\\BOX");
  }
  const auto rows = load_text("");
  EXPECT_EQ(rows[8].action, "\\\\NetworkComputer");
  EXPECT_EQ(rows[0].action.rfind("mailto: ", 0), 0u);
  const HotkeyRow up{true, true, false, "Up", "VolumeUp", 17, true, 16};
  EXPECT_EQ(rows[16], up);
  EXPECT_EQ(rows[13].action.rfind("http", 0), 0u);
  const HotkeyRow web{true, false, true, "S", rows[13].action, 14, true, 13};
  EXPECT_EQ(rows[13], web);
  EXPECT_EQ(modifier_text(rows[0]), "Ctrl+Shift+");
  EXPECT_EQ(rows[18].action, "c:\\Program Files\\Winamp\\winamp.exe");
}

TEST(HotkeysFile, MissingValuesTakeTheirDefaults) {
  const auto rows = load_text("[HotKeys]\r\nCount=3\r\nPath0=a\r\nPath1=b\r\nPath2=c\r\n");
  ASSERT_EQ(rows.size(), 3u);
  for (int n = 0; n < 3; ++n) {
    const HotkeyRow expected{true,  true,  false, "0", std::string(1, static_cast<char>('a' + n)),
                             n + 1, false, 34};
    EXPECT_EQ(rows[static_cast<std::size_t>(n)], expected);
  }
}

TEST(HotkeysFile, ReadsEachValueByItsRule) {
  const auto rows = load_text(
      "[HotKeys]\r\nCount=0x3\r\nKey0=0x41\r\nChecked0=5\r\nImage0=$A\r\nAlt0=2\r\nCtrl0=0\r\nShift0=x\r\n"
      "Key1=999\r\nPath1=\"C:\\My Apps\\a.exe\"\r\nImage1=big\r\nShift1=1\r\n"
      "Key2=191\r\nPath2=" +
      std::string(2100, 'p') + "\r\n");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (HotkeyRow{true, false, false, "A", "", 1, true, 10}));
  EXPECT_EQ(rows[1], (HotkeyRow{true, true, true, "", "C:\\My Apps\\a.exe", 2, false, 34, 999}));
  EXPECT_EQ(rows[2].key_name, "/ ?");
  EXPECT_EQ(rows[2].action, std::string(2047, 'p'));
}

TEST(HotkeysFile, NegativeCountLoadsNoRows) {
  EXPECT_TRUE(load_text("[HotKeys]\r\nCount=-4\r\n").empty());
}

// A Count a hand edit damaged must not hide the rows beside it (the next
// Exit would write the defaults over them); Count=0 still means "none".
TEST(HotkeysFile, DamagedCountTakesTheRowsPresent) {
  const std::string rows = "Path0=a\r\nKey2=65\r\n";
  const struct {
    std::string count_line;
    std::size_t loaded;
  } cases[] = {
      {"", 3},           {"Count=abc\r\n", 3}, {"Count=-5\r\n", 3},
      {"Count=\r\n", 3}, {"Count=0\r\n", 20},  {"Count=2\r\n", 2},
  };
  for (const auto& c : cases) {
    const auto loaded = load_text("[HotKeys]\r\n" + c.count_line + rows);
    ASSERT_EQ(loaded.size(), c.loaded) << c.count_line;
    if (c.loaded == 3) {
      EXPECT_EQ(loaded[0].action, "a");
      EXPECT_EQ(loaded[2].key_name, "A");
    }
  }
  EXPECT_EQ(load_text("[HotKeys]\r\nCount=abc\r\n").size(), 20u);
}

// Whatever the action text, it reads back exactly as it was stored.
TEST(HotkeysFile, ActionTextsRoundTrip) {
  for (const std::string action :
       {"\"C:\\Program Files\\x.exe\" -a \"b c\"", "\"quoted\"", "'single'", "\"\"", "\"", "'", " padded ",
        "\ttab", "trail ", "\"C:\\a b\\x.exe\" -v", "caf\xC3\xA9", "", "a=b ; c"}) {
    IniDocument doc;
    store_hotkeys(std::vector<HotkeyRow>{{true, true, false, "A", action, 1, true, 0}}, doc);
    const auto rows = load_hotkeys(IniDocument::parse(doc.text()), std::nullopt);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].action, action) << doc.text();
  }
}

// A key code the key table does not know stays in the row and goes back
// to the file as it was; the row cannot be registered without a key.
TEST(HotkeysFile, UnknownKeyCodeIsKept) {
  IniDocument doc = IniDocument::parse("[HotKeys]\r\nCount=2\r\nKey0=255\r\nChecked0=1\r\nKey1=7\r\n");
  auto rows = load_hotkeys(doc, std::nullopt);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].key_name, "");
  EXPECT_EQ(rows[0].unknown_key_code, 255);
  EXPECT_EQ(key_text(rows[0]), "Code 255");
  EXPECT_EQ(key_text(rows[1]), "Code 7");
  store_hotkeys(rows, doc);
  EXPECT_EQ(value(doc, "Key0"), "255");
  EXPECT_EQ(value(doc, "Key1"), "7");
  // A key picked later wins over the kept code.
  rows[0].key_name = "B";
  store_hotkeys(rows, doc);
  EXPECT_EQ(value(doc, "Key0"), "66");
}

TEST(HotkeysFile, NulEndsAValue) {
  const auto rows =
      load_text(std::string("[HotKeys]\r\nCount=1\r\nKey0=54\0"
                            "55\r\nShift0=1\r\n",
                            42));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].key_name, "6");
  EXPECT_TRUE(rows[0].shift);
}

// What a save writes is whole; a save cut off anywhere is not.
TEST(HotkeysFile, TellsAWholeFileFromACutOne) {
  IniDocument doc;
  store_hotkeys(std::vector<HotkeyRow>(3, HotkeyRow{true, true, false, "A", "a", 1, true, 0}), doc);
  const std::string text = doc.text();
  EXPECT_TRUE(is_whole_hotkeys_file(IniDocument::parse(text)));
  const std::size_t last_value = text.find("Shift2=") + 7;
  for (std::size_t cut = 0; cut < last_value; ++cut) {
    EXPECT_FALSE(is_whole_hotkeys_file(IniDocument::parse(text.substr(0, cut)))) << cut;
  }
  EXPECT_TRUE(is_whole_hotkeys_file(IniDocument::parse("[HotKeys]\r\nCount=0\r\n")));
  EXPECT_FALSE(is_whole_hotkeys_file(IniDocument::parse("[HotKeys]\r\nCount=-1\r\n")));
}

TEST(HotkeysFile, HugeCountStopsAtTheStoredRows) {
  EXPECT_EQ(load_text("[HotKeys]\r\nCount=2147483647\r\nPath0=a\r\nShift4=1\r\n").size(), 5u);
  EXPECT_TRUE(load_text("[HotKeys]\r\nCount=99999\r\n").empty());
  EXPECT_EQ(load_text("[HotKeys]\r\nCount=10000\r\n").size(), 10000u);
  EXPECT_EQ(load_text("[HotKeys]\r\nCount=20000\r\nKey15000=65\r\n").size(),
            static_cast<std::size_t>(kMaxLoadedHotkeys));
}

TEST(HotkeysFile, StoresEveryRowValue) {
  const std::vector<HotkeyRow> rows{{true, false, true, "F5", "notepad.exe", 9, true, 3},
                                    {false, false, false, "", "VolumeUp", 2, false, 51},
                                    {true, true, true, "Bogus", "x", 3, false, -1}};
  IniDocument doc;
  store_hotkeys(rows, doc);
  EXPECT_EQ(doc.text(),
            "[HotKeys]\r\nCount=3\r\n"
            "Key0=116\r\nChecked0=1\r\nImage0=3\r\nPath0=notepad.exe\r\nAlt0=1\r\nCtrl0=0\r\nShift0=1\r\n"
            "Key1=48\r\nChecked1=0\r\nImage1=51\r\nPath1=VolumeUp\r\nAlt1=0\r\nCtrl1=0\r\nShift1=0\r\n"
            "Key2=48\r\nChecked2=0\r\nImage2=-1\r\nPath2=x\r\nAlt2=1\r\nCtrl2=1\r\nShift2=1\r\n");
}

TEST(HotkeysFile, RoundTripRenumbersAndNormalisesFlags) {
  IniDocument doc = IniDocument::parse("[HotKeys]\r\nCount=2\r\nAlt0=2\r\nKey1=0x41\r\n");
  auto rows = load_hotkeys(doc, std::nullopt);
  rows[0].id = 40;
  rows.erase(rows.begin());
  rows.push_back(rows[0]);
  store_hotkeys(rows, doc);
  EXPECT_EQ(value(doc, "Alt0"), "1");
  EXPECT_EQ(value(doc, "Key0"), "65");
  const auto again = load_hotkeys(doc, std::nullopt);
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(again[0].id, 1);
  EXPECT_EQ(again[1].id, 2);
}

TEST(HotkeysFile, ShorterListLeavesTheOldKeysBehind) {
  IniDocument doc;
  std::vector<HotkeyRow> rows(8, HotkeyRow{true, true, false, "A", "a", 1, true, 0});
  store_hotkeys(rows, doc);
  rows.resize(5);
  store_hotkeys(rows, doc);
  EXPECT_EQ(value(doc, "Count"), "5");
  EXPECT_EQ(value(doc, "Key5"), "65");
  EXPECT_EQ(value(doc, "Shift7"), "0");
  EXPECT_EQ(load_hotkeys(doc, std::nullopt).size(), 5u);
}

// Files written before the Windows key, arguments and start-in folder
// existed: they load as before and a save writes them back unchanged.
TEST(HotkeysFile, OlderFilesSaveBackByteForByte) {
  const char* files[] = {
      "[HotKeys]\r\nCount=2\r\n"
      "Key0=78\r\nChecked0=1\r\nImage0=7\r\nPath0=notepad.exe\r\nAlt0=1\r\nCtrl0=1\r\nShift0=0\r\n"
      "Key1=69\r\nChecked1=0\r\nImage1=34\r\nPath1=C:\\\r\nAlt1=0\r\nCtrl1=1\r\nShift1=1\r\n",
      "; mine\n[HotKeys]\nCount=1\nKey0=112\nChecked0=1\nImage0=3\nPath0=\" x "
      "\"\nAlt0=0\nCtrl0=0\nShift0=1\n",
  };
  for (const char* text : files) {
    IniDocument doc = IniDocument::parse(text);
    const auto rows = load_hotkeys(doc, std::nullopt);
    for (const HotkeyRow& row : rows) {
      EXPECT_FALSE(row.win);
      EXPECT_EQ(row.arguments, "");
      EXPECT_EQ(row.start_in, "");
    }
    store_hotkeys(rows, doc);
    EXPECT_EQ(doc.text(), text);
  }
}

TEST(HotkeysFile, WindowsKeyArgumentsAndFolderAreWrittenOnlyWhenUsed) {
  std::vector<HotkeyRow> rows(3, HotkeyRow{true, true, false, "K", "a.exe", 1, true, 0});
  rows[1].win = true;
  rows[1].arguments = "one \"two three\"";
  rows[2].start_in = "%USERPROFILE%\\Documents";
  IniDocument doc;
  store_hotkeys(rows, doc);
  const std::string text = doc.text();
  for (const char* absent : {"Win0", "Args0", "StartIn0", "StartIn1", "Win2", "Args2"})
    EXPECT_EQ(text.find(std::string(absent) + "="), std::string::npos) << absent;
  EXPECT_NE(text.find("Shift1=0\r\nWin1=1\r\nArgs1=one \"two three\"\r\nKey2="), std::string::npos) << text;
  EXPECT_NE(text.find("Shift2=0\r\nStartIn2=%USERPROFILE%\\Documents\r\n"), std::string::npos) << text;

  const auto loaded = load_hotkeys(doc, std::nullopt);
  ASSERT_EQ(loaded.size(), 3u);
  for (std::size_t n = 0; n < 3; ++n) {
    EXPECT_EQ(loaded[n].win, rows[n].win) << n;
    EXPECT_EQ(loaded[n].arguments, rows[n].arguments) << n;
    EXPECT_EQ(loaded[n].start_in, rows[n].start_in) << n;
  }

  // The row that had them moves away: its old keys are set back, not left
  // to come back on the next load.
  rows.erase(rows.begin());
  store_hotkeys(rows, doc);
  EXPECT_EQ(value(doc, "Win1"), "0");
  EXPECT_EQ(value(doc, "Args0"), "one \"two three\"");
  const auto after = load_hotkeys(doc, std::nullopt);
  ASSERT_EQ(after.size(), 2u);
  EXPECT_TRUE(after[0].win);
  EXPECT_FALSE(after[1].win);
  EXPECT_EQ(after[1].arguments, "");
  EXPECT_EQ(after[1].start_in, "%USERPROFILE%\\Documents");
}

TEST(HotkeysFile, ReadsTheNewValuesByTheirRules) {
  const struct {
    const char* lines;
    bool win;
    const char* arguments;
    const char* start_in;
  } cases[] = {
      {"Win0=1\r\n", true, "", ""},
      {"Win0=0\r\n", false, "", ""},
      {"Win0=7\r\n", true, "", ""},
      {"Win0=yes\r\n", false, "", ""},
      {"win0=0x1\r\n", true, "", ""},
      {"Args0=  -a -b  \r\nStartIn0=C:\\Temp\r\n", false, "-a -b", "C:\\Temp"},
      // One pair of quotes around the whole value goes, as the profile
      // functions drop it; quotes inside stay.
      {"Args0=\"\"x y\" z\"\r\n", false, "\"x y\" z", ""},
      {"Args0=one \"two three\"\r\n", false, "one \"two three\"", ""},
      {"StartIn0=\r\n", false, "", ""},
  };
  for (const auto& c : cases) {
    const auto rows = load_text(std::string("[HotKeys]\r\nCount=1\r\nPath0=a.exe\r\n") + c.lines);
    ASSERT_EQ(rows.size(), 1u) << c.lines;
    EXPECT_EQ(rows[0].win, c.win) << c.lines;
    EXPECT_EQ(rows[0].arguments, c.arguments) << c.lines;
    EXPECT_EQ(rows[0].start_in, c.start_in) << c.lines;
  }
}

TEST(HotkeysFile, EmptyListStoresCountZeroAndLoadsDefaults) {
  IniDocument doc;
  store_hotkeys({}, doc);
  EXPECT_EQ(doc.text(), "[HotKeys]\r\nCount=0\r\n");
  EXPECT_EQ(load_hotkeys(doc, std::nullopt).size(), 20u);
}

}  // namespace
}  // namespace vantrel::hotkeys
