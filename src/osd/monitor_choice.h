#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "osd/osd_layout.h"

namespace vantrel::osd {

// Which monitor the display goes on, as the Options window offers it; the
// stored index.
enum class ShowOn { primary = 0, mouse = 1, active_window = 2 };

struct MonitorArea {
  Rect bounds;  // the whole monitor, in virtual-screen coordinates
  Rect work;    // without the taskbar and docked bars
  bool primary = false;
};

// The monitor for `choice`: the primary one; the one under the mouse (the
// nearest when the point is on none, as between two monitors of different
// heights); the one holding most of the active window (the nearest to it
// when it is on none, the primary when there is no active window). The
// first monitor stands in for a primary one when none is marked. `monitors`
// must not be empty.
std::size_t choose_monitor(std::span<const MonitorArea> monitors, ShowOn choice, Point mouse,
                           std::optional<Rect> active_window);

// The area the display's positions count from: the primary choice keeps the
// whole primary screen, as the display always has; the other two take that
// monitor's work area as their screen.
Rect display_area(const MonitorArea& monitor, ShowOn choice);

}  // namespace vantrel::osd
