#include "osd/monitor_choice.h"

#include <algorithm>
#include <cstdint>

namespace vantrel::osd {
namespace {

// Squared gap between two rectangles along both axes; 0 when they touch or
// overlap. Right and bottom lie just outside, as everywhere.
std::int64_t gap(Rect a, Rect b) {
  const std::int64_t dx = std::max({0, b.left - (a.right - 1), a.left - (b.right - 1)});
  const std::int64_t dy = std::max({0, b.top - (a.bottom - 1), a.top - (b.bottom - 1)});
  return dx * dx + dy * dy;
}

std::int64_t overlap(Rect a, Rect b) {
  const std::int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const std::int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

std::size_t primary(std::span<const MonitorArea> monitors) {
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    if (monitors[i].primary) return i;
  }
  return 0;
}

// The monitor nearest to `rect`; the first of equals, so that a point on a
// shared edge goes one way every time.
std::size_t nearest(std::span<const MonitorArea> monitors, Rect rect) {
  std::size_t best = 0;
  for (std::size_t i = 1; i < monitors.size(); ++i) {
    if (gap(monitors[i].bounds, rect) < gap(monitors[best].bounds, rect)) best = i;
  }
  return best;
}

}  // namespace

std::size_t choose_monitor(std::span<const MonitorArea> monitors, ShowOn choice, Point mouse,
                           std::optional<Rect> active_window) {
  switch (choice) {
    case ShowOn::mouse:
      return nearest(monitors, {mouse.x, mouse.y, mouse.x + 1, mouse.y + 1});
    case ShowOn::active_window: {
      if (!active_window || is_empty(*active_window)) return primary(monitors);
      std::size_t best = 0;
      std::int64_t most = 0;
      for (std::size_t i = 0; i < monitors.size(); ++i) {
        const std::int64_t shared = overlap(monitors[i].bounds, *active_window);
        if (shared > most) {
          most = shared;
          best = i;
        }
      }
      return most > 0 ? best : nearest(monitors, *active_window);
    }
    case ShowOn::primary:
      break;
  }
  return primary(monitors);
}

Rect display_area(const MonitorArea& monitor, ShowOn choice) {
  return choice == ShowOn::primary ? monitor.bounds : monitor.work;
}

}  // namespace vantrel::osd
