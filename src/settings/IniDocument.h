#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavrilon::settings {

// Why a key and its value cannot be kept in an INI file, as they would not
// read back from one line: a line break anywhere, "]" in the section, "=" in
// the key, a key that would read as a comment or a section. Empty when they
// can.
std::string WhyNotStorable(std::string_view section, std::string_view key, std::string_view value);

// The text of an INI file: "[section]" lines, each followed by "key=value"
// lines. Names match without regard to ASCII case; blanks around names and
// values do not count; the first of two equal sections, or of two equal keys
// in a section, is the one read and written. Lines starting with ';' are
// comments. Every line that Set does not rewrite keeps its bytes, so that a
// file edited by hand keeps its comments, order, unknown keys and line ends.
class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string_view text);

  // Present with an empty value gives "", missing gives nothing.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // Rewrites the key's line in place, or adds the key after the last key of
  // its section, or adds the section at the end. False, with nothing changed,
  // when WhyNotStorable refuses them.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Serialize() const;
  std::size_t SectionCount() const { return sections_.size(); }

 private:
  // Hashing and comparing that ignore ASCII case, looked up by string_view.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const;
  };
  struct NameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  template <typename T>
  using NameMap = std::unordered_map<std::string, T, NameHash, NameEqual>;

  // A section line and the lines up to the next one. Keys are indexed by
  // their line in `lines`; lines are only ever added after the last key line,
  // so indexes stay valid.
  struct Section {
    std::string header;
    std::vector<std::string> lines;
    NameMap<std::size_t> keys;
    std::size_t keyLinesEnd = 0;
  };

  void AddLine(std::string line);
  // A new line goes after `previous`, which the file may have left without a
  // line end; answers the new line's own line end.
  std::string_view EndLineBefore(std::string& previous) const;

  std::vector<std::string> preamble_;  // lines before the first section
  std::vector<Section> sections_;
  NameMap<std::size_t> sectionIndex_;  // first section of each name
  std::string lineEnd_ = "\n";
  // A byte-order mark some editors put first: kept, but not part of a line.
  std::string_view byteOrderMark_;
};

}  // namespace tavrilon::settings
