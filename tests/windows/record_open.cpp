// Appends its command line, less its own program name, as one UTF-8 line
// to "<own path>.log" each time it runs. Registered as the program that
// opens a kind of document or address, it shows the tests exactly what the
// shell was asked to open.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The command line after the program's own name, quoted or not.
std::wstring arguments(const wchar_t* line) {
  const wchar_t* p = line;
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  while (*p == L' ' || *p == L'\t') ++p;
  return p;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::wstring text = arguments(GetCommandLineW());
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr,
                      nullptr);
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring log = std::wstring(path, length) + L".log";
  if (FILE* file = _wfopen(log.c_str(), L"ab")) {
    std::fprintf(file, "%s\n", utf8.c_str());
    std::fclose(file);
  }
  return 0;
}
