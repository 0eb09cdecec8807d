#pragma once

#include <cstdint>
#include <string_view>

#include "adif/FieldTable.h"

namespace tavrilon::adif {

// Takes one record text apart into the table's values and normalises the
// date, times and frequency. Answers the record's QSO_DATE as a number.
//
// Tags are found by "<" and ":"; the length written in a tag is not used: a
// value runs from the tag's ">" to the next "<". A "<" with no ":" after it
// (other than an end tag) is skipped.
std::int64_t ParseQsoRecord(std::string_view text, FieldTable& table);
// The same, with whether the record has a QSO_DATE that is no date.
std::int64_t ParseQsoRecord(std::string_view text, FieldTable& table, bool& dateUnreadable);

}  // namespace tavrilon::adif
