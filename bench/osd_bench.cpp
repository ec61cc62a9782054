// Prints the median time of the display's paints (text, volume bar, and a
// whole press: bar and text after a clear), including getting them onto the
// screen (the messages they leave handled, as the program's loop does after
// a hotkey, which is also when Wine sends a window's pixels to the X
// server), the way the display works now against the way it first worked
// (a window and surface over the whole screen, every paint sent whole), in
// the same run with the same drawing. Figures, not a test.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <tuple>
#include <vector>

#include "osd/on_screen_display.h"
#include "osd/overlay_win32.h"

namespace {

using namespace vantrel::osd;

// What the message loop does once the hotkey's handler returns.
void settle() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

template <typename Work>
double median_microseconds(int runs, Work work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work(i);
    settle();
    times.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

struct Figures {
  double text = 0;
  double bar = 0;
  double press = 0;
};

// One round on a canvas; the two canvases take turns so that a busy moment
// of the machine falls on both.
Figures measure(OverlayWindow& overlay, const DisplaySettings& settings, int runs) {
  OnScreenDisplay display(overlay, overlay, settings);
  display.clear();
  display.show_volume_progress(50, 50);
  display.show_text("warm-up");
  Figures figures;
  figures.text = median_microseconds(runs, [&](int) { display.show_text("notepad.exe"); });
  figures.bar =
      median_microseconds(runs, [&](int i) { display.show_volume_progress(i % 100, 99 - i % 100); });
  figures.press = median_microseconds(runs, [&](int i) {
    display.clear();
    display.show_volume_progress(i % 100, i % 100);
    display.show_text("Volume");
  });
  display.clear();
  return figures;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  OverlayWindow whole(instance, OverlaySizing::whole_screen);
  OverlayWindow drawn(instance, OverlaySizing::drawn_bounds);
  const DisplaySettings settings = default_display_settings(GetSystemMetrics(SM_CYSCREEN));
  std::vector<Figures> old_rounds;
  std::vector<Figures> new_rounds;
  for (int round = 0; round < 5; ++round) {
    old_rounds.push_back(measure(whole, settings, 41));
    new_rounds.push_back(measure(drawn, settings, 41));
  }
  const auto median_of = [](std::vector<Figures> rounds, double Figures::*field) {
    std::sort(rounds.begin(), rounds.end(),
              [field](const Figures& a, const Figures& b) { return a.*field < b.*field; });
    return rounds[rounds.size() / 2].*field;
  };
  std::printf(
      "median time, before: whole-screen window and surface, every paint sent whole; now: sized to\n"
      "what is drawn, only what a paint drew sent (5 alternating rounds of 41)\n");
  for (auto [name, field, target] :
       {std::tuple{"ShowOSD", &Figures::text, true}, std::tuple{"ShowVolumeProgress", &Figures::bar, true},
        std::tuple{"clear + bar + text", &Figures::press, false}}) {
    const double before = median_of(old_rounds, field);
    const double now = median_of(new_rounds, field);
    std::printf("%-20s before %6.0f us, now %6.0f us, ratio %.2fx%s\n", name, before, now, now / before,
                target ? " (target <= 0.3x)" : " (hiding and showing the window)");
  }
  return 0;
}
