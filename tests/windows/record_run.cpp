// Appends one line to "<own path>.log" each time it runs: the wall-clock time
// of its start, in seconds since 1970. Lets tests see that, and when, an
// action launched it.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  FILETIME now;
  GetSystemTimePreciseAsFileTime(&now);
  const unsigned long long ticks =
      (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  const double unix_seconds = static_cast<double>(ticks - 116444736000000000ULL) / 1e7;
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string log = std::string(path, length) + ".log";
  if (FILE* file = std::fopen(log.c_str(), "a")) {
    std::fprintf(file, "%.6f\n", unix_seconds);
    std::fclose(file);
  }
  return 0;
}
