#pragma once

#include "tray/tray_icon.h"

namespace vantrel::tray {

// The frame a still icon shows when the animation is switched off.
inline constexpr int kStillFrame = 4;

// The Options window's "Animate" check box: animation on restarts at frame
// 0, off stops it on the still frame.
void apply_animate(TTrayIcon& icon, bool animate);

// The tray settings ("Visible", "Animate", "Minimize to Tray").
struct TrayOptions {
  bool visible = true;
  bool animate = true;
  bool minimize_to_tray = false;
};

// Applies the settings as their check boxes' handlers would: only a value
// that differs from the icon's acts, so loading the settings a running icon
// already has neither re-adds it nor restarts its animation.
void apply_tray_options(TTrayIcon& icon, const TrayOptions& options);

}  // namespace vantrel::tray
