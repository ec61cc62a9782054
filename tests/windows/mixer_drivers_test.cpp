// The mixer drivers against the real system: winmm's mixers as the model
// reads and writes them (needs a sound server: the test command starts a
// PulseAudio null sink), and Core Audio's endpoints through a scripted
// IAudioEndpointVolume. Which driver and which endpoints are chosen:
// endpoint_choice_test.cpp.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "audio/audio_mixer.h"
#include "audio/endpoint_driver_win32.h"
#include "audio/winmm_driver_win32.h"
#include "scripted_endpoints.h"

namespace vantrel::audio {
namespace {

TEST(WinmmMixerDriver, ReadsAndWritesADestinationThroughTheModel) {
  WinmmMixerDriver driver(GetModuleHandleW(nullptr));
  TAudioMixer mixer(driver);
  ASSERT_GT(mixer.device_count(), 0u) << "no mixer device: is the sound server running?";
  EXPECT_EQ(mixer.mixer_id(), 0);
  EXPECT_FALSE(mixer.product_name().empty());
  ASSERT_GT(mixer.destinations()->count(), 0);

  VolumeReading before;
  ASSERT_TRUE(mixer.read_volume(0, -1, before));
  ASSERT_GE(before.left, 0) << "the destination has a volume control";
  EXPECT_TRUE(mixer.write_volume(0, -1, 30000, 20000, -1));
  VolumeReading after;
  ASSERT_TRUE(mixer.read_volume(0, -1, after));
  EXPECT_NEAR(after.left, 30000, 2);
  EXPECT_NEAR(after.right, after.stereo ? 20000 : 30000, 2);
  if (before.mute != -1) {
    EXPECT_TRUE(mixer.write_volume(0, -1, -1, -1, 1 - before.mute));
    ASSERT_TRUE(mixer.read_volume(0, -1, after));
    EXPECT_EQ(after.mute, 1 - before.mute);
    EXPECT_NEAR(after.left, 30000, 2) << "the level stays";
  }
  mixer.write_volume(0, -1, before.left, before.right, before.mute);
  VolumeReading missing;
  EXPECT_FALSE(mixer.read_volume(mixer.destinations()->count(), -1, missing));
}

using testing::ScriptedEndpointVolume;

TEST(EndpointMixerDriver, ShowsAnEndpointAsAMixerLine) {
  ScriptedEndpointVolume endpoint;
  EndpointMixerDriver driver({{"Speakers (Scripted Audio Device With A Long Name)", &endpoint}});
  TAudioMixer mixer(driver);
  ASSERT_EQ(mixer.device_count(), 1u);
  EXPECT_EQ(mixer.manufacturer(), "Microsoft");
  EXPECT_EQ(mixer.product_name(), "Speakers (Scripted Audio Device") << "31 characters of the name";
  ASSERT_EQ(mixer.destinations()->count(), 1);
  EXPECT_EQ(record_text(mixer.destinations()->get(0)->line.szName, 64),
            "Speakers (Scripted Audio Device With A Long Name)");

  VolumeReading reading;
  ASSERT_TRUE(mixer.read_volume(0, -1, reading));
  EXPECT_EQ((std::tuple{reading.left, reading.right, reading.mute, reading.stereo}),
            (std::tuple{65535, 32768, 0, true}))
      << "per-channel levels give the balance";

  EXPECT_TRUE(mixer.write_volume(0, -1, 13107, 0, 1));
  EXPECT_FLOAT_EQ(endpoint.channels[0], 0.2f);
  EXPECT_FLOAT_EQ(endpoint.channels[1], 0.0f);
  EXPECT_TRUE(endpoint.muted);
  ASSERT_TRUE(mixer.read_volume(0, -1, reading));
  EXPECT_EQ((std::tuple{reading.left, reading.right, reading.mute}), (std::tuple{13107, 0, 1}));
  EXPECT_FALSE(mixer.read_volume(0, 0, reading)) << "an endpoint has no source lines";
}

}  // namespace
}  // namespace vantrel::audio
