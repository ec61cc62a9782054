#include "options/sound_page.h"

#include <set>

namespace vantrel::app {
namespace {

bool within(int index, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) < count;
}

}  // namespace

std::vector<std::string> distinct_names(std::vector<std::string> names) {
  const std::set<std::string> given(names.begin(), names.end());
  std::set<std::string> taken;
  for (std::string& name : names) {
    if (taken.insert(name).second) continue;
    for (int count = 2;; ++count) {
      std::string numbered = name + " (" + std::to_string(count) + ")";
      // A later item may bear that very name itself.
      if (!given.contains(numbered) && taken.insert(numbered).second) {
        name = std::move(numbered);
        break;
      }
    }
  }
  return names;
}

SoundPage::SoundPage(audio::MixerDriver& driver, audio::TAudioMixer& mixer)
    : driver_(driver), mixer_(mixer) {}

void SoundPage::FormCreate() {
  state_.mixers.clear();
  for (unsigned id = 0; id < mixer_.device_count(); ++id) {
    audio::MixerCaps caps;
    driver_.get_dev_caps(id, caps);
    state_.mixers.push_back(audio::record_text(caps.szPname, sizeof caps.szPname));
  }
  state_.mixers = distinct_names(std::move(state_.mixers));
  state_.mixer = state_.mixers.empty() ? -1 : 0;
  ComboBoxMixerChange();
}

std::pair<int, int> SoundPage::select_stored(int mixer, int volume) {
  if (state_.detached) return {0, 0};
  state_.mixer = within(mixer, mixer_.device_count()) ? mixer : 0;
  ComboBoxMixerChange();
  state_.volume = within(volume, state_.volumes.size()) ? volume : (state_.volumes.empty() ? -1 : 0);
  ComboBoxVolumeChange();
  return {state_.mixer, state_.volume < 0 ? 0 : state_.volume};
}

void SoundPage::choose_mixer(int index) {
  if (state_.detached) return;
  state_.mixer = index;
  ComboBoxMixerChange();
}

void SoundPage::choose_destination(int index) {
  if (state_.detached) return;
  state_.destination = index;
  ComboBoxVolumeForChange();
}

void SoundPage::choose_volume(int index) {
  if (state_.detached) return;
  state_.volume = index;
  ComboBoxVolumeChange();
}

void SoundPage::move_track_bar(int position) {
  if (state_.detached) return;
  state_.track_position = position;
  TrackBarChange();
}

void SoundPage::click_box(bool checked) {
  if (state_.detached) return;
  state_.box_checked = checked;
  CheckBoxClick();
}

bool SoundPage::refresh(bool keep_level) {
  if (state_.detached || state_.volume < 0) return false;
  audio::VolumeReading reading;
  const audio::LineSelection selected = line();
  mixer_.read_volume(selected.destination, selected.source, reading);
  SoundPageState read = state_;
  read.track_visible = !reading.volume_disabled;
  if (read.track_visible && !keep_level) read.track_position = reading.left;
  read.box_visible = !reading.mute_disabled;
  if (read.box_visible) read.box_checked = reading.mute != 0;
  if (read.track_visible == state_.track_visible && read.track_position == state_.track_position &&
      read.box_visible == state_.box_visible && read.box_checked == state_.box_checked)
    return false;
  state_ = std::move(read);
  mixer_busy_ = true;
  shown();
  mixer_busy_ = false;
  return true;
}

void SoundPage::ComboBoxMixerChange() {
  if (within(state_.mixer, mixer_.device_count())) mixer_.set_mixer_id(state_.mixer);
  state_.volume_for.clear();
  state_.destination = -1;
  if (mixer_.device_count() < 1) {
    state_ = SoundPageState{};
    state_.mixers = {std::string(kNoMixerItem)};
    state_.mixer = 0;
    state_.detached = true;
  } else if (const audio::TMixerDestinations* destinations = mixer_.destinations()) {
    for (int d = 0; d < destinations->count(); ++d) {
      const audio::MixerLine& line = destinations->get(d)->line;
      state_.volume_for.push_back(audio::record_text(line.szName, sizeof line.szName));
    }
    state_.volume_for = distinct_names(std::move(state_.volume_for));
  }
  if (!state_.volume_for.empty()) {
    state_.destination = 0;
    ComboBoxVolumeForChange();
  } else {
    state_.volumes.clear();
    state_.volume = -1;
  }
  mixer_busy_ = false;
  shown();
}

void SoundPage::ComboBoxVolumeForChange() {
  state_.volumes.clear();
  state_.volume = -1;
  const audio::TMixerDestinations* destinations = mixer_.destinations();
  if (const audio::TMixerDestination* destination =
          destinations ? destinations->get(state_.destination) : nullptr) {
    state_.volumes.push_back(audio::record_text(destination->line.szName, sizeof destination->line.szName));
    for (int s = 0; s < destination->connections.count(); ++s) {
      const audio::MixerLine& line = destination->connections.get(s)->line;
      state_.volumes.push_back(audio::record_text(line.szName, sizeof line.szName));
    }
    state_.volumes = distinct_names(std::move(state_.volumes));
  }
  if (!state_.volumes.empty()) {
    state_.volume = 0;
    ComboBoxVolumeChange();
  }
  shown();
}

void SoundPage::ComboBoxVolumeChange() {
  audio::VolumeReading reading;
  const audio::LineSelection selected = line();
  mixer_.read_volume(selected.destination, selected.source, reading);
  mixer_busy_ = true;
  state_.track_visible = !reading.volume_disabled;
  if (state_.track_visible) state_.track_position = reading.left;
  state_.box_visible = !reading.mute_disabled;
  if (state_.box_visible) state_.box_checked = reading.mute != 0;
  // The controls take the new state while MixerBusy holds: a box whose
  // state changes from code raises its click, which must write nothing.
  shown();
  mixer_busy_ = false;
}

void SoundPage::TrackBarChange() {
  mixer_busy_ = true;
  write_line();
  mixer_busy_ = false;
}

void SoundPage::CheckBoxClick() {
  if (mixer_busy_) return;
  TrackBarChange();
}

void SoundPage::write_line() {
  const audio::LineSelection selected = line();
  mixer_.write_volume(selected.destination, selected.source, state_.track_position, state_.track_position,
                      state_.box_checked ? 1 : 0);
}

void SoundPage::shown() {
  if (on_shown) on_shown();
}

}  // namespace vantrel::app
