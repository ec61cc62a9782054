// kill_during_save.exe VANTREL-EXE KILLS
// Ends the real program with TerminateProcess at many moments while it
// saves a 1,000-row hotkeys file, and checks after each kill that the file
// on disk is whole (the old or the new text) and that the next start shows
// the user's rows, never the 20 defaults. Prints the figures; exit code 0
// only when nothing was lost.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 1000;

std::string old_text() {
  // "Alt<n>=2" reads as set and is saved as "1": what a save writes differs
  // from what was there, so a torn file cannot pass for either.
  std::string text = "[HotKeys]\r\nCount=" + std::to_string(kRows) + "\r\n";
  for (int n = 0; n < kRows; ++n) {
    const std::string i = std::to_string(n);
    text += "Key" + i + "=" + std::to_string(65 + n % 26) + "\r\nChecked" + i + "=0\r\nImage" + i + "=" +
            std::to_string(n % 52) + "\r\nPath" + i + "=C:\\Tools\\program number " + i + ".exe\r\nAlt" + i +
            "=2\r\nCtrl" + i + "=1\r\nShift" + i + "=" + std::to_string(n % 2) + "\r\n";
  }
  return text;
}

std::optional<std::string> read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

struct Running {
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  int rows = -1;
};

struct WindowsOfProcess {
  DWORD process_id;
  std::string listing;
};

BOOL CALLBACK list_window(HWND window, LPARAM context) {
  auto& found = *reinterpret_cast<WindowsOfProcess*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != found.process_id) return TRUE;
  char class_name[128] = "";
  char title[256] = "";
  GetClassNameA(window, class_name, sizeof class_name);
  GetWindowTextA(window, title, sizeof title);
  found.listing += std::string(" [") + class_name + " \"" + title + "\"" +
                   (IsWindowVisible(window) ? " visible" : " hidden") + "]";
  return TRUE;
}

// What a start that never showed its window left behind: whether the
// process still runs, and which top-level windows it has.
std::string describe(const PROCESS_INFORMATION& process) {
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  WindowsOfProcess found{process.dwProcessId, {}};
  EnumWindows(list_window, reinterpret_cast<LPARAM>(&found));
  char text[64];
  std::snprintf(text, sizeof text, code == STILL_ACTIVE ? "still running;" : "ended with %lu;",
                static_cast<unsigned long>(code));
  return text + (found.listing.empty() ? std::string(" no windows") : found.listing);
}

// Starts the program as Explorer would and waits until its list is filled
// and its window shows. A loaded machine can make a start slow, so the wait
// is long; a start that still fails is described, not taken for a loss.
std::optional<Running> start(const std::string& exe, std::string* failure = nullptr) {
  Running running;
  std::string command_line = "\"" + exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &running.process)) {
    if (failure) *failure = "CreateProcess failed: " + std::to_string(GetLastError());
    return std::nullopt;
  }
  const ULONGLONG deadline = GetTickCount64() + 60000;
  while (GetTickCount64() < deadline) {
    running.window = FindWindowW(L"TForm1", L"Vantrel");
    if (running.window && IsWindowVisible(running.window)) {
      const HWND list = FindWindowExW(running.window, nullptr, WC_LISTVIEWW, nullptr);
      running.rows = list ? static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) : -1;
      return running;
    }
    if (WaitForSingleObject(running.process.hProcess, 5) == WAIT_OBJECT_0) break;
  }
  if (failure) *failure = describe(running.process);
  TerminateProcess(running.process.hProcess, 1);
  WaitForSingleObject(running.process.hProcess, INFINITE);
  CloseHandle(running.process.hThread);
  CloseHandle(running.process.hProcess);
  return std::nullopt;
}

bool exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void kill(Running& running) {
  TerminateProcess(running.process.hProcess, 9);
  WaitForSingleObject(running.process.hProcess, INFINITE);
  CloseHandle(running.process.hThread);
  CloseHandle(running.process.hProcess);
}

double now_ms() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kill_during_save VANTREL-EXE KILLS\n");
    return 2;
  }
  const std::string exe = argv[1];
  const int kills = std::atoi(argv[2]);
  const std::string folder = exe.substr(0, exe.find_last_of("\\/"));
  const std::string file = folder + "\\Hotkeys.ini";
  const std::string saving = file + ".saving";
  const std::string settings = folder + "\\Settings.ini";
  const std::string before = old_text();

  // The save's duration, and what a whole save writes. Windows ending the
  // session makes the program save both files at once, as Exit would.
  write_file(file, before);
  std::string first_failure;
  auto first = start(exe, &first_failure);
  if (!first || first->rows != kRows) {
    std::printf("the program did not show the %d rows (%d) %s\n", kRows, first ? first->rows : -1,
                first_failure.c_str());
    return 1;
  }
  // The first save of a run is slower (caches are cold); the kills aim at
  // the typical one, the median of a few.
  std::vector<double> durations;
  for (int n = 0; n < 5; ++n) {
    const double started = now_ms();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(first->window, WM_ENDSESSION, TRUE, 0, SMTO_BLOCK, 10000, &ignored);
    durations.push_back(now_ms() - started);
  }
  std::sort(durations.begin(), durations.end());
  const double save_ms = durations[durations.size() / 2];
  kill(*first);
  const std::optional<std::string> after = read_file(file);
  if (!after || *after == before) {
    std::printf("the program did not save\n");
    return 1;
  }

  int inside_save = 0;
  int lost = 0;
  int defaults_shown = 0;
  int failed_starts = 0;
  for (int n = 0; n < kills; ++n) {
    const std::optional<std::string> now = read_file(file);
    if (now && *now != before) write_file(file, before);
    // A temporary file beside a whole file is a leftover, not a copy.
    if (now) DeleteFileA(saving.c_str());
    std::string failure;
    auto running = start(exe, &failure);
    if (!running) {
      std::printf(
          "kill %d: the program did not show its window (%s); files: Hotkeys.ini %s, .saving %s, "
          "Settings.ini %s, Settings.ini.saving %s\n",
          n, failure.c_str(), exists(file) ? "present" : "missing", exists(saving) ? "present" : "missing",
          exists(settings) ? "present" : "missing", exists(settings + ".saving") ? "present" : "missing");
      ++failed_starts;
      break;
    }
    if (running->rows != kRows) {
      std::printf("kill %d: the list shows %d rows\n", n, running->rows);
      ++defaults_shown;
    }
    // Kill moments spread from the message's arrival to past the save's end.
    const double delay = save_ms * 1.2 * (n % 50) / 50.0;
    PostMessageW(running->window, WM_ENDSESSION, TRUE, 0);
    const double until = now_ms() + delay;
    while (now_ms() < until) {
    }
    kill(*running);
    const bool left_temp = GetFileAttributesA(saving.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (left_temp) ++inside_save;
    const std::optional<std::string> disk = read_file(file);
    if (!disk || (*disk != before && *disk != *after)) {
      std::printf("kill %d after %.2f ms: the file is %s\n", n, delay, disk ? "torn" : "missing");
      ++lost;
    }
  }
  auto last = start(exe);
  if (!last || last->rows != kRows) ++defaults_shown;
  if (last) kill(*last);

  std::printf(
      "save of %d rows: %.1f ms; kills: %d; inside the save (temporary file left): %d; "
      "files lost: %d; starts without the user's rows: %d; starts without a window: %d\n",
      kRows, save_ms, kills, inside_save, lost, defaults_shown, failed_starts);
  return lost == 0 && defaults_shown == 0 && failed_starts == 0 ? 0 : 1;
}
