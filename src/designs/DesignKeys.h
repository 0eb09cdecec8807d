#pragma once

#include <string>
#include <vector>

#include "settings/SettingsFile.h"

namespace tavrilon::designs {

// One key of a design's section as stored; a missing key is held as empty,
// which every reader takes the same way.
struct DesignKeyValue {
  std::string key;  // "Name", "Field3Horiz"
  std::string value;
  bool operator==(const DesignKeyValue&) const = default;
};

// Every key a design is made of, the design's own first and then each
// field's, in a fixed order: what undo restores, a design file carries and a
// copy takes to another slot.
using DesignKeys = std::vector<DesignKeyValue>;

// The names in that order: "Name" ... "Field15Align".
const std::vector<std::string>& DesignKeyNames();

DesignKeys ReadDesignKeys(settings::SettingsFile& settings, int design);
// Writes the keys whose stored value differs, in one save; a name that is
// not a design's key is not written. False when the file could not be saved.
bool WriteDesignKeys(settings::SettingsFile& settings, int design, const DesignKeys& keys);

// Whether the keys lay out a label: a picture to print or a field that
// prints something. A design without one is new, even when it has a name.
bool HoldsLayout(const DesignKeys& keys);
// Whether the keys hold a design: a layout or a name. A slot without one may
// be filled without asking.
bool HoldsDesign(const DesignKeys& keys);

}  // namespace tavrilon::designs
