#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "countries/CountryTable.h"
#include "files/RegularFile.h"
#include "text/Text.h"

namespace tavrilon::countries {

// Fills a table entity by entity, as the file lists them.
struct CountryTableBuilder {
  CountryTable table;
  // Whether the entries now read belong to a DXCC entity.
  bool counts = false;

  void StartCountry(std::string_view name, std::string_view primaryPrefix) {
    counts = !primaryPrefix.starts_with('*');
    if (counts) {
      table.countries_.push_back({std::string(name), std::string(primaryPrefix)});
    }
  }

  // Room for the entries of a file like the real one: an exact call in
  // every 17 bytes of it, a prefix in every 42.
  void Reserve(std::size_t bytes) {
    table.exact_.reserve(bytes / 17);
    table.prefixes_.reserve(bytes / 42);
  }

  // "DL" or "=DL1ABC", with overrides such as "(14)[28]" after it.
  void AddEntry(std::string_view entry) {
    if (!counts) {
      return;
    }
    const bool exact = entry.starts_with('=');
    entry = entry.substr(exact ? 1 : 0);
    entry = entry.substr(0, entry.find_first_of("([<{~"));
    if (entry.empty()) {
      return;
    }
    const std::size_t country = table.countries_.size() - 1;
    if (exact) {
      table.exact_.emplace(text::AsciiUpper(entry), country);
    } else {
      table.prefixes_.emplace(text::AsciiUpper(entry), country);
      table.longestPrefix_ = std::max(table.longestPrefix_, entry.size());
    }
  }
};

namespace {

struct Header {
  std::string_view name;
  std::string_view primaryPrefix;
};

// A header line: eight fields, each ended by ":"; nothing when it is none.
std::optional<Header> ReadHeader(std::string_view line) {
  constexpr int kFields = 8;
  Header header;
  std::size_t at = 0;
  for (int field = 1; field <= kFields; ++field) {
    const std::size_t end = line.find(':', at);
    if (end == std::string_view::npos) {
      return std::nullopt;
    }
    const std::string_view value = text::TrimBlanks(line.substr(at, end - at));
    if (field == 1) {
      header.name = value;
    } else if (field == kFields) {
      header.primaryPrefix = value;
    }
    at = end + 1;
  }
  if (header.name.empty() || header.primaryPrefix.empty() ||
      !text::TrimBlanks(line.substr(at)).empty()) {
    return std::nullopt;
  }
  return header;
}

// The line that starts at `at`, without its LF or CR LF; `at` moves past it.
std::string_view NextLine(std::string_view text, std::size_t& at) {
  const std::size_t end = std::min(text.find('\n', at), text.size());
  std::string_view line = text.substr(at, end - at);
  at = end + 1;
  if (line.ends_with('\r')) {
    line.remove_suffix(1);
  }
  return line;
}

CountryFileLoad Unusable(const std::string& fileName, const std::string& why) {
  return {std::nullopt, "The country file " + fileName + " cannot be used: " + why};
}

// The list still open: which entity's, and the line of its header.
struct OpenList {
  std::string_view name;
  std::size_t line = 0;

  std::string NotEnded() const {
    return "the prefix list of " + std::string(name) + " (line " + std::to_string(line) +
           ") is not ended by \";\"";
  }
};

}  // namespace

CountryFileLoad ParseCountryFile(std::string_view text, const std::string& fileName) {
  CountryTableBuilder builder;
  builder.Reserve(text.size());
  std::optional<OpenList> list;
  std::size_t lineNumber = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::string_view line = NextLine(text, at);
    ++lineNumber;
    if (text::TrimBlanks(line).empty()) {
      continue;
    }
    if (!list) {
      const std::optional<Header> header = ReadHeader(line);
      if (!header) {
        return Unusable(fileName,
                        "line " + std::to_string(lineNumber) +
                            " is no entity's header of eight fields, each ended by \":\"");
      }
      builder.StartCountry(header->name, header->primaryPrefix);
      list = OpenList{header->name, lineNumber};
      continue;
    }
    // The next entity's header.
    if (line.find(':') != std::string_view::npos) {
      return Unusable(fileName, list->NotEnded() + " before line " + std::to_string(lineNumber));
    }
    const std::size_t end = line.find(';');
    for (const std::string_view entry : text::Split(line.substr(0, end), ',')) {
      builder.AddEntry(text::TrimBlanks(entry));
    }
    if (end != std::string_view::npos) {
      if (!text::TrimBlanks(line.substr(end + 1)).empty()) {
        return Unusable(fileName, "line " + std::to_string(lineNumber) +
                                      " goes on after the \";\" that ends a list");
      }
      list.reset();
    }
  }
  if (list) {
    return Unusable(fileName, list->NotEnded());
  }
  if (builder.table.Size() == 0) {
    return Unusable(fileName, "it holds no entity");
  }
  return {std::move(builder.table), {}};
}

CountryFileLoad LoadCountryFile(const std::filesystem::path& file) {
  std::string text;
  std::string reason;
  if (!files::ReadRegularFile(file, text, reason)) {
    return {std::nullopt, "The country file " + file.string() + " cannot be read: " + reason};
  }
  return ParseCountryFile(text, file.string());
}

}  // namespace tavrilon::countries
