#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantrel::settings {

// An initialisation file held in memory with the lookup rules of the
// system's profile functions: section and key names match ignoring case and
// surrounding blanks, the first matching section is the only one searched,
// the first matching key in it wins, and values lose the blanks around them.
//
// Unlike the system functions, which re-read and rewrite the whole file per
// value, a document is read once, changed in memory and written once. Its
// text keeps every line it did not change byte for byte (comments, spacing,
// line endings), so a user's hand edits survive a save.
class IniDocument {
 public:
  IniDocument() = default;
  static IniDocument parse(std::string_view bytes);

  // The value as stored, or nullopt when the key is absent (or has no "=").
  std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

  // What GetPrivateProfileString returns into a buffer of buffer_size
  // characters: the value (or the default, trailing blanks removed) without
  // one pair of enclosing quotes, cut to buffer_size - 1 characters.
  std::string get_string(std::string_view section, std::string_view key, std::string_view default_value,
                         std::size_t buffer_size) const;

  // WritePrivateProfileString: replace the key's value in place, or append
  // the key after the last line of its section, creating the section at the
  // end of the file when missing. Line breaks in the value become blanks so
  // that no value can smuggle extra lines into the file.
  void set(std::string_view section, std::string_view key, std::string_view value);

  // Key names of the section that lookups search, in file order.
  std::vector<std::string> keys(std::string_view section) const;

  std::string text() const;

  // Gives an unterminated last line the file's line break, so a file cut
  // short on its way to the disk shows as such.
  void end_with_line_break();

 private:
  struct Line {
    std::string raw;         // the line without its terminator
    std::string terminator;  // "\r\n", "\n", "\r" or empty for a last line
    bool blank = true;
    std::string name;                        // section or key name
    std::optional<std::size_t> value_start;  // offset of the value in raw
    bool first_of_its_name = false;          // the one a lookup finds
  };
  // Lines above the first header form a nameless section without a header.
  struct Section {
    std::optional<Line> header;
    // Up to the last non-blank line; new keys are appended here.
    std::vector<Line> body;
    // The blank lines after it, which stay below any added key. Kept apart
    // so that adding a key never moves them (a section ending in thousands
    // of blank lines would make every addition shift them all).
    std::vector<Line> trailing;
    // Lower-cased key name to the body line of its first occurrence.
    std::unordered_map<std::string, std::size_t> first_key;
    // Where the last lookup ended. Files are read and written key after
    // key in file order, so the next key is usually the next line: checking
    // there first spares most lookups the hash table.
    mutable std::size_t next = 0;
  };

  static Line parse_line(std::string raw, std::string terminator);
  void add_line(Line line);
  const Section* find_section(std::string_view name) const;
  static std::optional<std::size_t> find_line(const Section& section, std::string_view key);
  Line* last_line();

  std::string bom_;
  std::vector<Section> sections_{Section{}};
  std::unordered_map<std::string, std::size_t> first_section_{{"", 0}};
  std::string newline_ = "\r\n";
};

}  // namespace vantrel::settings
