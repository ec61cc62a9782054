// hold_file.exe PATH MILLISECONDS
// Opens PATH without sharing it, as a virus scanner or an indexer does for a
// moment, prints "held", keeps it that long and lets it go.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: hold_file PATH MILLISECONDS\n");
    return 2;
  }
  const HANDLE file = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  std::printf("held\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(std::atoi(argv[2])));
  CloseHandle(file);
  return 0;
}
