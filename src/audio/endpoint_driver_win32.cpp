#include "audio/endpoint_driver_win32.h"

#include <mmdeviceapi.h>

// The property key's definition lives in this file.
#include <initguid.h>

#include <functiondiscoverykeys_devpkey.h>

#include <algorithm>
#include <cmath>
#include <cstring>

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

}  // namespace

bool EndpointMixerDriver::usable(IAudioEndpointVolume& volume) {
  float level = 0;
  // Setting the level it already has proves the endpoint takes changes.
  return channel_count(volume) > 0 && SUCCEEDED(volume.GetChannelVolumeLevelScalar(0, &level)) &&
         SUCCEEDED(volume.SetChannelVolumeLevelScalar(0, level, nullptr));
}

std::vector<EndpointMixerDriver::Endpoint> EndpointMixerDriver::usable_endpoints() {
  std::vector<Endpoint> endpoints;
  ComPtr<IMMDeviceEnumerator> enumerator;
  if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, IID_PPV_ARGS(&enumerator))))
    return endpoints;
  ComPtr<IMMDeviceCollection> devices;
  if (FAILED(enumerator->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &devices))) return endpoints;
  UINT count = 0;
  devices->GetCount(&count);
  for (UINT i = 0; i < count; ++i) {
    ComPtr<IMMDevice> device;
    ComPtr<IAudioEndpointVolume> volume;
    if (FAILED(devices->Item(i, &device)) ||
        FAILED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr, &volume)) ||
        !usable(*volume.Get()))
      continue;
    endpoints.push_back({friendly_name(*device.Get()), volume});
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
