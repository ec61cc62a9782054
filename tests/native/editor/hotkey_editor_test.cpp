#include "editor/hotkey_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "hotkeys/key_table.h"

namespace vantrel::app {
namespace {

using hotkeys::HotkeyRow;

// The system's hotkey table: one holder per combination; a combination
// can be taken by another program, and the table can fail outright.
class FakeRegistrar : public actions::HotkeyRegistrar {
 public:
  bool register_hotkey(int id, unsigned modifiers, int key) override {
    if (failure) throw std::runtime_error(failure);
    calls.push_back("register " + std::to_string(id) + " " + std::to_string(modifiers) + " " +
                    std::to_string(key));
    if (taken.count({modifiers, key}) || held.count({modifiers, key})) return false;
    held[{modifiers, key}] = id;
    return true;
  }
  void unregister_hotkey(int id) override {
    calls.push_back("unregister " + std::to_string(id));
    std::erase_if(held, [id](const auto& entry) { return entry.second == id; });
  }
  bool holds(int id) const {
    return std::any_of(held.begin(), held.end(), [id](const auto& entry) { return entry.second == id; });
  }
  std::map<std::pair<unsigned, int>, int> taken;
  std::map<std::pair<unsigned, int>, int> held;
  std::vector<std::string> calls;
  const char* failure = nullptr;
};

HotkeyRow row(int id, std::string key, bool alt, bool ctrl, bool shift, bool checked,
              std::string action = "x.exe", int image = 12) {
  HotkeyRow r;
  r.alt = alt;
  r.ctrl = ctrl;
  r.shift = shift;
  r.key_name = std::move(key);
  r.action = std::move(action);
  r.id = id;
  r.checked = checked;
  r.image = image;
  return r;
}

std::size_t key_at(std::string_view name) {
  const auto keys = hotkeys::key_table();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i].name == name) return i;
  }
  ADD_FAILURE() << "no key " << name;
  return 0;
}

// Identifiers that are no positions, so that a mix-up of the two shows.
std::vector<HotkeyRow> three_rows() {
  return {row(7, "A", true, true, false, true, "a.exe", 4),
          row(3, "F12", false, true, true, false, "b.exe", 51),
          row(9, "Up", true, false, false, true, "VolumeUp", 20)};
}

TEST(HotkeyEditorFill, ShowsTheSelectedRowWithNothingPending) {
  std::vector<HotkeyRow> rows = three_rows();
  rows[0].key_name = "f12";  // the key list matches ignoring case
  rows[2].image = hotkeys::kIconCount;
  rows.push_back(row(11, "", true, true, false, false, "c.exe", -1));
  rows.back().unknown_key_code = 255;

  const struct {
    int selected;
    PanelFields fields;
    std::optional<int> code;
  } cases[] = {
      {0, {true, true, true, false, key_at("F12"), "a.exe", 4}, 123},
      {1, {false, false, true, true, key_at("F12"), "b.exe", 51}, 123},
      // An icon index the picker has no item for shows blank.
      {2, {true, true, false, false, key_at("Up"), "VolumeUp", std::nullopt}, 38},
      // A key the table does not know leaves both key lists empty.
      {3, {false, true, true, false, std::nullopt, "c.exe", std::nullopt}, std::nullopt},
  };
  for (const auto& c : cases) {
    HotkeyEditor editor;
    editor.toggle_picker();
    editor.set_action("typed");
    editor.fill(rows, c.selected);
    EXPECT_EQ(editor.fields(), c.fields) << "row " << c.selected;
    EXPECT_EQ(editor.key_code(), c.code) << "row " << c.selected;
    EXPECT_TRUE(editor.panel_enabled()) << "row " << c.selected;
    EXPECT_FALSE(editor.apply_enabled()) << "row " << c.selected;
    EXPECT_FALSE(editor.picker_open()) << "filling closes the icon picker";
  }
}

TEST(HotkeyEditorFill, NoRowOrClearGivesTheDisabledStartingPanel) {
  const std::vector<HotkeyRow> rows = three_rows();
  const std::function<void(HotkeyEditor&)> ways[] = {
      [&](HotkeyEditor& e) { e.fill(rows, -1); },
      [&](HotkeyEditor& e) { e.fill(rows, 3); },
      [&](HotkeyEditor& e) { e.fill({}, 0); },
      [](HotkeyEditor& e) { e.clear(); },
  };
  int way = 0;
  for (const auto& empty_the_panel : ways) {
    HotkeyEditor editor;
    editor.fill(rows, 1);
    editor.set_alt(true);
    editor.toggle_picker();
    empty_the_panel(editor);
    EXPECT_FALSE(editor.panel_enabled()) << way;
    EXPECT_FALSE(editor.apply_enabled()) << way;
    EXPECT_FALSE(editor.picker_open()) << way;
    EXPECT_EQ(editor.fields(), (PanelFields{false, false, false, false, 0, "", std::nullopt})) << way;
    EXPECT_EQ(editor.key_code(), 48) << way << ": the code list stands on the first entry too";
    ++way;
  }
}

TEST(HotkeyEditorPending, EveryEditEnablesApplyAndFillDisablesIt) {
  const std::vector<HotkeyRow> rows = three_rows();
  const struct {
    const char* name;
    std::function<void(HotkeyEditor&)> edit;
    std::function<bool(const PanelFields&)> shows;
  } edits[] = {
      {"Enabled", [](HotkeyEditor& e) { e.set_enabled(false); },
       [](const PanelFields& f) { return !f.enabled; }},
      {"Alt", [](HotkeyEditor& e) { e.set_alt(false); }, [](const PanelFields& f) { return !f.alt; }},
      {"Control", [](HotkeyEditor& e) { e.set_control(false); },
       [](const PanelFields& f) { return !f.control; }},
      {"Shift", [](HotkeyEditor& e) { e.set_shift(true); }, [](const PanelFields& f) { return f.shift; }},
      {"Key", [](HotkeyEditor& e) { e.choose_key(key_at("Q")); },
       [](const PanelFields& f) { return f.key == key_at("Q"); }},
      {"Execute", [](HotkeyEditor& e) { e.set_action("notepad.exe"); },
       [](const PanelFields& f) { return f.action == "notepad.exe"; }},
      {"icon", [](HotkeyEditor& e) { e.choose_icon(7); }, [](const PanelFields& f) { return f.icon == 7; }},
      {"Win", [](HotkeyEditor& e) { e.set_win(true); }, [](const PanelFields& f) { return f.win; }},
      {"Arguments", [](HotkeyEditor& e) { e.set_arguments("-q"); },
       [](const PanelFields& f) { return f.arguments == "-q"; }},
      {"Start in", [](HotkeyEditor& e) { e.set_start_in("C:\\"); },
       [](const PanelFields& f) { return f.start_in == "C:\\"; }},
  };
  for (const auto& edit : edits) {
    HotkeyEditor editor;
    editor.fill(rows, 0);
    edit.edit(editor);
    EXPECT_TRUE(editor.apply_enabled()) << edit.name;
    EXPECT_TRUE(edit.shows(editor.fields())) << edit.name;
    // Selecting a row drops what was pending without asking; so does
    // Escape, which fills the panel from the same row again.
    editor.fill(rows, 0);
    EXPECT_FALSE(editor.apply_enabled()) << edit.name;
    EXPECT_FALSE(edit.shows(editor.fields())) << edit.name << ": the row's own value is back";
  }
}

TEST(HotkeyEditorPending, IconPickerChoosesOnlyWhatIsSelected) {
  const std::vector<HotkeyRow> rows = three_rows();
  HotkeyEditor editor;
  editor.fill(rows, 2);
  editor.toggle_picker();
  editor.choose_icon(std::nullopt);
  EXPECT_TRUE(editor.picker_open()) << "a click that selects nothing changes nothing";
  EXPECT_FALSE(editor.apply_enabled());
  EXPECT_EQ(editor.fields().icon, 20);
  editor.choose_icon(0);
  EXPECT_FALSE(editor.picker_open());
  EXPECT_TRUE(editor.apply_enabled());
  EXPECT_EQ(editor.fields().icon, 0);
  editor.toggle_picker();
  EXPECT_TRUE(editor.picker_open());
  editor.toggle_picker();
  EXPECT_FALSE(editor.picker_open());
}

TEST(HotkeyEditorApply, WritesThePanelIntoTheRowAndRegistersIt) {
  FakeRegistrar registrar;
  std::vector<HotkeyRow> rows = three_rows();
  rows[1].key_name.clear();
  rows[1].unknown_key_code = 255;
  HotkeyEditor editor;
  editor.fill(rows, 1);
  editor.set_enabled(true);
  editor.set_alt(true);
  editor.set_control(false);
  editor.set_shift(true);
  editor.choose_key(key_at("Num 5"));
  editor.set_action("caf\xC3\xA9 \xE2\x82\xAC.exe");
  editor.choose_icon(33);

  const ApplyResult result = editor.apply(rows, 1, registrar);
  EXPECT_EQ(result.outcome, ApplyOutcome::applied);
  EXPECT_FALSE(result.message);
  EXPECT_FALSE(editor.apply_enabled());
  HotkeyRow expected = row(3, "Num 5", true, false, true, true, "caf\xC3\xA9 \xE2\x82\xAC.exe", 33);
  EXPECT_EQ(rows[1], expected) << "the unknown code is gone with the key chosen";
  EXPECT_EQ(hotkeys::modifier_text(rows[1]), "Alt+Shift+");
  EXPECT_EQ(registrar.calls, (std::vector<std::string>{"unregister 3", "register 3 5 101"}));
  EXPECT_EQ(rows[0], three_rows()[0]);
  EXPECT_EQ(rows[2], three_rows()[2]);
}

// The Windows key, the arguments and the folder go into the row with the
// rest; the panel shows them back for the row, and the Windows key reaches
// the system.
TEST(HotkeyEditorApply, WindowsKeyArgumentsAndFolder) {
  FakeRegistrar registrar;
  std::vector<HotkeyRow> rows = three_rows();
  HotkeyEditor editor;
  editor.fill(rows, 2);
  editor.set_win(true);
  editor.set_alt(false);
  editor.choose_key(key_at("K"));
  editor.set_action("%WINDIR%\\tool.exe");
  editor.set_arguments("one \"two three\"");
  editor.set_start_in("%TEMP%");
  EXPECT_EQ(editor.apply(rows, 2, registrar).outcome, ApplyOutcome::applied);
  EXPECT_TRUE(rows[2].win);
  EXPECT_EQ(rows[2].arguments, "one \"two three\"");
  EXPECT_EQ(rows[2].start_in, "%TEMP%");
  EXPECT_EQ(hotkeys::modifier_text(rows[2]), "Win+");
  EXPECT_EQ(registrar.calls, (std::vector<std::string>{"unregister 9", "register 9 8 75"}));
  EXPECT_EQ(test_action(rows, 2), (actions::Launch{"%WINDIR%\\tool.exe", "one \"two three\"", "%TEMP%"}));

  HotkeyEditor other;
  other.fill(rows, 2);
  EXPECT_TRUE(other.fields().win);
  EXPECT_EQ(other.fields().arguments, "one \"two three\"");
  EXPECT_EQ(other.fields().start_in, "%TEMP%");
  other.fill(rows, 0);
  EXPECT_FALSE(other.fields().win);
  EXPECT_EQ(other.fields().arguments, "");

  // Emptied fields empty the row's: the launch is as it always was.
  editor.fill(rows, 2);
  editor.set_arguments("");
  editor.set_start_in("");
  editor.set_win(false);
  EXPECT_EQ(editor.apply(rows, 2, registrar).outcome, ApplyOutcome::applied);
  EXPECT_EQ(test_action(rows, 2), (actions::Launch{"%WINDIR%\\tool.exe", "", ""}));
  EXPECT_EQ(registrar.calls.back(), "register 9 0 75");
}

TEST(HotkeyEditorApply, OutcomesWhenItCannotComplete) {
  const struct {
    const char* name;
    int selected;
    std::function<void(HotkeyEditor&, FakeRegistrar&)> prepare;
    ApplyOutcome outcome;
    std::optional<std::string> message;
    bool apply_stays_enabled;
    std::function<void(std::vector<HotkeyRow>& expected)> row_change;
    std::vector<std::string> calls;
  } cases[] = {
      {"no selection",
       -1,
       [](HotkeyEditor& e, FakeRegistrar&) { e.set_alt(false); },
       ApplyOutcome::nothing_selected,
       std::nullopt,
       true,
       [](auto&) {},
       {}},
      {"selection past the end",
       3,
       [](HotkeyEditor& e, FakeRegistrar&) { e.set_alt(false); },
       ApplyOutcome::nothing_selected,
       std::nullopt,
       true,
       [](auto&) {},
       {}},
      {"no key",
       1,
       [](HotkeyEditor& e, FakeRegistrar&) { e.choose_key(std::nullopt); },
       ApplyOutcome::incomplete,
       "Incomplete!",
       true,
       [](auto&) {},
       {}},
      {"no action",
       1,
       [](HotkeyEditor& e, FakeRegistrar&) { e.set_action(""); },
       ApplyOutcome::incomplete,
       "Incomplete!",
       true,
       [](auto&) {},
       {}},
      {"checked without an action",
       1,
       [](HotkeyEditor& e, FakeRegistrar&) {
         e.set_enabled(true);
         e.set_action("");
       },
       ApplyOutcome::incomplete,
       "Incomplete!",
       true,
       [](auto&) {},
       {}},
      // Alt+Up is what the third row (identifier 9) holds: named by its
      // place, 3, and the edited row ends disabled, its old registration
      // left alone.
      {"conflict",
       1,
       [](HotkeyEditor& e, FakeRegistrar&) {
         e.set_enabled(true);
         e.set_control(false);
         e.set_shift(false);
         e.set_alt(true);
         e.choose_key(key_at("Up"));
       },
       ApplyOutcome::conflict,
       "HotKey exists on ID 3 ! Choose another one!",
       true,
       [](std::vector<HotkeyRow>& expected) {
         expected[1].key_name = "Up";
         expected[1].alt = true;
         expected[1].ctrl = false;
         expected[1].shift = false;
       },
       {}},
      {"refused",
       1,
       [](HotkeyEditor& e, FakeRegistrar& r) {
         r.taken[{6, 123}] = 0;
         e.set_enabled(true);
       },
       ApplyOutcome::registration_failed,
       std::string(actions::kRegistrationFailedMessage),
       false,
       [](std::vector<HotkeyRow>& expected) { expected[1].checked = true; },
       {"unregister 3", "register 3 6 123"}},
      {"failure in the system",
       1,
       [](HotkeyEditor& e, FakeRegistrar& r) {
         r.failure = "Not enough quota";
         e.set_enabled(true);
       },
       ApplyOutcome::failed,
       "Error: Not enough quota",
       true,
       [](std::vector<HotkeyRow>& expected) { expected[1].checked = true; },
       {"unregister 3"}},
      // The row is written field by field: what comes before the failing
      // key stays written (enabled state, icon), what comes after does not.
      {"failure part-way",
       1,
       [](HotkeyEditor& e, FakeRegistrar&) {
         e.set_enabled(true);
         e.choose_icon(40);
         e.choose_key(hotkeys::kKeyCount + 5);
         e.set_alt(true);
         e.set_action("other.exe");
       },
       ApplyOutcome::failed,
       "Error: List index out of bounds (95)",
       true,
       [](std::vector<HotkeyRow>& expected) {
         expected[1].checked = true;
         expected[1].image = 40;
       },
       {}},
  };
  for (const auto& c : cases) {
    FakeRegistrar registrar;
    std::vector<HotkeyRow> rows = three_rows();
    HotkeyEditor editor;
    editor.fill(rows, 1);
    c.prepare(editor, registrar);
    const bool enabled_box = editor.fields().enabled;
    const ApplyResult result = editor.apply(rows, c.selected, registrar);
    EXPECT_EQ(result.outcome, c.outcome) << c.name;
    EXPECT_EQ(result.message, c.message) << c.name;
    EXPECT_EQ(editor.apply_enabled(), c.apply_stays_enabled) << c.name;
    std::vector<HotkeyRow> expected = three_rows();
    c.row_change(expected);
    EXPECT_EQ(rows, expected) << c.name;
    EXPECT_EQ(registrar.calls, c.calls) << c.name;
    EXPECT_EQ(editor.fields().enabled, c.outcome == ApplyOutcome::conflict ? false : enabled_box)
        << c.name << ": only a conflict clears the Enabled box";
  }
}

TEST(HotkeyEditorApply, DisablingStoresTheRowAndReleasesItWithoutMessage) {
  FakeRegistrar registrar;
  std::vector<HotkeyRow> rows = three_rows();
  actions::register_enabled_hotkeys(rows, registrar);
  ASSERT_TRUE(registrar.holds(9));
  HotkeyEditor editor;
  editor.fill(rows, 2);
  editor.set_enabled(false);
  const ApplyResult result = editor.apply(rows, 2, registrar);
  EXPECT_EQ(result.outcome, ApplyOutcome::applied);
  EXPECT_FALSE(result.message);
  EXPECT_FALSE(rows[2].checked);
  EXPECT_FALSE(registrar.holds(9));
  EXPECT_TRUE(registrar.holds(7));
}

TEST(HotkeyEditorNew, TakesTheSmallestFreeIdentifierFromTheRowCount) {
  const struct {
    std::vector<int> ids;
    int expected;
  } cases[] = {
      {{}, 1},        {{1, 2, 3, 4, 5}, 6}, {{1, 2, 4}, 3}, {{1, 2, 3, 5}, 4},
      {{2, 3, 4}, 5}, {{7, 3, 9}, 4},       {{9}, 1},
  };
  for (const auto& c : cases) {
    std::vector<HotkeyRow> rows;
    for (int id : c.ids) rows.push_back(row(id, "A", true, true, false, true));
    const std::vector<HotkeyRow> before = rows;
    const std::size_t position = add_new_hotkey(rows);
    ASSERT_EQ(position, c.ids.size()) << "the new row goes at the end";
    ASSERT_EQ(rows.size(), c.ids.size() + 1);
    EXPECT_EQ(rows[position], new_hotkey(c.expected)) << "after " << ::testing::PrintToString(c.ids);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), rows.begin())) << "no other row changes";
  }
}

TEST(HotkeyEditorNew, TheNewRowIsAltCtrlZeroNothingUnchecked) {
  std::vector<HotkeyRow> rows = three_rows();
  const std::size_t position = add_new_hotkey(rows);
  const HotkeyRow& added = rows[position];
  EXPECT_EQ(hotkeys::column_texts(added), (std::array<std::string, hotkeys::kColumnCount>{
                                              "Alt+Ctrl+", "0", "Nothing", "4", "1", "1", "0"}));
  EXPECT_FALSE(added.checked);
  EXPECT_EQ(added.image, hotkeys::kDefaultImage);
  EXPECT_FALSE(added.unknown_key_code);

  HotkeyEditor editor;
  editor.fill(rows, static_cast<int>(position));
  EXPECT_EQ(editor.key_code(), 48);
  EXPECT_FALSE(editor.apply_enabled());
}

TEST(HotkeyEditorDelete, RemovesOnlyTheSelectedRowAndKeepsIdentifiers) {
  FakeRegistrar registrar;
  std::vector<HotkeyRow> rows = three_rows();
  actions::register_enabled_hotkeys(rows, registrar);
  registrar.calls.clear();
  EXPECT_FALSE(delete_hotkey(rows, -1, registrar));
  EXPECT_FALSE(delete_hotkey(rows, 3, registrar));
  EXPECT_EQ(rows.size(), 3u);
  EXPECT_TRUE(registrar.calls.empty());

  EXPECT_TRUE(delete_hotkey(rows, 0, registrar));
  EXPECT_EQ(registrar.calls, (std::vector<std::string>{"unregister 7"}));
  EXPECT_EQ(rows, (std::vector<HotkeyRow>{three_rows()[1], three_rows()[2]}));
  EXPECT_EQ(add_new_hotkey(rows), 2u);
  EXPECT_EQ(rows[2].id, 2) << "a later New fills the gap the row count points at";

  EXPECT_TRUE(delete_hotkey(rows, 1, registrar));
  EXPECT_TRUE(delete_hotkey(rows, 1, registrar));
  EXPECT_TRUE(delete_hotkey(rows, 0, registrar));
  EXPECT_TRUE(rows.empty());
  HotkeyEditor editor;
  editor.fill(rows, 0);
  EXPECT_FALSE(editor.panel_enabled()) << "deleting the only row leaves a disabled panel";
}

TEST(HotkeyEditorReset, ReleasesEveryRowAndEmptiesTheList) {
  FakeRegistrar registrar;
  std::vector<HotkeyRow> rows = three_rows();
  actions::register_enabled_hotkeys(rows, registrar);
  registrar.calls.clear();
  reset_hotkeys(rows, registrar);
  EXPECT_TRUE(rows.empty());
  EXPECT_TRUE(registrar.held.empty());
  EXPECT_EQ(registrar.calls, (std::vector<std::string>{"unregister 7", "unregister 3", "unregister 9"}));
}

TEST(HotkeyEditorTest, RunsTheStoredActionNotTheTypedOne) {
  const std::vector<HotkeyRow> rows = three_rows();
  HotkeyEditor editor;
  editor.fill(rows, 1);
  editor.set_action("typed.exe");
  EXPECT_EQ(test_action(rows, 1), (actions::Launch{"b.exe", "", ""}));
  EXPECT_EQ(test_action(rows, 2), (actions::Launch{"VolumeUp", "", ""}));
  EXPECT_EQ(test_action(rows, -1), std::nullopt);
  EXPECT_EQ(test_action(rows, 3), std::nullopt);
}

TEST(HotkeyEditorCheckBox, OnlyAPressOnARowsStateImageHitsIt) {
  const struct {
    int item;
    bool on_state_image;
    std::size_t rows;
    std::optional<std::size_t> expected;
  } cases[] = {
      {0, true, 3, 0},    {2, true, 3, 2}, {1, false, 3, {}},  // on the row's text or icon
      {-1, true, 3, {}},                                       // below the last row
      {3, true, 3, {}},                                        // an item the rows no longer have
      {0, true, 0, {}},                                        // an empty list
      {-1, false, 0, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(check_box_row(c.item, c.on_state_image, c.rows), c.expected)
        << c.item << (c.on_state_image ? " on" : " off") << " of " << c.rows;
  }
}

TEST(HotkeyEditorCheckBox, AClickAppliesTheTurnedOverBox) {
  const struct {
    const char* name;
    std::size_t clicked;
    std::function<void(std::vector<HotkeyRow>&)> prepare;
    ApplyOutcome outcome;
    std::optional<std::string> message;
    bool checked_after;
    bool holds_after;
  } cases[] = {
      {"enabling a free row", 1, [](auto&) {}, ApplyOutcome::applied, std::nullopt, true, true},
      {"disabling", 0, [](auto&) {}, ApplyOutcome::applied, std::nullopt, false, false},
      {"enabling into a conflict", 1,
       [](std::vector<HotkeyRow>& rows) {
         rows[1].key_name = "A";
         rows[1].alt = true;
         rows[1].ctrl = true;
         rows[1].shift = false;
       },
       ApplyOutcome::conflict, "HotKey exists on ID 1 ! Choose another one!", false, false},
      {"enabling without an action", 1, [](std::vector<HotkeyRow>& rows) { rows[1].action.clear(); },
       ApplyOutcome::incomplete, "Incomplete!", false, false},
      {"enabling an unknown key", 1,
       [](std::vector<HotkeyRow>& rows) {
         rows[1].key_name.clear();
         rows[1].unknown_key_code = 7;
       },
       ApplyOutcome::incomplete, "Incomplete!", false, false},
  };
  for (const auto& c : cases) {
    FakeRegistrar registrar;
    std::vector<HotkeyRow> rows = three_rows();
    c.prepare(rows);
    actions::register_enabled_hotkeys(rows, registrar);
    const std::vector<HotkeyRow> before = rows;
    HotkeyEditor editor;
    const ApplyResult result = click_check_box(editor, rows, c.clicked, registrar);
    EXPECT_EQ(result.outcome, c.outcome) << c.name;
    EXPECT_EQ(result.message, c.message) << c.name;
    EXPECT_EQ(rows[c.clicked].checked, c.checked_after) << c.name;
    EXPECT_EQ(registrar.holds(rows[c.clicked].id), c.holds_after) << c.name;
    EXPECT_TRUE(editor.panel_enabled()) << c.name << ": the clicked row fills the panel";
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (i != c.clicked) {
        EXPECT_EQ(rows[i], before[i]) << c.name << ": row " << i;
      }
    }
  }
}

}  // namespace
}  // namespace vantrel::app
