#pragma once

#include <optional>
#include <string>

#include "app/options_rules.h"
#include "app/settings_model.h"
#include "app/settings_store.h"
#include "settings/profile_storage.h"

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
  audio::LineSelection selected_line() const override { return {0, model_.volume - 1}; }
  double volume_step() const override { return volume_step_; }
  int mixer_device() const override { return model_.mixer; }
  bool tray_visible() const override { return model_.tray_visible; }
  bool tray_animate() const override { return model_.tray_animate; }
  bool minimize_to_tray() const override { return model_.minimize_to_tray; }

  const SettingsModel& model() const { return model_; }
  // A change made by the user (or the "Default" button): in force at once,
  // written at the next save.
  void change(const SettingsModel& model);
  // The positions checked against the screen once more, as start-up does
  // after loading (the screen may have changed since they were stored).
  void reapply_positions();

 private:
  void apply();

  settings::ProfileStorage& storage_;
  std::string path_;
  ScreenSize screen_;
  SettingsModel model_;
  osd::DisplaySettings display_;
  double volume_step_ = audio::kDefaultVolumeStep;
};

}  // namespace vantrel::app
