#include "audio/volume_functions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "actions/dispatch.h"
#include "fake_mixer.h"

namespace vantrel::audio {
namespace {

using namespace vantrel::testing;

class Settings : public VolumeSettings {
 public:
  LineSelection selected_line() const override { return line; }
  double volume_step() const override { return step; }
  LineSelection line;
  double step = kDefaultVolumeStep;
};

struct Line {
  FakeMixerDriver driver;
  Settings settings;
  std::unique_ptr<TAudioMixer> mixer;
  std::unique_ptr<VolumeFunctions> functions;

  Line(std::vector<FakeControl> controls, std::vector<FakeLine> sources = {}) {
    FakeDevice device;
    FakeDestination destination;
    destination.line = line(1, "Out", 2, std::move(controls));
    destination.sources = std::move(sources);
    device.destinations = {destination};
    driver.devices = {device};
    mixer = std::make_unique<TAudioMixer>(driver);
    functions = std::make_unique<VolumeFunctions>(*mixer, settings);
  }
  std::vector<std::uint32_t>& levels() { return driver.devices[0].destinations[0].line.controls[0].values; }
  void set(std::uint32_t left, std::uint32_t right) { levels() = {left, right}; }
};

TEST(VolumeFunctions, StepTable) {
  const double expected[] = {65.535, 131.07, 327.675, 655.35, 1310.7, 1966.05, 3276.75, 6553.5, 13107};
  for (int i = 0; i < 9; ++i) EXPECT_DOUBLE_EQ(volume_step_for_index(i), expected[i]) << i;
  EXPECT_EQ(volume_step_for_index(-1), kDefaultVolumeStep);
  EXPECT_EQ(volume_step_for_index(9), kDefaultVolumeStep);
}

TEST(VolumeFunctions, RaiseAndLowerByTheStep) {
  const struct {
    int step_index;
    bool raise;
    std::uint32_t left, right;
    std::uint32_t new_left, new_right;
  } cases[] = {
      {3, true, 0, 0, 655, 655},
      {3, true, 65000, 65000, 65535, 65535},
      {3, false, 655, 655, 0, 0},
      {0, true, 0, 0, 66, 66},
      {0, true, 100, 100, 166, 166},
      {7, true, 0, 0, 6554, 6554},
      {7, true, 6554, 6554, 13108, 13108},
      {8, true, 40000, 20000, 53107, 33107},
      {8, false, 40000, 20000, 26893, 6893},
      {3, true, 65535, 60000, 65535, 60000},
      {3, false, 0, 500, 0, 500},
      {3, true, 64880, 100, 65535, 755},
  };
  for (const auto& c : cases) {
    Line l({volume_control(1, {0, 0}), mute_control(2, 1)});
    l.settings.step = volume_step_for_index(c.step_index);
    l.set(c.left, c.right);
    if (c.raise) {
      l.functions->raise();
    } else {
      l.functions->lower();
    }
    EXPECT_EQ(l.levels(), (std::vector<std::uint32_t>{c.new_left, c.new_right}))
        << (c.raise ? "raise " : "lower ") << c.left << "/" << c.right << " step " << c.step_index;
    EXPECT_EQ(l.driver.devices[0].destinations[0].line.controls[1].values[0], 1u)
        << "mute written back as read";
    EXPECT_FALSE(l.functions->mixer_busy());
  }
}

// Keeps a level as a single-precision fraction of full scale and reads it
// back truncated, as Wine's mixer does: many values come back one lower.
std::uint32_t as_float_fraction(std::uint32_t value) {
  const float fraction = static_cast<float>(value) / 65535.0f;
  return static_cast<std::uint32_t>(fraction * 65535.0f);
}

TEST(VolumeFunctions, ManySmallStepsAddUpExactly) {
  const struct {
    std::uint32_t (*keeps)(std::uint32_t);
    int step_index, presses;
    double start, expected_percent;
  } cases[] = {
      {nullptr, 0, 500, 100, 50},
      {as_float_fraction, 0, 500, 100, 50},
      {as_float_fraction, 1, 250, 100, 50},
      {as_float_fraction, 0, 700, 100, 30},
      {as_float_fraction, 2, 37, 100, 81.5},
  };
  for (const auto& c : cases) {
    Line l({volume_control(1, {65535, 65535}), mute_control(2, 0)});
    l.driver.devices[0].destinations[0].line.controls[0].keeps = c.keeps;
    l.settings.step = volume_step_for_index(c.step_index);
    for (int i = 0; i < c.presses; ++i) l.functions->lower();
    const Levels after = l.functions->read();
    EXPECT_EQ(actions::level_percentage(after.left), c.expected_percent)
        << c.presses << " steps of index " << c.step_index << (c.keeps ? ", float device" : "");
    EXPECT_EQ(after.left, after.right);
    for (int i = 0; i < c.presses; ++i) l.functions->raise();
    EXPECT_EQ(l.functions->read().left, 65535) << "and back up to full scale";
  }
}

TEST(VolumeFunctions, ALevelChangedElsewhereIsReadAfresh) {
  Line l({volume_control(1, {65535, 65535}), mute_control(2, 0)},
         {line(7, "Wave", 2, {volume_control(9, {0, 0})})});
  l.settings.step = volume_step_for_index(0);
  l.functions->lower();
  EXPECT_DOUBLE_EQ(l.functions->read().left, 65535 - 65.535);
  l.set(30000, 20000);  // another program, or the Options window's slider
  EXPECT_EQ(l.functions->read().left, 30000);
  l.functions->lower();
  EXPECT_DOUBLE_EQ(l.functions->read().right, 20000 - 65.535);
  EXPECT_EQ(l.levels(), (std::vector<std::uint32_t>{29934, 19934}));
  // Another line showing the same device values has its own level.
  l.driver.devices[0].destinations[0].sources[0].controls[0].values = {29934, 19934};
  l.settings.line = {0, 0};
  EXPECT_EQ(l.functions->read().left, 29934);
}

TEST(VolumeFunctions, ToggleMute) {
  Line l({volume_control(1, {100, 200}), mute_control(2, 1)});
  EXPECT_FALSE(l.functions->toggle_mute());
  EXPECT_EQ(l.driver.devices[0].destinations[0].line.controls[1].values[0], 0u);
  EXPECT_TRUE(l.functions->toggle_mute());
  EXPECT_EQ(l.levels(), (std::vector<std::uint32_t>{100, 200}));

  Line no_mute({volume_control(1, {100, 200})});
  no_mute.driver.log.clear();
  EXPECT_TRUE(no_mute.functions->toggle_mute()) << "a line without mute still reports 1";
  EXPECT_EQ(no_mute.driver.log, (std::vector<std::string>{"set 1 100 200"})) << "only the level, unchanged";
}

TEST(VolumeFunctions, ActOnTheSelectedSource) {
  Line l({volume_control(1, {1000, 1000})}, {line(7, "Wave", 2, {volume_control(9, {300, 300})})});
  std::vector<std::uint32_t>& source = l.driver.devices[0].destinations[0].sources[0].controls[0].values;
  l.settings.line = {0, 0};
  l.functions->raise();
  EXPECT_EQ(source, (std::vector<std::uint32_t>{955, 955}));
  EXPECT_EQ(l.levels(), (std::vector<std::uint32_t>{1000, 1000}));
  EXPECT_DOUBLE_EQ(l.functions->read().left, 300 + 655.35) << "the exact level, which the device rounds";

  // A selection naming no line reads nothing and changes nothing.
  l.settings.line = {3, -1};
  EXPECT_EQ(l.functions->read().left, -1);
  l.driver.log.clear();
  l.functions->lower();
  l.functions->raise();
  l.functions->toggle_mute();
  EXPECT_EQ(std::count_if(l.driver.log.begin(), l.driver.log.end(),
                          [](const std::string& entry) { return entry.starts_with("set"); }),
            0)
      << "no control was written";
  EXPECT_EQ(source, (std::vector<std::uint32_t>{955, 955}));
  EXPECT_EQ(l.levels(), (std::vector<std::uint32_t>{1000, 1000}));
  EXPECT_FALSE(l.functions->mixer_busy());
}

}  // namespace
}  // namespace vantrel::audio
