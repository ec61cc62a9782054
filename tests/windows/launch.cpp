// launch.exe [--wait] [--visible CLASS TITLE] COMMAND-LINE
// Starts a process with exactly COMMAND-LINE (no quoting added). --wait waits
// for it and returns its exit code. --visible waits until a window of that
// class and title is visible and prints the milliseconds since the start.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
  bool wait = false;
  const char* visible_class = nullptr;
  const char* visible_title = nullptr;
  int arg = 1;
  for (; arg < argc; ++arg) {
    if (std::strcmp(argv[arg], "--wait") == 0) {
      wait = true;
    } else if (std::strcmp(argv[arg], "--visible") == 0 && arg + 2 < argc) {
      visible_class = argv[++arg];
      visible_title = argv[++arg];
    } else {
      break;
    }
  }
  if (arg != argc - 1) {
    std::fprintf(stderr, "usage: launch [--wait] [--visible CLASS TITLE] COMMAND-LINE\n");
    return 2;
  }
  std::string command_line = argv[arg];
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "launch: CreateProcess failed, error %lu\n", GetLastError());
    return 3;
  }
  CloseHandle(process.hThread);
  int result = 0;
  if (visible_class) {
    for (;;) {
      HWND window = FindWindowA(visible_class, visible_title);
      if (window && IsWindowVisible(window)) break;
      if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
        std::fprintf(stderr, "launch: process ended before its window showed\n");
        return 4;
      }
      Sleep(1);
    }
    QueryPerformanceCounter(&now);
    std::printf("%.3f\n", 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                              static_cast<double>(frequency.QuadPart));
  }
  if (wait) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    result = static_cast<int>(code);
  }
  CloseHandle(process.hProcess);
  return result;
}
