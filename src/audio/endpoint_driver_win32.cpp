#include "audio/endpoint_driver_win32.h"

// The property key's definition lives in this file.
#include <initguid.h>

#include <functiondiscoverykeys_devpkey.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "win32/text.h"

namespace vantrel::audio {
namespace {

using Microsoft::WRL::ComPtr;

constexpr float kFullScale = 65535.0f;

void copy_name(const std::string& name, char* field, std::size_t size) {
  std::memset(field, 0, size);
  std::memcpy(field, name.data(), std::min(name.size(), size - 1));
}

std::string friendly_name(IMMDevice& device) {
  ComPtr<IPropertyStore> properties;
  if (FAILED(device.OpenPropertyStore(STGM_READ, &properties))) return "Speakers";
  PROPVARIANT value;
  PropVariantInit(&value);
  std::string name = "Speakers";
  if (SUCCEEDED(properties->GetValue(PKEY_Device_FriendlyName, &value)) && value.vt == VT_LPWSTR) {
    name = win32::narrow(value.pwszVal);
  }
  PropVariantClear(&value);
  return name;
}

UINT channel_count(IAudioEndpointVolume& volume) {
  UINT channels = 0;
  return SUCCEEDED(volume.GetChannelCount(&channels)) ? channels : 0;
}

// The endpoint's identifier, to tell the default one among the others.
std::optional<std::wstring> device_id(IMMDevice& device) {
  LPWSTR id = nullptr;
  if (FAILED(device.GetId(&id)) || !id) return std::nullopt;
  std::wstring text(id);
  CoTaskMemFree(id);
  return text;
}

}  // namespace

// Every value the driver reads must answer (the channel count, each
// channel's level, the mute state), and the endpoint must report its volume
// steps, which every endpoint volume of Windows Vista on does. Wine's (as of
// 8.0) answers neither the channel reads nor the step query, so the choice
// falls to winmm there, whose mixers Wine does drive. Nothing is written:
// setting a level, even the one it has, reaches every program that watches
// the endpoint and may round the level. An endpoint that answered all this
// and still refused changes would be taken; the volume hotkeys would then
// change nothing, which is the same as with no usable device at all.
bool EndpointMixerDriver::usable(IAudioEndpointVolume& volume) {
  const UINT channels = channel_count(volume);
  if (channels == 0) return false;
  for (UINT channel = 0; channel < channels; ++channel) {
    float level = 0;
    if (FAILED(volume.GetChannelVolumeLevelScalar(channel, &level))) return false;
  }
  BOOL muted = FALSE;
  UINT step = 0;
  UINT steps = 0;
  return SUCCEEDED(volume.GetMute(&muted)) && SUCCEEDED(volume.GetVolumeStepInfo(&step, &steps));
}

std::vector<EndpointMixerDriver::Endpoint> EndpointMixerDriver::usable_endpoints(
    IMMDeviceEnumerator& enumerator) {
  std::vector<Endpoint> endpoints;
  const auto take = [&endpoints](IMMDevice& device) {
    ComPtr<IAudioEndpointVolume> volume;
    if (FAILED(device.Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr, &volume)) || !volume ||
        !usable(*volume.Get()))
      return;
    endpoints.push_back({friendly_name(device), volume});
  };

  ComPtr<IMMDevice> default_device;
  std::optional<std::wstring> default_id;
  if (SUCCEEDED(enumerator.GetDefaultAudioEndpoint(eRender, eConsole, &default_device)) && default_device) {
    default_id = device_id(*default_device.Get());
    take(*default_device.Get());
  }
  ComPtr<IMMDeviceCollection> devices;
  if (FAILED(enumerator.EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &devices)) || !devices)
    return endpoints;
  UINT count = 0;
  if (FAILED(devices->GetCount(&count))) return endpoints;
  for (UINT i = 0; i < count; ++i) {
    ComPtr<IMMDevice> device;
    if (FAILED(devices->Item(i, &device)) || !device) continue;
    if (default_id && device_id(*device.Get()) == default_id) continue;
    take(*device.Get());
  }
  return endpoints;
}

EndpointMixerDriver::Endpoint* EndpointMixerDriver::endpoint(MixerHandle handle) {
  return handle == 0 || handle > endpoints_.size() ? nullptr : &endpoints_[handle - 1];
}

MmResult EndpointMixerDriver::open(MixerHandle& handle, unsigned id, bool) {
  if (id >= endpoints_.size()) return kError;
  handle = id + 1;
  return kNoError;
}

MmResult EndpointMixerDriver::get_dev_caps(unsigned id, MixerCaps& caps) {
  if (id >= endpoints_.size()) return kError;
  caps = MixerCaps{};
  caps.wMid = 1;
  copy_name(endpoints_[id].name, caps.szPname, sizeof caps.szPname);
  caps.cDestinations = 1;
  return kNoError;
}

MmResult EndpointMixerDriver::get_line_info(MixerHandle handle, MixerLine& line, std::uint32_t flags) {
  Endpoint* found = endpoint(handle);
  if (!found || flags != kLineInfoDestination || line.dwDestination != 0) return kError;
  line.dwSource = 0;
  line.dwLineID = kLineId;
  line.cChannels = channel_count(*found->volume.Get());
  line.cConnections = 0;
  line.cControls = 2;
  copy_name(found->name, line.szName, sizeof line.szName);
  return kNoError;
}

MmResult EndpointMixerDriver::get_line_controls(MixerHandle handle, std::uint32_t line_id,
                                                std::uint32_t count, std::vector<MixerControl>& controls) {
  if (!endpoint(handle) || line_id != kLineId) return kError;
  controls = {{kVolumeControlId, kControlTypeVolume, 0, 0},
              {kMuteControlId, kControlTypeMute, kControlUniform, 0}};
  controls.resize(std::min<std::size_t>(count, controls.size()));
  return kNoError;
}

MmResult EndpointMixerDriver::get_control_details(MixerHandle handle, MixerControlDetails& details,
                                                  std::uint32_t flags) {
  Endpoint* found = endpoint(handle);
  if (!found || flags != kDetailsValue || !details.values) return kError;
  IAudioEndpointVolume& volume = *found->volume.Get();
  if (details.dwControlID == kVolumeControlId) {
    for (UINT channel = 0; channel < details.cChannels; ++channel) {
      float level = 0;
      if (FAILED(volume.GetChannelVolumeLevelScalar(channel, &level))) return kError;
      details.values[channel] =
          static_cast<std::uint32_t>(std::lround(std::clamp(level, 0.0f, 1.0f) * kFullScale));
    }
    return kNoError;
  }
  if (details.dwControlID == kMuteControlId) {
    BOOL muted = FALSE;
    if (FAILED(volume.GetMute(&muted))) return kError;
    for (UINT channel = 0; channel < std::max<UINT>(1, details.cChannels); ++channel)
      details.values[channel] = muted ? 1 : 0;
    return kNoError;
  }
  return kError;
}

MmResult EndpointMixerDriver::set_control_details(MixerHandle handle, const MixerControlDetails& details,
                                                  std::uint32_t) {
  Endpoint* found = endpoint(handle);
  if (!found || !details.values) return kError;
  IAudioEndpointVolume& volume = *found->volume.Get();
  if (details.dwControlID == kVolumeControlId) {
    for (UINT channel = 0; channel < details.cChannels; ++channel) {
      const float level = std::min(static_cast<float>(details.values[channel]), kFullScale) / kFullScale;
      if (FAILED(volume.SetChannelVolumeLevelScalar(channel, level, nullptr))) return kError;
    }
    return kNoError;
  }
  if (details.dwControlID == kMuteControlId) {
    return SUCCEEDED(volume.SetMute(details.values[0] != 0, nullptr)) ? kNoError : kError;
  }
  return kError;
}

}  // namespace vantrel::audio
