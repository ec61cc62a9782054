#pragma once

#include <functional>
#include <string>
#include <vector>

#include "audio/audio_mixer.h"
#include "audio/mixer_driver.h"
#include "audio/volume_functions.h"

namespace vantrel::app {

inline constexpr std::string_view kNoMixerItem = "No mixer present in the system !";

// Names as a list shows them: a name that comes again gets its count in
// brackets ("Master Volume (2)"), never one that is in the list already, so
// that two devices or lines of one name can be told apart. Only what is
// shown: the settings keep indices.
std::vector<std::string> distinct_names(std::vector<std::string> names);

// What the Options window's "Sound" page shows.
struct SoundPageState {
  std::vector<std::string> mixers;      // ComboBoxMixer
  int mixer = -1;                       // its selection, -1 for none
  std::vector<std::string> volume_for;  // ComboBoxVolumeFor: the destination lines
  int destination = -1;
  std::vector<std::string> volumes;  // ComboBoxVolume: the destination, then its sources
  int volume = -1;
  bool track_visible = false;  // TrackBar and "Volume Test:"
  int track_position = 0;
  bool box_visible = false;  // CheckBox and "Mute/Select:"
  bool box_checked = false;
  // No device: the page's lists, slider and box act on nothing for the rest
  // of the run.
  bool detached = false;
};

// The "Sound" page's cascade over the mixer: a device's destinations, a
// destination's lines, a line's level and mute, each list refilled from the
// one above and its first item selected. The page shows the level read when
// the line was selected; moving the slider or the box writes both channels
// and the mute state in one step.
class SoundPage {
 public:
  SoundPage(audio::MixerDriver& driver, audio::TAudioMixer& mixer);

  const SoundPageState& state() const { return state_; }
  // The line the volume functions act on: "Volume for" and "Volume control".
  audio::LineSelection line() const { return {state_.destination, state_.volume - 1}; }
  bool mixer_busy() const { return mixer_busy_; }

  // Runs after every change the page makes to what it shows. The window
  // copies the state into its controls there; a control that raises its
  // handler when set from code (the box's click) finds MixerBusy set.
  std::function<void()> on_shown;

  // One item per device, the first selected and opened.
  void FormCreate();
  // The stored "Mixer" and "Volume" indices: the device is opened and the
  // page refilled before the line is selected. An index past the devices or
  // the lines takes the first. Returns the indices now in force.
  std::pair<int, int> select_stored(int mixer, int volume);

  // The user's choices; each runs the list's change handler.
  void choose_mixer(int index);
  void choose_destination(int index);
  void choose_volume(int index);
  void move_track_bar(int position);
  void click_box(bool checked);
  // Reads the chosen line again, so that the page shows its mute state (and
  // its level, unless the user is moving the slider) after a hotkey or
  // another program changed them; writes nothing. Tells on_shown only when
  // something it shows changed, and answers whether it did.
  bool refresh(bool keep_level);

  void ComboBoxMixerChange();
  void ComboBoxVolumeForChange();
  void ComboBoxVolumeChange();
  void TrackBarChange();
  void CheckBoxClick();

 private:
  void write_line();
  void shown();

  audio::MixerDriver& driver_;
  audio::TAudioMixer& mixer_;
  SoundPageState state_;
  bool mixer_busy_ = false;
};

}  // namespace vantrel::app
