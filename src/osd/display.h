#pragma once

#include <optional>
#include <string>

namespace vantrel::osd {

// The on-screen display as actions use it.
class Display {
 public:
  virtual ~Display() = default;
  virtual void show_text(const std::string& text) = 0;
  // The first level fills the upper half, the second the lower. A bar
  // setting that is not a whole number stops it: the error to report.
  virtual std::optional<std::string> show_volume_progress(double first, double second) = 0;
  virtual void clear() = 0;
};

}  // namespace vantrel::osd
