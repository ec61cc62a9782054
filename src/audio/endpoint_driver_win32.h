#pragma once

#include <windows.h>
#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "audio/mixer_driver.h"

namespace vantrel::audio {

// Core Audio's output endpoints shown as mixer devices, so the volume
// hotkeys change what the user hears: since Vista a winmm mixer changes
// only the calling program's own session. Each endpoint is one device with
// one destination line named after it, holding a VOLUME control (per
// channel, 0..65535 mapped onto the endpoint's 0..1 scalar) and a uniform
// MUTE control.
class EndpointMixerDriver : public MixerDriver {
 public:
  struct Endpoint {
    std::string name;
    Microsoft::WRL::ComPtr<IAudioEndpointVolume> volume;
  };
  static constexpr std::uint32_t kLineId = 0xFFFF0000;
  static constexpr std::uint32_t kVolumeControlId = 1;
  static constexpr std::uint32_t kMuteControlId = 2;

  explicit EndpointMixerDriver(std::vector<Endpoint> endpoints) : endpoints_(std::move(endpoints)) {}

  // The output endpoints the driver can serve: the default one for the
  // console role first (the device the user hears, which the model opens as
  // its first mixer), then every other active one in enumeration order.
  // Empty where Core Audio does not answer (Windows XP, Wine).
  static std::vector<Endpoint> usable_endpoints(IMMDeviceEnumerator& enumerator);
  // Asks the endpoint, never changes it; see the definition for why reading
  // is enough.
  static bool usable(IAudioEndpointVolume& volume);

  unsigned get_num_devs() override { return static_cast<unsigned>(endpoints_.size()); }
  MmResult open(MixerHandle& handle, unsigned id, bool with_notifications) override;
  void close(MixerHandle) override {}
  MmResult get_dev_caps(unsigned id, MixerCaps& caps) override;
  MmResult get_line_info(MixerHandle handle, MixerLine& line, std::uint32_t flags) override;
  MmResult get_line_controls(MixerHandle handle, std::uint32_t line_id, std::uint32_t count,
                             std::vector<MixerControl>& controls) override;
  MmResult get_control_details(MixerHandle handle, MixerControlDetails& details,
                               std::uint32_t flags) override;
  MmResult set_control_details(MixerHandle handle, const MixerControlDetails& details,
                               std::uint32_t flags) override;

 private:
  Endpoint* endpoint(MixerHandle handle);
  std::vector<Endpoint> endpoints_;
};

}  // namespace vantrel::audio
