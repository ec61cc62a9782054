#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inifile/name_index.h"

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
  IniDocument();
  static IniDocument parse(std::string_view bytes);
  // The same, keeping the string as the document's text instead of a copy.
  static IniDocument parse_owned(std::string bytes);

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
  enum class Terminator : std::uint8_t { none, lf, cr, crlf };
  // A line's texts are offsets into store_, which holds the file as read
  // followed by every line written since: parsing makes no string per
  // line, and a copied or moved document stays whole. Offsets are 32-bit
  // (store_ stays under 4 GiB), which keeps a line's entry small: a large
  // file's entries are written once each and read in order.
  using Offset = std::uint32_t;
  static constexpr Offset kNoValue = static_cast<Offset>(-1);
  struct Line {
    Offset begin = 0;  // the line without its terminator
    Offset size = 0;
    Offset name_begin = 0;  // section or key name
    Offset name_size = 0;
    Offset value_start = kNoValue;  // offset of the value in the line
    Terminator terminator = Terminator::none;
    bool blank = true;
    bool looks_like_header = false;  // "[name]": a header where a file is read
    bool first_of_its_name = false;  // the one a lookup finds
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
    // Key name to the body line of its first occurrence.
    NameIndex first_key;
    // Where the last lookup ended. Files are read and written key after
    // key in file order, so the next key is usually the next line: checking
    // there first spares most lookups the index.
    mutable std::size_t next = 0;
  };

  std::string_view raw(const Line& line) const {
    return std::string_view(store_).substr(line.begin, line.size);
  }
  std::string_view name(const Line& line) const {
    return std::string_view(store_).substr(line.name_begin, line.name_size);
  }
  std::string_view section_name(std::size_t index) const {
    return sections_[index].header ? name(*sections_[index].header) : std::string_view();
  }
  // A line read from a file (or added as a file would have it) is a header
  // when it looks like one; a key's line rewritten in place stays a key's.
  Line parse_line(Offset begin, Offset size, Terminator terminator, bool reading) const;
  Line append_line(std::string_view raw, Terminator terminator, bool reading);
  void add_line(Line line);
  std::optional<std::size_t> find_section_index(std::string_view name) const;
  const Section* find_section(std::string_view name) const;
  std::optional<std::size_t> find_line(const Section& section, std::string_view key) const;
  Line* last_line();

  std::string store_;
  std::size_t bom_size_ = 0;  // a UTF-8 byte-order mark at the start of store_
  std::vector<Section> sections_{Section{}};
  NameIndex first_section_;
  mutable std::size_t last_section_ = 0;  // the section the last lookup found
  Terminator newline_ = Terminator::crlf;
};

}  // namespace vantrel::settings
