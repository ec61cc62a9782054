#include "audio/winmm_driver_win32.h"

#include <mmsystem.h>

#include <cstring>
#include <functional>

#include "win32/system_library.h"
#include "win32/window.h"

namespace vantrel::audio {
namespace {

static_assert(sizeof(MIXERCONTROLDETAILS_LISTTEXTA) == sizeof(MixerListText));
static_assert(sizeof(MIXERCONTROLDETAILS_UNSIGNED) == sizeof(std::uint32_t));
static_assert(kControlTypeVolume == MIXERCONTROL_CONTROLTYPE_VOLUME &&
              kControlTypeMute == MIXERCONTROL_CONTROLTYPE_MUTE &&
              kControlTypeMux == MIXERCONTROL_CONTROLTYPE_MUX &&
              kControlTypeMixer == MIXERCONTROL_CONTROLTYPE_MIXER);
static_assert(kControlUniform == MIXERCONTROL_CONTROLF_UNIFORM &&
              kControlMultiple == MIXERCONTROL_CONTROLF_MULTIPLE &&
              kControlDisabled == MIXERCONTROL_CONTROLF_DISABLED);
static_assert(kLineInfoSource == MIXER_GETLINEINFOF_SOURCE &&
              kDetailsListText == MIXER_GETCONTROLDETAILSF_LISTTEXT &&
              kLineChangeMessage == MM_MIXM_LINE_CHANGE && kControlChangeMessage == MM_MIXM_CONTROL_CHANGE);

constexpr wchar_t kCallbackClass[] = L"VantrelMixerCallback";

// winmm is not among the system's known DLLs: imported, it would be looked
// for beside the program first, where anyone may have left one of that
// name. So it is loaded from the system folder the first time a mixer is
// wanted, and each function taken from it; without it there are no mixers.
struct WinmmFunctions {
  decltype(&::mixerGetNumDevs) get_num_devs = nullptr;
  decltype(&::mixerOpen) open = nullptr;
  decltype(&::mixerClose) close = nullptr;
  decltype(&::mixerGetDevCapsA) get_dev_caps = nullptr;
  decltype(&::mixerGetLineInfoA) get_line_info = nullptr;
  decltype(&::mixerGetLineControlsA) get_line_controls = nullptr;
  decltype(&::mixerGetControlDetailsA) get_control_details = nullptr;
  decltype(&::mixerSetControlDetails) set_control_details = nullptr;

  bool complete() const {
    return get_num_devs && open && close && get_dev_caps && get_line_info && get_line_controls &&
           get_control_details && set_control_details;
  }
};

template <typename Function>
void take(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const WinmmFunctions& winmm() {
  static const WinmmFunctions loaded = [] {
    WinmmFunctions functions;
    const HMODULE module = win32::load_system_library(L"winmm.dll");
    if (!module) return functions;
    take(module, "mixerGetNumDevs", functions.get_num_devs);
    take(module, "mixerOpen", functions.open);
    take(module, "mixerClose", functions.close);
    take(module, "mixerGetDevCapsA", functions.get_dev_caps);
    take(module, "mixerGetLineInfoA", functions.get_line_info);
    take(module, "mixerGetLineControlsA", functions.get_line_controls);
    take(module, "mixerGetControlDetailsA", functions.get_control_details);
    take(module, "mixerSetControlDetails", functions.set_control_details);
    // All or none: a half-found library is no mixer at all.
    return functions.complete() ? functions : WinmmFunctions{};
  }();
  return loaded;
}

HMIXEROBJ object(MixerHandle handle) {
  return reinterpret_cast<HMIXEROBJ>(handle);
}

// The details record for a call: values or list texts, never both.
MIXERCONTROLDETAILS details_record(const MixerControlDetails& details) {
  MIXERCONTROLDETAILS record{};
  record.cbStruct = sizeof record;
  record.dwControlID = details.dwControlID;
  record.cChannels = details.cChannels;
  record.cMultipleItems = details.cMultipleItems;
  if (details.texts) {
    record.cbDetails = sizeof(MIXERCONTROLDETAILS_LISTTEXTA);
    record.paDetails = details.texts;
  } else {
    record.cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);
    record.paDetails = details.values;
  }
  return record;
}

}  // namespace

// A message-only window: mixerOpen with CALLBACK_WINDOW posts its notices
// there.
class WinmmMixerDriver::CallbackWindow : public win32::Window {
 public:
  using Notice = std::function<void(UINT message, WPARAM wparam, LPARAM lparam)>;

  CallbackWindow(HINSTANCE instance, Notice notice) : notice_(std::move(notice)) {
    register_class(instance, kCallbackClass);
    create(instance, kCallbackClass, L"", 0, 0, RECT{}, HWND_MESSAGE);
  }

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == MM_MIXM_LINE_CHANGE || message == MM_MIXM_CONTROL_CHANGE) {
      notice_(message, wparam, lparam);
      return 0;
    }
    return Window::on_message(message, wparam, lparam);
  }

  Notice notice_;
};

WinmmMixerDriver::WinmmMixerDriver(HINSTANCE instance)
    : callback_window_(
          std::make_unique<CallbackWindow>(instance, [this](UINT message, WPARAM wparam, LPARAM lparam) {
            notify(message, wparam, static_cast<std::uintptr_t>(lparam));
          })) {}

WinmmMixerDriver::~WinmmMixerDriver() = default;

unsigned WinmmMixerDriver::get_num_devs() {
  return winmm().get_num_devs ? winmm().get_num_devs() : 0;
}

MmResult WinmmMixerDriver::open(MixerHandle& handle, unsigned id, bool with_notifications) {
  HMIXER mixer = nullptr;
  if (!winmm().open) return MMSYSERR_NODRIVER;
  const MMRESULT result =
      with_notifications ? winmm().open(&mixer, id, reinterpret_cast<DWORD_PTR>(callback_window_->handle()),
                                        0, CALLBACK_WINDOW)
                         : winmm().open(&mixer, id, 0, 0, 0);
  if (result == MMSYSERR_NOERROR) handle = reinterpret_cast<MixerHandle>(mixer);
  return result;
}

void WinmmMixerDriver::close(MixerHandle handle) {
  if (winmm().close) winmm().close(reinterpret_cast<HMIXER>(handle));
}

MmResult WinmmMixerDriver::get_dev_caps(unsigned id, MixerCaps& caps) {
  MIXERCAPSA record{};
  if (!winmm().get_dev_caps) return MMSYSERR_NODRIVER;
  const MMRESULT result = winmm().get_dev_caps(id, &record, sizeof record);
  caps.wMid = record.wMid;
  caps.wPid = record.wPid;
  caps.vDriverVersion = record.vDriverVersion;
  std::memcpy(caps.szPname, record.szPname, sizeof caps.szPname);
  caps.cDestinations = record.cDestinations;
  return result;
}

MmResult WinmmMixerDriver::get_line_info(MixerHandle handle, MixerLine& line, std::uint32_t flags) {
  MIXERLINEA record{};
  record.cbStruct = sizeof record;
  record.dwDestination = line.dwDestination;
  record.dwSource = line.dwSource;
  if (!winmm().get_line_info) return MMSYSERR_NODRIVER;
  const MMRESULT result = winmm().get_line_info(object(handle), &record, flags);
  if (result != MMSYSERR_NOERROR) return result;
  line.dwDestination = record.dwDestination;
  line.dwSource = record.dwSource;
  line.dwLineID = record.dwLineID;
  line.cChannels = record.cChannels;
  line.cConnections = record.cConnections;
  line.cControls = record.cControls;
  std::memcpy(line.szName, record.szName, sizeof line.szName);
  return result;
}

MmResult WinmmMixerDriver::get_line_controls(MixerHandle handle, std::uint32_t line_id, std::uint32_t count,
                                             std::vector<MixerControl>& controls) {
  std::vector<MIXERCONTROLA> records(count);
  MIXERLINECONTROLSA query{};
  query.cbStruct = sizeof query;
  query.dwLineID = line_id;
  query.cControls = count;
  query.cbmxctrl = sizeof(MIXERCONTROLA);
  query.pamxctrl = records.data();
  if (count == 0) return MIXERR_INVALCONTROL;
  if (!winmm().get_line_controls) return MMSYSERR_NODRIVER;
  const MMRESULT result = winmm().get_line_controls(object(handle), &query, MIXER_GETLINECONTROLSF_ALL);
  if (result != MMSYSERR_NOERROR) return result;
  controls.clear();
  for (const MIXERCONTROLA& record : records) {
    controls.push_back({record.dwControlID, record.dwControlType, record.fdwControl, record.cMultipleItems});
  }
  return result;
}

MmResult WinmmMixerDriver::get_control_details(MixerHandle handle, MixerControlDetails& details,
                                               std::uint32_t flags) {
  MIXERCONTROLDETAILS record = details_record(details);
  if (!winmm().get_control_details) return MMSYSERR_NODRIVER;
  return winmm().get_control_details(object(handle), &record, flags);
}

MmResult WinmmMixerDriver::set_control_details(MixerHandle handle, const MixerControlDetails& details,
                                               std::uint32_t flags) {
  MIXERCONTROLDETAILS record = details_record(details);
  if (!winmm().set_control_details) return MMSYSERR_NODRIVER;
  return winmm().set_control_details(object(handle), &record, flags);
}

}  // namespace vantrel::audio
