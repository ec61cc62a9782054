#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_model.h"

namespace vantrel::app {

// The main window's layered look: colour-key transparency ("Trasparent
// Window") and alpha blending ("Alpha Blend/Opacity"). The window is layered
// while either is on.
struct WindowLayers {
  bool colour_key = false;
  bool blending = false;
  int opacity = 255;  // 0..255, what the alpha slider gives even when blending is off

  bool layered() const { return colour_key || blending; }
  bool operator==(const WindowLayers&) const = default;
};
WindowLayers window_layers(bool transparent, int alpha);

// The tray settings as the icon takes them.
struct TrayLook {
  bool visible = true;
  bool animate = true;
  bool minimize_to_tray = false;

  bool operator==(const TrayLook&) const = default;
};

// What the settings change outside the values the display and the volume
// functions read on their own: windows, the tray icon, the registry. The
// running program implements it; a load and a user's change reach it through
// the same steps (run_settings_effects), so the two never drift apart.
class SettingsEffects {
 public:
  virtual ~SettingsEffects() = default;
  virtual void set_window_layers(const WindowLayers& layers) = 0;
  virtual void set_properties_panel(bool shown) = 0;
  virtual void set_list_look(bool check_boxes, bool grid_lines) = 0;
  virtual void set_tray(const TrayLook& tray) = 0;
  // Writes or removes the autorun entry; returns why it failed. Only a
  // user's choice calls it: loading settings never touches the entry, which
  // an installer or the user may have set on their own.
  virtual std::optional<std::string> set_autorun(bool on) = 0;
  virtual void tell_autorun_failure(const std::string& reason) = 0;
  // Whether an entry starting this very program is there.
  virtual bool autorun_present() const = 0;
  // ComboBoxColorSchemeChange: the scheme list's text, empty when the
  // stored index names no scheme.
  virtual void ComboBoxColorSchemeChange(std::string_view scheme_name) = 0;
  // ComboBoxQualityChange: the quality list's index, as stored.
  virtual void ComboBoxQualityChange(int quality) = 0;
};

// The scheme list's items, in the order their indices are stored.
inline constexpr std::string_view kColourSchemeItems[] = {"_System (beta)", "Black", "Blue",   "Green",
                                                          "Purple",         "Red",   "Silver", "Yellow"};
// The scheme list's text for a stored index: empty outside the list.
std::string_view colour_scheme_name(int index);

// Runs the effects in the settings file's order. Without a previous model
// (a load, or "Default") every one runs, as loading runs every handler;
// after a user's change only those whose settings differ. The autorun entry
// is not among them: it follows the user's choices only (set_autorun_entry).
void run_settings_effects(const SettingsModel* previous, const SettingsModel& current,
                          SettingsEffects& effects);

// The user's choice of "Autorun with Windows": writes or removes the entry
// and answers whether it is there afterwards. A failed write removes what it
// may have left and is told once per run (`told` remembers it).
bool set_autorun_entry(bool on, SettingsEffects& effects, bool& told);

}  // namespace vantrel::app
