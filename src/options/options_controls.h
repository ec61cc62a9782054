#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <utility>

namespace vantrel::app {

// The Options window's controls by page, as the window creates them: kind,
// caption, place (in pixels of the page's area) and hint. Portable, so that
// the window's contents can be checked without it.

enum OptionsControl : int {
  // "Main Window"
  kCheckBoxEasyMove = 300,
  kCheckBoxMinimizeToTray,
  kCheckBoxMainTransparent,
  kTrackBarMainAlpha,
  kLabel1,
  kGroupBox1,
  // "Volume progress"
  kCheckBoxVolumeShow = 320,
  kCheckBoxShowDecimals,
  kComboBoxVolumeStep,
  kComboBoxProgressWidth,
  kEditProgressHeight,
  kEditProgressX,
  kEditProgressY,
  kButtonTextFont,
  kButtonBorderColor,
  kButtonProgressColor,
  // "Sound"
  kComboBoxMixer = 340,
  kComboBoxVolumeFor,
  kComboBoxVolume,
  kTrackBar,
  kLabel14,
  kCheckBox,
  kLabel15,
  // "OSD"
  kCheckBoxShowOSD = 360,
  kComboBoxVisibleTime,
  kEditOSDX,
  kEditOSDY,
  kButtonOSDFont,
  kComboBoxShowOn,
  // "Hotkeys List"
  kCheckBoxCheckBoxes = 380,
  kCheckBoxGridLines,
  // "Tray Icon"
  kCheckBoxTrayVisible = 390,
  kCheckBoxTrayAnimate,
  // "General"
  kCheckBoxLogo = 400,
  kCheckBoxAutorun,
  kComboBoxColorScheme,
  kComboBoxQuality,
  // The window's own
  kPageControl1 = 420,
  kButtonBar,
  kButtonDefault,
  kButtonOK,
  kCaption = 500,  // captions that nothing refers to
};

enum class ControlKind { check_box, label, group, list, edit, slider, font_button };

struct ControlPlace {
  int page;
  int id;
  ControlKind kind;
  std::string_view caption;
  int x, y, width, height;
  std::string_view hint = {};
};

inline constexpr std::string_view kOptionsPages[] = {"Main Window",  "Volume progress", "Sound",  "OSD",
                                                     "Hotkeys List", "Tray Icon",       "General"};
inline constexpr int kSoundPage = 2;

// Every control of the pages, each page's in the order the window creates
// them: a control before the caption it sits in, a group after what it
// holds, so that each shows on top of what lies under it.
std::span<const ControlPlace> options_controls();

// A caption whose run of blanks leaves room for the field it goes with
// ("Position X                   pixels"): the words before and after the
// blanks; nothing for a caption without such a run.
std::optional<std::pair<std::string_view, std::string_view>> split_caption(std::string_view caption);

// The item lists of the lists that are not filled from the system.
std::span<const std::string_view> quality_items();

}  // namespace vantrel::app
