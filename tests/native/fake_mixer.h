#pragma once

// A scripted mixer device for the mixer model's tests: lines, controls with
// their current values, list controls with item texts, and switches that
// make chosen queries fail.

#include <cstring>
#include <map>
#include <set>
#include <vector>

#include "audio/mixer_driver.h"

namespace vantrel::testing {

using namespace vantrel::audio;

struct FakeControl {
  MixerControl control;
  std::vector<std::uint32_t> values;      // channels x items, as the device keeps them
  std::vector<std::uint32_t> item_lines;  // list controls: the line each item stands for
  bool fail_values = false;
  // How the device keeps a value it is given (a device with coarser units
  // than the mixer's); null keeps it as given.
  std::uint32_t (*keeps)(std::uint32_t) = nullptr;
};

struct FakeLine {
  MixerLine line;
  std::vector<FakeControl> controls;
  bool fail_info = false;
  bool fail_controls = false;
};

struct FakeDestination {
  FakeLine line;
  std::vector<FakeLine> sources;
};

struct FakeDevice {
  MixerCaps caps;
  std::vector<FakeDestination> destinations;
  int failing_opens = 0;  // this many opens fail before one succeeds
};

inline FakeControl volume_control(std::uint32_t id, std::vector<std::uint32_t> values,
                                  std::uint32_t flags = 0) {
  return {{id, kControlTypeVolume, flags, 0}, std::move(values), {}};
}
inline FakeControl mute_control(std::uint32_t id, std::uint32_t value,
                                std::uint32_t flags = kControlUniform) {
  return {{id, kControlTypeMute, flags, 0}, {value}, {}};
}
inline FakeControl selector(std::uint32_t id, std::uint32_t type, std::vector<std::uint32_t> lines,
                            std::vector<std::uint32_t> values) {
  return {{id, type, kControlUniform | kControlMultiple, static_cast<std::uint32_t>(lines.size())},
          std::move(values),
          std::move(lines)};
}
inline FakeLine line(std::uint32_t id, const char* name, std::uint32_t channels,
                     std::vector<FakeControl> controls) {
  FakeLine l;
  l.line.dwLineID = id;
  l.line.cChannels = channels;
  l.line.cControls = static_cast<std::uint32_t>(controls.size());
  std::strncpy(l.line.szName, name, sizeof l.line.szName - 1);
  l.controls = std::move(controls);
  return l;
}

class FakeMixerDriver : public MixerDriver {
 public:
  std::vector<FakeDevice> devices;
  std::vector<std::string> log;
  int open_handles = 0;

  unsigned get_num_devs() override { return static_cast<unsigned>(devices.size()); }

  MmResult open(MixerHandle& handle, unsigned id, bool with_notifications) override {
    log.push_back(std::string("open ") + std::to_string(id) + (with_notifications ? " notify" : ""));
    FakeDevice& device = devices.at(id);
    if (device.failing_opens > 0) {
      --device.failing_opens;
      return kError;
    }
    handle = id + 1;
    ++open_handles;
    return kNoError;
  }
  void close(MixerHandle) override {
    log.push_back("close");
    --open_handles;
  }
  MmResult get_dev_caps(unsigned id, MixerCaps& caps) override {
    caps = devices.at(id).caps;
    caps.cDestinations = static_cast<std::uint32_t>(devices.at(id).destinations.size());
    return kNoError;
  }
  MmResult get_line_info(MixerHandle handle, MixerLine& out, std::uint32_t flags) override {
    FakeDevice& device = devices.at(handle - 1);
    if (out.dwDestination >= device.destinations.size()) return kError;
    FakeDestination& destination = device.destinations[out.dwDestination];
    FakeLine* found = &destination.line;
    if (flags == kLineInfoSource) {
      if (out.dwSource >= destination.sources.size()) return kError;
      found = &destination.sources[out.dwSource];
    }
    if (found->fail_info) return kError;
    const std::uint32_t wanted_destination = out.dwDestination;
    const std::uint32_t wanted_source = out.dwSource;
    out = found->line;
    out.dwDestination = wanted_destination;
    out.dwSource = wanted_source;
    if (flags == kLineInfoDestination)
      out.cConnections = static_cast<std::uint32_t>(destination.sources.size());
    return kNoError;
  }
  MmResult get_line_controls(MixerHandle handle, std::uint32_t line_id, std::uint32_t count,
                             std::vector<MixerControl>& controls) override {
    FakeLine* l = find_line(handle, line_id);
    if (!l || l->fail_controls) return kError;
    controls.clear();
    for (const FakeControl& c : l->controls) {
      if (controls.size() < count) controls.push_back(c.control);
    }
    return kNoError;
  }
  MmResult get_control_details(MixerHandle handle, MixerControlDetails& details,
                               std::uint32_t flags) override {
    FakeControl* c = find_control(handle, details.dwControlID);
    if (!c || c->fail_values) return kError;
    const std::size_t entries =
        std::size_t{details.cChannels} * std::max<std::uint32_t>(1, details.cMultipleItems);
    if (flags == kDetailsListText) {
      for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t item = i % std::max<std::size_t>(1, c->item_lines.size());
        details.texts[i].dwParam1 = item < c->item_lines.size() ? c->item_lines[item] : 0;
      }
      return kNoError;
    }
    for (std::size_t i = 0; i < entries; ++i) details.values[i] = i < c->values.size() ? c->values[i] : 0;
    return kNoError;
  }
  MmResult set_control_details(MixerHandle handle, const MixerControlDetails& details,
                               std::uint32_t) override {
    FakeControl* c = find_control(handle, details.dwControlID);
    if (!c) return kError;
    const std::size_t entries =
        std::size_t{details.cChannels} * std::max<std::uint32_t>(1, details.cMultipleItems);
    std::string entry = "set " + std::to_string(details.dwControlID);
    for (std::size_t i = 0; i < entries; ++i) {
      if (i < c->values.size()) c->values[i] = c->keeps ? c->keeps(details.values[i]) : details.values[i];
      entry += " " + std::to_string(details.values[i]);
    }
    log.push_back(entry);
    return kNoError;
  }

  void send(unsigned message, std::uintptr_t wparam, std::uintptr_t lparam) {
    notify(message, wparam, lparam);
  }

 private:
  std::vector<FakeLine*> lines(MixerHandle handle) {
    std::vector<FakeLine*> all;
    for (FakeDestination& d : devices.at(handle - 1).destinations) {
      all.push_back(&d.line);
      for (FakeLine& s : d.sources) all.push_back(&s);
    }
    return all;
  }
  FakeLine* find_line(MixerHandle handle, std::uint32_t id) {
    for (FakeLine* l : lines(handle))
      if (l->line.dwLineID == id) return l;
    return nullptr;
  }
  FakeControl* find_control(MixerHandle handle, std::uint32_t id) {
    for (FakeLine* l : lines(handle))
      for (FakeControl& c : l->controls)
        if (c.control.dwControlID == id) return &c;
    return nullptr;
  }
};

}  // namespace vantrel::testing
