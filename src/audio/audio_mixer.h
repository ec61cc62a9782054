#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "audio/mixer_driver.h"

namespace vantrel::audio {

// An owning list whose Get answers null outside its range.
template <typename T>
class TPointerList {
 public:
  int add(std::unique_ptr<T> item) {
    items_.push_back(std::move(item));
    return static_cast<int>(items_.size()) - 1;
  }
  T* get(int index) const {
    return index < 0 || index >= count() ? nullptr : items_[static_cast<std::size_t>(index)].get();
  }
  int count() const { return static_cast<int>(items_.size()); }
  void clear() { items_.clear(); }

 private:
  std::vector<std::unique_ptr<T>> items_;
};

// The controls of one line; empty when the query failed.
class TMixerControls {
 public:
  TMixerControls(MixerDriver& driver, MixerHandle handle, const MixerLine& line);
  const MixerControl* get(int index) const;
  int count() const { return static_cast<int>(controls_.size()); }

 private:
  std::vector<MixerControl> controls_;
};

struct TMixerConnection {
  MixerLine line;
  TMixerControls controls;
};

// The source lines of one destination; a source whose query failed is left
// out, so positions can differ from the system's source numbers.
class TMixerConnections {
 public:
  TMixerConnections(MixerDriver& driver, MixerHandle handle, const MixerLine& destination);
  TMixerConnection* get(int index) const { return list_.get(index); }
  int count() const { return list_.count(); }

 private:
  TPointerList<TMixerConnection> list_;
};

struct TMixerDestination {
  MixerLine line;
  TMixerConnections connections;
  TMixerControls controls;
};

class TMixerDestinations {
 public:
  TMixerDestinations() = default;  // no mixer: empty
  TMixerDestinations(MixerDriver& driver, MixerHandle handle, const MixerCaps& caps);
  TMixerDestination* get(int index) const { return list_.get(index); }
  int count() const { return list_.count(); }

 private:
  TPointerList<TMixerDestination> list_;
};

// What ReadVolume reports; -1 is "not found".
struct VolumeReading {
  int left = -1;
  int right = -1;
  int mute = -1;
  bool stereo = false;
  bool volume_disabled = true;
  bool mute_disabled = true;
  bool mute_is_select = false;
};

// One of the system's mixers, opened, with a snapshot of its lines and
// controls. Levels and mute states are read and written on the device at
// each call; the tree only says which lines and controls exist.
class TAudioMixer {
 public:
  explicit TAudioMixer(MixerDriver& driver);
  ~TAudioMixer();
  TAudioMixer(const TAudioMixer&) = delete;
  TAudioMixer& operator=(const TAudioMixer&) = delete;

  // Opens device id and rebuilds the tree; an id outside the devices
  // changes nothing.
  void set_mixer_id(int id);
  void close_mixer();

  // The line is destination d, or its source s (s = -1: the destination
  // itself). False when there is no such line.
  bool read_volume(int d, int s, VolumeReading& reading);
  // -1 in left leaves the level, -1 in right means left, -1 in mute leaves
  // the mute state alone. False when there is no such line.
  bool write_volume(int d, int s, int left, int right, int mute);

  int mixer_id() const { return mixer_id_; }
  unsigned device_count() const { return device_count_; }
  const TMixerDestinations* destinations() const { return destinations_.get(); }
  std::uint32_t driver_version() const { return driver_version_; }
  std::uint16_t product_id() const { return product_id_; }
  int number_of_line() const { return number_of_line_; }
  const std::string& manufacturer() const { return manufacturer_; }
  const std::string& product_name() const { return product_name_; }

  using TMixerChange = std::function<void(TAudioMixer& sender, int mixer_h, int id)>;
  TMixerChange on_line_change;
  TMixerChange on_control_change;

  // The callback window's messages; true when it was a mixer notification.
  bool mixer_wnd_proc(unsigned message, std::uintptr_t wparam, std::uintptr_t lparam);

 private:
  const MixerLine* line_at(int d, int s, TMixerDestination*& destination,
                           const TMixerControls*& controls) const;

  MixerDriver& driver_;
  std::unique_ptr<TMixerDestinations> destinations_;
  unsigned device_count_ = 0;
  MixerHandle handle_ = 0;
  int mixer_id_ = -1;
  MixerCaps caps_;
  std::uint32_t driver_version_ = 0;
  std::string manufacturer_;
  std::uint16_t product_id_ = 0;
  int number_of_line_ = 0;
  std::string product_name_;
};

// A text field of a mixer record, up to its first zero character.
std::string record_text(const char* field, std::size_t size);

}  // namespace vantrel::audio
