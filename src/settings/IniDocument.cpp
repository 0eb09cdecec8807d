#include "settings/IniDocument.h"

#include <cstdint>

#include "text/Text.h"

namespace tavrilon::settings {

namespace {

enum class LineKind { Other, Section, Key };

struct LineParts {
  LineKind kind = LineKind::Other;
  std::string_view name;
  std::string_view value;
  std::size_t valueStart = 0;  // in the line, after '=' and the blanks behind it
};

// The line without its line end (LF, CR LF, or a CR the file ends with).
std::string_view Content(std::string_view line) {
  if (!line.empty() && line.back() == '\n') {
    line.remove_suffix(1);
  }
  if (!line.empty() && line.back() == '\r') {
    line.remove_suffix(1);
  }
  return line;
}

LineParts ParseLine(std::string_view line) {
  const std::string_view content = Content(line);
  const std::string_view trimmed = text::TrimBlanks(content);
  if (trimmed.empty() || trimmed.front() == ';') {
    return {};
  }
  if (trimmed.front() == '[') {
    const std::size_t close = trimmed.find(']');
    if (close == std::string_view::npos) {
      return {};
    }
    return {LineKind::Section, text::TrimBlanks(trimmed.substr(1, close - 1)), {}, 0};
  }
  const std::size_t equals = content.find('=');
  if (equals == std::string_view::npos) {
    return {};
  }
  std::size_t valueStart = equals + 1;
  while (valueStart < content.size() && content[valueStart] == ' ') {
    ++valueStart;
  }
  return {LineKind::Key, text::TrimBlanks(content.substr(0, equals)),
          text::TrimTrailingBlanks(content.substr(valueStart)), valueStart};
}

bool HasLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

std::string WhyNotStorable(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view trimmedKey = text::TrimBlanks(key);
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) {
    return "a line break in the section, key or value would split its line";
  }
  if (section.find(']') != std::string_view::npos) {
    return "the section " + text::Quoted(section) + " holds \"]\", which ends a section's name";
  }
  if (key.find('=') != std::string_view::npos) {
    return "the key " + text::Quoted(key) + " holds \"=\", which ends a key's name";
  }
  if (trimmedKey.starts_with(';') || trimmedKey.starts_with('[')) {
    return "the key " + text::Quoted(key) + " begins with " +
           text::Quoted(trimmedKey.substr(0, 1)) + ", which would make its line read as a " +
           (trimmedKey.front() == ';' ? "comment" : "section");
  }
  return {};
}

std::size_t IniDocument::NameHash::operator()(std::string_view name) const {
  std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a
  for (char c : name) {
    hash = (hash ^ static_cast<unsigned char>(text::AsciiUpper(c))) * 1099511628211ULL;
  }
  return static_cast<std::size_t>(hash);
}

bool IniDocument::NameEqual::operator()(std::string_view a, std::string_view b) const {
  return text::EqualsIgnoringCase(a, b);
}

IniDocument::IniDocument(std::string_view text) {
  if (constexpr std::string_view kBom = "\xEF\xBB\xBF"; text.starts_with(kBom)) {
    byteOrderMark_ = kBom;
    text.remove_prefix(kBom.size());
  }
  const std::size_t firstBreak = text.find('\n');
  if (firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r') {
    lineEnd_ = "\r\n";
  }
  while (!text.empty()) {
    const std::size_t lineBreak = text.find('\n');
    const std::size_t length = lineBreak == std::string_view::npos ? text.size() : lineBreak + 1;
    AddLine(std::string(text.substr(0, length)));
    text.remove_prefix(length);
  }
}

void IniDocument::AddLine(std::string line) {
  const LineParts parts = ParseLine(line);
  if (parts.kind == LineKind::Section) {
    sectionIndex_.emplace(std::string(parts.name), sections_.size());
    sections_.push_back({std::move(line), {}, {}, 0});
  } else if (sections_.empty()) {
    preamble_.push_back(std::move(line));
  } else {
    Section& section = sections_.back();
    if (parts.kind == LineKind::Key) {
      section.keys.emplace(std::string(parts.name), section.lines.size());
      section.keyLinesEnd = section.lines.size() + 1;
    }
    section.lines.push_back(std::move(line));
  }
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  const auto found = sectionIndex_.find(text::TrimBlanks(section));
  if (found == sectionIndex_.end()) {
    return std::nullopt;
  }
  const Section& s = sections_[found->second];
  const auto line = s.keys.find(text::TrimBlanks(key));
  if (line == s.keys.end()) {
    return std::nullopt;
  }
  return std::string(ParseLine(s.lines[line->second]).value);
}

std::string_view IniDocument::EndLineBefore(std::string& previous) const {
  if (!previous.empty() && previous.back() == '\n') {
    return lineEnd_;
  }
  // The file ended without a line end: end that line and keep it that way.
  previous += (!previous.empty() && previous.back() == '\r') ? std::string_view("\n") : lineEnd_;
  return {};
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (!WhyNotStorable(section, key, value).empty()) {
    return false;
  }
  auto found = sectionIndex_.find(text::TrimBlanks(section));
  if (found == sectionIndex_.end()) {
    std::string header(1, '[');
    header.append(section).append(1, ']');
    if (!sections_.empty()) {
      Section& last = sections_.back();
      header += EndLineBefore(last.lines.empty() ? last.header : last.lines.back());
    } else if (!preamble_.empty()) {
      header += EndLineBefore(preamble_.back());
    } else {
      header += lineEnd_;
    }
    found = sectionIndex_.emplace(std::string(text::TrimBlanks(section)), sections_.size()).first;
    sections_.push_back({std::move(header), {}, {}, 0});
  }
  Section& s = sections_[found->second];
  const auto keyLine = s.keys.find(text::TrimBlanks(key));
  if (keyLine != s.keys.end()) {
    std::string& line = s.lines[keyLine->second];
    const std::string_view content = Content(line);
    std::string rewritten(content.substr(0, ParseLine(line).valueStart));
    rewritten += value;
    rewritten.append(line, content.size());
    line = std::move(rewritten);
    return true;
  }
  std::string added(key);
  added.append(1, '=').append(value);
  added += EndLineBefore(s.keyLinesEnd == 0 ? s.header : s.lines[s.keyLinesEnd - 1]);
  s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(s.keyLinesEnd), std::move(added));
  s.keys.emplace(std::string(text::TrimBlanks(key)), s.keyLinesEnd);
  ++s.keyLinesEnd;
  return true;
}

std::string IniDocument::Serialize() const {
  std::string out(byteOrderMark_);
  for (const std::string& line : preamble_) {
    out += line;
  }
  for (const Section& section : sections_) {
    out += section.header;
    for (const std::string& line : section.lines) {
      out += line;
    }
  }
  return out;
}

}  // namespace tavrilon::settings
