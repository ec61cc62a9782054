#include "hotkeys/hotkeys_file.h"

#include <algorithm>
#include <string>

#include "base/text.h"
#include "hotkeys/key_table.h"
#include "inifile/ini_values.h"

namespace vantrel::hotkeys {
namespace {

constexpr std::array<std::string_view, 7> kRowKeys{"Key", "Checked", "Image", "Path", "Alt", "Ctrl", "Shift"};
constexpr int kDefaultKeyCode = 48;

// Values a row has only when the user gave it them. They are written only
// then, so a file that never used them saves back byte for byte; a key left
// from an earlier save is set back to "none" rather than kept.
void write_optional(settings::IniDocument& document, const std::string& key, bool present,
                    std::string_view value, std::string_view none) {
  if (present) {
    settings::write_string(document, kHotkeysSection, key, value);
  } else if (document.find(kHotkeysSection, key)) {
    settings::write_string(document, kHotkeysSection, key, none);
  }
}

std::string indexed(std::string_view prefix, int n) {
  return std::string(prefix) + std::to_string(n);
}

// One past the highest position any row value is stored for.
int stored_row_span(const settings::IniDocument& document) {
  int span = 0;
  for (const std::string& name : document.keys(kHotkeysSection)) {
    for (std::string_view prefix : kRowKeys) {
      if (name.size() <= prefix.size() || !base::equals_ignoring_case(name.substr(0, prefix.size()), prefix))
        continue;
      const std::string_view digits = std::string_view(name).substr(prefix.size());
      if (digits.size() > 9 ||
          !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        continue;
      span = std::max(span, std::stoi(std::string(digits)) + 1);
    }
  }
  return span;
}

}  // namespace

std::vector<HotkeyRow> load_hotkeys(const settings::IniDocument& document,
                                    const std::optional<std::string>& computer_name) {
  using settings::read_bool;
  using settings::read_integer;
  const std::optional<int> stored =
      settings::parse_integer(settings::read_string(document, kHotkeysSection, "Count", ""));
  int count = stored.value_or(0);
  if (!stored || count < 0) {
    if (const int span = stored_row_span(document); span > 0) count = std::min(kMaxLoadedHotkeys, span);
  }
  if (count == 0) {
    std::vector<HotkeyRow> rows = default_hotkeys();
    if (computer_name) {
      for (HotkeyRow& row : rows) {
        if (row.action == kNetworkComputerPlaceholder) row.action = "\\\\" + *computer_name;
      }
    }
    return rows;
  }
  if (count > kMaxLoadedHotkeys) count = std::min(kMaxLoadedHotkeys, stored_row_span(document));

  std::vector<HotkeyRow> rows;
  for (int n = 0; n < count; ++n) {
    HotkeyRow row;
    const int code = read_integer(document, kHotkeysSection, indexed("Key", n), kDefaultKeyCode);
    row.checked = read_bool(document, kHotkeysSection, indexed("Checked", n), false);
    row.image = read_integer(document, kHotkeysSection, indexed("Image", n), kDefaultImage);
    row.action = settings::read_string(document, kHotkeysSection, indexed("Path", n), "");
    row.alt = read_bool(document, kHotkeysSection, indexed("Alt", n), true);
    row.ctrl = read_bool(document, kHotkeysSection, indexed("Ctrl", n), true);
    row.shift = read_bool(document, kHotkeysSection, indexed("Shift", n), false);
    row.win = read_bool(document, kHotkeysSection, indexed("Win", n), false);
    row.arguments = settings::read_string(document, kHotkeysSection, indexed("Args", n), "");
    row.start_in = settings::read_string(document, kHotkeysSection, indexed("StartIn", n), "");
    if (const auto name = key_name_for_code(code)) {
      row.key_name = std::string(*name);
    } else {
      row.unknown_key_code = code;
    }
    row.id = n + 1;
    rows.push_back(std::move(row));
  }
  return rows;
}

void store_hotkeys(std::span<const HotkeyRow> rows, settings::IniDocument& document) {
  using settings::write_bool;
  using settings::write_integer;
  write_integer(document, kHotkeysSection, "Count", static_cast<int>(rows.size()));
  int n = 0;
  for (const HotkeyRow& row : rows) {
    write_integer(document, kHotkeysSection, indexed("Key", n),
                  key_code_for_name(row.key_name).value_or(row.unknown_key_code.value_or(kDefaultKeyCode)));
    write_bool(document, kHotkeysSection, indexed("Checked", n), row.checked);
    write_integer(document, kHotkeysSection, indexed("Image", n), row.image);
    settings::write_string(document, kHotkeysSection, indexed("Path", n), row.action);
    write_bool(document, kHotkeysSection, indexed("Alt", n), row.alt);
    write_bool(document, kHotkeysSection, indexed("Ctrl", n), row.ctrl);
    write_bool(document, kHotkeysSection, indexed("Shift", n), row.shift);
    write_optional(document, indexed("Win", n), row.win, "1", "0");
    write_optional(document, indexed("Args", n), !row.arguments.empty(), row.arguments, "");
    write_optional(document, indexed("StartIn", n), !row.start_in.empty(), row.start_in, "");
    ++n;
  }
}

bool is_whole_hotkeys_file(const settings::IniDocument& document) {
  const auto count = settings::parse_integer(settings::read_string(document, kHotkeysSection, "Count", ""));
  if (!count || *count < 0 || *count > kMaxLoadedHotkeys) return false;
  for (int n = 0; n < *count; ++n) {
    for (std::string_view prefix : kRowKeys) {
      if (!document.find(kHotkeysSection, indexed(prefix, n))) return false;
    }
  }
  return true;
}

}  // namespace vantrel::hotkeys
