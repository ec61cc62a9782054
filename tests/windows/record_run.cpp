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
  // Wide: the tests start it from folders whose names the ANSI code page
  // cannot hold.
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring log = std::wstring(path, length) + L".log";
  if (FILE* file = _wfopen(log.c_str(), L"a")) {
    std::fprintf(file, "%.6f\n", unix_seconds);
    std::fclose(file);
  }
  return 0;
}
