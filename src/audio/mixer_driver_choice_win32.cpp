#include "audio/mixer_driver_choice_win32.h"

#include <wrl/client.h>

#include "audio/endpoint_driver_win32.h"
#include "audio/winmm_driver_win32.h"

namespace vantrel::audio {

std::unique_ptr<MixerDriver> choose_mixer_driver(HINSTANCE instance) {
  Microsoft::WRL::ComPtr<IMMDeviceEnumerator> enumerator;
  if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, IID_PPV_ARGS(&enumerator))))
    enumerator.Reset();
  return choose_mixer_driver(instance, enumerator.Get());
}

std::unique_ptr<MixerDriver> choose_mixer_driver(HINSTANCE instance, IMMDeviceEnumerator* enumerator) {
  if (enumerator) {
    auto endpoints = EndpointMixerDriver::usable_endpoints(*enumerator);
    if (!endpoints.empty()) return std::make_unique<EndpointMixerDriver>(std::move(endpoints));
  }
  return std::make_unique<WinmmMixerDriver>(instance);
}

}  // namespace vantrel::audio
