#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tray/application_window.h"

namespace vantrel::tray {

// The shell's notification message for our icon; the mouse message that
// caused it comes in the last parameter.
inline constexpr unsigned kCallbackMessage = 0x0800;
// The identifier of our one icon among the window's icons.
inline constexpr unsigned kIconIdentifier = 1;

// The mouse messages the shell forwards (the window system's own numbers).
enum MouseMessage : unsigned {
  kMouseMove = 0x0200,
  kLeftButtonDown = 0x0201,
  kLeftButtonUp = 0x0202,
  kLeftButtonDoubleClick = 0x0203,
  kRightButtonDown = 0x0204,
  kRightButtonUp = 0x0205,
  kRightButtonDoubleClick = 0x0206,
  kMiddleButtonDown = 0x0207,
  kMiddleButtonUp = 0x0208,
  kMiddleButtonDoubleClick = 0x0209,
};

enum class MouseButton { left, right, middle };

// The keys held while a mouse event happened, and for button events the
// button.
struct ShiftState {
  bool shift = false;
  bool alt = false;
  bool ctrl = false;
  std::optional<MouseButton> button;
  bool operator==(const ShiftState&) const = default;
};

// What the notification area shows for our icon: the frame last copied
// into the icon (none before the first copy) and the tip, empty for none.
struct IconData {
  std::optional<int> frame;
  std::string tip;
  bool operator==(const IconData&) const = default;
};

// A notification balloon over the icon: a warning with a title and text
// (lines separated by "\n").
struct Balloon {
  std::string title;
  std::string text;
  bool operator==(const Balloon&) const = default;
};

struct TrayMenuItem {
  std::string caption;
  // The item a double click on the icon chooses.
  bool is_default = false;
  std::function<void()> on_click;
};

// A popup menu as the icon sees it: its top-level items, and whether it
// opens by itself on a click of the icon.
struct TrayMenu {
  std::vector<TrayMenuItem> items;
  bool auto_popup = true;
};

// The item a double click chooses: the first one with the default mark.
std::optional<std::size_t> default_item(const std::vector<TrayMenuItem>& items);

// What only the system can do for the icon.
class TrayShell {
 public:
  virtual ~TrayShell() = default;
  // Each returns whether the shell accepted.
  virtual bool add_icon(const IconData& icon) = 0;
  virtual bool delete_icon(const IconData& icon) = 0;
  virtual bool modify_icon(const IconData& icon) = 0;
  virtual bool show_balloon(const IconData& icon, const Balloon& balloon) = 0;
  // 0 stops the animation's timer; anything else (re)starts it.
  virtual void set_cycle_timer(unsigned interval) = 0;
  virtual void set_add_retry_timer(bool running) = 0;
  // Null when the cursor cannot be read (another desktop has the input).
  virtual std::optional<Point> cursor_position() = 0;
  virtual ShiftState key_state() = 0;
  // Opens the menu at a screen point so that it closes on a click elsewhere.
  virtual void show_menu(const TrayMenu& menu, Point at) = 0;
  virtual void hide_application() = 0;
};

}  // namespace vantrel::tray
