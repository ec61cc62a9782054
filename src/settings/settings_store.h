#pragma once

#include <optional>
#include <string>

#include "audio/volume_functions.h"
#include "osd/display_settings.h"

namespace vantrel::settings {

// The settings as start-up and exit see them. The Options window will be
// their live store; until it exists the program runs on the defaults.
class SettingsStore : public audio::VolumeSettings {
 public:
  virtual ~SettingsStore() = default;
  virtual void load() = 0;
  // Writes the settings file; returns why it failed.
  virtual std::optional<std::string> save() = 0;
  virtual bool show_logo() const = 0;
  virtual bool show_volume_progress() const = 0;
  virtual const osd::DisplaySettings& display() const = 0;
  // The start-up tick puts the step back to 1 % before loading settings.
  virtual void reset_volume_step() = 0;
  // Start-up checks the stored positions against the screen once more.
  virtual void reapply_positions() {}
  // The tray icon's "Visible" and "Animate", and "Minimize to Tray".
  virtual bool tray_visible() const = 0;
  virtual bool tray_animate() const = 0;
  virtual bool minimize_to_tray() const = 0;
  // "Easy Window Move": dragging the main window by its body, not only by
  // its title strip. On unless a store says otherwise.
  virtual bool easy_move() const { return true; }
  // The "Properties panel" mark, which holds the "Properties" setting: the
  // store keeps what the menu shows, for the next save.
  virtual void set_properties_panel(bool) {}
};

// Every setting at its default. Reads and writes no file, so a settings
// file left by another build is neither used nor overwritten.
class DefaultSettings : public SettingsStore {
 public:
  explicit DefaultSettings(int screen_height) : display_(osd::default_display_settings(screen_height)) {}
  void load() override {}
  std::optional<std::string> save() override { return std::nullopt; }
  bool show_logo() const override { return true; }
  bool show_volume_progress() const override { return true; }
  const osd::DisplaySettings& display() const override { return display_; }
  void reset_volume_step() override { volume_step_ = audio::kDefaultVolumeStep; }
  audio::LineSelection selected_line() const override { return {}; }
  double volume_step() const override { return volume_step_; }
  bool tray_visible() const override { return true; }
  bool tray_animate() const override { return true; }
  bool minimize_to_tray() const override { return false; }

 private:
  osd::DisplaySettings display_;
  double volume_step_ = audio::kDefaultVolumeStep;
};

}  // namespace vantrel::settings
