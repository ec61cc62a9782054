#include "settings/stored_settings.h"

namespace vantrel::app {

StoredSettings::StoredSettings(settings::ProfileStorage& storage, std::string path, ScreenSize screen)
    : storage_(storage), path_(std::move(path)), screen_(screen) {
  take_loaded(default_settings(screen.height));
}

void StoredSettings::load() {
  take_loaded(read_settings(settings::load_document(storage_, path_, is_whole_settings_file).document,
                            screen_.height));
}

void StoredSettings::set_properties_panel(bool shown) {
  SettingsModel model = model_;
  model.properties = shown;
  change(model);
}

void StoredSettings::reset_to_defaults() {
  take_loaded(default_settings(screen_.height));
  if (effects_ && effects_->autorun_present() != model_.autorun) set_autorun(model_.autorun);
}

void StoredSettings::set_autorun(bool on) {
  model_.autorun = on;
  if (effects_ && !set_autorun_entry(on, *effects_, autorun_failure_told_) && on) model_.autorun = false;
  if (on_model_changed) on_model_changed();
}

std::optional<std::string> StoredSettings::save() {
  return settings::save_document(
      storage_, path_, [this](settings::IniDocument& document) { write_settings(model_, document); },
      is_whole_settings_file);
}

void StoredSettings::change(const SettingsModel& model) {
  const SettingsModel previous = model_;
  model_ = model;
  check_as_typed();
  apply_values();
  if (effects_) run_settings_effects(&previous, model_, *effects_);
  if (model_.autorun != previous.autorun) return set_autorun(model_.autorun);
  if (on_model_changed) on_model_changed();
}

void StoredSettings::reapply_positions() {
  check_as_typed();
  apply_values();
  if (on_model_changed) on_model_changed();
}

void StoredSettings::check_as_typed() {
  for (auto [field, text] :
       {std::pair{EditField::progress_height, &model_.progress_height},
        std::pair{EditField::progress_x, &model_.progress_x},
        std::pair{EditField::progress_y, &model_.progress_y}, std::pair{EditField::osd_x, &model_.osd_x},
        std::pair{EditField::osd_y, &model_.osd_y}}) {
    *text = field_changed(field, *text, screen_).text;
  }
}

void StoredSettings::take_loaded(SettingsModel model) {
  model_ = std::move(model);
  // Every field is held to what the Options window lets a user type, as
  // typing and then leaving the field would: a hand-edited X=-100 would
  // put the text off the screen.
  for (auto [field, text] :
       {std::pair{EditField::progress_height, &model_.progress_height},
        std::pair{EditField::progress_x, &model_.progress_x},
        std::pair{EditField::progress_y, &model_.progress_y}, std::pair{EditField::osd_x, &model_.osd_x},
        std::pair{EditField::osd_y, &model_.osd_y}}) {
    *text = field_left(field, field_changed(field, *text, screen_).text, screen_);
  }
  apply_values();
  if (effects_) run_settings_effects(nullptr, model_, *effects_);
  if (on_model_changed) on_model_changed();
}

void StoredSettings::apply_values() {
  display_.text_x = model_.osd_x;
  display_.text_y = model_.osd_y;
  display_.text_font = {model_.osd_font.name, model_.osd_font.points, model_.osd_font.colour};
  display_.visible_ms = visible_time_ms(model_.visible_time);
  display_.show_on = static_cast<osd::ShowOn>(model_.osd_show_on);
  display_.bar_x = model_.progress_x;
  display_.bar_y = model_.progress_y;
  display_.bar_height = model_.progress_height;
  display_.border = model_.border + 2;
  display_.border_colour = model_.border_colour;
  display_.progress_colour = model_.progress_colour;
  display_.figure_font = {model_.text_font.name, model_.text_font.points, model_.text_font.colour};
  display_.decimals = model_.decimals;
  volume_step_ = audio::volume_step_for_index(model_.step);
}

}  // namespace vantrel::app
