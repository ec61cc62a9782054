#pragma once

#include <windows.h>

#include <memory>

#include "audio/mixer_driver.h"

namespace vantrel::audio {

// Core Audio's endpoints where they take volume changes (Windows Vista and
// later), otherwise the winmm mixers. Needs COM on the calling thread.
std::unique_ptr<MixerDriver> choose_mixer_driver(HINSTANCE instance);

}  // namespace vantrel::audio
