#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "tray/tray_shell.h"

namespace vantrel::tray {

// The tip the shell gets: at most 63 characters, so that it fits the
// shell's 64-character field with its terminator. Cut at whole characters.
std::string cut_tip(std::string_view hint);

// A balloon as the shell takes it: the title at most 63 characters, the
// text at most 255. Text too long loses whole lines from the end, the last
// line left saying how many ("and 3 more").
Balloon cut_balloon(const Balloon& balloon);

// How often a refused NIM_ADD is tried again, one try per retry tick.
inline constexpr int kAddRetries = 5;

// The notification-area icon: frames, tip, animation, the mouse
// notifications and hiding to the tray. The system's side is the shell.
class TTrayIcon {
 public:
  explicit TTrayIcon(TrayShell& shell) : shell_(shell) {}
  TTrayIcon(const TTrayIcon&) = delete;
  TTrayIcon& operator=(const TTrayIcon&) = delete;

  // IconList: how many frames the list has; null for no list. Selects
  // frame 0.
  void set_icon_list(std::optional<int> frame_count);
  // IconIndex: clamped to the list; without a list it is 0 and the icon
  // keeps whatever it showed.
  void set_icon_index(int index);
  int icon_index() const { return icon_index_; }
  // CycleIcons: the animation; switching it on restarts at frame 0.
  void set_cycle_icons(bool cycle);
  bool cycle_icons() const { return cycle_icons_; }
  // CycleInterval in milliseconds; 0 means the timer never fires.
  void set_cycle_interval(unsigned interval);
  void set_hint(std::string hint);
  void set_show_hint(bool show);
  // IconVisible: adds or removes the icon. The user's choice: an icon that
  // was only lent for a trip to the tray stays from now on.
  void set_icon_visible(bool visible);
  bool icon_visible() const { return icon_visible_; }
  // Whether the icon is there by the user's choice, not only as the way
  // back from the tray.
  bool icon_wanted() const { return icon_visible_ && !lent_for_tray_; }
  // Enabled false ignores every mouse notification: no event, no menu.
  void set_enabled(bool enabled) { enabled_ = enabled; }
  void set_popup_menu(const TrayMenu* menu) { popup_menu_ = menu; }
  void set_left_popup(bool left_popup) { left_popup_ = left_popup; }
  void set_start_minimized(bool start_minimized) { start_minimized_ = start_minimized; }
  void set_minimize_to_tray(bool minimize_to_tray) { minimize_to_tray_ = minimize_to_tray; }
  bool minimize_to_tray() const { return minimize_to_tray_; }

  std::function<void()> on_click;
  std::function<void()> on_dbl_click;
  std::function<void(MouseButton, const ShiftState&, Point)> on_mouse_down;
  std::function<void(MouseButton, const ShiftState&, Point)> on_mouse_up;
  std::function<void(const ShiftState&, Point)> on_mouse_move;
  std::function<void(int next_index)> on_cycle;

  // Once the owner has set every property: hides the application when it
  // starts minimized, then shows the icon as IconVisible says.
  void loaded();

  bool add_icon();
  bool remove_icon();
  bool update_icon();
  IconData icon_data() const;
  void show_tray_menu();
  void go_to_tray();
  // Shows the balloon over the icon. While the icon is off (or the shell
  // has not taken it yet) the balloon waits and shows once the icon is
  // added; a newer balloon replaces a waiting one.
  void show_balloon(Balloon balloon);
  bool balloon_waiting() const { return waiting_balloon_.has_value(); }

  // The callback message's mouse message.
  void notification(unsigned mouse_message);
  // The cycle timer's tick.
  void advance_frame();
  // The retry timer's tick after a refused add.
  void retry_add();
  // The shell was started anew with an empty notification area.
  void taskbar_created();
  // The application was minimized.
  void application_minimized();
  // The application's window came back: an icon the user had switched off,
  // added only to give a way back from the tray, goes again.
  void application_shown();

 private:
  bool try_add();
  void show_waiting_balloon();
  void stop_retrying();
  void apply_cycle_timer();
  Point cursor();
  ShiftState shift_with(MouseButton button);
  void mouse_down(MouseButton button);
  void mouse_up(MouseButton button);

  TrayShell& shell_;
  std::optional<int> frame_count_;
  std::optional<int> icon_frame_;
  int icon_index_ = 0;
  bool cycle_icons_ = false;
  unsigned cycle_interval_ = 0;
  std::string hint_;
  bool show_hint_ = false;
  bool icon_visible_ = true;
  // The icon was off when go_to_tray added it.
  bool lent_for_tray_ = false;
  bool enabled_ = true;
  const TrayMenu* popup_menu_ = nullptr;
  bool left_popup_ = false;
  bool start_minimized_ = false;
  bool minimize_to_tray_ = false;
  bool left_button_down_ = false;
  int retries_left_ = 0;
  // Whether the shell holds the icon now.
  bool added_ = false;
  std::optional<Balloon> waiting_balloon_;
};

}  // namespace vantrel::tray
