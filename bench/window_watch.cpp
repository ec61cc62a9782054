// window_watch CLASS LOG
// Appends "<seconds since 1970> <text>" to LOG each time the text of the
// first window of CLASS changes, looking every millisecond: when a press
// made a program paint and name what it shows, seen from outside it.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: window_watch CLASS LOG\n");
    return 2;
  }
  timeBeginPeriod(1);
  std::wstring last;
  bool seen = false;
  for (;;) {
    if (HWND window = FindWindowW(argv[1], nullptr)) {
      wchar_t text[256];
      const int length = GetWindowTextW(window, text, 256);
      std::wstring now(text, static_cast<std::size_t>(length > 0 ? length : 0));
      if (!seen || now != last) {
        FILETIME time;
        GetSystemTimePreciseAsFileTime(&time);
        const unsigned long long ticks =
            (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
        if (FILE* file = _wfopen(argv[2], L"a")) {
          std::fprintf(file, "%.6f %ls\n", static_cast<double>(ticks - 116444736000000000ULL) / 1e7,
                       now.c_str());
          std::fclose(file);
        }
        last = now;
        seen = true;
      }
    }
    Sleep(1);
  }
}
