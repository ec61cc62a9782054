#include "actions/registration.h"

#include <gtest/gtest.h>

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
  return HotkeyRow{alt, ctrl, shift, std::move(key), "x.exe", id, checked, 34};
}

TEST(Registration, StartupRegistersEnabledRowsAndDisablesFailures) {
  FakeRegistrar registrar;
  registrar.taken.insert({3, 'X'});
  std::vector<HotkeyRow> rows{
      row(1, "N", true, true, false, true),     row(2, "N", true, true, false, true),
      row(3, "X", true, true, false, true),     row(4, "F1", false, false, false, true),
      row(5, "", true, true, false, true),      row(6, "Up", true, false, true, false),
      row(7, "num 5", false, true, false, true)};
  register_enabled_hotkeys(rows, registrar);
  std::vector<bool> enabled;
  for (const HotkeyRow& r : rows) enabled.push_back(r.checked);
  EXPECT_EQ(enabled, (std::vector<bool>{true, false, false, true, false, false, true}));
  EXPECT_EQ(registrar.calls,
            (std::vector<std::string>{"register 1 3 78", "register 2 3 78", "register 3 3 88",
                                      "register 4 0 112", "register 7 2 101"}));
}

TEST(Registration, ReregisterFindsTheFirstEnabledConflict) {
  FakeRegistrar registrar;
  std::vector<HotkeyRow> rows{row(1, "A", true, false, false, false), row(2, "B", true, true, false, true),
                              row(3, "B", true, true, false, true), row(4, "B", true, true, false, true)};
  const ReregisterResult result = reregister_hotkey(rows, 3, registrar);
  EXPECT_FALSE(result.may_continue);
  EXPECT_EQ(result.message, "HotKey exists on ID 2 ! Choose another one!");
  EXPECT_FALSE(rows[3].checked);
  EXPECT_TRUE(registrar.calls.empty()) << "the old registration stays";

  // A disabled row with the same combination is no conflict; nor is one
  // with other modifiers.
  std::vector<HotkeyRow> free{row(1, "B", true, true, false, false), row(2, "B", true, false, false, true),
                              row(3, "B", true, true, false, true)};
  EXPECT_TRUE(reregister_hotkey(free, 2, registrar).may_continue);
  EXPECT_EQ(registrar.calls, (std::vector<std::string>{"unregister 3", "register 3 3 66"}));
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
  std::vector<HotkeyRow> rows{row(1, "A", true, true, false, true), row(2, "B", true, true, false, true),
                              row(3, "C", true, true, false, true)};
  register_enabled_hotkeys(rows, registrar);
  rows[0].checked = false;
  EXPECT_FALSE(apply_enabled_state(rows, 0, registrar).message);
  EXPECT_FALSE(registrar.holds(1));
  delete_row(rows, 1, registrar);
  EXPECT_FALSE(registrar.holds(2));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].id, 3) << "no identifier is renumbered";
  EXPECT_TRUE(registrar.holds(3));

  rows[0].checked = true;
  EXPECT_FALSE(apply_enabled_state(rows, 0, registrar).message);
  EXPECT_TRUE(registrar.holds(1));
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
