#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "designs/DesignKeys.h"

namespace tavrilon::designs {

// A design file: a custom label design to share, as UTF-8 text a person
// can read and mend, with its picture in it.
//
//   Tavrilon design file 1
//   [Design]
//   Name=Club card
//   ...                  every key of DesignKeyNames(), key=value
//   [Picture]            only when the design has one
//   File=qsl.bmp
//   Qk02NgAAAAAAADYAAAAoAAAA...   base64, each line whole on its own
inline constexpr int kDesignFileVersion = 1;
inline constexpr std::string_view kDesignFileExtension = ".tvdesign";

struct DesignPicture {
  std::string name;  // the file's name, without its folder
  std::string bytes;
  bool operator==(const DesignPicture&) const = default;
};

struct DesignFileContent {
  DesignKeys keys;
  std::optional<DesignPicture> picture;
};

// The file's text; the keys in their order. A value is written as it is:
// those of a settings file hold no line end.
std::string WriteDesignFile(const DesignFileContent& content);

struct ParsedDesignFile {
  std::optional<DesignFileContent> content;
  // What is wrong, naming the line: "line 7: ...".
  std::string error;
};
// The content of a design file's text: every key of DesignKeyNames() in that
// order, empty when the file lacks it, as a file of an older version does.
// Line ends may be LF or CR LF. Refuses, naming the line, a text that is not
// UTF-8, a first line that names no design file or a newer version, an
// unknown section or key, a line that is no key=value, a key or section
// given twice, and a picture whose base64 is broken or whose name is missing.
ParsedDesignFile ParseDesignFile(std::string_view text);

}  // namespace tavrilon::designs
