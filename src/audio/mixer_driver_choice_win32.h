#pragma once

#include <windows.h>
#include <mmdeviceapi.h>

#include <memory>

#include "audio/mixer_driver.h"

namespace vantrel::audio {

// Core Audio's endpoints where they answer (Windows Vista and later), the
// default one first; otherwise the winmm mixers. Needs COM on the calling
// thread.
std::unique_ptr<MixerDriver> choose_mixer_driver(HINSTANCE instance);
// The same with the system's endpoints seen through `enumerator`; none
// (null) means winmm.
std::unique_ptr<MixerDriver> choose_mixer_driver(HINSTANCE instance, IMMDeviceEnumerator* enumerator);

}  // namespace vantrel::audio
