#include <array>

#include "base/product.h"
#include "hotkeys/hotkeys_file.h"

namespace vantrel::hotkeys {
namespace {

// Stand-ins for the product's addresses, which come from its identity.
constexpr std::string_view kWriteToAuthors = "<write to the authors>";
constexpr std::string_view kProductWebSite = "<the product's web site>";

std::string action_text(std::string_view action) {
  if (action == kWriteToAuthors) return "mailto: " + std::string(base::kContactAddress);
  if (action == kProductWebSite) return "https://" + std::string(base::kWebSite) + "/";
  return std::string(action);
}

struct DefaultRow {
  bool alt;
  bool ctrl;
  bool shift;
  std::string_view key;
  std::string_view action;
};

constexpr std::array<DefaultRow, 20> kDefaults{{
    {false, true, true, "E", kWriteToAuthors},
    {true, true, false, "E", "C:\\"},
    {true, true, false, "C", "calc.exe"},
    {false, true, true, "C", "cmd.exe"},
    {true, true, false, "D", "dxdiag.exe"},
    {true, true, false, "G", "http://www.google.com/"},
    {false, true, true, "M", "msconfig.exe"},
    {true, true, false, "N", "notepad.exe"},
    {false, true, true, "N", kNetworkComputerPlaceholder},
    {true, true, false, "R", "regedit.exe"},
    {true, true, false, "S", "services.msc"},
    {true, true, false, "H", "Show/Hide Application"},
    {false, true, true, "S", "sol.exe"},
    {true, false, true, "S", kProductWebSite},
    {true, true, false, "Down", "VolumeDown"},
    {true, true, false, "M", "VolumeMute"},
    {true, true, false, "Up", "VolumeUp"},
    {true, false, true, "W", "winmine.exe"},
    {true, true, false, "W", "c:\\Program Files\\Winamp\\winamp.exe"},
    {false, true, true, "W", "write.exe"},
}};

}  // namespace

std::vector<HotkeyRow> default_hotkeys() {
  std::vector<HotkeyRow> rows;
  rows.reserve(kDefaults.size());
  for (const DefaultRow& d : kDefaults) {
    const int n = static_cast<int>(rows.size());
    rows.push_back(
        HotkeyRow{d.alt, d.ctrl, d.shift, std::string(d.key), action_text(d.action), n + 1, true, n});
  }
  return rows;
}

}  // namespace vantrel::hotkeys
