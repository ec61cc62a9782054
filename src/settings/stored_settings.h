#pragma once

#include <functional>
#include <optional>
#include <string>

#include "inifile/profile_storage.h"
#include "settings/options_rules.h"
#include "settings/settings_effects.h"
#include "settings/settings_model.h"
#include "settings/settings_store.h"

namespace vantrel::app {

// The settings the program runs on: the model kept in Settings.ini, and
// what the rest of the program reads from it. Loading and a user's change
// go through the same apply step, so a value read from the file and the
// same value chosen in the Options window act alike.
class StoredSettings : public settings::SettingsStore {
 public:
  StoredSettings(settings::ProfileStorage& storage, std::string path, ScreenSize screen);

  void load() override;
  std::optional<std::string> save() override;
  bool show_logo() const override { return model_.logo; }
  bool show_volume_progress() const override { return model_.volume_show; }
  const osd::DisplaySettings& display() const override { return display_; }
  void reset_volume_step() override { volume_step_ = audio::kDefaultVolumeStep; }
  audio::LineSelection selected_line() const override { return {volume_for_, model_.volume - 1}; }
  double volume_step() const override { return volume_step_; }
  int mixer_device() const override { return model_.mixer; }
  bool tray_visible() const override { return model_.tray_visible; }
  bool tray_animate() const override { return model_.tray_animate; }
  bool minimize_to_tray() const override { return model_.minimize_to_tray; }
  bool easy_move() const override { return model_.easy_move; }
  void set_properties_panel(bool shown) override;

  const SettingsModel& model() const { return model_; }
  const std::string& path() const { return path_; }
  // Where the settings act beyond the display and the volume functions; set
  // once the windows exist. Every later load or change runs its steps.
  void set_effects(SettingsEffects* effects) { effects_ = effects; }
  // A change made by the user in the Options window: in force at once,
  // written at the next save. The fields' typing rule holds (the window
  // applies the leaving rule when the field loses the focus); only the
  // effects whose settings differ run.
  void change(const SettingsModel& model);
  // "Default": every setting back to its default and applied as a load
  // applies it, and the autorun entry made to match the default, since the
  // user asked for it; the file is left alone until the next save.
  void reset_to_defaults();
  // The user ticked or cleared "Autorun with Windows": the entry is written
  // or removed and the choice kept for the file. Nothing else touches the
  // entry; a change() whose autorun differs comes here too.
  void set_autorun(bool on);
  // What the box shows: whether the entry is there (an installer, or the
  // user through another copy, may have set it), not what the file holds.
  bool autorun_present() const { return effects_ ? effects_->autorun_present() : model_.autorun; }
  // The positions checked against the screen once more, as start-up does
  // after loading (the screen may have changed since they were stored).
  void reapply_positions() override;

  // Two choices of the Options window that are never stored: "Show On
  // Screen Display (OSD)" and "Volume for" (the mixer's destination line).
  void set_show_osd(bool on) { display_.osd_enabled = on; }
  void set_volume_for(int destination) { volume_for_ = destination; }

  // Told after every load and change, so that the Options window shows
  // what is in force (an autorun that failed unchecks its box).
  std::function<void()> on_model_changed;

 private:
  void take_loaded(SettingsModel model);
  // The five numeric fields as their typing rule leaves them.
  void check_as_typed();
  void apply_values();

  settings::ProfileStorage& storage_;
  std::string path_;
  ScreenSize screen_;
  SettingsModel model_;
  osd::DisplaySettings display_;
  double volume_step_ = audio::kDefaultVolumeStep;
  int volume_for_ = 0;
  SettingsEffects* effects_ = nullptr;
  bool autorun_failure_told_ = false;
};

}  // namespace vantrel::app
