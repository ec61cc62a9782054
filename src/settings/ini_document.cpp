#include "settings/ini_document.h"

#include <algorithm>
#include <iterator>

#include "base/text.h"

namespace vantrel::settings {

using base::is_profile_blank;
using base::to_lower_ascii;
using base::trim_profile_blanks;

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::size_t leading_blanks(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && is_profile_blank(text[n])) ++n;
  return n;
}

std::string without_line_breaks(std::string_view value) {
  std::string clean(value);
  std::replace_if(
      clean.begin(), clean.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return clean;
}

std::string concat(std::initializer_list<std::string_view> parts) {
  std::string joined;
  for (std::string_view part : parts) joined.append(part);
  return joined;
}

}  // namespace

IniDocument::Line IniDocument::parse_line(std::string raw, std::string terminator) {
  Line line;
  line.raw = std::move(raw);
  line.terminator = std::move(terminator);
  const std::string_view text = line.raw;
  const std::string_view trimmed = trim_profile_blanks(text);
  if (trimmed.empty()) return line;
  line.blank = false;
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) {
    line.name = std::string(trimmed);
    return line;
  }
  line.name = std::string(trim_profile_blanks(trimmed.substr(0, equals)));
  const std::size_t after = leading_blanks(text) + equals + 1;
  line.value_start = after + leading_blanks(text.substr(after));
  return line;
}

void IniDocument::add_line(Line line) {
  const std::string_view trimmed = trim_profile_blanks(line.raw);
  if (!trimmed.empty() && trimmed.front() == '[') {
    const std::size_t close = trimmed.rfind(']');
    if (close != std::string_view::npos) {
      line.name = std::string(trim_profile_blanks(trimmed.substr(1, close - 1)));
      line.value_start.reset();
      first_section_.try_emplace(to_lower_ascii(line.name), sections_.size());
      sections_.push_back(Section{std::move(line), {}, {}, {}});
      return;
    }
  }
  Section& section = sections_.back();
  if (line.blank) {
    section.trailing.push_back(std::move(line));
    return;
  }
  // Blank lines followed by more of the section belong to its body.
  std::move(section.trailing.begin(), section.trailing.end(), std::back_inserter(section.body));
  section.trailing.clear();
  line.first_of_its_name =
      section.first_key.try_emplace(to_lower_ascii(line.name), section.body.size()).second;
  section.body.push_back(std::move(line));
}

IniDocument IniDocument::parse(std::string_view bytes) {
  IniDocument doc;
  if (bytes.starts_with(kUtf8Bom)) {
    doc.bom_ = kUtf8Bom;
    bytes.remove_prefix(kUtf8Bom.size());
  }
  bool newline_seen = false;
  while (!bytes.empty()) {
    // A line ends at CR LF, LF or a lone CR (old Mac editors), as the
    // system's reader has it.
    const std::size_t end = bytes.find_first_of("\r\n");
    const std::string_view content = bytes.substr(0, end);
    std::string_view terminator;
    if (end != std::string_view::npos) {
      terminator = bytes.substr(end, bytes.substr(end).starts_with("\r\n") ? 2 : 1);
      if (!newline_seen) doc.newline_ = std::string(terminator);
      newline_seen = true;
      bytes.remove_prefix(end + terminator.size());
    } else {
      bytes = {};
    }
    doc.add_line(parse_line(std::string(content), std::string(terminator)));
  }
  return doc;
}

const IniDocument::Section* IniDocument::find_section(std::string_view name) const {
  const auto it = first_section_.find(to_lower_ascii(trim_profile_blanks(name)));
  return it == first_section_.end() ? nullptr : &sections_[it->second];
}

std::optional<std::size_t> IniDocument::find_line(const Section& section, std::string_view key) {
  key = trim_profile_blanks(key);
  if (section.next < section.body.size()) {
    const Line& line = section.body[section.next];
    if (line.first_of_its_name && base::equals_ignoring_case(line.name, key)) return section.next++;
  }
  const auto it = section.first_key.find(to_lower_ascii(key));
  if (it == section.first_key.end()) return std::nullopt;
  section.next = it->second + 1;
  return it->second;
}

std::optional<std::string_view> IniDocument::find(std::string_view section, std::string_view key) const {
  const Section* found = find_section(section);
  if (!found) return std::nullopt;
  const auto index = find_line(*found, key);
  if (!index) return std::nullopt;
  const Line& line = found->body[*index];
  if (!line.value_start) return std::nullopt;
  // The system's reader takes a value as a C string: a NUL byte ends it.
  const std::string_view value = std::string_view(line.raw).substr(*line.value_start);
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
  const std::string clean = without_line_breaks(value);
  const auto found = first_section_.find(to_lower_ascii(section_name));
  if (found == first_section_.end()) {
    if (Line* last = last_line(); last && last->terminator.empty()) last->terminator = newline_;
    add_line(parse_line(concat({"[", section_name, "]"}), newline_));
    add_line(parse_line(concat({key, "=", clean}), newline_));
    return;
  }
  Section& section = sections_[found->second];
  if (const auto index = find_line(section, key)) {
    Line& line = section.body[*index];
    std::string raw = line.raw.substr(
        0, line.value_start ? *line.value_start
                            : leading_blanks(line.raw) + trim_profile_blanks(line.raw).size());
    if (!line.value_start) raw += '=';
    raw += clean;
    line = parse_line(std::move(raw), std::move(line.terminator));
    line.first_of_its_name = true;
    return;
  }
  Line* before = !section.body.empty() ? &section.body.back() : (section.header ? &*section.header : nullptr);
  if (before && before->terminator.empty()) before->terminator = newline_;
  const std::size_t position = section.body.size();
  section.body.push_back(parse_line(concat({key, "=", clean}), newline_));
  section.body.back().first_of_its_name = true;
  section.first_key.emplace(to_lower_ascii(key), position);
  section.next = position + 1;
}

void IniDocument::end_with_line_break() {
  if (Line* last = last_line(); last && last->terminator.empty()) last->terminator = newline_;
}

std::vector<std::string> IniDocument::keys(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* found = find_section(section)) {
    for (const Line& line : found->body) {
      if (!line.blank) names.push_back(line.name);
    }
  }
  return names;
}

std::string IniDocument::text() const {
  std::string out = bom_;
  const auto append = [&out](const Line& line) {
    out += line.raw;
    out += line.terminator;
  };
  for (const Section& section : sections_) {
    if (section.header) append(*section.header);
    for (const Line& line : section.body) append(line);
    for (const Line& line : section.trailing) append(line);
  }
  return out;
}

}  // namespace vantrel::settings
