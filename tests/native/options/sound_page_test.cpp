#include "options/sound_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "fake_mixer.h"

namespace vantrel::app {
namespace {

using namespace vantrel::testing;

// Device 0: speakers (stereo level, mute) with a CD source (level only) and
// a wave source whose mute is disabled; a recording line whose MUX selects
// the microphone or line-in. Device 1: a headset with one line and a
// source that has no controls at all.
FakeDevice sound_card() {
  FakeDevice device;
  std::strcpy(device.caps.szPname, "Fake Audio");
  FakeDestination speakers;
  speakers.line = line(100, "Speakers", 2, {volume_control(1, {40000, 20000}), mute_control(2, 0)});
  speakers.sources.push_back(line(110, "CD", 1, {volume_control(11, {1234})}));
  speakers.sources.push_back(line(120, "Wave", 2,
                                  {volume_control(21, {500, 500}, kControlUniform),
                                   mute_control(22, 1, kControlUniform | kControlDisabled)}));
  FakeDestination recording;
  recording.line = line(200, "Recording", 2, {selector(3, kControlTypeMux, {210, 220}, {0, 1})});
  recording.sources.push_back(line(210, "Microphone", 1, {volume_control(31, {9000})}));
  recording.sources.push_back(line(220, "Line In", 2, {volume_control(41, {100, 200})}));
  device.destinations = {speakers, recording};
  return device;
}

FakeDevice headset() {
  FakeDevice device;
  std::strcpy(device.caps.szPname, "USB Headset");
  FakeDestination phones;
  phones.line = line(300, "Headphones", 2, {volume_control(61, {30000, 30000}), mute_control(62, 1)});
  phones.sources.push_back(line(310, "Sidetone", 1, {}));
  device.destinations = {phones};
  return device;
}

struct Page {
  FakeMixerDriver driver;
  std::unique_ptr<audio::TAudioMixer> mixer;
  std::unique_ptr<SoundPage> page;
  // The box as a control that raises its click whenever its state changes,
  // from code too.
  bool box_shown = false;
  int shown_count = 0;

  explicit Page(std::vector<FakeDevice> devices) {
    driver.devices = std::move(devices);
    mixer = std::make_unique<audio::TAudioMixer>(driver);
    page = std::make_unique<SoundPage>(driver, *mixer);
    page->on_shown = [this] {
      ++shown_count;
      if (page->state().box_checked != box_shown) {
        box_shown = page->state().box_checked;
        page->CheckBoxClick();
      }
    };
    page->FormCreate();
    driver.log.clear();
  }
  const SoundPageState& state() const { return page->state(); }
  std::vector<std::string> writes() const {
    std::vector<std::string> out;
    std::copy_if(driver.log.begin(), driver.log.end(), std::back_inserter(out),
                 [](const std::string& entry) { return entry.rfind("set ", 0) == 0; });
    return out;
  }
};

TEST(SoundPage, CreationListsTheDevicesAndFillsTheCascadeFromTheFirst) {
  Page p({sound_card(), headset()});
  const SoundPageState& s = p.state();
  EXPECT_EQ(s.mixers, (std::vector<std::string>{"Fake Audio", "USB Headset"}));
  EXPECT_EQ(s.mixer, 0);
  EXPECT_EQ(p.mixer->mixer_id(), 0);
  EXPECT_EQ(s.volume_for, (std::vector<std::string>{"Speakers", "Recording"}));
  EXPECT_EQ(s.destination, 0);
  EXPECT_EQ(s.volumes, (std::vector<std::string>{"Speakers", "CD", "Wave"}));
  EXPECT_EQ(s.volume, 0);
  EXPECT_TRUE(s.track_visible);
  EXPECT_EQ(s.track_position, 40000) << "the left channel";
  EXPECT_TRUE(s.box_visible);
  EXPECT_FALSE(s.box_checked);
  EXPECT_FALSE(s.detached);
}

TEST(SoundPage, EachLineShowsItsLevelAndMuteOrSelection) {
  Page p({sound_card()});
  const struct {
    int destination, volume;
    bool track_visible;
    int position;
    bool box_visible, box_checked;
  } cases[] = {
      {0, 1, true, 1234, false, false},  // CD: a level, no mute, no selector names it
      {0, 2, true, 500, false, true},    // Wave: its mute is disabled, so no box
      {1, 0, false, 500, false, true},   // Recording itself: no level, no mute
      {1, 1, true, 9000, true, false},   // Microphone: the MUX does not select it
      {1, 2, true, 100, true, true},     // Line In: selected by the MUX
  };
  for (const auto& c : cases) {
    if (p.state().destination != c.destination) p.page->choose_destination(c.destination);
    p.page->choose_volume(c.volume);
    const SoundPageState& s = p.state();
    EXPECT_EQ((std::tuple{s.track_visible, s.box_visible}), (std::tuple{c.track_visible, c.box_visible}))
        << c.destination << "/" << c.volume;
    if (s.track_visible) {
      EXPECT_EQ(s.track_position, c.position) << c.destination << "/" << c.volume;
    }
    if (s.box_visible) {
      EXPECT_EQ(s.box_checked, c.box_checked) << c.destination << "/" << c.volume;
    }
  }
  EXPECT_TRUE(p.writes().empty()) << "selecting lines only reads";
}

TEST(SoundPage, AnotherDestinationRefillsTheLinesFromTheDestinationItself) {
  Page p({sound_card()});
  p.page->choose_volume(2);
  p.page->choose_destination(1);
  EXPECT_EQ(p.state().volumes, (std::vector<std::string>{"Recording", "Microphone", "Line In"}));
  EXPECT_EQ(p.state().volume, 0);
  EXPECT_EQ(p.page->line().destination, 1);
  EXPECT_EQ(p.page->line().source, -1);
}

TEST(SoundPage, AnotherMixerIsOpenedAndRefillsBothLists) {
  Page p({sound_card(), headset()});
  p.page->choose_destination(1);
  p.page->choose_mixer(1);
  EXPECT_EQ(p.mixer->mixer_id(), 1);
  EXPECT_EQ(p.driver.log.front(), "close");
  EXPECT_EQ(p.state().volume_for, (std::vector<std::string>{"Headphones"}));
  EXPECT_EQ(p.state().destination, 0);
  EXPECT_EQ(p.state().volumes, (std::vector<std::string>{"Headphones", "Sidetone"}));
  EXPECT_EQ(p.state().volume, 0);
  EXPECT_EQ(p.state().track_position, 30000) << "the first destination's level";
  EXPECT_TRUE(p.state().box_checked);
}

TEST(SoundPage, SettingTheBoxFromTheMixerWritesNothing) {
  // Speakers unmuted, then the muted headset: the box turns checked from
  // code and its click finds MixerBusy set.
  Page p({sound_card(), headset()});
  ASSERT_FALSE(p.box_shown);
  p.page->choose_mixer(1);
  EXPECT_TRUE(p.box_shown);
  EXPECT_FALSE(p.page->mixer_busy());
  EXPECT_TRUE(p.writes().empty());
}

TEST(SoundPage, SliderAndBoxWriteBothChannelsAndTheMuteState) {
  Page p({sound_card()});
  p.page->move_track_bar(12000);
  EXPECT_EQ(p.writes(), (std::vector<std::string>{"set 1 12000 12000", "set 2 0"}))
      << "the balance is lost: both channels take the slider";
  p.driver.log.clear();
  p.page->click_box(true);
  EXPECT_EQ(p.writes(), (std::vector<std::string>{"set 1 12000 12000", "set 2 1"}));
  EXPECT_EQ(p.driver.devices[0].destinations[0].line.controls[1].values[0], 1u);

  // A source without a mute of its own: the box is the MUX's selection.
  p.page->choose_destination(1);
  p.page->choose_volume(1);
  p.driver.log.clear();
  p.page->click_box(true);
  EXPECT_EQ(p.writes(), (std::vector<std::string>{"set 31 9000", "set 3 1 0"}));
}

// A mute hotkey, or another program, changes the line while the page
// stands: reading it again shows the new state and writes nothing back.
TEST(SoundPage, RefreshShowsTheLinesMuteAndLevelAsTheyAreNow) {
  Page p({sound_card(), headset()});
  auto& speakers = p.driver.devices[0].destinations[0].line;
  ASSERT_FALSE(p.state().box_checked);
  const int shown_before = p.shown_count;
  EXPECT_FALSE(p.page->refresh(false)) << "nothing changed: nothing to show";
  EXPECT_EQ(p.shown_count, shown_before);

  speakers.controls[1].values = {1};
  speakers.controls[0].values = {7000, 3000};
  EXPECT_TRUE(p.page->refresh(false));
  EXPECT_TRUE(p.state().box_checked);
  EXPECT_TRUE(p.box_shown);
  EXPECT_EQ(p.state().track_position, 7000);
  EXPECT_EQ(p.shown_count, shown_before + 1);

  // While the user moves the slider its place is theirs; the box still follows.
  speakers.controls[1].values = {0};
  speakers.controls[0].values = {9000, 9000};
  EXPECT_TRUE(p.page->refresh(true));
  EXPECT_FALSE(p.state().box_checked);
  EXPECT_EQ(p.state().track_position, 7000);
  EXPECT_TRUE(p.writes().empty()) << "a refresh only reads, the box's click included";
  EXPECT_FALSE(p.page->mixer_busy());

  // Another line chosen: its own mute is what is read again.
  p.page->choose_mixer(1);
  p.driver.devices[1].destinations[0].line.controls[1].values = {0};
  EXPECT_TRUE(p.page->refresh(false));
  EXPECT_FALSE(p.state().box_checked);
  EXPECT_TRUE(p.writes().empty());
}

TEST(SoundPageNames, ARepeatedNameGetsItsCountInBrackets) {
  using Names = std::vector<std::string>;
  const struct {
    Names given, shown;
  } cases[] = {
      {{"PulseAudio", "PulseAudio"}, {"PulseAudio", "PulseAudio (2)"}},
      {{"Master Volume", "Wave", "Master Volume", "Master Volume"},
       {"Master Volume", "Wave", "Master Volume (2)", "Master Volume (3)"}},
      // A name that is in the list already is never made for another item.
      {{"Mic", "Mic", "Mic (2)"}, {"Mic", "Mic (3)", "Mic (2)"}},
      {{"Mic (2)", "Mic", "Mic"}, {"Mic (2)", "Mic", "Mic (3)"}},
      {{"", ""}, {"", " (2)"}},
      {{"CD", "Line In"}, {"CD", "Line In"}},
      {{}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(distinct_names(c.given), c.shown);
}

// Two devices and two lines of one name: the lists tell them apart, and what
// is chosen and stored is still the position.
TEST(SoundPage, DevicesAndLinesOfOneNameAreToldApart) {
  FakeDevice second = sound_card();
  second.destinations[0].sources[0] = line(130, "Speakers", 1, {volume_control(71, {4321})});
  Page p({sound_card(), second});
  EXPECT_EQ(p.state().mixers, (std::vector<std::string>{"Fake Audio", "Fake Audio (2)"}));
  EXPECT_EQ(p.page->select_stored(1, 1), (std::pair{1, 1}));
  EXPECT_EQ(p.mixer->mixer_id(), 1);
  EXPECT_EQ(p.state().volumes, (std::vector<std::string>{"Speakers", "Speakers (2)", "Wave"}));
  EXPECT_EQ(p.state().track_position, 4321) << "the second device's own source";
  EXPECT_EQ(p.page->line().source, 0);
}

TEST(SoundPage, NoDeviceShowsTheMessageAndEveryControlActsOnNothing) {
  Page p({});
  const SoundPageState& s = p.state();
  EXPECT_EQ(s.mixers, (std::vector<std::string>{"No mixer present in the system !"}));
  EXPECT_EQ(s.mixer, 0);
  EXPECT_TRUE(s.volume_for.empty());
  EXPECT_TRUE(s.volumes.empty());
  EXPECT_TRUE(s.detached);
  p.page->choose_mixer(0);
  p.page->move_track_bar(100);
  p.page->click_box(true);
  EXPECT_FALSE(p.page->refresh(false));
  EXPECT_TRUE(p.driver.log.empty());
  EXPECT_EQ(p.state().mixers.size(), 1u);
  EXPECT_EQ(p.page->select_stored(3, 2), (std::pair{0, 0}));
}

TEST(SoundPage, StoredIndicesOpenTheDeviceBeforeTheLineIsSelected) {
  const struct {
    int mixer, volume;
    int mixer_shown, volume_shown;
    const char* line;
  } cases[] = {
      {1, 1, 1, 1, "Sidetone"},  // the headset's second line: only there once it is open
      {0, 2, 0, 2, "Wave"},       {5, 1, 0, 1, "CD"},  // no sixth device: the first
      {1, 7, 1, 0, "Headphones"},                      // no eighth line: the first
      {-1, -1, 0, 0, "Speakers"},
  };
  for (const auto& c : cases) {
    Page p({sound_card(), headset()});
    EXPECT_EQ(p.page->select_stored(c.mixer, c.volume), (std::pair{c.mixer_shown, c.volume_shown}))
        << c.mixer << "/" << c.volume;
    EXPECT_EQ(p.mixer->mixer_id(), c.mixer_shown);
    EXPECT_EQ(p.state().volumes.at(static_cast<std::size_t>(p.state().volume)), c.line);
    EXPECT_TRUE(p.writes().empty());
  }
}

}  // namespace
}  // namespace vantrel::app
