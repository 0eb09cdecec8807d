#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "adif/QsoParser.h"

namespace tavrilon::adif {
namespace {

using test::TableOf;
using test::ValueOf;

FieldTable Dictionary() {
  return TableOf({"note", "QSO_DATE", "TIME_ON", "TIME_OFF", "CALL", "BAND", "FREQ", "COMMENT",
                  "NAME", "MODE"});
}

struct Case {
  const char* why;
  std::string_view record;
  std::vector<std::pair<std::string_view, std::string_view>> expected;  // "" name: slot 0
};

TEST(QsoParser, TakesRecordsApartAsTheReaderDoes) {
  const Case cases[] = {
      {"plain tags", "<CALL:4>W1AW<BAND:3>20M<EOR>", {{"CALL", "W1AW"}, {"BAND", "20M"}}},
      {"lower case, blank kept, lower-case end tag",
       "<call:4>W1AW <band:3>20m <eor>",
       {{"CALL", "W1AW "}, {"BAND", "20m "}}},
      {"declared length ignored", "<CALL:10>W1AW<EOR>", {{"CALL", "W1AW"}}},
      {"a < inside a value starts a tag",
       "<COMMENT:5>a<b c<BAND:3>20M<EOR>",
       {{"COMMENT", "a"}, {"BAND", "20M"}, {"", "20M"}}},
      {"data type after the length", "<QSO_DATE:8:D>20230101<EOR>", {{"QSO_DATE", "01 JAN 2023"}}},
      {"a < with no : after it is skipped", "<CALL:4>W1AW<x<EOR>", {{"CALL", "W1AW"}, {"", ""}}},
      {"a tag without > has no value", "<CALL:4W1AW", {{"CALL", ""}}},
      {"unknown tags go to slot 0", "<APP_X:2>hi<CALL:4>W1AW<EOR>", {{"", "hi"}, {"CALL", "W1AW"}}},
      {"header on the record's line",
       "<PROGRAMID:3>XYZ <EOH> <CALL:4>W1AW<EOR>",
       {{"CALL", "W1AW"}, {"", " "}}},  // "<EOH> <CALL" is a name of its own
      {"the last of a repeated tag wins", "<CALL:2>AA<CALL:2>BB<EOR>", {{"CALL", "BB"}}},
      {"normalised date, times and frequency",
       "<QSO_DATE:8>20061028<TIME_ON:4>0930<FREQ:9>14.025500<EOR>",
       {{"QSO_DATE", "28 OCT 2006"}, {"TIME_ON", "09:30"}, {"TIME_OFF", ""}, {"FREQ", "14.0255"}}},
      {"missing date is Unknown", "<CALL:4>W1AW<EOR>", {{"QSO_DATE", "Unknown"}, {"FREQ", ""}}},
      {"UTF-8 value counted in bytes by the sender",
       "<qth:6>Od\xC5\xBE"
       "ak<name:10>lianyi \xE8\xB5\xB5<eor>",
       {{"",
         "Od\xC5\xBE"
         "ak"},
        {"NAME", "lianyi \xE8\xB5\xB5"}}},
      {"value running to the end of the text", "<CALL:4>W1AW", {{"CALL", "W1AW"}}},
  };
  for (const Case& c : cases) {
    FieldTable table = Dictionary();
    table.SetValue(0, "");
    ParseQsoRecord(c.record, table);
    for (const auto& [name, value] : c.expected) {
      const std::string_view got = name.empty() ? table.Value(0) : ValueOf(table, name);
      EXPECT_EQ(got, value) << c.why << ": " << (name.empty() ? "slot 0" : name);
    }
  }
}

TEST(QsoParser, AnswersTheDateAsANumber) {
  FieldTable table = Dictionary();
  EXPECT_EQ(ParseQsoRecord("<qso_date:8>20240131 <eor>", table), 20240131);
  EXPECT_EQ(ParseQsoRecord("<qso_date:10>2024-01-31<eor>", table), 0);
  EXPECT_EQ(ParseQsoRecord("<call:4>W1AW<eor>", table), 0);
}

TEST(QsoParser, ClearsEveryFieldButSlotZeroBetweenRecords) {
  FieldTable table = Dictionary();
  ParseQsoRecord("<CALL:4>W1AW<NAME:3>Bob<APP_X:1>z<EOR>", table);
  ParseQsoRecord("<CALL:4>K1JT<EOR>", table);
  EXPECT_EQ(ValueOf(table, "CALL"), "K1JT");
  EXPECT_EQ(ValueOf(table, "NAME"), "");
  EXPECT_EQ(table.Value(0), "z");
}

TEST(QsoParser, NormalisesSlotZeroForAStandardFieldTheDictionaryLacks) {
  FieldTable table = TableOf({"note", "CALL"});
  ParseQsoRecord("<FREQ:9>14.025500<EOR>", table);
  // The times, the date and then the frequency are all normalised in slot 0.
  EXPECT_EQ(table.Value(0), "Unknow");
}

TEST(QsoParser, AnEmptyTagNameLandsInTheSlotAfterTheNames) {
  FieldTable table = TableOf({"note", "CALL"});
  ParseQsoRecord("<:3>abc<EOR>", table);
  EXPECT_EQ(table.Value(2), "abc");
  EXPECT_EQ(table.Value(1), "");
}

TEST(QsoParser, StaysLinearOnHostileText) {
  FieldTable table = Dictionary();
  std::string hostile(200000, '<');
  hostile += ":>";
  hostile.append(200000, 'v');
  ParseQsoRecord(hostile, table);  // quadratic scanning would not finish in time
  EXPECT_EQ(table.Value(0).size(), 200000U);
}

TEST(QsoParser, EveryPrefixOfARecordParsesWithoutHarm) {
  const std::string record =
      "<QSO_DATE:8:D>20061028<TIME_ON:6>093015<CALL:4>W1AW<FREQ:7>7,03051<EOR>";
  for (std::size_t n = 0; n <= record.size(); ++n) {
    FieldTable table = Dictionary();
    ParseQsoRecord(std::string_view(record).substr(0, n), table);
  }
  FieldTable table = Dictionary();
  ParseQsoRecord(record, table);
  EXPECT_EQ(ValueOf(table, "TIME_ON"), "09:30");
  EXPECT_EQ(ValueOf(table, "FREQ"), "7,0305");
}

}  // namespace
}  // namespace tavrilon::adif
