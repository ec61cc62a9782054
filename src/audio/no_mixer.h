#pragma once

#include "audio/volume_control.h"

namespace vantrel::audio {

// A system without a mixer device: there is nothing to change, and the
// levels read as not found.
class NoMixer : public VolumeControl {
 public:
  void raise() override {}
  void lower() override {}
  Levels read() override { return {}; }
  bool toggle_mute() override { return false; }
};

}  // namespace vantrel::audio
