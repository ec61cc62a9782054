#include "settings/settings_effects.h"

#include <iterator>

#include "settings/options_rules.h"

namespace vantrel::app {

WindowLayers window_layers(bool transparent, int alpha) {
  const AlphaLook look = alpha_look(alpha);
  return {transparent, look.blending, look.opacity};
}

std::string_view colour_scheme_name(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kColourSchemeItems))) return {};
  return kColourSchemeItems[index];
}

void run_settings_effects(const SettingsModel* previous, const SettingsModel& current,
                          SettingsEffects& effects) {
  // Whether a step runs: always on a load, else when its settings changed.
  const auto differs = [&](auto field) { return !previous || previous->*field != current.*field; };

  if (differs(&SettingsModel::transparent) || differs(&SettingsModel::alpha))
    effects.set_window_layers(window_layers(current.transparent, current.alpha));
  if (differs(&SettingsModel::properties)) effects.set_properties_panel(current.properties);
  if (differs(&SettingsModel::check_boxes) || differs(&SettingsModel::grid_lines))
    effects.set_list_look(current.check_boxes, current.grid_lines);
  // "Minimize to Tray" goes with the icon's two settings: the icon is what
  // it changes.
  if (differs(&SettingsModel::minimize_to_tray) || differs(&SettingsModel::tray_visible) ||
      differs(&SettingsModel::tray_animate))
    effects.set_tray({current.tray_visible, current.tray_animate, current.minimize_to_tray});
  if (differs(&SettingsModel::colour_scheme))
    effects.ComboBoxColorSchemeChange(colour_scheme_name(current.colour_scheme));
  if (differs(&SettingsModel::quality)) effects.ComboBoxQualityChange(current.quality);
}

bool set_autorun_entry(bool on, SettingsEffects& effects, bool& told) {
  if (const auto failure = effects.set_autorun(on)) {
    // A half-made entry is taken away again.
    if (on) effects.set_autorun(false);
    if (!told) {
      told = true;
      effects.tell_autorun_failure(*failure);
    }
  }
  return effects.autorun_present();
}

}  // namespace vantrel::app
