#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vantrel::audio {

// The system's sound-mixer interface, as the mixer model uses it: the
// calls, records and constants of the multimedia mixer API (same values as
// the SDK's MIXERCONTROL_CONTROLTYPE_VOLUME and friends), with only the
// fields the model reads or fills.

using MmResult = std::uint32_t;
inline constexpr MmResult kNoError = 0;
inline constexpr MmResult kError = 1;
using MixerHandle = std::uintptr_t;

inline constexpr std::uint32_t kControlTypeVolume = 0x50030001;
inline constexpr std::uint32_t kControlTypeMute = 0x20010002;
inline constexpr std::uint32_t kControlTypeMux = 0x70010001;
inline constexpr std::uint32_t kControlTypeMixer = 0x71010001;
inline constexpr std::uint32_t kControlClassMask = 0xF0000000;
inline constexpr std::uint32_t kControlClassList = 0x70000000;
inline constexpr std::uint32_t kControlUniform = 1;
inline constexpr std::uint32_t kControlMultiple = 2;
inline constexpr std::uint32_t kControlDisabled = 0x80000000;
inline constexpr std::uint32_t kLineInfoDestination = 0;
inline constexpr std::uint32_t kLineInfoSource = 1;
inline constexpr std::uint32_t kDetailsValue = 0;
inline constexpr std::uint32_t kDetailsListText = 1;
inline constexpr std::uint32_t kSetDetailsValue = 0;
inline constexpr unsigned kLineChangeMessage = 0x3D0;
inline constexpr unsigned kControlChangeMessage = 0x3D1;

struct MixerCaps {
  std::uint16_t wMid = 0;
  std::uint16_t wPid = 0;
  std::uint32_t vDriverVersion = 0;
  char szPname[32] = {};
  std::uint32_t cDestinations = 0;
};

struct MixerLine {
  std::uint32_t dwDestination = 0;
  std::uint32_t dwSource = 0;
  std::uint32_t dwLineID = 0;
  std::uint32_t cChannels = 0;
  std::uint32_t cConnections = 0;
  std::uint32_t cControls = 0;
  char szName[64] = {};
};

struct MixerControl {
  std::uint32_t dwControlID = 0;
  std::uint32_t dwControlType = 0;
  std::uint32_t fdwControl = 0;
  std::uint32_t cMultipleItems = 0;
};

// One entry of a list control's texts: the line an item stands for.
struct MixerListText {
  std::uint32_t dwParam1 = 0;
  std::uint32_t dwParam2 = 0;
  char szName[64] = {};
};

// Values are channels x items entries (items 0 counts as 1): unsigned
// levels or booleans for VALUE queries, list texts for LISTTEXT ones.
struct MixerControlDetails {
  std::uint32_t dwControlID = 0;
  std::uint32_t cChannels = 0;
  std::uint32_t cMultipleItems = 0;
  std::uint32_t* values = nullptr;
  MixerListText* texts = nullptr;
};

class MixerDriver {
 public:
  virtual ~MixerDriver() = default;
  virtual unsigned get_num_devs() = 0;
  // with_notifications: line and control changes arrive at the sink set
  // below, as the mixer's callback window would receive them.
  virtual MmResult open(MixerHandle& handle, unsigned id, bool with_notifications) = 0;
  virtual void close(MixerHandle handle) = 0;
  virtual MmResult get_dev_caps(unsigned id, MixerCaps& caps) = 0;
  // line.dwDestination (and dwSource for a source) say which line.
  virtual MmResult get_line_info(MixerHandle handle, MixerLine& line, std::uint32_t flags) = 0;
  // All of the line's controls, at most `count` of them.
  virtual MmResult get_line_controls(MixerHandle handle, std::uint32_t line_id, std::uint32_t count,
                                     std::vector<MixerControl>& controls) = 0;
  virtual MmResult get_control_details(MixerHandle handle, MixerControlDetails& details,
                                       std::uint32_t flags) = 0;
  virtual MmResult set_control_details(MixerHandle handle, const MixerControlDetails& details,
                                       std::uint32_t flags) = 0;

  using NotificationSink =
      std::function<void(unsigned message, std::uintptr_t wparam, std::uintptr_t lparam)>;
  void set_notification_sink(NotificationSink sink) { sink_ = std::move(sink); }

 protected:
  void notify(unsigned message, std::uintptr_t wparam, std::uintptr_t lparam) {
    if (sink_) sink_(message, wparam, lparam);
  }

 private:
  NotificationSink sink_;
};

}  // namespace vantrel::audio
