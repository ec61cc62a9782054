#pragma once

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
// writing it back in one step.
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
  VolumeReading current();
  void write(double left, double right, int mute);

  TAudioMixer& mixer_;
  const VolumeSettings& settings_;
  bool mixer_busy_ = false;
};

}  // namespace vantrel::audio
