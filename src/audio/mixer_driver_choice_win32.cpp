#include "audio/mixer_driver_choice_win32.h"

#include "audio/endpoint_driver_win32.h"
#include "audio/winmm_driver_win32.h"

namespace vantrel::audio {

std::unique_ptr<MixerDriver> choose_mixer_driver(HINSTANCE instance) {
  auto endpoints = EndpointMixerDriver::usable_endpoints();
  if (!endpoints.empty()) return std::make_unique<EndpointMixerDriver>(std::move(endpoints));
  return std::make_unique<WinmmMixerDriver>(instance);
}

}  // namespace vantrel::audio
