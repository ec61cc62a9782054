#include "audio/audio_mixer.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace vantrel::audio {
namespace {

bool has(std::uint32_t flags, std::uint32_t flag) {
  return (flags & flag) != 0;
}

std::uint32_t channels_for(const MixerControl& control, const MixerLine& line) {
  return has(control.fdwControl, kControlUniform) ? 1 : line.cChannels;
}

std::uint32_t items_for(const MixerControl& control) {
  return has(control.fdwControl, kControlMultiple) ? control.cMultipleItems : 0;
}

// Values for channels x items entries, sized from the control.
std::vector<std::uint32_t> value_buffer(std::uint32_t channels, std::uint32_t items) {
  return std::vector<std::uint32_t>(
      std::max<std::size_t>(1, std::size_t{channels} * std::max<std::uint32_t>(1, items)));
}

// The first item of a list control that stands for the source line: every
// channel-th entry, from the last channel's, below the item count.
std::optional<std::uint32_t> find_item(const std::vector<MixerListText>& texts, std::uint32_t channels,
                                       std::uint32_t items, std::uint32_t line_id) {
  for (std::uint32_t k = channels - 1; k < items && k < texts.size(); k += channels) {
    if (texts[k].dwParam1 == line_id) return k;
  }
  return std::nullopt;
}

}  // namespace

std::string record_text(const char* field, std::size_t size) {
  return std::string(field, strnlen(field, size));
}

TMixerControls::TMixerControls(MixerDriver& driver, MixerHandle handle, const MixerLine& line) {
  std::vector<MixerControl> controls;
  if (driver.get_line_controls(handle, line.dwLineID, line.cControls, controls) == kNoError) {
    controls.resize(std::min<std::size_t>(controls.size(), line.cControls));
    controls_ = std::move(controls);
  }
}

const MixerControl* TMixerControls::get(int index) const {
  return index < 0 || index >= count() ? nullptr : &controls_[static_cast<std::size_t>(index)];
}

TMixerConnections::TMixerConnections(MixerDriver& driver, MixerHandle handle, const MixerLine& destination) {
  for (std::uint32_t j = 0; j < destination.cConnections; ++j) {
    MixerLine line;
    line.dwDestination = destination.dwDestination;
    line.dwSource = j;
    if (driver.get_line_info(handle, line, kLineInfoSource) != kNoError) continue;
    list_.add(
        std::make_unique<TMixerConnection>(TMixerConnection{line, TMixerControls(driver, handle, line)}));
  }
}

TMixerDestinations::TMixerDestinations(MixerDriver& driver, MixerHandle handle, const MixerCaps& caps) {
  for (std::uint32_t i = 0; i < caps.cDestinations; ++i) {
    MixerLine line;
    line.dwDestination = i;
    if (driver.get_line_info(handle, line, kLineInfoDestination) != kNoError) continue;
    // Connections first, then the controls, as the tree has always been built.
    TMixerConnections connections(driver, handle, line);
    TMixerControls controls(driver, handle, line);
    list_.add(std::make_unique<TMixerDestination>(
        TMixerDestination{line, std::move(connections), std::move(controls)}));
  }
}

TAudioMixer::TAudioMixer(MixerDriver& driver) : driver_(driver) {
  driver_.set_notification_sink([this](unsigned message, std::uintptr_t wparam, std::uintptr_t lparam) {
    mixer_wnd_proc(message, wparam, lparam);
  });
  device_count_ = driver_.get_num_devs();
  if (device_count_ != 0) {
    set_mixer_id(0);
  } else {
    destinations_ = std::make_unique<TMixerDestinations>();
  }
}

TAudioMixer::~TAudioMixer() {
  close_mixer();
  driver_.set_notification_sink({});
}

void TAudioMixer::set_mixer_id(int id) {
  if (id < 0 || static_cast<unsigned>(id) >= device_count_) return;
  close_mixer();
  const auto uid = static_cast<unsigned>(id);
  if (driver_.open(handle_, uid, true) != kNoError && driver_.open(handle_, uid, true) != kNoError &&
      driver_.open(handle_, uid, false) != kNoError) {
    mixer_id_ = -1;
    destinations_ = std::make_unique<TMixerDestinations>();
    return;
  }
  mixer_id_ = id;
  caps_ = MixerCaps{};
  driver_.get_dev_caps(uid, caps_);
  manufacturer_ = caps_.wMid == 1 ? "Microsoft" : std::to_string(caps_.wMid) + " = Unknown";
  driver_version_ = caps_.vDriverVersion;
  product_id_ = caps_.wPid;
  product_name_ = record_text(caps_.szPname, sizeof caps_.szPname);
  number_of_line_ = static_cast<int>(caps_.cDestinations);
  destinations_ = std::make_unique<TMixerDestinations>(driver_, handle_, caps_);
}

void TAudioMixer::close_mixer() {
  if (mixer_id_ >= 0) {
    driver_.close(handle_);
    mixer_id_ = -1;
  }
  destinations_.reset();
}

const MixerLine* TAudioMixer::line_at(int d, int s, TMixerDestination*& destination,
                                      const TMixerControls*& controls) const {
  if (!destinations_) return nullptr;
  destination = destinations_->get(d);
  if (!destination) return nullptr;
  if (s == -1) {
    controls = &destination->controls;
    return &destination->line;
  }
  TMixerConnection* source = destination->connections.get(s);
  if (!source) return nullptr;
  controls = &source->controls;
  return &source->line;
}

bool TAudioMixer::read_volume(int d, int s, VolumeReading& r) {
  if (!destinations_) return false;
  r = VolumeReading{};
  TMixerDestination* destination = nullptr;
  const TMixerControls* controls = nullptr;
  const MixerLine* line = line_at(d, s, destination, controls);
  if (!line) return false;

  for (int i = 0; i < controls->count() && (r.left == -1 || r.mute == -1); ++i) {
    const MixerControl& control = *controls->get(i);
    const bool volume = control.dwControlType == kControlTypeVolume;
    const bool mute = control.dwControlType == kControlTypeMute;
    if ((!volume && !mute) || has(control.fdwControl, kControlMultiple)) continue;
    const std::uint32_t channels = channels_for(control, *line);
    std::vector<std::uint32_t> values = value_buffer(channels, 0);
    MixerControlDetails details{control.dwControlID, channels, 0, values.data(), nullptr};
    if (driver_.get_control_details(handle_, details, kDetailsValue) != kNoError) continue;
    if (volume && r.left == -1) {
      r.volume_disabled = has(control.fdwControl, kControlDisabled);
      r.left = static_cast<int>(values[0]);
      if (channels > 1) {
        r.right = static_cast<int>(values[1]);
        r.stereo = true;
      } else {
        r.right = r.left;
      }
    } else if (mute && r.mute == -1) {
      r.mute_disabled = has(control.fdwControl, kControlDisabled);
      r.mute = values[0] != 0 ? 1 : 0;
    }
  }
  if (r.mute != -1 || s == -1) return true;

  // A source without a mute of its own: its item in the destination's
  // selector says whether it is selected.
  const TMixerControls& selectors = destination->controls;
  for (int i = 0; i < selectors.count() && r.mute == -1; ++i) {
    const MixerControl& control = *selectors.get(i);
    if ((control.dwControlType & kControlClassMask) != kControlClassList) continue;
    const std::uint32_t channels = channels_for(control, destination->line);
    const std::uint32_t items = items_for(control);
    if (channels == 0) continue;
    std::vector<std::uint32_t> values = value_buffer(channels, items);
    MixerControlDetails details{control.dwControlID, channels, items, values.data(), nullptr};
    if (driver_.get_control_details(handle_, details, kDetailsValue) != kNoError) continue;
    std::vector<MixerListText> texts(std::max<std::size_t>(1, std::size_t{channels} * items));
    MixerControlDetails list{control.dwControlID, channels, items, nullptr, texts.data()};
    if (driver_.get_control_details(handle_, list, kDetailsListText) != kNoError) continue;
    if (const auto k = find_item(texts, channels, items, line->dwLineID)) {
      r.mute = static_cast<int>(values[*k]);
      r.mute_disabled = has(control.fdwControl, kControlDisabled);
      r.mute_is_select = true;
      return true;
    }
  }
  return true;
}

bool TAudioMixer::write_volume(int d, int s, int left, int right, int mute) {
  TMixerDestination* destination = nullptr;
  const TMixerControls* controls = nullptr;
  const MixerLine* line = line_at(d, s, destination, controls);
  if (!line) return false;
  bool volume_done = left == -1;
  bool mute_done = mute == -1;

  for (int i = 0; i < controls->count() && !(volume_done && mute_done); ++i) {
    const MixerControl& control = *controls->get(i);
    const bool volume = !volume_done && control.dwControlType == kControlTypeVolume;
    const bool muting = !mute_done && control.dwControlType == kControlTypeMute;
    if ((!volume && !muting) || has(control.fdwControl, kControlMultiple)) continue;
    const std::uint32_t channels = channels_for(control, *line);
    std::vector<std::uint32_t> values = value_buffer(std::max<std::uint32_t>(channels, 2), 0);
    MixerControlDetails details{control.dwControlID, channels, 0, values.data(), nullptr};
    if (volume && channels > 2) {
      // Only the first two channels are set; the others keep their level
      // rather than fall silent.
      driver_.get_control_details(handle_, details, kDetailsValue);
    }
    if (volume) {
      values[0] = static_cast<std::uint32_t>(left);
      values[1] = static_cast<std::uint32_t>(right == -1 ? left : right);
      volume_done = true;
    } else {
      std::fill(values.begin(), values.begin() + channels, static_cast<std::uint32_t>(mute));
      mute_done = true;
    }
    driver_.set_control_details(handle_, details, kSetDetailsValue);
  }
  if (mute_done || s == -1) return true;

  // Only the first MIXER or MUX selector of the destination is tried.
  const TMixerControls& selectors = destination->controls;
  for (int i = 0; i < selectors.count() && !mute_done; ++i) {
    const MixerControl& control = *selectors.get(i);
    const bool mux = control.dwControlType == kControlTypeMux;
    if (!mux && control.dwControlType != kControlTypeMixer) continue;
    mute_done = true;
    const std::uint32_t channels = channels_for(control, destination->line);
    const std::uint32_t items = items_for(control);
    if (channels == 0) continue;
    std::vector<std::uint32_t> values = value_buffer(channels, items);
    MixerControlDetails details{control.dwControlID, channels, items, values.data(), nullptr};
    driver_.get_control_details(handle_, details, kDetailsValue);
    if (mux) std::fill(values.begin(), values.begin() + std::min<std::size_t>(items, values.size()), 0);
    std::vector<MixerListText> texts(std::max<std::size_t>(1, std::size_t{channels} * items));
    MixerControlDetails list{control.dwControlID, channels, items, nullptr, texts.data()};
    driver_.get_control_details(handle_, list, kDetailsListText);
    if (const auto k = find_item(texts, channels, items, line->dwLineID)) {
      values[*k] = static_cast<std::uint32_t>(mute);
      driver_.set_control_details(handle_, details, kSetDetailsValue);
    }
  }
  return true;
}

bool TAudioMixer::mixer_wnd_proc(unsigned message, std::uintptr_t wparam, std::uintptr_t lparam) {
  const TMixerChange* event = message == kLineChangeMessage      ? &on_line_change
                              : message == kControlChangeMessage ? &on_control_change
                                                                 : nullptr;
  if (!event) return false;
  if (*event) (*event)(*this, static_cast<int>(wparam), static_cast<int>(lparam));
  return true;
}

}  // namespace vantrel::audio
