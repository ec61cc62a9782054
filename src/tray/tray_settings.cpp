#include "tray/tray_settings.h"

namespace vantrel::tray {

void apply_animate(TTrayIcon& icon, bool animate) {
  icon.set_cycle_icons(animate);
  if (!animate) icon.set_icon_index(kStillFrame);
}

void apply_tray_options(TTrayIcon& icon, const TrayOptions& options) {
  // Against the user's wish, not the icon lent for a trip to the tray: a
  // settings change while the window is in the tray must not take away
  // the only way back.
  if (options.visible != icon.icon_wanted()) icon.set_icon_visible(options.visible);
  if (options.animate != icon.cycle_icons()) apply_animate(icon, options.animate);
  icon.set_minimize_to_tray(options.minimize_to_tray);
}

}  // namespace vantrel::tray
