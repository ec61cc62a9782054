#pragma once

#include <windows.h>

#include <memory>

#include "audio/audio_mixer.h"
#include "audio/mixer_driver.h"
#include "audio/volume_functions.h"

namespace vantrel::audio {

// The mixer and the volume functions, set up on first use or when the
// program asks (just after start-up), so that opening the sound devices
// never delays the first window.
class SoundSystem : public VolumeControl {
 public:
  SoundSystem(HINSTANCE instance, const VolumeSettings& settings)
      : instance_(instance), settings_(settings) {}

  void prepare();
  void raise() override { functions().raise(); }
  void lower() override { functions().lower(); }
  Levels read() override { return functions().read(); }
  bool toggle_mute() override { return functions().toggle_mute(); }

  // The one mixer and its driver, shared with the Options window's "Sound"
  // page; opened on first use.
  TAudioMixer& mixer() {
    prepare();
    return *mixer_;
  }
  MixerDriver& driver() {
    prepare();
    return *driver_;
  }

 private:
  VolumeFunctions& functions();

  HINSTANCE instance_;
  const VolumeSettings& settings_;
  std::unique_ptr<MixerDriver> driver_;
  std::unique_ptr<TAudioMixer> mixer_;
  std::unique_ptr<VolumeFunctions> functions_;
};

}  // namespace vantrel::audio
