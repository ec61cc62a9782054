#include "inifile/ini_document.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "base/text.h"

namespace vantrel::settings {

using base::is_profile_blank;
using base::trim_profile_blanks;

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::size_t leading_blanks(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && is_profile_blank(text[n])) ++n;
  return n;
}

std::string_view terminator_text(auto terminator) {
  constexpr std::string_view texts[] = {"", "\n", "\r", "\r\n"};
  return texts[static_cast<std::size_t>(terminator)];
}

// The profile functions themselves give up long before this size.
void fits_offsets(std::size_t size) {
  if (size >= std::numeric_limits<std::uint32_t>::max())
    throw std::length_error("initialisation file too large");
}

}  // namespace

IniDocument::IniDocument() {
  first_section_.insert({}, 0, [this](std::size_t index) { return section_name(index); });
}

IniDocument::Line IniDocument::parse_line(Offset begin, Offset size, Terminator terminator,
                                          bool reading) const {
  Line line;
  line.begin = begin;
  line.size = size;
  line.terminator = terminator;
  const std::string_view text = raw(line);
  const std::size_t leading = leading_blanks(text);
  const std::string_view trimmed = trim_profile_blanks(text);
  if (trimmed.empty()) return line;
  line.blank = false;
  const auto set_name = [&](std::string_view name) {
    line.name_begin = begin + static_cast<Offset>(name.data() - text.data());
    line.name_size = static_cast<Offset>(name.size());
  };
  if (reading && trimmed.front() == '[') {
    if (const std::size_t close = trimmed.rfind(']'); close != std::string_view::npos) {
      line.looks_like_header = true;
      set_name(trim_profile_blanks(trimmed.substr(1, close - 1)));
      return line;
    }
  }
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) {
    set_name(trimmed);
    return line;
  }
  set_name(trim_profile_blanks(trimmed.substr(0, equals)));
  const std::size_t after = leading + equals + 1;
  line.value_start = static_cast<Offset>(after + leading_blanks(text.substr(after)));
  return line;
}

IniDocument::Line IniDocument::append_line(std::string_view raw, Terminator terminator, bool reading) {
  fits_offsets(store_.size() + raw.size());
  const auto begin = static_cast<Offset>(store_.size());
  store_.append(raw);
  return parse_line(begin, static_cast<Offset>(raw.size()), terminator, reading);
}

void IniDocument::add_line(Line line) {
  if (line.looks_like_header) {
    sections_.push_back(Section{line, {}, {}, {}});
    first_section_.insert(name(line), sections_.size() - 1,
                          [this](std::size_t index) { return section_name(index); });
    return;
  }
  Section& section = sections_.back();
  if (line.blank) {
    section.trailing.push_back(line);
    return;
  }
  // Blank lines followed by more of the section belong to its body.
  section.body.insert(section.body.end(), section.trailing.begin(), section.trailing.end());
  section.trailing.clear();
  line.first_of_its_name =
      section.first_key.insert(name(line), section.body.size(),
                               [this, &section](std::size_t index) { return name(section.body[index]); });
  section.body.push_back(line);
}

IniDocument IniDocument::parse(std::string_view bytes) {
  return parse_owned(std::string(bytes));
}

IniDocument IniDocument::parse_owned(std::string bytes) {
  fits_offsets(bytes.size());
  IniDocument doc;
  doc.store_ = std::move(bytes);
  const std::string_view text = doc.store_;
  std::size_t at = 0;
  if (text.starts_with(kUtf8Bom)) at = doc.bom_size_ = kUtf8Bom.size();
  bool newline_seen = false;
  while (at < text.size()) {
    // A line ends at CR LF, LF or a lone CR (old Mac editors), as the
    // system's reader has it.
    std::size_t end = at;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    Terminator terminator = Terminator::none;
    std::size_t next = end;
    if (end < text.size()) {
      if (text[end] == '\n') {
        terminator = Terminator::lf;
        next = end + 1;
      } else if (end + 1 < text.size() && text[end + 1] == '\n') {
        terminator = Terminator::crlf;
        next = end + 2;
      } else {
        terminator = Terminator::cr;
        next = end + 1;
      }
      if (!newline_seen) doc.newline_ = terminator;
      newline_seen = true;
    }
    doc.add_line(doc.parse_line(static_cast<Offset>(at), static_cast<Offset>(end - at), terminator, true));
    at = next;
  }
  return doc;
}

std::optional<std::size_t> IniDocument::find_section_index(std::string_view name) const {
  name = trim_profile_blanks(name);
  // Values are mostly read and written a section at a time. The section
  // remembered is one the index gave, so the first of its name for good:
  // sections are only ever added after it.
  if (base::equals_ignoring_case(section_name(last_section_), name)) return last_section_;
  const auto found = first_section_.find(name, [this](std::size_t index) { return section_name(index); });
  if (found) last_section_ = *found;
  return found;
}

const IniDocument::Section* IniDocument::find_section(std::string_view name) const {
  const auto index = find_section_index(name);
  return index ? &sections_[*index] : nullptr;
}

std::optional<std::size_t> IniDocument::find_line(const Section& section, std::string_view key) const {
  key = trim_profile_blanks(key);
  if (section.next < section.body.size()) {
    const Line& line = section.body[section.next];
    if (line.first_of_its_name && base::equals_ignoring_case(name(line), key)) return section.next++;
  }
  const auto found =
      section.first_key.find(key, [this, &section](std::size_t index) { return name(section.body[index]); });
  if (!found) return std::nullopt;
  section.next = *found + 1;
  return found;
}

std::optional<std::string_view> IniDocument::find(std::string_view section, std::string_view key) const {
  const Section* found = find_section(section);
  if (!found) return std::nullopt;
  const auto index = find_line(*found, key);
  if (!index) return std::nullopt;
  const Line& line = found->body[*index];
  if (line.value_start == kNoValue) return std::nullopt;
  // The system's reader takes a value as a C string: a NUL byte ends it.
  const std::string_view value = raw(line).substr(line.value_start);
  return trim_profile_blanks(value.substr(0, value.find('\0')));
}

std::string IniDocument::get_string(std::string_view section, std::string_view key,
                                    std::string_view default_value, std::size_t buffer_size) const {
  if (buffer_size == 0) return {};
  std::string_view value;
  if (const auto found = find(section, key)) {
    value = *found;
  } else {
    value = default_value;
    while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  }
  bool quoted = false;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    quoted = true;
    value.remove_prefix(1);
  }
  std::string result(value.substr(0, buffer_size - 1));
  // The closing quote goes only when the buffer could hold all of what
  // followed the opening one; a shorter buffer loses its last character
  // instead, exactly as the system functions do.
  if (quoted && buffer_size >= value.size() && !result.empty()) result.pop_back();
  return result;
}

IniDocument::Line* IniDocument::last_line() {
  for (auto section = sections_.rbegin(); section != sections_.rend(); ++section) {
    if (!section->trailing.empty()) return &section->trailing.back();
    if (!section->body.empty()) return &section->body.back();
    if (section->header) return &*section->header;
  }
  return nullptr;
}

void IniDocument::set(std::string_view section_name, std::string_view key, std::string_view value) {
  section_name = trim_profile_blanks(section_name);
  key = trim_profile_blanks(key);
  // Line breaks in the value become blanks: no value adds lines.
  std::string clean(value);
  std::replace_if(
      clean.begin(), clean.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  const auto found = find_section_index(section_name);
  if (!found) {
    if (Line* last = last_line(); last && last->terminator == Terminator::none) last->terminator = newline_;
    std::string header = "[";
    header.append(section_name).append("]");
    add_line(append_line(header, newline_, true));
    std::string line(key);
    line.append("=").append(clean);
    add_line(append_line(line, newline_, true));
    return;
  }
  Section& section = sections_[*found];
  if (const auto index = find_line(section, key)) {
    Line& line = section.body[*index];
    const std::string_view old = raw(line);
    // Saves write back every value; most are what the file already holds.
    if (line.value_start != kNoValue && old.substr(line.value_start) == clean) return;
    std::string updated(old.substr(0, line.value_start != kNoValue
                                          ? line.value_start
                                          : leading_blanks(old) + trim_profile_blanks(old).size()));
    if (line.value_start == kNoValue) updated += '=';
    updated += clean;
    line = append_line(updated, line.terminator, false);
    line.first_of_its_name = true;
    return;
  }
  Line* before = !section.body.empty() ? &section.body.back() : (section.header ? &*section.header : nullptr);
  if (before && before->terminator == Terminator::none) before->terminator = newline_;
  std::string text(key);
  text.append("=").append(clean);
  const std::size_t position = section.body.size();
  section.body.push_back(append_line(text, newline_, false));
  section.body.back().first_of_its_name = true;
  section.first_key.insert(key, position,
                           [this, &section](std::size_t index) { return name(section.body[index]); });
  section.next = position + 1;
}

void IniDocument::end_with_line_break() {
  if (Line* last = last_line(); last && last->terminator == Terminator::none) last->terminator = newline_;
}

std::vector<std::string> IniDocument::keys(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* found = find_section(section)) {
    for (const Line& line : found->body) {
      if (!line.blank) names.emplace_back(name(line));
    }
  }
  return names;
}

std::string IniDocument::text() const {
  std::string out;
  out.reserve(store_.size());
  out.append(store_, 0, bom_size_);
  const auto append = [this, &out](const Line& line) {
    out.append(raw(line));
    out.append(terminator_text(line.terminator));
  };
  for (const Section& section : sections_) {
    if (section.header) append(*section.header);
    for (const Line& line : section.body) append(line);
    for (const Line& line : section.trailing) append(line);
  }
  return out;
}

}  // namespace vantrel::settings
