#include "tray/tray_frames_win32.h"

namespace vantrel::tray {

TrayFrames::TrayFrames(HINSTANCE instance, int size) {
  for (int i = 0; i < kTrayFrameCount; ++i) {
    icons_.emplace_back(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kFirstFrameResource + i),
                                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  }
}

HICON TrayFrames::frame(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return icons_[static_cast<std::size_t>(index)].get();
}

HICON application_icon(HINSTANCE instance, int size) {
  return static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(kFirstFrameResource), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace vantrel::tray
