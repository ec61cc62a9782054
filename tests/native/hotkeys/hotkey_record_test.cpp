#include "hotkeys/hotkey_record.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrel::hotkeys {
namespace {

TEST(HotkeyRecord, ModifierTextAndMaskForEveryCombination) {
  const struct {
    bool alt, ctrl, shift;
    const char* text;
    unsigned mask;
  } cases[] = {{false, false, false, "", 0},          {true, false, false, "Alt+", 1},
               {false, true, false, "Ctrl+", 2},      {false, false, true, "Shift+", 4},
               {true, true, false, "Alt+Ctrl+", 3},   {true, false, true, "Alt+Shift+", 5},
               {false, true, true, "Ctrl+Shift+", 6}, {true, true, true, "Alt+Ctrl+Shift+", 7}};
  for (const auto& c : cases) {
    HotkeyRow row;
    row.alt = c.alt;
    row.ctrl = c.ctrl;
    row.shift = c.shift;
    EXPECT_EQ(modifier_text(row), c.text);
    EXPECT_EQ(modifier_mask(row), c.mask) << c.text;
  }
}

// The Windows key comes first and adds 8; without it every text and mask
// is what it always was.
TEST(HotkeyRecord, ModifierTextAndMaskWithTheWindowsKey) {
  const struct {
    bool win, alt, ctrl, shift;
    const char* text;
    unsigned mask;
  } cases[] = {
      {false, false, false, false, "", 0},
      {false, true, false, false, "Alt+", 1},
      {false, false, true, false, "Ctrl+", 2},
      {false, true, true, false, "Alt+Ctrl+", 3},
      {false, false, false, true, "Shift+", 4},
      {false, true, false, true, "Alt+Shift+", 5},
      {false, false, true, true, "Ctrl+Shift+", 6},
      {false, true, true, true, "Alt+Ctrl+Shift+", 7},
      {true, false, false, false, "Win+", 8},
      {true, true, false, false, "Win+Alt+", 9},
      {true, false, true, false, "Win+Ctrl+", 10},
      {true, true, true, false, "Win+Alt+Ctrl+", 11},
      {true, false, false, true, "Win+Shift+", 12},
      {true, true, false, true, "Win+Alt+Shift+", 13},
      {true, false, true, true, "Win+Ctrl+Shift+", 14},
      {true, true, true, true, "Win+Alt+Ctrl+Shift+", 15},
  };
  for (const auto& c : cases) {
    HotkeyRow row;
    row.win = c.win;
    row.alt = c.alt;
    row.ctrl = c.ctrl;
    row.shift = c.shift;
    row.key_name = "K";
    EXPECT_EQ(modifier_text(row), c.text);
    EXPECT_EQ(modifier_mask(row), c.mask) << c.text;
    EXPECT_EQ(shortcut_text(row), std::string(c.text) + "K");
    EXPECT_EQ(column_texts(row)[0], c.text);
  }
}

std::vector<HotkeyRow> rows_with_ids(std::initializer_list<int> ids) {
  std::vector<HotkeyRow> rows;
  for (int id : ids) {
    HotkeyRow row;
    row.id = id;
    rows.push_back(row);
  }
  return rows;
}

TEST(HotkeyRecord, NewIdentifierStartsAtTheRowCount) {
  const struct {
    std::initializer_list<int> ids;
    int expected;
  } cases[] = {{{}, 1}, {{1, 2, 3, 4, 5}, 6}, {{1, 2, 4}, 3}, {{1, 2, 3, 5}, 4}, {{2, 3, 4}, 5}, {{7}, 1},
               {{1}, 2}};
  for (const auto& c : cases) EXPECT_EQ(next_identifier(rows_with_ids(c.ids)), c.expected);
}

TEST(HotkeyRecord, ColumnTexts) {
  HotkeyRow row;
  row.alt = true;
  row.ctrl = false;
  row.shift = true;
  row.key_name = "F5";
  row.action = "notepad.exe";
  row.id = 12;
  row.checked = true;
  row.image = 3;
  EXPECT_EQ(column_texts(row),
            (std::array<std::string, 7>{"Alt+Shift+", "F5", "notepad.exe", "12", "1", "0", "1"}));
  row.alt = false;
  row.ctrl = true;
  row.shift = false;
  row.id = 7;
  EXPECT_EQ(column_texts(row),
            (std::array<std::string, 7>{"Ctrl+", "F5", "notepad.exe", "7", "0", "1", "0"}));
}

}  // namespace
}  // namespace vantrel::hotkeys
