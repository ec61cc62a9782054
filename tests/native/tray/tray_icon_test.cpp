#include "tray/tray_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tray/tray_settings.h"

namespace vantrel::tray {
namespace {

std::string frame_text(const IconData& icon) {
  return icon.frame ? std::to_string(*icon.frame) : "none";
}

// Writes down every request the icon makes of the system, in order.
class FakeShell : public TrayShell {
 public:
  std::vector<std::string> log;
  bool accept_add = true;
  bool accept_modify = true;
  bool cursor_readable = true;
  ShiftState keys;
  IconData last_shown;
  unsigned cycle_timer = 0;
  bool retry_timer = false;

  bool add_icon(const IconData& icon) override {
    log.push_back("add " + frame_text(icon) + " '" + icon.tip + "'");
    if (accept_add) last_shown = icon;
    return accept_add;
  }
  bool delete_icon(const IconData&) override {
    log.push_back("delete");
    return true;
  }
  bool modify_icon(const IconData& icon) override {
    log.push_back("modify " + frame_text(icon));
    if (accept_modify) last_shown = icon;
    return accept_modify;
  }
  void set_cycle_timer(unsigned interval) override { cycle_timer = interval; }
  void set_add_retry_timer(bool running) override { retry_timer = running; }
  std::optional<Point> cursor_position() override {
    if (!cursor_readable) return std::nullopt;
    return Point{300, 740};
  }
  ShiftState key_state() override { return keys; }
  void show_menu(const TrayMenu& menu, Point at) override {
    log.push_back("menu of " + std::to_string(menu.items.size()) + " at " + std::to_string(at.x) + "," +
                  std::to_string(at.y));
  }
  void hide_application() override { log.push_back("hide application"); }
  bool show_balloon(const IconData& icon, const Balloon& balloon) override {
    log.push_back("balloon on " + frame_text(icon) + " '" + balloon.title + "' '" + balloon.text + "'");
    return true;
  }

  void clear() { log.clear(); }
};

const char* button_name(MouseButton button) {
  switch (button) {
    case MouseButton::left:
      return "left";
    case MouseButton::right:
      return "right";
    case MouseButton::middle:
      return "middle";
  }
  return "?";
}

// The icon as the main window sets it up, with every event written into
// the shell's log so that events and system requests show in one order.
class TrayIconTest : public ::testing::Test {
 protected:
  TrayIconTest() {
    menu.items = {{"Show", true, [this] { shell.log.push_back("Show"); }},
                  {"Exit", false, [this] { shell.log.push_back("Exit"); }}};
    icon.on_click = [this] { shell.log.push_back("click"); };
    icon.on_dbl_click = [this] { shell.log.push_back("dblclick"); };
    icon.on_mouse_down = [this](MouseButton button, const ShiftState&, Point) {
      shell.log.push_back(std::string("down ") + button_name(button));
    };
    icon.on_mouse_up = [this](MouseButton button, const ShiftState&, Point) {
      shell.log.push_back(std::string("up ") + button_name(button));
    };
    icon.on_mouse_move = [this](const ShiftState&, Point) { shell.log.push_back("move"); };
    icon.set_icon_list(8);
    icon.set_cycle_interval(1500);
    icon.set_cycle_icons(true);
    icon.set_hint("Vantrel");
    icon.set_show_hint(true);
    icon.set_popup_menu(&menu);
    icon.loaded();
    shell.clear();
  }

  std::vector<std::string> events_for(const std::vector<unsigned>& messages) {
    shell.clear();
    for (const unsigned message : messages) icon.notification(message);
    return shell.log;
  }

  FakeShell shell;
  TrayMenu menu;
  TTrayIcon icon{shell};
};

using Events = std::vector<std::string>;

TEST_F(TrayIconTest, MouseNotificationsBecomeEvents) {
  const struct {
    const char* name;
    std::vector<unsigned> messages;
    Events events;
  } cases[] = {
      {"click", {kLeftButtonDown, kLeftButtonUp}, {"down left", "click", "up left"}},
      {"double click",
       {kLeftButtonDown, kLeftButtonUp, kLeftButtonDoubleClick, kLeftButtonUp},
       {"down left", "click", "up left", "dblclick", "Show", "up left"}},
      {"release without a press", {kLeftButtonUp}, {"up left"}},
      {"two clicks",
       {kLeftButtonDown, kLeftButtonUp, kLeftButtonDown, kLeftButtonUp},
       {"down left", "click", "up left", "down left", "click", "up left"}},
      {"right button",
       {kRightButtonDown, kRightButtonUp},
       {"down right", "menu of 2 at 300,740", "up right"}},
      {"middle button", {kMiddleButtonDown, kMiddleButtonUp}, {"down middle", "up middle"}},
      {"move", {kMouseMove}, {"move"}},
      {"other double clicks and messages",
       {kRightButtonDoubleClick, kMiddleButtonDoubleClick, 0x020A, 0x0400},
       {}},
  };
  for (const auto& c : cases) EXPECT_EQ(events_for(c.messages), c.events) << c.name;
}

TEST_F(TrayIconTest, LeftPopupOpensTheMenuOnTheLeftButtonAndLeavesTheDefaultItem) {
  icon.set_left_popup(true);
  EXPECT_EQ(events_for({kLeftButtonDown, kLeftButtonUp, kLeftButtonDoubleClick, kLeftButtonUp}),
            (Events{"down left", "menu of 2 at 300,740", "click", "up left", "dblclick", "up left"}));
}

TEST_F(TrayIconTest, DisabledIconIgnoresEveryNotification) {
  icon.set_enabled(false);
  for (unsigned message = kMouseMove; message <= kMiddleButtonDoubleClick; ++message) {
    EXPECT_EQ(events_for({message}), Events{}) << message;
  }
  // A press seen while disabled leaves no flag behind for a later release.
  icon.notification(kLeftButtonDown);
  icon.set_enabled(true);
  EXPECT_EQ(events_for({kLeftButtonUp}), Events{"up left"});
}

TEST_F(TrayIconTest, MenuOnlyWhenItCanOpen) {
  menu.auto_popup = false;
  EXPECT_EQ(events_for({kRightButtonDown, kLeftButtonDoubleClick}), (Events{"down right", "dblclick"}));
  menu.auto_popup = true;
  shell.cursor_readable = false;
  EXPECT_EQ(events_for({kRightButtonDown}), Events{"down right"});
  icon.set_popup_menu(nullptr);
  shell.cursor_readable = true;
  EXPECT_EQ(events_for({kRightButtonDown, kLeftButtonDoubleClick}), (Events{"down right", "dblclick"}));
}

TEST_F(TrayIconTest, DoubleClickChoosesTheFirstDefaultItem) {
  menu.items = {{"A", false, [this] { shell.log.push_back("A"); }},
                {"B", true, [this] { shell.log.push_back("B"); }},
                {"C", true, [this] { shell.log.push_back("C"); }}};
  EXPECT_EQ(events_for({kLeftButtonDoubleClick}), (Events{"dblclick", "B"}));
  menu.items[1].is_default = false;
  EXPECT_EQ(events_for({kLeftButtonDoubleClick}), (Events{"dblclick", "C"}));
  menu.items[2].is_default = false;
  EXPECT_EQ(events_for({kLeftButtonDoubleClick}), Events{"dblclick"});
}

TEST_F(TrayIconTest, EventsCarryKeysButtonAndCursor) {
  shell.keys = {true, false, true, std::nullopt};
  ShiftState down_state;
  ShiftState move_state;
  Point down_at{};
  icon.on_mouse_down = [&](MouseButton, const ShiftState& state, Point at) {
    down_state = state;
    down_at = at;
  };
  icon.on_mouse_move = [&](const ShiftState& state, Point) { move_state = state; };
  icon.notification(kMiddleButtonDown);
  icon.notification(kMouseMove);
  EXPECT_EQ(down_state, (ShiftState{true, false, true, MouseButton::middle}));
  EXPECT_EQ(down_at, (Point{300, 740}));
  EXPECT_EQ(move_state, (ShiftState{true, false, true, std::nullopt}));
}

TEST_F(TrayIconTest, AnimationStepsThroughEveryFrameAndWraps) {
  std::vector<int> next_indexes;
  icon.on_cycle = [&](int next) { next_indexes.push_back(next); };
  std::vector<int> shown;
  for (int tick = 0; tick < 9; ++tick) {
    icon.advance_frame();
    shown.push_back(*shell.last_shown.frame);
  }
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1}));
  EXPECT_EQ(next_indexes, shown);
  EXPECT_EQ(icon.icon_index(), 1);
}

TEST_F(TrayIconTest, IconIndexIsClampedToTheList) {
  icon.set_icon_index(9);
  EXPECT_EQ(icon.icon_index(), 7);
  EXPECT_EQ(shell.last_shown.frame, 7);
  icon.set_icon_index(-2);
  EXPECT_EQ(icon.icon_index(), 0);
  EXPECT_EQ(shell.last_shown.frame, 0);
  icon.set_icon_index(3);
  EXPECT_EQ(shell.last_shown.frame, 3);
}

TEST_F(TrayIconTest, WithoutAListTheIndexIsZeroAndTheIconStays) {
  icon.set_icon_index(5);
  icon.set_icon_list(std::nullopt);
  EXPECT_EQ(icon.icon_index(), 0);
  EXPECT_EQ(shell.last_shown.frame, 5);
  icon.set_icon_index(2);
  EXPECT_EQ(icon.icon_index(), 0);
  EXPECT_EQ(shell.last_shown.frame, 5);
  shell.clear();
  icon.advance_frame();
  EXPECT_EQ(shell.log, Events{});
}

TEST_F(TrayIconTest, SwitchingCycleIconsOnRestartsAtTheFirstFrame) {
  EXPECT_EQ(shell.cycle_timer, 1500u);
  icon.advance_frame();
  icon.advance_frame();
  icon.set_cycle_icons(false);
  EXPECT_EQ(shell.cycle_timer, 0u);
  EXPECT_EQ(icon.icon_index(), 2);
  icon.set_cycle_icons(true);
  EXPECT_EQ(icon.icon_index(), 0);
  EXPECT_EQ(shell.last_shown.frame, 0);
  EXPECT_EQ(shell.cycle_timer, 1500u);
  icon.set_cycle_interval(0);
  EXPECT_EQ(shell.cycle_timer, 0u) << "an interval of 0 never fires";
}

TEST_F(TrayIconTest, AnimateOffShowsTheStillFrameAndOnRestarts) {
  icon.advance_frame();
  apply_animate(icon, false);
  EXPECT_EQ(shell.cycle_timer, 0u);
  EXPECT_EQ(shell.last_shown.frame, kStillFrame);
  apply_animate(icon, true);
  EXPECT_EQ(shell.cycle_timer, 1500u);
  EXPECT_EQ(shell.last_shown.frame, 0);
}

TEST_F(TrayIconTest, SettingsActOnlyWhereTheyDiffer) {
  const struct {
    const char* name;
    TrayOptions options;
    Events requests;
    unsigned timer;
    int frame;
  } cases[] = {
      {"the defaults change nothing", {}, {}, 1500, 2},
      {"animate off", {true, false, false}, {"modify 4"}, 0, 4},
      {"visible off", {false, true, false}, {"delete"}, 1500, 2},
      {"both off", {false, false, false}, {"delete", "modify 4"}, 0, 4},
  };
  for (const auto& c : cases) {
    FakeShell fresh;
    TTrayIcon running(fresh);
    running.set_icon_list(8);
    running.set_cycle_interval(1500);
    running.set_cycle_icons(true);
    running.loaded();
    running.advance_frame();
    running.advance_frame();
    fresh.clear();
    apply_tray_options(running, c.options);
    EXPECT_EQ(fresh.log, c.requests) << c.name;
    EXPECT_EQ(fresh.cycle_timer, c.timer) << c.name;
    EXPECT_EQ(running.icon_index(), c.frame) << c.name;
    EXPECT_FALSE(running.minimize_to_tray()) << c.name;
  }
  apply_tray_options(icon, {true, true, true});
  EXPECT_TRUE(icon.minimize_to_tray());
  apply_tray_options(icon, {true, false, true});
  apply_tray_options(icon, {true, true, true});
  EXPECT_EQ(shell.last_shown.frame, 0) << "animation switched on again starts at frame 0";
  EXPECT_EQ(shell.cycle_timer, 1500u);
}

TEST(TrayTip, IsCutToSixtyThreeCharacters) {
  const std::string sixty_two(62, 'a');
  const struct {
    std::string hint;
    std::string tip;
  } cases[] = {
      {"Vantrel", "Vantrel"},
      {"", ""},
      {sixty_two + "b", sixty_two + "b"},
      {sixty_two + "bc", sixty_two + "b"},
      {std::string(200, 'x'), std::string(63, 'x')},
      // Characters, not bytes: "é" is two bytes, the clef four.
      {sixty_two + "\xC3\xA9" + "z", sixty_two + "\xC3\xA9"},
      {sixty_two + "\xF0\x9D\x84\x9E" + "z", sixty_two + "\xF0\x9D\x84\x9E"},
      {std::string(20, 'a') + std::string(50, '\xC3'), std::string(20, 'a') + std::string(43, '\xC3')},
  };
  for (const auto& c : cases) EXPECT_EQ(cut_tip(c.hint), c.tip) << c.hint;
}

TEST_F(TrayIconTest, TipFollowsHintAndShowHint) {
  icon.set_hint(std::string(80, 'h'));
  EXPECT_EQ(shell.last_shown.tip, std::string(63, 'h'));
  icon.set_show_hint(false);
  EXPECT_EQ(shell.last_shown.tip, "");
}

TEST_F(TrayIconTest, RefusedAddIsRetriedAFewTimes) {
  icon.remove_icon();
  shell.accept_add = false;
  shell.accept_modify = false;
  EXPECT_FALSE(icon.add_icon());
  EXPECT_TRUE(shell.retry_timer);
  int adds = 0;
  for (int tick = 0; tick < kAddRetries + 3; ++tick) {
    shell.clear();
    icon.retry_add();
    if (!shell.log.empty()) ++adds;
  }
  EXPECT_EQ(adds, kAddRetries);
  EXPECT_FALSE(shell.retry_timer);
}

TEST_F(TrayIconTest, RetryingStopsOnceTheShellTakesTheIcon) {
  icon.remove_icon();
  shell.accept_add = false;
  shell.accept_modify = false;
  icon.advance_frame();  // frame 1, tip "Vantrel"
  icon.add_icon();
  icon.retry_add();
  shell.accept_add = true;
  shell.clear();
  icon.retry_add();
  EXPECT_EQ(shell.log, Events{"add 1 'Vantrel'"});
  EXPECT_FALSE(shell.retry_timer);
  shell.clear();
  icon.retry_add();
  EXPECT_EQ(shell.log, Events{});
}

TEST_F(TrayIconTest, AddOfAnIconAlreadyThereIsNotRetried) {
  shell.accept_add = false;
  EXPECT_TRUE(icon.add_icon());
  EXPECT_FALSE(shell.retry_timer);
}

TEST_F(TrayIconTest, RemovingTheIconEndsTheRetries) {
  shell.accept_add = false;
  shell.accept_modify = false;
  icon.add_icon();
  icon.remove_icon();
  EXPECT_FALSE(shell.retry_timer);
  shell.clear();
  icon.retry_add();
  EXPECT_EQ(shell.log, Events{});
}

TEST_F(TrayIconTest, NewTaskbarGetsTheIconBackWithItsFrameAndTip) {
  icon.advance_frame();
  icon.advance_frame();
  shell.clear();
  icon.taskbar_created();
  EXPECT_EQ(shell.log, Events{"add 2 'Vantrel'"});
  icon.remove_icon();
  shell.clear();
  icon.taskbar_created();
  EXPECT_EQ(shell.log, Events{}) << "an icon switched off stays away";
}

TEST_F(TrayIconTest, MinimizeGoesToTheTrayOnlyWhenAskedTo) {
  icon.application_minimized();
  EXPECT_EQ(shell.log, Events{});
  icon.set_minimize_to_tray(true);
  icon.remove_icon();
  shell.clear();
  icon.application_minimized();
  EXPECT_EQ(shell.log, (Events{"hide application", "add 0 'Vantrel'"}))
      << "the icon comes even when it was switched off";
  EXPECT_TRUE(icon.icon_visible());
}

// The icon the user switched off is only lent for the trip to the tray; an
// icon they want stays. A settings change meanwhile keeps the way back.
TEST_F(TrayIconTest, AnIconSwitchedOffGoesAgainOnceTheWindowIsBack) {
  icon.set_minimize_to_tray(true);
  icon.application_shown();
  EXPECT_TRUE(icon.icon_visible()) << "an icon the user wants is no loan";

  apply_tray_options(icon, {false, true, true});
  shell.clear();
  icon.application_minimized();
  EXPECT_FALSE(icon.icon_wanted());
  apply_tray_options(icon, {false, false, true});
  EXPECT_TRUE(icon.icon_visible()) << "still the way back while the window is in the tray";
  icon.application_shown();
  EXPECT_EQ(shell.log, (Events{"hide application", "add 0 'Vantrel'", "modify 4", "delete"}));
  EXPECT_FALSE(icon.icon_visible());
  shell.clear();
  icon.application_shown();
  EXPECT_EQ(shell.log, Events{}) << "returned once";

  // "Visible" ticked while in the tray: the icon is the user's again.
  icon.application_minimized();
  apply_tray_options(icon, {true, false, true});
  shell.clear();
  icon.application_shown();
  EXPECT_EQ(shell.log, Events{});
  EXPECT_TRUE(icon.icon_wanted());
}

TEST(TrayIconStart, StartMinimizedHidesTheApplicationThenAddsTheIcon) {
  FakeShell shell;
  TTrayIcon icon(shell);
  icon.set_icon_list(8);
  icon.set_hint("Vantrel");
  icon.set_show_hint(true);
  icon.set_start_minimized(true);
  shell.clear();
  icon.loaded();
  EXPECT_EQ(shell.log, (Events{"hide application", "modify 0", "add 0 'Vantrel'"}));

  FakeShell hidden_shell;
  TTrayIcon hidden(hidden_shell);
  hidden.set_icon_visible(false);
  hidden_shell.clear();
  hidden.loaded();
  EXPECT_EQ(hidden_shell.log, (Events{"modify none", "delete"}));
}

// Start-up's balloon: at once over an icon the shell holds, else kept for
// the moment the icon is added, and shown only once.
TEST_F(TrayIconTest, BalloonShowsOverTheIconOrWaitsForIt) {
  icon.show_balloon({"Vantrel", "Alt+Ctrl+E (C:\\) is used by another program"});
  EXPECT_EQ(shell.log, (Events{"balloon on 0 'Vantrel' 'Alt+Ctrl+E (C:\\) is used by another program'"}));
  EXPECT_FALSE(icon.balloon_waiting());

  // The icon is off: nothing shows until it comes back, then the newest.
  icon.remove_icon();
  shell.clear();
  icon.show_balloon({"Vantrel", "first"});
  icon.show_balloon({"Vantrel", "second"});
  EXPECT_EQ(shell.log, Events{});
  EXPECT_TRUE(icon.balloon_waiting());
  icon.add_icon();
  EXPECT_EQ(shell.log, (Events{"add 0 'Vantrel'", "balloon on 0 'Vantrel' 'second'"}));
  shell.clear();
  icon.remove_icon();
  icon.add_icon();
  EXPECT_EQ(shell.log, (Events{"delete", "add 0 'Vantrel'"})) << "shown once only";

  // A shell that refuses the icon: the balloon waits for a retry that
  // succeeds.
  icon.remove_icon();
  shell.accept_add = false;
  shell.accept_modify = false;
  icon.add_icon();
  shell.clear();
  icon.show_balloon({"Vantrel", "late"});
  EXPECT_EQ(shell.log, Events{});
  shell.accept_add = true;
  icon.retry_add();
  EXPECT_EQ(shell.log, (Events{"add 0 'Vantrel'", "balloon on 0 'Vantrel' 'late'"}));
}

TEST(TrayBalloon, LongTextLosesWholeLinesAndSaysHowMany) {
  const std::string line40(39, 'x');  // with its line break, 40 characters
  const auto lines = [&](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? "\n" : "") + line40;
    return text;
  };
  const struct {
    std::string text;
    std::string cut;
  } cases[] = {
      {lines(6), lines(6)},                   // 239 characters: whole
      {lines(7), lines(6) + "\nand 1 more"},  // 279 characters
      {lines(13), lines(6) + "\nand 7 more"},
      {std::string(300, 'y'), std::string(255, 'y')},  // one line: cut
      {std::string(255, 'y'), std::string(255, 'y')},
  };
  for (const auto& c : cases) {
    const Balloon cut = cut_balloon({"t", c.text});
    EXPECT_EQ(cut.text, c.cut) << c.text.size();
    EXPECT_LE(cut.text.size(), 255u);
  }
  // Characters, not bytes: 200 two-byte letters fit.
  const std::string letters = [] {
    std::string text;
    for (int i = 0; i < 200; ++i) text += "\xC3\xA9";
    return text;
  }();
  EXPECT_EQ(cut_balloon({"t", letters}).text, letters);
  EXPECT_EQ(cut_balloon({std::string(70, 'T'), "x"}).title, std::string(63, 'T'));
}

}  // namespace
}  // namespace vantrel::tray
