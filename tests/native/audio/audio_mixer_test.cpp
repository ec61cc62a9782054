#include "audio/audio_mixer.h"

#include <gtest/gtest.h>

#include "fake_mixer.h"

namespace vantrel::audio {
namespace {

using namespace vantrel::testing;

constexpr std::uint32_t kUniform = kControlUniform;
constexpr std::uint32_t kDisabled = kControlDisabled;

// A sound card: speakers (stereo volume, mute) with a CD source (mono volume,
// no mute) and a wave source (volume, disabled mute); a recording line with
// a MUX that selects between the microphone and line-in sources.
FakeDevice sound_card() {
  FakeDevice device;
  device.caps.wMid = 1;
  device.caps.wPid = 104;
  device.caps.vDriverVersion = 0x0501;
  std::strcpy(device.caps.szPname, "Fake Audio");
  FakeDestination speakers;
  speakers.line = line(100, "Speakers", 2, {volume_control(1, {40000, 20000}), mute_control(2, 0)});
  speakers.sources.push_back(line(110, "CD", 1, {volume_control(11, {1234})}));
  speakers.sources.push_back(line(
      120, "Wave", 2, {volume_control(21, {500, 500}, kUniform), mute_control(22, 1, kUniform | kDisabled)}));
  FakeDestination recording;
  recording.line = line(200, "Recording", 2, {selector(3, kControlTypeMux, {210, 220}, {0, 1})});
  recording.sources.push_back(line(210, "Microphone", 1, {volume_control(31, {9000})}));
  recording.sources.push_back(line(220, "Line In", 2, {volume_control(41, {100, 200})}));
  recording.sources.push_back(line(230, "Aux", 2, {volume_control(51, {7, 7})}));
  device.destinations = {speakers, recording};
  return device;
}

struct Mixer {
  FakeMixerDriver driver;
  std::unique_ptr<TAudioMixer> mixer;
  explicit Mixer(std::vector<FakeDevice> devices) {
    driver.devices = std::move(devices);
    mixer = std::make_unique<TAudioMixer>(driver);
  }
  VolumeReading read(int d, int s, bool* found = nullptr) {
    VolumeReading r;
    r.left = r.right = r.mute = 12345;  // shows what read_volume leaves
    const bool ok = mixer->read_volume(d, s, r);
    if (found) *found = ok;
    return r;
  }
};

TEST(AudioMixer, NoDevices) {
  Mixer m({});
  EXPECT_EQ(m.mixer->mixer_id(), -1);
  ASSERT_NE(m.mixer->destinations(), nullptr);
  EXPECT_EQ(m.mixer->destinations()->count(), 0);
  bool found = true;
  const VolumeReading r = m.read(0, -1, &found);
  EXPECT_FALSE(found);
  EXPECT_EQ((std::tuple{r.left, r.right, r.mute, r.volume_disabled, r.mute_disabled}),
            (std::tuple{-1, -1, -1, true, true}));
  EXPECT_FALSE(m.mixer->write_volume(0, -1, 1, 1, 1));
}

TEST(AudioMixer, OpensDeviceZeroAndBuildsTheTree) {
  Mixer m({sound_card()});
  EXPECT_EQ(m.mixer->mixer_id(), 0);
  EXPECT_EQ(m.mixer->manufacturer(), "Microsoft");
  EXPECT_EQ(m.mixer->product_name(), "Fake Audio");
  EXPECT_EQ(m.mixer->product_id(), 104);
  EXPECT_EQ(m.mixer->number_of_line(), 2);
  const TMixerDestinations& tree = *m.mixer->destinations();
  ASSERT_EQ(tree.count(), 2);
  EXPECT_EQ(record_text(tree.get(0)->line.szName, 64), "Speakers");
  EXPECT_EQ(tree.get(1)->connections.count(), 3);
  EXPECT_EQ(record_text(tree.get(1)->connections.get(1)->line.szName, 64), "Line In");
  EXPECT_EQ(tree.get(2), nullptr);
  EXPECT_EQ(tree.get(-1), nullptr);
  EXPECT_EQ(m.driver.log.front(), "open 0 notify");
}

TEST(AudioMixer, OpenRetriesThenFallsBackWithoutNotifications) {
  std::vector<FakeDevice> devices{sound_card(), sound_card()};
  devices[1].caps.wMid = 2;
  Mixer m(devices);
  m.driver.log.clear();
  m.driver.devices[1].failing_opens = 2;
  m.mixer->set_mixer_id(1);
  EXPECT_EQ(m.driver.log, (std::vector<std::string>{"close", "open 1 notify", "open 1 notify", "open 1"}));
  EXPECT_EQ(m.mixer->mixer_id(), 1);
  EXPECT_EQ(m.mixer->manufacturer(), "2 = Unknown");

  m.driver.devices[0].failing_opens = 3;
  m.mixer->set_mixer_id(0);
  EXPECT_EQ(m.mixer->mixer_id(), -1);
  EXPECT_EQ(m.mixer->destinations()->count(), 0);
  EXPECT_EQ(m.mixer->manufacturer(), "2 = Unknown") << "identity stays stale";
  EXPECT_EQ(m.driver.open_handles, 0);
}

TEST(AudioMixer, OutOfRangeIdChangesNothing) {
  Mixer m({sound_card()});
  m.driver.log.clear();
  for (int id : {-1, 1, 7}) m.mixer->set_mixer_id(id);
  EXPECT_TRUE(m.driver.log.empty());
  EXPECT_EQ(m.mixer->mixer_id(), 0);
}

TEST(AudioMixer, ReadsChannelsAndMute) {
  Mixer m({sound_card()});
  const struct {
    int d, s;
    int left, right, mute;
    bool stereo, volume_disabled, mute_disabled, mute_is_select;
  } cases[] = {
      {0, -1, 40000, 20000, 0, true, false, false, false},  // stereo, own mute
      {0, 1, 500, 500, 1, false, false, true, false},       // uniform: Right = Left; disabled mute
      {0, 0, 1234, 1234, -1, false, false, true, false},    // mono, no mute, no selector names it
      {1, 0, 9000, 9000, 0, false, false, false, true},     // MUX item, not selected
      {1, 1, 100, 200, 1, true, false, false, true},        // MUX item, selected
      {1, 2, 7, 7, -1, true, false, true, false},           // no list item names it
  };
  for (const auto& c : cases) {
    bool found = false;
    const VolumeReading r = m.read(c.d, c.s, &found);
    EXPECT_TRUE(found);
    EXPECT_EQ(
        (std::tuple{r.left, r.right, r.mute, r.stereo, r.volume_disabled, r.mute_disabled, r.mute_is_select}),
        (std::tuple{c.left, c.right, c.mute, c.stereo, c.volume_disabled, c.mute_disabled, c.mute_is_select}))
        << c.d << "," << c.s;
  }
  bool found = true;
  EXPECT_EQ(m.read(0, 2, &found).left, -1);
  EXPECT_FALSE(found);
  EXPECT_EQ(m.read(5, -1, &found).left, -1);
  EXPECT_FALSE(found);
}

TEST(AudioMixer, FailingQueriesLeaveValuesUnfound) {
  FakeDevice device = sound_card();
  device.destinations[0].line.controls[0].fail_values = true;
  device.destinations[0].sources[0].fail_controls = true;
  device.destinations[1].sources[0].fail_info = true;
  Mixer m({device});
  const VolumeReading speakers = m.read(0, -1);
  EXPECT_EQ((std::tuple{speakers.left, speakers.volume_disabled, speakers.mute}), (std::tuple{-1, true, 0}));
  bool found = false;
  const VolumeReading cd = m.read(0, 0, &found);
  EXPECT_TRUE(found) << "the line exists, with no controls";
  EXPECT_EQ(cd.left, -1);
  EXPECT_TRUE(m.mixer->write_volume(0, 0, 10, 10, 1));
  EXPECT_EQ(m.mixer->destinations()->get(1)->connections.count(), 2) << "a failed line is left out";
  EXPECT_EQ(m.read(1, 0).left, 100) << "positions shift past it";
}

TEST(AudioMixer, WritesLevelsAndMute) {
  Mixer m({sound_card()});
  auto& speakers = m.driver.devices[0].destinations[0].line.controls;
  EXPECT_TRUE(m.mixer->write_volume(0, -1, 30000, -1, -1));
  EXPECT_EQ(speakers[0].values, (std::vector<std::uint32_t>{30000, 30000})) << "Right -1 means Left";
  EXPECT_EQ(speakers[1].values[0], 0u) << "mute -1 left alone";
  m.driver.log.clear();
  EXPECT_TRUE(m.mixer->write_volume(0, -1, -1, 5, 1));
  EXPECT_EQ(speakers[0].values, (std::vector<std::uint32_t>{30000, 30000})) << "Left -1 leaves the level";
  EXPECT_EQ(speakers[1].values[0], 1u);
  EXPECT_EQ(m.driver.log, (std::vector<std::string>{"set 2 1"}));
  EXPECT_FALSE(m.mixer->write_volume(0, 9, 1, 1, 1));
}

TEST(AudioMixer, WritingASelectedSourceSetsItsMuxItemOnly) {
  Mixer m({sound_card()});
  auto& mux = m.driver.devices[0].destinations[1].line.controls[0];
  EXPECT_TRUE(m.mixer->write_volume(1, 0, -1, -1, 1));
  EXPECT_EQ(mux.values, (std::vector<std::uint32_t>{1, 0})) << "selects it and clears the others";
  EXPECT_TRUE(m.mixer->write_volume(1, 0, -1, -1, 0));
  EXPECT_EQ(mux.values, (std::vector<std::uint32_t>{0, 0}));
  m.driver.log.clear();
  EXPECT_TRUE(m.mixer->write_volume(1, 2, -1, -1, 1));
  EXPECT_TRUE(m.driver.log.empty()) << "no item names Aux: nothing written";
}

TEST(AudioMixer, SurroundChannelsKeepTheirLevels) {
  FakeDevice device;
  FakeDestination out;
  out.line = line(1, "Out", 4, {volume_control(1, {10, 20, 30, 40})});
  device.destinations = {out};
  Mixer m({device});
  m.mixer->write_volume(0, -1, 500, 600, -1);
  EXPECT_EQ(m.driver.devices[0].destinations[0].line.controls[0].values,
            (std::vector<std::uint32_t>{500, 600, 30, 40}));
}

TEST(AudioMixer, NotificationsRaiseAssignedEvents) {
  Mixer m({sound_card()});
  std::vector<std::string> events;
  m.mixer->on_control_change = [&](TAudioMixer& sender, int handle, int id) {
    EXPECT_EQ(&sender, m.mixer.get());
    events.push_back("control " + std::to_string(handle) + " " + std::to_string(id));
  };
  m.driver.send(kControlChangeMessage, 1, 22);
  m.driver.send(kLineChangeMessage, 1, 100);  // no handler: nothing
  EXPECT_EQ(events, (std::vector<std::string>{"control 1 22"}));
  EXPECT_FALSE(m.mixer->mixer_wnd_proc(0x0010, 0, 0));
  m.mixer.reset();
  EXPECT_EQ(m.driver.open_handles, 0) << "closed with the component";
}

}  // namespace
}  // namespace vantrel::audio
