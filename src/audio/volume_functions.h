#pragma once

#include <optional>

#include "audio/audio_mixer.h"
#include "audio/volume_control.h"

namespace vantrel::audio {

// The mixer line the volume functions act on: destination d and its source
// s (-1: the destination itself).
struct LineSelection {
  int destination = 0;
  int source = -1;
};

inline constexpr double kDefaultVolumeStep = 655.35;

// The step in mixer units for an item of the step list ("0,1" ... "20" per
// cent); the default step for an index outside it.
double volume_step_for_index(int index);

// Where the functions get the line and the step at each call.
class VolumeSettings {
 public:
  virtual ~VolumeSettings() = default;
  virtual LineSelection selected_line() const = 0;
  virtual double volume_step() const = 0;
  // The mixer device to open; one that is not there leaves device 0.
  virtual int mixer_device() const { return 0; }
};

// Raise, lower and mute on the selected line, reading the state afresh and
// writing it back in one step. The levels are kept in the model's own units
// between steps: a device holds whole units (some keep them coarser still),
// so stepping from the rounded value it reports would lose part of a unit
// at every press: 0.465 at each 0,1 % step, 500 presses down from 100 %
// ending at 49.64 % instead of 50 %. While the device still reports what
// the last write left there, the next step starts from the exact level
// written; a level that anything else changed is read afresh.
class VolumeFunctions : public VolumeControl {
 public:
  VolumeFunctions(TAudioMixer& mixer, const VolumeSettings& settings) : mixer_(mixer), settings_(settings) {}

  void raise() override;
  void lower() override;
  Levels read() override;
  bool toggle_mute() override;

  // True while a write is under way (the Options window's mute box ignores
  // clicks then).
  bool mixer_busy() const { return mixer_busy_; }

 private:
  struct Exact {
    VolumeReading reading;
    Levels levels;  // the reading's levels, or the exact ones last written
  };
  Exact current();
  void write(double left, double right, int mute);

  // What the last write left on the device: its line, the levels the
  // device reported right after, and the exact levels meant.
  struct Written {
    LineSelection line;
    int device_left = 0;
    int device_right = 0;
    Levels exact;
  };
  std::optional<Written> written_;

  TAudioMixer& mixer_;
  const VolumeSettings& settings_;
  bool mixer_busy_ = false;
};

}  // namespace vantrel::audio
