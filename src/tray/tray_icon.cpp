#include "tray/tray_icon.h"

#include <utility>
#include <vector>

namespace vantrel::tray {
namespace {

constexpr std::size_t kTipCharacters = 63;
constexpr std::size_t kBalloonTextCharacters = 255;

bool is_continuation_byte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

std::size_t character_count(std::string_view text) {
  std::size_t characters = 0;
  for (char byte : text) {
    if (!is_continuation_byte(byte)) ++characters;
  }
  return characters;
}

std::string cut_characters(std::string_view text, std::size_t limit) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (is_continuation_byte(text[i])) continue;
    if (characters == limit) return std::string(text.substr(0, i));
    ++characters;
  }
  return std::string(text);
}

}  // namespace

std::string cut_tip(std::string_view hint) {
  return cut_characters(hint, kTipCharacters);
}

Balloon cut_balloon(const Balloon& balloon) {
  Balloon cut{cut_characters(balloon.title, kTipCharacters), balloon.text};
  if (character_count(balloon.text) <= kBalloonTextCharacters) return cut;
  std::vector<std::string_view> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = balloon.text.find('\n', start);
    lines.push_back(
        std::string_view(balloon.text).substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  // As many whole lines as leave room for the count of the rest; a first
  // line too long for that is cut instead.
  for (std::size_t kept = lines.size() - 1; kept > 0; --kept) {
    std::string text;
    for (std::size_t i = 0; i < kept; ++i) text.append(lines[i]).append("\n");
    text += "and " + std::to_string(lines.size() - kept) + " more";
    if (character_count(text) <= kBalloonTextCharacters) {
      cut.text = std::move(text);
      return cut;
    }
  }
  cut.text = cut_characters(balloon.text, kBalloonTextCharacters);
  return cut;
}

std::optional<std::size_t> default_item(const std::vector<TrayMenuItem>& items) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].is_default) return i;
  }
  return std::nullopt;
}

void TTrayIcon::set_icon_list(std::optional<int> frame_count) {
  frame_count_ = frame_count;
  set_icon_index(0);
}

void TTrayIcon::set_icon_index(int index) {
  if (frame_count_ && *frame_count_ > 0) {
    if (index >= *frame_count_) index = *frame_count_ - 1;
    // There is no frame before the first either.
    if (index < 0) index = 0;
    icon_index_ = index;
    icon_frame_ = index;
  } else {
    icon_index_ = 0;
  }
  update_icon();
}

void TTrayIcon::set_cycle_icons(bool cycle) {
  cycle_icons_ = cycle;
  if (cycle) set_icon_index(0);
  apply_cycle_timer();
}

void TTrayIcon::set_cycle_interval(unsigned interval) {
  cycle_interval_ = interval;
  apply_cycle_timer();
}

void TTrayIcon::apply_cycle_timer() {
  shell_.set_cycle_timer(cycle_icons_ ? cycle_interval_ : 0);
}

void TTrayIcon::set_hint(std::string hint) {
  hint_ = std::move(hint);
  update_icon();
}

void TTrayIcon::set_show_hint(bool show) {
  show_hint_ = show;
  update_icon();
}

void TTrayIcon::set_icon_visible(bool visible) {
  lent_for_tray_ = false;
  if (visible) {
    add_icon();
  } else {
    remove_icon();
  }
}

void TTrayIcon::loaded() {
  if (start_minimized_) shell_.hide_application();
  update_icon();
  set_icon_visible(icon_visible_);
}

IconData TTrayIcon::icon_data() const {
  return {icon_frame_, show_hint_ ? cut_tip(hint_) : std::string()};
}

bool TTrayIcon::add_icon() {
  icon_visible_ = true;
  if (try_add()) {
    stop_retrying();
    return true;
  }
  // The shell refuses while it is not ready yet (at log-on); it will be
  // asked again a few times before the icon is given up.
  retries_left_ = kAddRetries;
  shell_.set_add_retry_timer(true);
  return false;
}

bool TTrayIcon::try_add() {
  const IconData data = icon_data();
  // A refused add of an icon that is already there (an add that timed out
  // but went through) is no failure: the icon is just brought up to date.
  added_ = shell_.add_icon(data) || shell_.modify_icon(data);
  if (added_) show_waiting_balloon();
  return added_;
}

void TTrayIcon::show_balloon(Balloon balloon) {
  waiting_balloon_ = cut_balloon(balloon);
  if (icon_visible_ && added_) show_waiting_balloon();
}

void TTrayIcon::show_waiting_balloon() {
  if (!waiting_balloon_) return;
  // Once asked, it is done: a balloon the shell refuses is not worth a
  // second try at some later, unrelated moment.
  const Balloon balloon = std::move(*waiting_balloon_);
  waiting_balloon_.reset();
  shell_.show_balloon(icon_data(), balloon);
}

void TTrayIcon::retry_add() {
  if (retries_left_ == 0) return;
  if (try_add() || --retries_left_ == 0) stop_retrying();
}

void TTrayIcon::stop_retrying() {
  retries_left_ = 0;
  shell_.set_add_retry_timer(false);
}

bool TTrayIcon::remove_icon() {
  icon_visible_ = false;
  added_ = false;
  stop_retrying();
  return shell_.delete_icon(icon_data());
}

bool TTrayIcon::update_icon() {
  // Refused while the icon is not in the notification area; that is normal.
  return shell_.modify_icon(icon_data());
}

void TTrayIcon::taskbar_created() {
  if (icon_visible_) add_icon();
}

void TTrayIcon::go_to_tray() {
  const bool lent = !icon_wanted();
  shell_.hide_application();
  set_icon_visible(true);
  lent_for_tray_ = lent;
}

void TTrayIcon::application_shown() {
  if (!lent_for_tray_) return;
  set_icon_visible(false);
}

void TTrayIcon::application_minimized() {
  if (minimize_to_tray_) go_to_tray();
}

void TTrayIcon::advance_frame() {
  if (!frame_count_) return;
  icon_frame_ = icon_index_;
  const int next = icon_index_ < *frame_count_ - 1 ? icon_index_ + 1 : 0;
  if (on_cycle) on_cycle(next);
  update_icon();
  set_icon_index(next);
}

void TTrayIcon::show_tray_menu() {
  if (!popup_menu_ || !popup_menu_->auto_popup) return;
  if (const auto at = shell_.cursor_position()) shell_.show_menu(*popup_menu_, *at);
}

Point TTrayIcon::cursor() {
  return shell_.cursor_position().value_or(Point{0, 0});
}

ShiftState TTrayIcon::shift_with(MouseButton button) {
  ShiftState state = shell_.key_state();
  state.button = button;
  return state;
}

void TTrayIcon::mouse_down(MouseButton button) {
  if (on_mouse_down) on_mouse_down(button, shift_with(button), cursor());
}

void TTrayIcon::mouse_up(MouseButton button) {
  if (on_mouse_up) on_mouse_up(button, shift_with(button), cursor());
}

void TTrayIcon::notification(unsigned mouse_message) {
  if (!enabled_) return;
  switch (mouse_message) {
    case kMouseMove:
      if (on_mouse_move) on_mouse_move(shell_.key_state(), cursor());
      break;
    case kLeftButtonDown:
      mouse_down(MouseButton::left);
      left_button_down_ = true;
      if (left_popup_) show_tray_menu();
      break;
    case kLeftButtonUp:
      // Only the release that ends a press on the icon is a click, so the
      // release after a double click is none.
      if (left_button_down_) {
        left_button_down_ = false;
        if (on_click) on_click();
      }
      mouse_up(MouseButton::left);
      break;
    case kLeftButtonDoubleClick:
      if (on_dbl_click) on_dbl_click();
      if (popup_menu_ && popup_menu_->auto_popup && !left_popup_) {
        if (const auto item = default_item(popup_menu_->items)) {
          // A copy: the item's handler may change the menu.
          const auto handler = popup_menu_->items[*item].on_click;
          if (handler) handler();
        }
      }
      break;
    case kRightButtonDown:
      mouse_down(MouseButton::right);
      show_tray_menu();
      break;
    case kRightButtonUp:
      mouse_up(MouseButton::right);
      break;
    case kMiddleButtonDown:
      mouse_down(MouseButton::middle);
      break;
    case kMiddleButtonUp:
      mouse_up(MouseButton::middle);
      break;
    default:
      break;
  }
}

}  // namespace vantrel::tray
