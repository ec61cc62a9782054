// process_figures CLASS TITLE
// Prints, for the process that owns the window of CLASS and TITLE, its
// working set and private bytes in KiB and its GDI and USER object counts:
// "working_set_kib private_kib gdi user". (Wine's GetGuiResources answers 0.)
#include <windows.h>
#include <psapi.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: process_figures CLASS TITLE\n");
    return 2;
  }
  HWND window = FindWindowW(argv[1], argv[2]);
  if (!window) {
    std::fprintf(stderr, "process_figures: no such window\n");
    return 3;
  }
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
  if (!process) {
    std::fprintf(stderr, "process_figures: cannot open the process (error %lu)\n", GetLastError());
    return 4;
  }
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  std::printf("%llu %llu %lu %lu\n", static_cast<unsigned long long>(counters.WorkingSetSize / 1024),
              static_cast<unsigned long long>(counters.PrivateUsage / 1024),
              GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS));
  CloseHandle(process);
  return 0;
}
