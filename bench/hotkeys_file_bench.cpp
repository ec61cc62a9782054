// Prints how long loading and saving the hotkeys file takes with the
// document engine against a plain copy of the file's bytes, measured side by
// side in one run, for several list sizes; on Windows also against
// per-value profile functions. Figures, not a test.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "hotkeys/hotkeys_file.h"
#include "hotkeys/key_table.h"
#include "inifile/ini_values.h"
#include "inifile/profile_storage.h"

#ifdef _WIN32
#include <windows.h>

#include "inifile/profile_storage_win32.h"
#else
#include <filesystem>
#include <fstream>

#include "western_code_page.h"
#endif

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

#ifdef _WIN32
using FileStorage = settings::Win32ProfileStorage;

std::string bench_folder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "vantrel-bench";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}
void copy_file(const std::string& from, const std::string& to) {
  CopyFileA(from.c_str(), to.c_str(), FALSE);
}
void remove_file(const std::string& path) {
  DeleteFileA(path.c_str());
}
void remove_folder(const std::string& folder) {
  RemoveDirectoryA(folder.c_str());
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

// Per-value saving rewrites the whole file for every value under Wine;
// past a few thousand values it is measured on a prefix of the rows and
// scaled by the number of values, which understates it (each write costs
// more as the file grows).
void print_per_value(const std::vector<hotkeys::HotkeyRow>& rows, const std::string& ours,
                     const std::string& folder, double load, double save) {
  const std::string per_value = folder + "per-value.ini";
  const int count = static_cast<int>(rows.size());
  const int limit = std::min(count, 1000);
  remove_file(per_value);
  const double pv_save = seconds_of([&] { save_per_value(rows, per_value, limit); }) * count / limit;
  copy_file(ours, per_value);
  const double pv_load = seconds_of([&] { load_per_value(per_value, limit); }) * count / limit;
  remove_file(per_value);
  std::printf(
      "files %d rows per-value profile calls: load %.1f ms (%.0fx ours), save %.1f ms (%.0fx ours)%s\n",
      count, pv_load * 1e3, pv_load / load, pv_save * 1e3, pv_save / save,
      limit < count ? " (scaled from 1000 rows)" : "");
}
#else
// The same contract as the program's storage, over the C++ library.
class FileStorage : public settings::ProfileStorage {
 public:
  settings::FileRead read(const std::string& path) override {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return {settings::FileRead::Status::ok, std::move(bytes), {}};
  }
  std::optional<std::string> replace(const std::string& path, std::string_view bytes) override {
    const std::string saving = path + std::string(settings::kSavingSuffix);
    {
      std::ofstream out(saving, std::ios::binary | std::ios::trunc);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      if (!out.flush()) return "cannot write " + saving;
    }
    std::error_code error;
    std::filesystem::rename(saving, path, error);
    if (error) return error.message();
    return std::nullopt;
  }
  const settings::AnsiCodePage& code_page() const override { return code_page_; }

 private:
  testing::WesternCodePage code_page_;
};

std::string bench_folder() {
  const auto folder = std::filesystem::temp_directory_path() / "vantrel-bench";
  std::filesystem::create_directories(folder);
  return folder.string() + "/";
}
void copy_file(const std::string& from, const std::string& to) {
  std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
}
void remove_file(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}
void remove_folder(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove(folder, ignored);
}
#endif

struct Figures {
  double copy = 0;
  double load = 0;
  double save = 0;
  double load_save = 0;
};

}  // namespace

int main() {
  const std::string folder = bench_folder();
  const std::string ours = folder + "ours.ini";
  const std::string copy = folder + "copy.ini";
  FileStorage storage;

  Figures at_1000;
  for (const int count : {20, 1000, 10000}) {
    const auto rows = make_rows(count);
    // Small files take microseconds: more runs keep the medians steady.
    const int runs = count >= 10000 ? 9 : 31;
    remove_file(ours);
    // A save of a file that already holds these rows: the usual case, and
    // the one that rewrites every value in place.
    const auto save_once = [&] {
      settings::save_document(storage, ours,
                              [&](settings::IniDocument& d) { hotkeys::store_hotkeys(rows, d); });
    };
    save_once();
    std::size_t loaded = 0;
    const auto load_once = [&] {
      loaded = hotkeys::load_hotkeys(settings::load_document(storage, ours).document, std::nullopt).size();
    };
    Figures f;
    f.copy = median_of(runs, [&] { copy_file(ours, copy); });
    f.load = median_of(runs, load_once);
    f.save = median_of(runs, save_once);
    f.load_save = median_of(runs, [&] {
      load_once();
      save_once();
    });
    const std::size_t bytes = storage.read(ours).bytes.size();
    if (loaded != rows.size()) std::printf("(loaded %zu of %d rows)\n", loaded, count);

    std::printf("files %d rows: %zu bytes, copy %.3f ms, load %.3f ms, save %.3f ms, load+save %.3f ms\n",
                count, bytes, f.copy * 1e3, f.load * 1e3, f.save * 1e3, f.load_save * 1e3);
    if (count >= 1000) {
      // Only 1,000 rows' load and save together have a target against the
      // copy; the others show where the time goes.
      std::printf("files %d rows vs copy: load %.1fx, save %.1fx\n", count, f.load / f.copy, f.save / f.copy);
      if (count == 1000)
        std::printf("files 1000 rows load+save vs copy: %.1fx (target <= 3x)\n", f.load_save / f.copy);
      else
        std::printf("files %d rows load+save vs copy: %.1fx\n", count, f.load_save / f.copy);
    }
    if (count == 1000) at_1000 = f;
    if (count == 10000) {
      std::printf("files 10000/1000 rows load: %.1fx (target <= 11x)\n", f.load / at_1000.load);
      std::printf("files 10000/1000 rows save: %.1fx (target <= 11x)\n", f.save / at_1000.save);
      std::printf("files 10000/1000 rows load+save: %.1fx (target <= 11x)\n",
                  f.load_save / at_1000.load_save);
    }
#ifdef _WIN32
    print_per_value(rows, ours, folder, f.load, f.save);
#endif
  }
  remove_file(ours);
  remove_file(copy);
  remove_folder(folder);
  return 0;
}
