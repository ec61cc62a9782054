#pragma once

#include <windows.h>

#include <vector>

#include "win32/handles.h"

namespace vantrel::tray {

// ImageListTray: the eight frames of the icon, icon resources 1 to 8 of the
// program (frames/tray_frames.rc).
inline constexpr int kTrayFrameCount = 8;
inline constexpr int kFirstFrameResource = 1;

class TrayFrames {
 public:
  // Each frame at `size` pixels, taken from the size the icon file holds
  // for it rather than scaled from another; a frame that cannot be loaded
  // stays null.
  TrayFrames(HINSTANCE instance, int size);
  int count() const { return static_cast<int>(icons_.size()); }
  // Null for an index outside the list.
  HICON frame(int index) const;

 private:
  std::vector<win32::UniqueIcon> icons_;
};

// The program's own icon (frame 0) at a size the system uses for windows;
// shared, so never destroyed.
HICON application_icon(HINSTANCE instance, int size);

}  // namespace vantrel::tray
