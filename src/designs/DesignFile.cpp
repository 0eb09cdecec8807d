#include "designs/DesignFile.h"

#include <algorithm>
#include <map>
#include <vector>

#include "text/Base64.h"
#include "text/Text.h"

namespace tavrilon::designs {

namespace {

constexpr std::string_view kHeader = "Tavrilon design file ";
constexpr std::string_view kDesignSection = "[Design]";
constexpr std::string_view kPictureSection = "[Picture]";
constexpr std::string_view kPictureName = "File";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The file's lines without their ends; a line end after the last line ends
// no further line.
std::vector<std::string_view> LinesOf(std::string_view text) {
  std::vector<std::string_view> lines = text::Split(text, '\n');
  if (lines.back().empty()) {
    lines.pop_back();
  }
  for (std::string_view& line : lines) {
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
  }
  return lines;
}

// A line of the picture that is no base64: "=" is padding only at a line's end.
bool IsKeyValue(std::string_view line) {
  const std::size_t equals = line.find('=');
  return equals != std::string_view::npos &&
         line.find_first_not_of('=', equals) != std::string_view::npos;
}

class Parser {
 public:
  explicit Parser(std::vector<std::string_view> lines) : lines_(std::move(lines)) {}

  ParsedDesignFile Parse() {
    if (auto header = Header()) {
      return Refuse(1, *header);
    }
    for (std::size_t i = 1; i < lines_.size(); ++i) {
      if (auto wrong = Take(lines_[i], i + 1)) {
        return Refuse(i + 1, *wrong);
      }
    }
    if (designLine_ == 0) {
      return Refuse(lines_.size(), "the file ends without a [Design] section");
    }
    if (pictureLine_ != 0 && !pictureName_) {
      return Refuse(pictureLine_, "the section [Picture] has no File= line naming the picture");
    }
    DesignFileContent content;
    for (const std::string& name : DesignKeyNames()) {
      const auto given = values_.find(name);
      content.keys.push_back({name, given == values_.end() ? "" : std::string(given->second)});
    }
    if (pictureName_) {
      content.picture = DesignPicture{std::string(*pictureName_), std::move(pictureBytes_)};
    }
    return {std::move(content), {}};
  }

 private:
  static ParsedDesignFile Refuse(std::size_t line, std::string_view wrong) {
    return {std::nullopt, "line " + std::to_string(line) + ": " + std::string(wrong)};
  }

  std::optional<std::string> Header() const {
    const std::string_view first = lines_.empty() ? std::string_view() : lines_.front();
    const std::string_view version = first.substr(std::min(first.size(), kHeader.size()));
    if (!first.starts_with(kHeader) || !text::IsDigits(version)) {
      return "this is no Tavrilon design file: its first line must be " +
             text::Quoted(std::string(kHeader) + std::to_string(kDesignFileVersion));
    }
    const auto number = text::ParseWholeNumber(version);
    if (!number || *number > kDesignFileVersion) {
      return "the file was written by a newer version of Tavrilon (design file version " +
             std::string(version) + "; this version reads up to " +
             std::to_string(kDesignFileVersion) + ")";
    }
    if (*number == 0) {
      return "there is no design file version 0";
    }
    return std::nullopt;
  }

  std::optional<std::string> Take(std::string_view line, std::size_t number) {
    if (!text::IsValidUtf8(line)) {
      return "the text is not UTF-8";
    }
    if (line.empty()) {
      return std::nullopt;
    }
    if (line.starts_with('[')) {
      return Section(line, number);
    }
    if (part_ == Part::None) {
      return "a line before the first section, [Design]";
    }
    if (part_ == Part::Picture && !IsKeyValue(line)) {
      return PictureData(line);
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      return text::Quoted(line) + " is no key=value line";
    }
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    if (part_ == Part::Picture) {
      if (key != kPictureName) {
        return "the section [Picture] has no key " + text::Quoted(key) + "; it takes File=";
      }
      if (pictureName_) {
        return "the key File is given twice";
      }
      if (value.empty()) {
        return "File= names no picture";
      }
      pictureName_ = value;
      return std::nullopt;
    }
    if (std::ranges::find(DesignKeyNames(), key) == DesignKeyNames().end()) {
      return text::Quoted(key) + " is no key of a design";
    }
    if (!values_.emplace(key, value).second) {
      return "the key " + text::Quoted(key) + " is given twice";
    }
    return std::nullopt;
  }

  std::optional<std::string> Section(std::string_view line, std::size_t number) {
    const Part part = line == kDesignSection    ? Part::Design
                      : line == kPictureSection ? Part::Picture
                                                : Part::None;
    if (part == Part::None) {
      return "unknown section " + text::Quoted(line) + "; a design file has [Design] and [Picture]";
    }
    std::size_t& begins = part == Part::Design ? designLine_ : pictureLine_;
    if (begins != 0) {
      return "the section " + std::string(line) + " is given twice";
    }
    begins = number;
    part_ = part;
    return std::nullopt;
  }

  std::optional<std::string> PictureData(std::string_view line) {
    if (!pictureName_) {
      return "the picture's base64 comes before its File= line";
    }
    std::string reason;
    const auto bytes = text::DecodeBase64(line, reason);
    if (!bytes) {
      return "the picture's base64 is broken: " + reason;
    }
    pictureBytes_ += *bytes;
    return std::nullopt;
  }

  enum class Part { None, Design, Picture };

  std::vector<std::string_view> lines_;
  Part part_ = Part::None;      // the section being read
  std::size_t designLine_ = 0;  // where each section begins; 0 before it
  std::size_t pictureLine_ = 0;
  std::map<std::string_view, std::string_view> values_;
  std::optional<std::string_view> pictureName_;
  std::string pictureBytes_;
};

}  // namespace

std::string WriteDesignFile(const DesignFileContent& content) {
  std::string text = std::string(kHeader) + std::to_string(kDesignFileVersion) + "\n";
  text.append(kDesignSection).append("\n");
  for (const DesignKeyValue& key : content.keys) {
    text.append(key.key).append("=").append(key.value).append("\n");
  }
  if (content.picture) {
    text.append(kPictureSection).append("\n");
    text.append(kPictureName).append("=").append(content.picture->name).append("\n");
    text.append(text::EncodeBase64(content.picture->bytes));
  }
  return text;
}

ParsedDesignFile ParseDesignFile(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) {
    text.remove_prefix(kByteOrderMark.size());  // as an editor may save it
  }
  return Parser(LinesOf(text)).Parse();
}

}  // namespace tavrilon::designs
