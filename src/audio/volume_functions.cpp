#include "audio/volume_functions.h"

#include <array>
#include <cmath>

namespace vantrel::audio {
namespace {

constexpr std::array<long double, 9> kStepPercents{0.1L, 0.2L, 0.5L, 1, 2, 3, 5, 10, 20};
constexpr double kFullScale = 65535;

// Nearest integer, ties to the even neighbour.
int round_even(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

double volume_step_for_index(int index) {
  if (index < 0 || index >= static_cast<int>(kStepPercents.size())) return kDefaultVolumeStep;
  return static_cast<double>(kStepPercents[static_cast<std::size_t>(index)] * 655.35L);
}

VolumeReading VolumeFunctions::current() {
  const LineSelection line = settings_.selected_line();
  VolumeReading reading;
  mixer_.read_volume(line.destination, line.source, reading);
  return reading;
}

void VolumeFunctions::write(double left, double right, int mute) {
  const LineSelection line = settings_.selected_line();
  mixer_busy_ = true;
  mixer_.write_volume(line.destination, line.source, round_even(left), round_even(right), mute);
  mixer_busy_ = false;
}

void VolumeFunctions::raise() {
  const VolumeReading r = current();
  if (r.left >= kFullScale || r.right >= kFullScale) return;
  const double step = settings_.volume_step();
  const auto up = [step](double level) { return level >= kFullScale - step ? kFullScale : level + step; };
  write(up(r.left), up(r.right), r.mute);
}

void VolumeFunctions::lower() {
  const VolumeReading r = current();
  if (r.left <= 0 || r.right <= 0) return;
  const double step = settings_.volume_step();
  const auto down = [step](double level) { return level > step ? level - step : 0.0; };
  write(down(r.left), down(r.right), r.mute);
}

Levels VolumeFunctions::read() {
  const VolumeReading r = current();
  return {r.left, r.right};
}

bool VolumeFunctions::toggle_mute() {
  const VolumeReading r = current();
  const int mute = r.mute == 1 ? 0 : 1;
  write(r.left, r.right, mute);
  return mute == 1;
}

}  // namespace vantrel::audio
