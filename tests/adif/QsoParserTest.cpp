#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "adif/QsoParser.h"

namespace tavrilon::adif {
namespace {

using test::ValueOf;

FieldTable Dictionary() {
  return test::TableOf({"note", "QSO_DATE", "TIME_ON", "TIME_OFF", "CALL", "BAND", "FREQ",
                        "COMMENT", "NAME", "MODE"});
}

TEST(QsoParser, TakesRecordsApartAsTheReaderDoes) {
  const struct {
    std::string_view record;
    std::vector<std::pair<std::string_view, std::string_view>> expected;  // "" name: slot 0
  } cases[] = {
      // Tags in any case, blanks kept, no date is Unknown, no frequency stays empty.
      {"<call:4>W1AW <band:3>20m <eor>",
       {{"CALL", "W1AW "}, {"BAND", "20m "}, {"QSO_DATE", "Unknown"}, {"FREQ", ""}}},
      // The declared length is ignored: a value runs to the next "<".
      {"<CALL:10>W1AW<COMMENT:5>a<b c<BAND:3>20M<EOR>",
       {{"CALL", "W1AW"}, {"COMMENT", "a"}, {"BAND", "20M"}, {"", "20M"}}},
      // A data type after the length; dates, times and frequencies normalised.
      {"<QSO_DATE:8:D>20061028<TIME_ON:4>0930<FREQ:9>14.025500<EOR>",
       {{"QSO_DATE", "28 OCT 2006"}, {"TIME_ON", "09:30"}, {"TIME_OFF", ""}, {"FREQ", "14.0255"}}},
      {"<CALL:4>W1AW<x<EOR>", {{"CALL", "W1AW"}, {"", ""}}},  // a "<" without ":" is skipped
      {"<CALL:4W1AW", {{"CALL", ""}}},                        // a tag without ">" has no value
      {"<APP_X:2>hi<CALL:4>W1AW<EOR>", {{"", "hi"}, {"CALL", "W1AW"}}},  // unknown tags: slot 0
      {"<PROGRAMID:3>XYZ <EOH> <CALL:4>W1AW<EOR>",
       {{"CALL", "W1AW"}, {"", " "}}},                 // "<EOH> <CALL" is a name of its own
      {"<CALL:2>AA<CALL:4>W1AW", {{"CALL", "W1AW"}}},  // the last wins, up to the text's end
      {"<qth:6>Od\305\276ak<name:10>lianyi \350\265\265<eor>",  // lengths counted in bytes
       {{"", "Od\305\276ak"}, {"NAME", "lianyi \350\265\265"}}},
  };
  for (const auto& c : cases) {
    FieldTable table = Dictionary();
    ParseQsoRecord(c.record, table);
    for (const auto& [name, value] : c.expected) {
      const std::string_view got = name.empty() ? table.Value(0) : ValueOf(table, name);
      EXPECT_EQ(got, value) << c.record << ": " << (name.empty() ? "slot 0" : name);
    }
  }
}

// Every field but slot 0 is cleared between records; the raw date is answered.
TEST(QsoParser, ClearsEveryFieldButSlotZeroBetweenRecords) {
  FieldTable table = Dictionary();
  EXPECT_EQ(ParseQsoRecord("<CALL:4>W1AW<NAME:3>Bob<APP_X:1>z<qso_date:8>20240131 <EOR>", table),
            20240131);
  EXPECT_EQ(ParseQsoRecord("<CALL:4>K1JT<QSO_DATE:10>2024-01-31<EOR>", table), 0);
  EXPECT_EQ(ValueOf(table, "CALL"), "K1JT");
  EXPECT_EQ(ValueOf(table, "NAME"), "");
  EXPECT_EQ(table.Value(0), "z");
  EXPECT_EQ(ParseQsoRecord("<CALL:4>W1AW<EOR>", table), 0);
}

TEST(QsoParser, StaysLinearOnHostileText) {
  FieldTable table = Dictionary();
  std::string hostile(200000, '<');
  hostile += ":>";
  hostile.append(200000, 'v');
  ParseQsoRecord(hostile, table);  // quadratic scanning would not finish in time
  EXPECT_EQ(table.Value(0).size(), 200000U);
}

}  // namespace
}  // namespace tavrilon::adif
