#include "tray/application_window.h"

namespace vantrel::tray {

Point centred_origin(int screen_width, int screen_height, int window_width, int window_height) {
  return {(screen_width - window_width) / 2, (screen_height - window_height) / 2};
}

}  // namespace vantrel::tray
