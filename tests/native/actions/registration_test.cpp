#include "actions/registration.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <tuple>

namespace vantrel::actions {
namespace {

using hotkeys::HotkeyRow;

// The system's hotkey table: one holder per combination, some taken by
// other programs.
class FakeRegistrar : public HotkeyRegistrar {
 public:
  bool register_hotkey(int id, unsigned modifiers, int key) override {
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
  std::set<std::pair<unsigned, int>> taken;
  std::map<std::pair<unsigned, int>, int> held;
  std::vector<std::string> calls;
};

HotkeyRow row(int id, std::string key, bool alt, bool ctrl, bool shift, bool checked) {
  HotkeyRow r;
  r.alt = alt;
  r.ctrl = ctrl;
  r.shift = shift;
  r.key_name = std::move(key);
  r.action = "x.exe";
  r.id = id;
  r.checked = checked;
  return r;
}

std::vector<bool> checks(const std::vector<HotkeyRow>& rows) {
  std::vector<bool> checked;
  for (const HotkeyRow& r : rows) checked.push_back(r.checked);
  return checked;
}

TEST(Registration, StartupRegistersEnabledRowsAndDisablesFailures) {
  FakeRegistrar registrar;
  registrar.taken.insert({3, 'X'});
  std::vector<HotkeyRow> rows{
      row(17, "N", true, true, false, true),    row(3, "N", true, true, false, true),
      row(9, "X", true, true, false, true),     row(12, "F1", false, false, false, true),
      row(5, "", true, true, false, true),      row(21, "Up", true, false, true, false),
      row(8, "num 5", false, true, false, true)};
  register_enabled_hotkeys(rows, registrar);
  EXPECT_EQ(checks(rows), (std::vector<bool>{true, false, false, true, false, false, true}));
  EXPECT_EQ(registrar.calls,
            (std::vector<std::string>{"register 17 3 78", "register 3 3 78", "register 9 3 88",
                                      "register 12 0 112", "register 8 2 101"}));
}

TEST(Registration, ARowWithAKeyCodeOfNoKnownKeyKeepsItsBoxUnregistered) {
  FakeRegistrar registrar;
  std::vector<HotkeyRow> rows{row(7, "", true, true, false, true), row(3, "", true, false, false, false),
                              row(9, "", true, true, false, true)};
  rows[0].unknown_key_code = 255;
  rows[1].unknown_key_code = 7;
  register_enabled_hotkeys(rows, registrar);
  EXPECT_EQ(checks(rows), (std::vector<bool>{true, false, false}))
      << "only the row without any key is cleared";
  EXPECT_TRUE(registrar.calls.empty());
}

// The same key with and without the Windows key are two shortcuts; the
// Windows key goes to the system as MOD_WIN (8), and nothing suppresses
// the repeat of a held key.
TEST(Registration, WindowsKeyIsAModifierOfItsOwn) {
  FakeRegistrar registrar;
  std::vector<HotkeyRow> rows{row(7, "K", false, false, false, true), row(3, "K", false, false, false, true),
                              row(9, "K", true, true, false, true), row(4, "K", true, true, false, true)};
  rows[1].win = true;
  rows[3].win = true;
  const auto refused = register_enabled_hotkeys(rows, registrar);
  EXPECT_TRUE(refused.empty());
  EXPECT_EQ(registrar.calls, (std::vector<std::string>{"register 7 0 75", "register 3 8 75",
                                                       "register 9 3 75", "register 4 11 75"}));

  // Applying: only a row with all four flags alike conflicts.
  const struct {
    bool win, alt, ctrl;
    std::optional<std::string> conflict;
  } cases[] = {
      {true, false, false, "HotKey exists on ID 2 ! Choose another one!"},
      {false, false, false, "HotKey exists on ID 1 ! Choose another one!"},
      {true, true, true, "HotKey exists on ID 4 ! Choose another one!"},
      {false, true, true, "HotKey exists on ID 3 ! Choose another one!"},
      {true, true, false, std::nullopt},
      {true, false, true, std::nullopt},
  };
  for (const auto& c : cases) {
    std::vector<HotkeyRow> list = rows;
    list.push_back(row(12, "K", c.alt, c.ctrl, false, true));
    list.back().win = c.win;
    const ReregisterResult result = reregister_hotkey(list, 4, registrar);
    EXPECT_EQ(result.may_continue, !c.conflict) << modifier_text(list.back());
    EXPECT_EQ(result.message, c.conflict) << modifier_text(list.back());
  }
}

TEST(Registration, StartupTellsWhichRowsWereRefused) {
  FakeRegistrar registrar;
  registrar.taken.insert({3, 'E'});
  registrar.taken.insert({8 + 4, 'W'});
  std::vector<HotkeyRow> rows{row(7, "E", true, true, false, true),   row(3, "N", true, true, false, true),
                              row(9, "N", true, true, false, true),   row(5, "", true, true, false, true),
                              row(12, "W", false, false, true, true), row(4, "E", true, true, false, false)};
  rows[0].action = "C:\\";
  rows[2].action = "notepad.exe";
  rows[4].win = true;
  rows[4].action = "%WINDIR%\\write.exe";
  const auto refused = register_enabled_hotkeys(rows, registrar);
  // The row without a key and the disabled row were never the system's to
  // refuse.
  EXPECT_EQ(refused, (std::vector<std::size_t>{0, 2, 4}));
  EXPECT_EQ(refused_hotkeys_message(rows, refused),
            "Alt+Ctrl+E (C:\\) is used by another program\n"
            "Alt+Ctrl+N (notepad.exe) is used by hotkey ID 3\n"
            "Win+Shift+W (%WINDIR%\\write.exe) is used by another program");
  EXPECT_EQ(refused_hotkeys_message(rows, {}), "");

  FakeRegistrar free;
  std::vector<HotkeyRow> all_free{row(7, "E", true, true, false, true), row(3, "N", true, true, false, true)};
  EXPECT_TRUE(register_enabled_hotkeys(all_free, free).empty());
}

// The conflict message names the other row by its place in the list,
// counted from 1, not by its identifier.
TEST(Registration, ReregisterReportsTheFirstEnabledConflictByPosition) {
  // Places 1 to 5 hold identifiers none of which is a place (7, 12, 9, 15,
  // 11), so a message naming an identifier shows; the rows on B conflict.
  const auto list = [] {
    return std::vector<HotkeyRow>{row(7, "A", true, false, false, false),
                                  row(12, "B", true, true, false, true), row(9, "B", true, true, false, true),
                                  row(15, "C", true, true, false, true),
                                  row(11, "B", true, true, false, true)};
  };
  const struct {
    std::size_t selected;
    const char* message;
  } cases[] = {
      {1, "HotKey exists on ID 3 ! Choose another one!"},
      {2, "HotKey exists on ID 2 ! Choose another one!"},
      {4, "HotKey exists on ID 2 ! Choose another one!"},
  };
  for (const auto& c : cases) {
    FakeRegistrar registrar;
    std::vector<HotkeyRow> rows = list();
    const ReregisterResult result = reregister_hotkey(rows, c.selected, registrar);
    EXPECT_FALSE(result.may_continue) << c.selected;
    EXPECT_EQ(result.message, c.message) << c.selected;
    std::vector<bool> expected = checks(list());
    expected[c.selected] = false;
    EXPECT_EQ(checks(rows), expected) << "only the edited row is disabled";
    EXPECT_TRUE(registrar.calls.empty()) << "the old registration stays";
  }
}

TEST(Registration, ReregisterWithoutConflictRegistersAnew) {
  // A disabled row with the same combination is no conflict; nor is one
  // with other modifiers.
  FakeRegistrar registrar;
  std::vector<HotkeyRow> free{row(7, "B", true, true, false, false), row(3, "B", true, false, false, true),
                              row(9, "B", true, true, false, true)};
  const ReregisterResult result = reregister_hotkey(free, 2, registrar);
  EXPECT_TRUE(result.may_continue);
  EXPECT_FALSE(result.message);
  EXPECT_EQ(registrar.calls, (std::vector<std::string>{"unregister 9", "register 9 3 66"}));
  EXPECT_EQ(checks(free), (std::vector<bool>{false, true, true}));
}

TEST(Registration, ReregisterRefusedKeepsTheRowEnabled) {
  FakeRegistrar registrar;
  registrar.taken.insert({0, 'Q'});
  std::vector<HotkeyRow> rows{row(9, "Q", false, false, false, true)};
  const ReregisterResult result = reregister_hotkey(rows, 0, registrar);
  EXPECT_TRUE(result.may_continue);
  EXPECT_EQ(result.message, kRegistrationFailedMessage);
  EXPECT_TRUE(rows[0].checked);
}

TEST(Registration, DisablingOrDeletingReleasesAtOnce) {
  FakeRegistrar registrar;
  std::vector<HotkeyRow> rows{row(7, "A", true, true, false, true), row(3, "B", true, true, false, true),
                              row(9, "C", true, true, false, true)};
  register_enabled_hotkeys(rows, registrar);
  rows[0].checked = false;
  EXPECT_FALSE(apply_enabled_state(rows, 0, registrar).message);
  EXPECT_FALSE(registrar.holds(7));
  EXPECT_TRUE(registrar.holds(3));
  delete_row(rows, 1, registrar);
  EXPECT_FALSE(registrar.holds(3));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ((std::vector<int>{rows[0].id, rows[1].id}), (std::vector<int>{7, 9}))
      << "no identifier is renumbered";
  EXPECT_TRUE(registrar.holds(9));

  rows[0].checked = true;
  EXPECT_FALSE(apply_enabled_state(rows, 0, registrar).message);
  EXPECT_TRUE(registrar.holds(7));
}

TEST(Registration, ExitReleasesEveryRow) {
  FakeRegistrar registrar;
  std::vector<HotkeyRow> rows{row(4, "A", true, true, false, false), row(2, "B", true, true, false, true)};
  unregister_all_hotkeys(rows, registrar);
  EXPECT_EQ(registrar.calls, (std::vector<std::string>{"unregister 4", "unregister 2"}));
  registrar.calls.clear();
  unregister_all_hotkeys({}, registrar);
  EXPECT_TRUE(registrar.calls.empty());
}

}  // namespace
}  // namespace vantrel::actions
