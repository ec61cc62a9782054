// Prints how long loading and saving the hotkeys file takes with the
// document engine, against per-value profile functions and against a plain
// copy of the file's bytes, for several list sizes. Figures, not a test.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "hotkeys/hotkeys_file.h"
#include "hotkeys/key_table.h"
#include "settings/ini_values.h"
#include "settings/profile_storage_win32.h"

namespace {

using namespace vantrel;
using Clock = std::chrono::steady_clock;

double seconds_of(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double median_of(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(seconds_of(work));
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::vector<hotkeys::HotkeyRow> make_rows(int count) {
  std::vector<hotkeys::HotkeyRow> rows;
  const auto keys = hotkeys::key_table();
  for (int n = 0; n < count; ++n) {
    rows.push_back(
        {n % 2 == 0, true, n % 3 == 0, std::string(keys[static_cast<std::size_t>(n) % keys.size()].name),
         "C:\\Program Files\\Tool " + std::to_string(n) + "\\tool.exe", n + 1, n % 5 != 0, n % 52});
  }
  return rows;
}

std::string indexed(const char* prefix, int n) {
  return prefix + std::to_string(n);
}

// The per-value way: one profile call for every value.
void save_per_value(const std::vector<hotkeys::HotkeyRow>& rows, const std::string& path, int limit) {
  const char* file = path.c_str();
  WritePrivateProfileStringA("HotKeys", "Count", std::to_string(rows.size()).c_str(), file);
  int n = 0;
  for (const auto& row : rows) {
    if (n >= limit) break;
    const std::string code = std::to_string(hotkeys::key_code_for_name(row.key_name).value_or(48));
    WritePrivateProfileStringA("HotKeys", indexed("Key", n).c_str(), code.c_str(), file);
    WritePrivateProfileStringA("HotKeys", indexed("Checked", n).c_str(), row.checked ? "1" : "0", file);
    WritePrivateProfileStringA("HotKeys", indexed("Image", n).c_str(), std::to_string(row.image).c_str(),
                               file);
    WritePrivateProfileStringA("HotKeys", indexed("Path", n).c_str(), row.action.c_str(), file);
    WritePrivateProfileStringA("HotKeys", indexed("Alt", n).c_str(), row.alt ? "1" : "0", file);
    WritePrivateProfileStringA("HotKeys", indexed("Ctrl", n).c_str(), row.ctrl ? "1" : "0", file);
    WritePrivateProfileStringA("HotKeys", indexed("Shift", n).c_str(), row.shift ? "1" : "0", file);
    ++n;
  }
}

std::size_t load_per_value(const std::string& path, int limit) {
  char buffer[2048];
  const char* file = path.c_str();
  GetPrivateProfileStringA("HotKeys", "Count", "", buffer, sizeof buffer, file);
  const int count = std::min(limit, settings::parse_integer(buffer).value_or(0));
  std::size_t total = 0;
  for (int n = 0; n < count; ++n) {
    for (const char* key : {"Key", "Checked", "Image", "Path", "Alt", "Ctrl", "Shift"}) {
      total += GetPrivateProfileStringA("HotKeys", indexed(key, n).c_str(), "", buffer, sizeof buffer, file);
    }
  }
  return total;
}

}  // namespace

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "vantrel-bench";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string ours = folder + "\\ours.ini";
  const std::string copy = folder + "\\copy.ini";
  const std::string per_value = folder + "\\per-value.ini";
  settings::Win32ProfileStorage storage;

  std::printf("%7s %10s %10s %10s %10s %12s %12s %9s %9s %10s %10s\n", "rows", "bytes", "copy ms", "load ms",
              "save ms", "pv load ms", "pv save ms", "load/copy", "save/copy", "pv/ours ld", "pv/ours sv");
  for (const int count : {20, 1000, 10000}) {
    const auto rows = make_rows(count);
    DeleteFileA(ours.c_str());
    const double save = median_of(5, [&] {
      settings::save_document(storage, ours,
                              [&](settings::IniDocument& d) { hotkeys::store_hotkeys(rows, d); });
    });
    std::size_t loaded = 0;
    const double load = median_of(5, [&] {
      loaded = hotkeys::load_hotkeys(settings::load_document(storage, ours).document, std::nullopt).size();
    });
    const double copied = median_of(5, [&] { CopyFileA(ours.c_str(), copy.c_str(), FALSE); });
    const std::size_t bytes = storage.read(ours).bytes.size();

    // Per-value saving rewrites the whole file for every value under Wine;
    // past a few thousand values it is measured on a prefix of the rows and
    // scaled by the number of values, which understates it (each write
    // costs more as the file grows).
    const int limit = std::min(count, 1000);
    DeleteFileA(per_value.c_str());
    const double pv_save = seconds_of([&] { save_per_value(rows, per_value, limit); }) * count / limit;
    CopyFileA(ours.c_str(), per_value.c_str(), FALSE);
    const double pv_load = seconds_of([&] { load_per_value(per_value, limit); }) * count / limit;
    if (loaded != rows.size()) std::printf("(loaded %zu of %d rows)\n", loaded, count);

    std::printf("%7d %10zu %10.3f %10.3f %10.3f %12.1f %12.1f %9.1f %9.1f %10.0f %10.0f%s\n", count, bytes,
                copied * 1e3, load * 1e3, save * 1e3, pv_load * 1e3, pv_save * 1e3, load / copied,
                save / copied, pv_load / load, pv_save / save,
                limit < count ? "  (per-value scaled from 1000 rows)" : "");
  }
  DeleteFileA(ours.c_str());
  DeleteFileA(copy.c_str());
  DeleteFileA(per_value.c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
