#pragma once

namespace vantrel::audio {

// In mixer units, 0..65535, or -1 when the line was not found. Not whole
// numbers: steps such as 65.535 units are kept exact between presses.
struct Levels {
  double left = -1;
  double right = -1;
};

// The selected mixer line as the volume actions use it.
class VolumeControl {
 public:
  virtual ~VolumeControl() = default;
  virtual void raise() = 0;
  virtual void lower() = 0;
  virtual Levels read() = 0;
  // True when the value written means muted.
  virtual bool toggle_mute() = 0;
};

}  // namespace vantrel::audio
