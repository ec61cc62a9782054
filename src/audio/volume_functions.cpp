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

// Every step is a whole number of thousandths of a unit (0,1 % is 65.535):
// kept on that grid, a level does not drift by the binary fractions of
// thousands of steps.
double on_grid(double level) {
  return std::round(level * 1000) / 1000;
}

}  // namespace

double volume_step_for_index(int index) {
  if (index < 0 || index >= static_cast<int>(kStepPercents.size())) return kDefaultVolumeStep;
  return static_cast<double>(kStepPercents[static_cast<std::size_t>(index)] * 655.35L);
}

VolumeFunctions::Exact VolumeFunctions::current() {
  const LineSelection line = settings_.selected_line();
  Exact now;
  mixer_.read_volume(line.destination, line.source, now.reading);
  const VolumeReading& r = now.reading;
  now.levels = {static_cast<double>(r.left), static_cast<double>(r.right)};
  if (written_ && written_->line.destination == line.destination && written_->line.source == line.source &&
      written_->device_left == r.left && written_->device_right == r.right) {
    now.levels = written_->exact;
  }
  return now;
}

void VolumeFunctions::write(double left, double right, int mute) {
  const LineSelection line = settings_.selected_line();
  left = on_grid(left);
  right = on_grid(right);
  mixer_busy_ = true;
  written_.reset();
  if (mixer_.write_volume(line.destination, line.source, round_even(left), round_even(right), mute)) {
    VolumeReading after;
    if (mixer_.read_volume(line.destination, line.source, after))
      written_ = Written{line, after.left, after.right, {left, right}};
  }
  mixer_busy_ = false;
}

void VolumeFunctions::raise() {
  const Exact now = current();
  const Levels level = now.levels;
  if (level.left >= kFullScale || level.right >= kFullScale) return;
  const double step = settings_.volume_step();
  const auto up = [step](double value) { return value >= kFullScale - step ? kFullScale : value + step; };
  write(up(level.left), up(level.right), now.reading.mute);
}

void VolumeFunctions::lower() {
  const Exact now = current();
  const Levels level = now.levels;
  if (level.left <= 0 || level.right <= 0) return;
  const double step = settings_.volume_step();
  const auto down = [step](double value) { return value > step ? value - step : 0.0; };
  write(down(level.left), down(level.right), now.reading.mute);
}

Levels VolumeFunctions::read() {
  return current().levels;
}

bool VolumeFunctions::toggle_mute() {
  const Exact now = current();
  const int mute = now.reading.mute == 1 ? 0 : 1;
  write(now.levels.left, now.levels.right, mute);
  return mute == 1;
}

}  // namespace vantrel::audio
