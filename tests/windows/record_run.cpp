// Appends one line to "<own path>.log" each time it runs: the wall-clock time
// of its start, in seconds since 1970. Lets tests see that, and when, an
// action launched it. "<own path>.run.log" gets two lines per run, in
// UTF-8: "command", a tab and its whole command line; "folder", a tab and
// the folder it was started in.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                      nullptr);
  return out;
}

}  // namespace

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
  wchar_t folder[MAX_PATH];
  const DWORD folder_length = GetCurrentDirectoryW(MAX_PATH, folder);
  if (FILE* file = _wfopen((std::wstring(path, length) + L".run.log").c_str(), L"ab")) {
    std::fprintf(file, "command\t%s\nfolder\t%s\n", utf8(GetCommandLineW()).c_str(),
                 utf8(std::wstring(folder, folder_length)).c_str());
    std::fclose(file);
  }
  return 0;
}
