// Prints how long loading and saving Settings.ini takes through the
// settings model (one read, one replacing write), against one profile call
// per value for the same 33 keys, and the ratio of the two. Figures, not a
// test.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "settings/stored_settings.h"
#include "inifile/profile_storage_win32.h"
#include "win32/text.h"

namespace {

using namespace vantrel;
using Clock = std::chrono::steady_clock;

double median_seconds(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    work();
    times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

struct Entry {
  std::wstring section;
  std::wstring key;
  std::wstring value;
};

// The 33 keys with their default values, in the file's order, as a save
// writes them.
std::vector<Entry> settings_entries() {
  settings::IniDocument document;
  app::write_settings(app::default_settings(768), document);
  std::vector<Entry> entries;
  std::wstring section;
  const std::string text = document.text();
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string line = text.substr(start, end - start);
    if (line.starts_with("[")) {
      section = win32::widen(line.substr(1, line.size() - 2));
    } else if (const std::size_t equals = line.find('='); equals != std::string::npos) {
      entries.push_back(
          {section, win32::widen(line.substr(0, equals)), win32::widen(line.substr(equals + 1))});
    }
  }
  return entries;
}

}  // namespace

int main() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"vantrel-settings-bench";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring ours = folder + L"\\Settings.ini";
  const std::wstring per_value = folder + L"\\per-value.ini";
  const std::vector<Entry> entries = settings_entries();

  settings::Win32ProfileStorage storage;
  app::StoredSettings settings(storage, win32::narrow(ours), {1024, 768});
  constexpr int kRuns = 21;
  const double save = median_seconds(kRuns, [&] { settings.save(); });
  const double load = median_seconds(kRuns, [&] { settings.load(); });

  const double pv_save = median_seconds(kRuns, [&] {
    for (const Entry& e : entries)
      WritePrivateProfileStringW(e.section.c_str(), e.key.c_str(), e.value.c_str(), per_value.c_str());
  });
  std::size_t read_chars = 0;
  const double pv_load = median_seconds(kRuns, [&] {
    wchar_t buffer[2048];
    for (const Entry& e : entries)
      read_chars +=
          GetPrivateProfileStringW(e.section.c_str(), e.key.c_str(), L"", buffer, 2048, per_value.c_str());
  });

  std::printf("Settings.ini, %zu keys, medians of %d runs\n", entries.size(), kRuns);
  std::printf("%-28s %10s %10s\n", "", "load ms", "save ms");
  std::printf("%-28s %10.3f %10.3f\n", "settings model", load * 1e3, save * 1e3);
  std::printf("%-28s %10.3f %10.3f\n", "per-value profile calls", pv_load * 1e3, pv_save * 1e3);
  std::printf("%-28s %10.1f %10.1f\n", "per-value / model", pv_load / load, pv_save / save);
  if (read_chars == 0) std::printf("(the per-value file read back empty)\n");
  DeleteFileW(ours.c_str());
  DeleteFileW(per_value.c_str());
  RemoveDirectoryW(folder.c_str());
  return 0;
}
