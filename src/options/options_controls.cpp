#include "options/options_controls.h"

#include <array>

namespace vantrel::app {
namespace {

using enum ControlKind;

constexpr ControlPlace kControls[] = {
    {0, kCheckBoxEasyMove, check_box, "Easy Window Move", 12, 10, 200, 17},
    {0, kCheckBoxMinimizeToTray, check_box, "Minimize to Tray", 12, 32, 200, 17},
    {0, kCheckBoxMainTransparent, check_box, "Trasparent Window", 20, 82, 200, 17},
    {0, kTrackBarMainAlpha, slider, "", 150, 108, 300, 30},
    {0, kCaption, label, "Alpha Blend/Opacity", 20, 110, 120, 14},
    {0, kLabel1, label, "Disabled", 20, 128, 120, 14},
    {0, kGroupBox1, group, "Windows 2K,XP", 8, 62, 464, 90},

    {1, kCheckBoxVolumeShow, check_box, "Show Volume progress", 12, 6, 220, 17,
     "Show the volume progress over desktop"},
    {1, kCheckBoxShowDecimals, check_box, "Show decimal values (if any)", 12, 24, 220, 17,
     "Show the decimal values of the volume progress"},
    {1, kComboBoxVolumeStep, list, "", 170, 45, 56, 200},
    {1, kCaption, label, "Incrase/Decrase volume by                       unit(s)", 12, 48, 285, 14},
    {1, kComboBoxProgressWidth, list, "", 170, 70, 56, 200},
    {1, kCaption, label, "Border width                                               pixels", 12, 73, 270,
     14},
    {1, kEditProgressHeight, edit, "", 170, 95, 56, 20},
    {1, kCaption, label, "Progress height                                          pixels", 12, 98, 285, 14},
    {1, kEditProgressX, edit, "", 170, 120, 56, 20},
    {1, kCaption, label, "Progress position X                                    pixels", 12, 123, 285, 14},
    {1, kEditProgressY, edit, "", 170, 145, 56, 20},
    {1, kCaption, label, "Progress position Y                                    pixels", 12, 148, 285, 14},
    {1, kButtonTextFont, font_button, "Text Font", 305, 45, 160, 36},
    {1, kButtonBorderColor, font_button, "Border Color", 305, 88, 160, 30},
    {1, kButtonProgressColor, font_button, "Progress Color", 305, 125, 160, 30},

    {2, kCaption, label, "Select the Mixer and the volume that the application is controling", 12, 6, 460,
     14},
    {2, kComboBoxMixer, list, "", 100, 28, 360, 200},
    {2, kCaption, label, "Mixer", 12, 31, 86, 14},
    {2, kComboBoxVolumeFor, list, "", 100, 54, 360, 200},
    {2, kCaption, label, "Volume for", 12, 57, 86, 14},
    {2, kComboBoxVolume, list, "", 100, 80, 360, 200},
    {2, kCaption, label, "Volume control", 12, 83, 86, 14},
    {2, kTrackBar, slider, "", 100, 108, 360, 26},
    {2, kLabel14, label, "Volume Test:", 12, 114, 86, 14},
    {2, kCheckBox, check_box, "", 100, 142, 17, 17},
    {2, kLabel15, label, "Mute/Select:", 12, 144, 86, 14},

    {3, kCheckBoxShowOSD, check_box, "Show On Screen Display (OSD)", 12, 8, 220, 17},
    // Its words before the list need 150 pixels or so: the list stands clear.
    {3, kComboBoxVisibleTime, list, "", 160, 33, 56, 200},
    {3, kCaption, label, "OSD remains visible for                      sec.", 12, 36, 250, 14},
    {3, kEditOSDX, edit, "", 70, 60, 56, 20},
    {3, kCaption, label, "Position X                   pixels", 12, 63, 160, 14},
    {3, kEditOSDY, edit, "", 70, 86, 56, 20},
    {3, kCaption, label, "Position Y                   pixels", 12, 89, 160, 14},
    {3, kButtonOSDFont, font_button, "Font", 280, 33, 180, 50},
    {3, kComboBoxShowOn, list, "", 70, 114, 190, 200},
    {3, kCaption, label, "Show on", 12, 117, 56, 14},

    {4, kCheckBoxCheckBoxes, check_box, "Show CheckBoxes", 12, 10, 200, 17},
    {4, kCheckBoxGridLines, check_box, "Show GridLines", 12, 32, 200, 17},

    {5, kCheckBoxTrayVisible, check_box, "Visible", 12, 10, 200, 17},
    {5, kCheckBoxTrayAnimate, check_box, "Animate", 12, 32, 200, 17},

    {6, kCheckBoxLogo, check_box, "Show Logo at startup", 12, 10, 200, 17},
    {6, kCheckBoxAutorun, check_box, "Autorun with Windows", 12, 32, 200, 17},
    {6, kComboBoxColorScheme, list, "", 100, 62, 150, 200},
    {6, kCaption, label, "Color scheme", 12, 65, 80, 14},
    {6, kComboBoxQuality, list, "", 100, 88, 150, 200},
    {6, kCaption, label, "Color Quality", 12, 91, 80, 14},
};

constexpr std::array<std::string_view, 3> kQualityItems{"Low", "Middle", "Hight"};

}  // namespace

std::span<const ControlPlace> options_controls() {
  return kControls;
}

std::optional<std::pair<std::string_view, std::string_view>> split_caption(std::string_view caption) {
  // Three blanks or more: a caption's own words are one blank apart.
  const auto start = caption.find("   ");
  if (start == std::string_view::npos) return std::nullopt;
  const auto end = caption.find_first_not_of(' ', start);
  if (end == std::string_view::npos) return std::nullopt;
  return std::pair{caption.substr(0, start), caption.substr(end)};
}

std::span<const std::string_view> quality_items() {
  return kQualityItems;
}

}  // namespace vantrel::app
