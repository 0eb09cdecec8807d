#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "adif/NameIndex.h"

namespace tavrilon::adif {

// The standard fields, in the order of StandardFieldSlots.
enum class StandardField : std::size_t {
  QsoDate,
  TimeOn,
  Call,
  Operator,
  RstSent,
  RstRcvd,
  Freq,
  Mode,
  TxPwr,
  TimeOff,
  Comment,
  QslSent,
  QslRcvd,
  QslVia,
  Band,
  Name,
};
inline constexpr std::size_t kStandardFieldCount = 16;
inline constexpr std::array<std::string_view, kStandardFieldCount> kStandardFieldNames = {
    "QSO_DATE", "TIME_ON",  "CALL",    "OPERATOR", "RST_SENT", "RST_RCVD", "FREQ", "MODE",
    "TX_PWR",   "TIME_OFF", "COMMENT", "QSL_SENT", "QSL_RCVD", "QSL_VIA",  "BAND", "NAME"};

// The field dictionary's names and the current contact's values, slot by
// slot. Slot 0 is the catch-all of tags the dictionary lacks. The table holds
// at least 61 slots and grows to hold the whole dictionary; a load overwrites
// slots and never clears them, so a shorter load leaves older names beyond
// FieldCount, where FindFieldSlot (not LookupFieldSlot) still finds them.
class FieldTable {
 public:
  static constexpr std::size_t kMinimumSlots = 61;

  FieldTable();

  // Stores the dictionary's lines, already trimmed, from slot 0 on.
  void LoadNames(const std::vector<std::string>& names);
  std::size_t FieldCount() const { return fieldCount_; }
  // Changes with every load, so that slots looked up earlier can be known stale.
  std::uint64_t Generation() const { return generation_; }
  std::size_t SlotCount() const { return names_.size(); }

  // First slot from 0 whose name matches in capitals; 0 when none does.
  std::size_t FindFieldSlot(std::string_view name) const { return findIndex_.Find(name, 0); }
  // First slot from 1 to FieldCount whose name matches; 0 when none does.
  std::size_t LookupFieldSlot(std::string_view name) const { return lookupIndex_.Find(name, 0); }
  // LookupFieldSlot for the record's tag at `position` (0 for its first tag).
  // Loggers write every record alike, so the tag at a position is most often
  // the one the record before had there, in the same letters.
  std::size_t LookupTagSlot(std::size_t position, std::string_view name) {
    if (position < tagCache_.size() && tagCache_[position].name == name) {
      return tagCache_[position].slot;
    }
    return LookupAndRememberTag(position, name);
  }

  void ComputeStandardFieldSlots();
  std::size_t StandardSlot(StandardField field) const {
    return StandardFieldSlots[static_cast<std::size_t>(field)];
  }
  std::array<std::size_t, kStandardFieldCount> StandardFieldSlots{};

  std::string_view Name(std::size_t slot) const { return names_[slot]; }
  std::string_view Value(std::size_t slot) const;
  std::string_view StandardValue(StandardField field) const { return Value(StandardSlot(field)); }
  // The value of a field looked up by name: empty for slot 0, which holds
  // the tags the dictionary lacks, not the field asked for.
  std::string_view FieldValue(std::size_t slot) const {
    return slot == 0 ? std::string_view() : Value(slot);
  }

  // Starts a contact: `text` becomes the record that SetValueFromRecord
  // refers to, and slots 1 to FieldCount are emptied. Slot 0 keeps its value.
  void BeginRecord(std::string_view text);
  // Sets a slot to characters of the current record (no copy).
  void SetValueFromRecord(std::size_t slot, std::size_t offset, std::size_t length) {
    values_[slot] = {offset, length, false};
    if (slot != 0 && isSet_[slot] == 0) {
      isSet_[slot] = 1;
      setSlots_.push_back(slot);
    }
  }
  void SetValue(std::size_t slot, std::string_view value);

 private:
  struct ValueRef {
    std::size_t offset = 0;
    std::size_t length = 0;
    bool owned = false;
  };
  void Own(std::size_t slot);
  std::size_t LookupAndRememberTag(std::size_t position, std::string_view name);

  struct CachedTag {
    std::string name;
    std::size_t slot = 0;
  };
  std::vector<CachedTag> tagCache_;

  std::vector<std::string> names_;
  std::vector<ValueRef> values_;
  std::vector<std::string> ownedValues_;
  // Slots from 1 to FieldCount that hold a value, so that a record clears
  // only what the last one set.
  std::vector<std::size_t> setSlots_;
  std::vector<unsigned char> isSet_;  // not vector<bool>: this is touched per tag
  std::string record_;
  std::size_t fieldCount_ = 0;
  std::uint64_t generation_ = 0;
  NameIndex findIndex_;
  NameIndex lookupIndex_;
};

// Reads the dictionary file into the table. Unusable, with `fault` saying
// why and naming the file, when it cannot be read or lacks the fields every
// run needs; the table is then left as it was.
enum class DictionaryLoad { Loaded, Missing, Unusable };
// The file's lines as read, for the field lists that offer its names.
DictionaryLoad ReadDictionaryLines(const std::filesystem::path& dictionaryFile,
                                   std::vector<std::string>& lines, std::string& fault);
DictionaryLoad LoadFieldDictionary(const std::filesystem::path& dictionaryFile, FieldTable& table,
                                   std::string& fault);

// The three lines shown when the dictionary is missing.
inline constexpr std::string_view kDictionaryMissingLines[] = {
    "     TVADIF.txt file not found.", "Tavrilon will not function properly",
    "without the latest TVADIF.txt file."};
// What the program says before it ends for want of a dictionary: the three
// lines, or with a `fault` of a dictionary that is there, the fault in place
// of the first line. Lines are joined by "\n".
std::string DictionaryStopText(std::string_view fault);
inline constexpr std::string_view kDictionaryFileName = "tvadif.txt";

}  // namespace tavrilon::adif
