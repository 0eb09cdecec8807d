#pragma once

#include <cstdint>

#include "adif/FieldTable.h"

namespace tavrilon::adif {

// One contact as the reader hands it on: the values in the field table and
// its QSO_DATE as a number, taken before the date was formatted. Valid until
// the reader is asked for the next record.
struct QsoRecord {
  const FieldTable& fields;
  std::int64_t dateNumber = 0;
  bool dateUnreadable = false;  // a QSO_DATE is there, but no date
};

// How far the reading has come: characters of the lines that began records
// (and of the header lines the label runs' skip passed) against the file's
// length.
struct ReadProgress {
  std::int64_t charsRead = 0;
  std::int64_t fileLength = 0;
  // 0 to 100.
  int Percent() const;
};

}  // namespace tavrilon::adif
