#pragma once

// Core Audio as the tests script it: endpoint volumes with chosen answers,
// devices with names and identifiers, and an enumerator with a default
// device per role. None of them is created on the heap by COM: reference
// counts are kept but never free anything, the test owns every object.
// PKEY_Device_FriendlyName is defined once, in the endpoint driver.
#include <windows.h>
#include <endpointvolume.h>
#include <functiondiscoverykeys_devpkey.h>
#include <mmdeviceapi.h>

#include <cwchar>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vantrel::testing {

template <typename Interface>
class Scripted : public Interface {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == __uuidof(IUnknown) || iid == __uuidof(Interface)) {
      *out = this;
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }

 private:
  ULONG references_ = 1;
};

inline LPWSTR task_memory_copy(const std::wstring& text) {
  auto* copy = static_cast<LPWSTR>(CoTaskMemAlloc((text.size() + 1) * sizeof(wchar_t)));
  std::wmemcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

// An endpoint's volume as Core Audio would keep it. Each read answers as
// scripted; every call that would change the endpoint is counted.
class ScriptedEndpointVolume : public Scripted<IAudioEndpointVolume> {
 public:
  std::vector<float> channels{1.0f, 0.5f};
  BOOL muted = FALSE;
  HRESULT channel_count_answer = S_OK;
  HRESULT level_answer = S_OK;
  HRESULT mute_answer = S_OK;
  HRESULT step_answer = S_OK;
  HRESULT change_answer = S_OK;
  // The last this many channels are counted but their levels do not read.
  UINT unreadable_channels = 0;
  int changes = 0;  // calls of the methods that change the endpoint

  // What Wine 8 answers: the channel reads, the step query and every change
  // are not implemented; the mute state and the master level answer.
  void answer_as_wine() { channel_count_answer = level_answer = step_answer = change_answer = E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE RegisterControlChangeNotify(IAudioEndpointVolumeCallback*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE UnregisterControlChangeNotify(IAudioEndpointVolumeCallback*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetChannelCount(UINT* count) override {
    if (FAILED(channel_count_answer)) return channel_count_answer;
    *count = static_cast<UINT>(channels.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetMasterVolumeLevel(float, LPCGUID) override { return change(); }
  HRESULT STDMETHODCALLTYPE SetMasterVolumeLevelScalar(float, LPCGUID) override { return change(); }
  HRESULT STDMETHODCALLTYPE GetMasterVolumeLevel(float* level) override {
    *level = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetMasterVolumeLevelScalar(float* level) override {
    *level = channels.empty() ? 0 : channels[0];
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetChannelVolumeLevel(UINT, float, LPCGUID) override { return change(); }
  HRESULT STDMETHODCALLTYPE SetChannelVolumeLevelScalar(UINT channel, float level, LPCGUID) override {
    if (const HRESULT answer = change(); FAILED(answer)) return answer;
    if (channel >= channels.size() || level < 0 || level > 1) return E_INVALIDARG;
    channels[channel] = level;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetChannelVolumeLevel(UINT, float*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetChannelVolumeLevelScalar(UINT channel, float* level) override {
    if (FAILED(level_answer)) return level_answer;
    if (channel + unreadable_channels >= channels.size()) return E_INVALIDARG;
    *level = channels[channel];
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetMute(BOOL mute, LPCGUID) override {
    if (const HRESULT answer = change(); FAILED(answer)) return answer;
    muted = mute;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetMute(BOOL* mute) override {
    if (FAILED(mute_answer)) return mute_answer;
    *mute = muted;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetVolumeStepInfo(UINT* step, UINT* count) override {
    if (FAILED(step_answer)) return step_answer;
    *step = 7;
    *count = 51;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE VolumeStepUp(LPCGUID) override { return change(); }
  HRESULT STDMETHODCALLTYPE VolumeStepDown(LPCGUID) override { return change(); }
  HRESULT STDMETHODCALLTYPE QueryHardwareSupport(DWORD* mask) override {
    *mask = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetVolumeRange(float* low, float* high, float* step) override {
    *low = -65.25f;
    *high = 0;
    *step = 0.03125f;
    return S_OK;
  }

 private:
  HRESULT change() {
    ++changes;
    return change_answer;
  }
};

// A device's read-only property store: its friendly name and nothing else.
class ScriptedProperties : public Scripted<IPropertyStore> {
 public:
  explicit ScriptedProperties(const std::wstring& name) : name_(name) {}
  HRESULT STDMETHODCALLTYPE GetCount(DWORD* count) override {
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetAt(DWORD index, PROPERTYKEY* key) override {
    if (index != 0) return E_INVALIDARG;
    *key = PKEY_Device_FriendlyName;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetValue(REFPROPERTYKEY key, PROPVARIANT* value) override {
    PropVariantInit(value);
    if (key.fmtid != PKEY_Device_FriendlyName.fmtid || key.pid != PKEY_Device_FriendlyName.pid) return S_OK;
    value->vt = VT_LPWSTR;
    value->pwszVal = task_memory_copy(name_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetValue(REFPROPERTYKEY, REFPROPVARIANT) override { return STG_E_ACCESSDENIED; }
  HRESULT STDMETHODCALLTYPE Commit() override { return STG_E_ACCESSDENIED; }

 private:
  const std::wstring& name_;
};

class ScriptedDevice : public Scripted<IMMDevice> {
 public:
  ScriptedDevice(std::wstring id, std::wstring name, DWORD state = DEVICE_STATE_ACTIVE)
      : id(std::move(id)), name(std::move(name)), state(state) {}

  std::wstring id;
  std::wstring name;
  DWORD state;
  ScriptedEndpointVolume volume;

  HRESULT STDMETHODCALLTYPE Activate(REFIID iid, DWORD, PROPVARIANT*, void** out) override {
    if (iid != __uuidof(IAudioEndpointVolume)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    volume.AddRef();
    *out = static_cast<IAudioEndpointVolume*>(&volume);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OpenPropertyStore(DWORD, IPropertyStore** out) override {
    properties_.AddRef();
    *out = &properties_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetId(LPWSTR* out) override {
    *out = task_memory_copy(id);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetState(DWORD* out) override {
    *out = state;
    return S_OK;
  }

 private:
  ScriptedProperties properties_{name};
};

class ScriptedDeviceCollection : public Scripted<IMMDeviceCollection> {
 public:
  std::vector<ScriptedDevice*> devices;

  HRESULT STDMETHODCALLTYPE GetCount(UINT* count) override {
    *count = static_cast<UINT>(devices.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Item(UINT index, IMMDevice** out) override {
    if (index >= devices.size()) return E_INVALIDARG;
    devices[index]->AddRef();
    *out = devices[index];
    return S_OK;
  }
};

// The system's endpoints: render and capture devices in enumeration order,
// and for each role the render device that is its default.
class ScriptedEnumerator : public Scripted<IMMDeviceEnumerator> {
 public:
  ScriptedDevice& add(EDataFlow flow, std::wstring id, std::wstring name, DWORD state = DEVICE_STATE_ACTIVE) {
    auto& list = flow == eCapture ? capture_ : render_;
    list.push_back(std::make_unique<ScriptedDevice>(std::move(id), std::move(name), state));
    return *list.back();
  }
  void set_default(ERole role, const ScriptedDevice& device) { defaults_[role] = &device; }

  // Calls of the methods that change an endpoint, on every device.
  int changes() const {
    int total = 0;
    for (const auto* list : {&render_, &capture_}) {
      for (const auto& device : *list) total += device->volume.changes;
    }
    return total;
  }

  HRESULT STDMETHODCALLTYPE EnumAudioEndpoints(EDataFlow flow, DWORD mask,
                                               IMMDeviceCollection** out) override {
    collections_.push_back(std::make_unique<ScriptedDeviceCollection>());
    for (const auto* list : {&render_, &capture_}) {
      if ((list == &render_ && flow == eCapture) || (list == &capture_ && flow == eRender)) continue;
      for (const auto& device : *list) {
        if (device->state & mask) collections_.back()->devices.push_back(device.get());
      }
    }
    *out = collections_.back().get();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDefaultAudioEndpoint(EDataFlow flow, ERole role, IMMDevice** out) override {
    const auto found = defaults_.find(role);
    if (flow != eRender || found == defaults_.end()) {
      *out = nullptr;
      return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
    }
    auto* device = const_cast<ScriptedDevice*>(found->second);
    device->AddRef();
    *out = device;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDevice(LPCWSTR, IMMDevice**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RegisterEndpointNotificationCallback(IMMNotificationClient*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE UnregisterEndpointNotificationCallback(IMMNotificationClient*) override {
    return E_NOTIMPL;
  }

 private:
  std::vector<std::unique_ptr<ScriptedDevice>> render_;
  std::vector<std::unique_ptr<ScriptedDevice>> capture_;
  std::map<ERole, const ScriptedDevice*> defaults_;
  std::vector<std::unique_ptr<ScriptedDeviceCollection>> collections_;
};

}  // namespace vantrel::testing
