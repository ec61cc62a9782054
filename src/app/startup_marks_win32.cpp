#include "app/startup_marks_win32.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <string>

namespace vantrel::app {
namespace {

struct Mark {
  const char* step;
  LONGLONG counter;
};

struct Marks {
  bool wanted = false;
  std::wstring file;
  // Milliseconds from the process's creation to the first mark, which the
  // performance counter cannot see.
  double before_first = 0;
  LONGLONG frequency = 1;
  std::array<Mark, 48> marks{};
  std::size_t count = 0;
};

double file_time_ms(const FILETIME& time) {
  return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                             time.dwLowDateTime) /
         10000.0;
}

Marks& marks() {
  static Marks state = [] {
    Marks made;
    wchar_t name[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"VANTREL_STARTUP_TIMES", name, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return made;
    made.wanted = true;
    made.file.assign(name, length);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    made.frequency = frequency.QuadPart;
    FILETIME created, exited, kernel, user, now;
    GetSystemTimeAsFileTime(&now);
    if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
      made.before_first = file_time_ms(now) - file_time_ms(created);
    return made;
  }();
  return state;
}

}  // namespace

bool startup_marks_wanted() {
  return marks().wanted;
}

void mark_startup(const char* step) {
  Marks& state = marks();
  if (!state.wanted || state.count == state.marks.size()) return;
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  state.marks[state.count++] = {step, now.QuadPart};
}

void write_startup_marks() {
  const Marks& state = marks();
  if (!state.wanted || state.count == 0) return;
  FILE* file = _wfopen(state.file.c_str(), L"w");
  if (!file) return;
  const LONGLONG first = state.marks[0].counter;
  for (std::size_t i = 0; i < state.count; ++i) {
    const double ms = state.before_first + 1000.0 * static_cast<double>(state.marks[i].counter - first) /
                                               static_cast<double>(state.frequency);
    std::fprintf(file, "%.2f\t%s\n", ms, state.marks[i].step);
  }
  std::fclose(file);
}

void MarkedStartupHost::reset_volume_step() {
  host_.reset_volume_step();
  mark_startup("tick: volume step");
}
void MarkedStartupHost::load_hotkeys() {
  host_.load_hotkeys();
  mark_startup("tick: hotkeys file read, list filled");
}
void MarkedStartupHost::load_settings() {
  host_.load_settings();
  mark_startup("tick: settings file read and applied");
}
void MarkedStartupHost::show_splash() {
  host_.show_splash();
  mark_startup("tick: splash shown");
}
void MarkedStartupHost::set_list_columns() {
  host_.set_list_columns();
  mark_startup("tick: list columns");
}
void MarkedStartupHost::fill_icon_picker() {
  host_.fill_icon_picker();
  mark_startup("tick: icon picker filled");
}
void MarkedStartupHost::register_enabled_hotkeys() {
  host_.register_enabled_hotkeys();
  mark_startup("tick: hotkeys registered");
}
void MarkedStartupHost::reapply_display_positions() {
  host_.reapply_display_positions();
  mark_startup("tick: display positions");
}
void MarkedStartupHost::show_main_window() {
  host_.show_main_window();
  mark_startup("tick: window shown");
}

}  // namespace vantrel::app
