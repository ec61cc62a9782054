#pragma once

#include <string>

namespace vantrel::osd {

// The on-screen display as actions use it.
class Display {
 public:
  virtual ~Display() = default;
  virtual void show_text(const std::string& text) = 0;
  virtual void show_volume_progress(double left_percent, double right_percent) = 0;
  virtual void clear() = 0;
};

}  // namespace vantrel::osd
