#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "hotkeys/hotkey_record.h"
#include "inifile/ini_document.h"

namespace vantrel::hotkeys {

inline constexpr std::string_view kHotkeysFileName = "Hotkeys.ini";
inline constexpr std::string_view kHotkeysSection = "HotKeys";

// A Count above this is taken as damage rather than intent: loading then
// stops after the last position the file actually holds a value for, and
// never beyond this many rows.
inline constexpr int kMaxLoadedHotkeys = 10000;

inline constexpr std::string_view kNetworkComputerPlaceholder = "\\\\NetworkComputer";

// The twenty rows a first start begins with.
std::vector<HotkeyRow> default_hotkeys();

// Rows from the document. With no hotkeys stored (Count 0, or no Count and
// no row values at all) the defaults come back, the network-computer row
// pointing at computer_name when it is known. A Count that is missing, not
// a number or negative beside stored rows is damage, not intent: the rows
// present are loaded (up to the highest position holding a value).

std::vector<HotkeyRow> load_hotkeys(const settings::IniDocument& document,
                                    const std::optional<std::string>& computer_name);

// Writes Count and every row's seven values, and Win, Args and StartIn for
// the rows that have them; keys of positions at or above the new Count stay
// as they are. Every text reads back unchanged.
void store_hotkeys(std::span<const HotkeyRow> rows, settings::IniDocument& document);

// Whether a document holds Count and all seven values of every row below
// it: what a save writes, and what a save cut off part-way lacks.
bool is_whole_hotkeys_file(const settings::IniDocument& document);

}  // namespace vantrel::hotkeys
