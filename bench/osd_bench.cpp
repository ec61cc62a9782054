// Prints the median time of one text paint and one volume-bar paint on the
// display window, including getting it onto the screen. Figures, not a test.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "osd/on_screen_display.h"
#include "osd/overlay_win32.h"

namespace {

template <typename Work>
double median_microseconds(int runs, Work work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work(i);
    times.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace vantrel::osd;
  OverlayWindow overlay(instance);
  const DisplaySettings settings = default_display_settings(GetSystemMetrics(SM_CYSCREEN));
  OnScreenDisplay display(overlay, overlay, settings);
  display.show_text("warm-up");
  const double text = median_microseconds(101, [&](int) { display.show_text("notepad.exe"); });
  const double bar =
      median_microseconds(101, [&](int i) { display.show_volume_progress(i % 100, 99 - i % 100); });
  const double clear = median_microseconds(101, [&](int) { display.clear(); });
  std::printf("median of 101: ShowOSD %.0f us, ShowVolumeProgress %.0f us, ClearOSD %.0f us\n", text, bar,
              clear);
  return 0;
}
