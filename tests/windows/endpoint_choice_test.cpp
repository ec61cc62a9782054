// Which sound driver and which endpoints the program takes: the default
// output endpoint first, endpoints probed by reading only, winmm where
// Core Audio does not answer (Wine).
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "audio/audio_mixer.h"
#include "audio/endpoint_driver_win32.h"
#include "audio/mixer_driver_choice_win32.h"
#include "audio/winmm_driver_win32.h"
#include "scripted_endpoints.h"

namespace vantrel::audio {
namespace {

using testing::ScriptedDevice;
using testing::ScriptedEndpointVolume;
using testing::ScriptedEnumerator;

std::vector<std::string> device_names(MixerDriver& driver) {
  std::vector<std::string> names;
  for (unsigned id = 0; id < driver.get_num_devs(); ++id) {
    MixerCaps caps{};
    driver.get_dev_caps(id, caps);
    names.push_back(record_text(caps.szPname, sizeof caps.szPname));
  }
  return names;
}

TEST(EndpointChoice, TheDefaultEndpointIsTheFirstDevice) {
  ScriptedEnumerator system;
  system.add(eRender, L"{speakers}", L"Speakers");
  const ScriptedDevice& headphones = system.add(eRender, L"{headphones}", L"Headphones");
  system.add(eCapture, L"{microphone}", L"Microphone");
  system.set_default(eConsole, headphones);

  EndpointMixerDriver driver(EndpointMixerDriver::usable_endpoints(system));
  EXPECT_EQ(device_names(driver), (std::vector<std::string>{"Headphones", "Speakers"}));
  EXPECT_EQ(system.changes(), 0) << "probing only reads";

  TAudioMixer mixer(driver);
  EXPECT_EQ(mixer.mixer_id(), 0);
  EXPECT_EQ(mixer.product_name(), "Headphones") << "the model opens the default endpoint";
}

TEST(EndpointChoice, DefaultFirstThenTheOthersInOrderEachOnce) {
  // Devices A, B and C in enumeration order; D is unplugged.
  const struct {
    const char* name;
    std::optional<int> console_default;
    std::optional<int> communications_default;
    std::vector<int> unreadable;
    std::vector<std::string> expected;
  } cases[] = {
      {"default second", 1, std::nullopt, {}, {"B", "A", "C"}},
      {"default first", 0, std::nullopt, {}, {"A", "B", "C"}},
      {"default last", 2, std::nullopt, {}, {"C", "A", "B"}},
      {"no default", std::nullopt, std::nullopt, {}, {"A", "B", "C"}},
      {"another role's default", 2, 1, {}, {"C", "A", "B"}},
      {"unreadable default", 1, std::nullopt, {1}, {"A", "C"}},
      {"unreadable others", 2, std::nullopt, {0, 1}, {"C"}},
      {"nothing readable", 0, std::nullopt, {0, 1, 2}, {}},
  };
  for (const auto& c : cases) {
    ScriptedEnumerator system;
    std::vector<ScriptedDevice*> devices;
    for (const wchar_t* name : {L"A", L"B", L"C"})
      devices.push_back(&system.add(eRender, std::wstring(L"{") + name + L"}", name));
    system.add(eRender, L"{D}", L"D", DEVICE_STATE_UNPLUGGED);
    if (c.console_default) system.set_default(eConsole, *devices[*c.console_default]);
    if (c.communications_default) system.set_default(eCommunications, *devices[*c.communications_default]);
    for (int index : c.unreadable) devices[index]->volume.level_answer = E_FAIL;

    const auto endpoints = EndpointMixerDriver::usable_endpoints(system);
    std::vector<std::string> names;
    for (const auto& endpoint : endpoints) names.push_back(endpoint.name);
    EXPECT_EQ(names, c.expected) << c.name;
    EXPECT_EQ(system.changes(), 0) << c.name;
  }
}

TEST(EndpointChoice, AnEndpointIsUsableWhenEveryReadAnswers) {
  const struct {
    const char* name;
    void (*script)(ScriptedEndpointVolume&);
    bool usable;
  } cases[] = {
      {"answers everything", [](ScriptedEndpointVolume&) {}, true},
      {"refuses changes (never tried)", [](ScriptedEndpointVolume& v) { v.change_answer = E_ACCESSDENIED; },
       true},
      {"no channel count", [](ScriptedEndpointVolume& v) { v.channel_count_answer = E_NOTIMPL; }, false},
      {"no channels", [](ScriptedEndpointVolume& v) { v.channels.clear(); }, false},
      {"no channel level", [](ScriptedEndpointVolume& v) { v.level_answer = E_NOTIMPL; }, false},
      {"no mute state", [](ScriptedEndpointVolume& v) { v.mute_answer = E_NOTIMPL; }, false},
      {"no volume steps", [](ScriptedEndpointVolume& v) { v.step_answer = E_NOTIMPL; }, false},
      {"Wine 8", [](ScriptedEndpointVolume& v) { v.answer_as_wine(); }, false},
      {"a later channel unreadable", [](ScriptedEndpointVolume& v) { v.unreadable_channels = 1; }, false},
  };
  for (const auto& c : cases) {
    ScriptedEndpointVolume volume;
    volume.channels = {0.3f, 0.7f, 0.9f};
    c.script(volume);
    EXPECT_EQ(EndpointMixerDriver::usable(volume), c.usable) << c.name;
    EXPECT_EQ(volume.changes, 0) << c.name;
  }
}

TEST(EndpointChoice, EndpointsWhereTheyAnswerElseWinmm) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  ScriptedEnumerator windows;
  windows.add(eRender, L"{speakers}", L"Speakers");
  windows.set_default(eConsole, windows.add(eRender, L"{headset}", L"Headset"));
  const auto chosen = choose_mixer_driver(instance, &windows);
  ASSERT_NE(dynamic_cast<EndpointMixerDriver*>(chosen.get()), nullptr);
  EXPECT_EQ(device_names(*chosen), (std::vector<std::string>{"Headset", "Speakers"}));

  ScriptedEnumerator wine;
  ScriptedDevice& pulse = wine.add(eRender, L"{pulse}", L"Pulseaudio Output");
  ScriptedDevice& null_sink = wine.add(eRender, L"{null}", L"Null Output");
  pulse.volume.answer_as_wine();
  null_sink.volume.answer_as_wine();
  wine.set_default(eConsole, pulse);
  EXPECT_NE(dynamic_cast<WinmmMixerDriver*>(choose_mixer_driver(instance, &wine).get()), nullptr);
  EXPECT_NE(dynamic_cast<WinmmMixerDriver*>(choose_mixer_driver(instance, nullptr).get()), nullptr)
      << "no Core Audio at all";
  EXPECT_EQ(wine.changes() + windows.changes(), 0);
}

// The real system's endpoints, where this runs under Wine: they answer no
// channel reads, so the program takes winmm's mixers.
TEST(EndpointChoice, UnderWineTheChoiceIsWinmm) {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (!ntdll || !GetProcAddress(ntdll, "wine_get_version")) GTEST_SKIP() << "not running under Wine";
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  {
    const auto chosen = choose_mixer_driver(GetModuleHandleW(nullptr));
    EXPECT_NE(dynamic_cast<WinmmMixerDriver*>(chosen.get()), nullptr);
  }
  CoUninitialize();
}

}  // namespace
}  // namespace vantrel::audio
