#include "audio/sound_system_win32.h"

#include "audio/mixer_driver_choice_win32.h"

namespace vantrel::audio {

void SoundSystem::prepare() {
  if (functions_) return;
  driver_ = choose_mixer_driver(instance_);
  mixer_ = std::make_unique<TAudioMixer>(*driver_);
  if (const int device = settings_.mixer_device(); device != mixer_->mixer_id()) mixer_->set_mixer_id(device);
  functions_ = std::make_unique<VolumeFunctions>(*mixer_, settings_);
}

VolumeFunctions& SoundSystem::functions() {
  prepare();
  return *functions_;
}

}  // namespace vantrel::audio
