#pragma once

#include <windows.h>

#include <memory>

#include "audio/mixer_driver.h"

namespace vantrel::audio {

// The multimedia mixer functions of winmm, called as the model asks. Since
// Windows Vista they act on the calling program's own audio session only.
class WinmmMixerDriver : public MixerDriver {
 public:
  explicit WinmmMixerDriver(HINSTANCE instance);
  ~WinmmMixerDriver() override;
  WinmmMixerDriver(const WinmmMixerDriver&) = delete;
  WinmmMixerDriver& operator=(const WinmmMixerDriver&) = delete;

  unsigned get_num_devs() override;
  MmResult open(MixerHandle& handle, unsigned id, bool with_notifications) override;
  void close(MixerHandle handle) override;
  MmResult get_dev_caps(unsigned id, MixerCaps& caps) override;
  MmResult get_line_info(MixerHandle handle, MixerLine& line, std::uint32_t flags) override;
  MmResult get_line_controls(MixerHandle handle, std::uint32_t line_id, std::uint32_t count,
                             std::vector<MixerControl>& controls) override;
  MmResult get_control_details(MixerHandle handle, MixerControlDetails& details,
                               std::uint32_t flags) override;
  MmResult set_control_details(MixerHandle handle, const MixerControlDetails& details,
                               std::uint32_t flags) override;

 private:
  class CallbackWindow;
  // Receives the mixers' change notices and hands them to the model.
  std::unique_ptr<CallbackWindow> callback_window_;
};

}  // namespace vantrel::audio
