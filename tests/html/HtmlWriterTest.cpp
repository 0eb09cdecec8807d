#include <gtest/gtest.h>

#include <utility>

#include "html/HtmlTestSupport.h"
#include "html/HtmlWriter.h"
#include "settings/SettingsFile.h"
#include "support/TestSupport.h"
#include "version/VersionString.h"

namespace tavrilon::html {
namespace {

using test::Cells;
using test::Lines;

class HtmlWriterTest : public ::testing::Test {
 protected:
  HtmlWriterTest() {
    std::string fault;
    EXPECT_EQ(
        adif::LoadFieldDictionary(tavrilon::test::ShippedDictionary(), input_.Fields(), fault),
        adif::DictionaryLoad::Loaded);
    input_.Fields().ComputeStandardFieldSlots();
    columns_.LoadDefaultColumns();
  }

  // A custom layout of "Custom Log" columns, by number from 1.
  void LoadCustom(const std::vector<std::pair<int, std::string>>& columns) {
    std::string ini = "[Custom Log]\n";
    for (const auto& [number, value] : columns) {
      ini += "column" + std::to_string(number) + "=" + value + "\n";
    }
    tavrilon::test::WriteFile(dir_ / "tavrilon.ini", ini);
    settings::SettingsFile settings(dir_ / "tavrilon.ini");
    columns_.LoadCustomColumns(settings);
  }

  std::vector<std::string> HeadingCells(std::string_view layout) {
    sink_.text.clear();
    writer_.HtmlWriteHead("W1AW", layout, test::CreatedOn());
    const std::vector<std::string> lines = Lines(sink_.text);
    return lines.size() == 20 ? Cells(lines[19]) : std::vector<std::string>{};
  }

  std::vector<std::string> RowCells(std::string_view record) {
    sink_.text.clear();
    writer_.HtmlWriteRow(input_, record);
    const std::vector<std::string> lines = Lines(sink_.text);
    EXPECT_EQ(lines.size(), 3u);
    return lines.size() == 3 ? Cells(lines[1]) : std::vector<std::string>{};
  }

  tavrilon::test::TempDir dir_;
  adif::AdifInput input_{tavrilon::test::ShippedDictionary()};
  logbook::ColumnTable columns_;
  test::StringSink sink_;
  HtmlWriter writer_{sink_, columns_};
};

TEST_F(HtmlWriterTest, TheDateAndTimeHaveTwoDigitsForMonthDayHourMinuteAndSecond) {
  using namespace std::chrono;
  writer_.HtmlWriteHead("W1AW", "DEFAULT", sys_days{year{2024} / 1 / 5} + hours{3} + minutes{4});
  EXPECT_TRUE(Lines(sink_.text)[10].ends_with("Created on: 01/05/2024 03:04:00"));
}

TEST_F(HtmlWriterTest, TheCallIsWrittenAsTextInTheTitleAndTheHeading) {
  writer_.HtmlWriteHead("<R&D> \xD0\xA0\xD0\x9A", "DEFAULT", test::CreatedOn());
  const std::vector<std::string> lines = Lines(sink_.text);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[4], "<title>&lt;R&amp;D&gt; &#1056;&#1050; Logbook</title>");
  EXPECT_NE(lines[10].find(">&lt;R&amp;D&gt; &#1056;&#1050; Logbook <b>"), std::string::npos);
}

TEST_F(HtmlWriterTest, TheDefaultLayoutHeadsItsThirteenColumnsWithTheFieldNames) {
  const std::vector<std::string> names = {"QSO_DATE", "TIME_ON",  "CALL",    "OPERATOR", "RST_SENT",
                                          "RST_RCVD", "FREQ",     "MODE",    "TX_PWR",   "TIME_OFF",
                                          "COMMENT",  "QSL_SENT", "QSL_RCVD"};
  EXPECT_EQ(HeadingCells("DEFAULT"), names);
  EXPECT_EQ(HeadingCells("CUSTOM"),
            (std::vector<std::string>{"DATE", "TIME", "CALL", "OPERATOR", "H/RST", "M/RST", "FREQ",
                                      "MODE", "POWER", "END TIME", "COMMENTS", "SENT", "RECD"}));
}

TEST_F(HtmlWriterTest, ACustomLayoutOfTwelveColumnsHeadsTwelveCellsInRowOrder) {
  std::vector<std::pair<int, std::string>> columns;
  for (int n = 1; n <= 10; ++n) {
    columns.emplace_back(n, "CALL,0,Head " + std::to_string(n) + ",0,5");
  }
  columns.emplace_back(15, "BAND,0,Band,0,5");
  columns.emplace_back(21, "NAME,0,S&P <dB>,0,5");
  columns.emplace_back(12, ",0,No field,0,5");        // a heading without a field: no cell
  columns.emplace_back(13, "   ,0,Blank field,0,5");  // blanks are no field either
  LoadCustom(columns);

  const std::vector<std::string> headings = HeadingCells("CUSTOM");
  ASSERT_EQ(headings.size(), 12u);
  EXPECT_EQ(headings[0], "Head 1");
  EXPECT_EQ(headings[9], "Head 10");
  EXPECT_EQ(headings[10], "Band");
  EXPECT_EQ(headings[11], "S&amp;P &lt;dB&gt;");
  // Only the exact word takes the headings: the field names otherwise.
  for (const char* layout : {"custom", "Custom", "DEFAULT"}) {
    const std::vector<std::string> cells = HeadingCells(layout);
    ASSERT_EQ(cells.size(), 12u) << layout;
    EXPECT_EQ(cells[0], "CALL") << layout;
    EXPECT_EQ(cells[11], "NAME") << layout;
  }
}

struct CellCase {
  const char* column;  // the "Custom Log" column: field,left,heading,left,length
  const char* record;
  const char* cell;
  const char* why;
};

const CellCase kCellCases[] = {
    {"COMMENT,0,C,0,30", "<CALL:4>W1AW<EOR>", "&nbsp", "no COMMENT: a non-breaking space"},
    {"COMMENT,0,C,0,30", "<COMMENT:0><CALL:4>W1AW<EOR>", "&nbsp", "an empty COMMENT alike"},
    {"RST_SENT,0,R,0,3", "<RST_SENT:4>5999<EOR>", "599", "cut to the column's length"},
    {"RST_SENT,0,R,0,3", "<RST_SENT:3>579<EOR>", "579", "exactly the length: whole"},
    {"RST_SENT,0,R,0,3", "<RST_SENT:2>59<EOR>", "59", "shorter than the length: whole"},
    {"RST_SENT,0,R,0,0", "<RST_SENT:3>599<EOR>", "&nbsp", "a length of 0 leaves nothing"},
    {"CALL,0,C,0,13", "<CALL:4>W1AW <BAND:3>20m<EOR>", "W1AW ", "blanks as the reader keeps them"},
    {"comment,0,C,0,30", "<Comment:3>hi!<EOR>", "hi!", "field names match in capitals"},
    {"QSO_DATE,0,D,0,11", "<QSO_DATE:8>20240105<EOR>", "05 JAN 2024", "the date as parsed"},
    {"TIME_ON,0,T,0,5", "<TIME_ON:6>140230<EOR>", "14:02", "the time as parsed"},
    {"COMMENT,0,C,0,30", "<COMMENT:12>Tom & \"Jo\" ><EOR>", "Tom &amp; &quot;Jo&quot; &gt;",
     "markup characters as entities"},
    {"COMMENT,0,C,0,30", "<COMMENT:7>&nbsp;x<EOR>", "&amp;nbsp;x", "an entity in a value is text"},
    {"NAME,0,N,0,20", "<NAME:4>\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD<EOR>",
     "&#1048;&#1074;&#1072;&#1085;", "Cyrillic as character references"},
    {"QTH,0,Q,0,20", "<QTH:2>\xE6\x9D\xB1\xE4\xBA\xAC<EOR>", "&#26481;&#20140;",
     "CJK as character references"},
    {"NAME,0,N,0,20", "<NAME:4>Ren\xC3\xA9<EOR>", "Ren\xE9", "e acute as its windows-1252 byte"},
    {"NAME,0,N,0,3",
     "<NAME:5>\xC3\x91"
     "and\xC3\xBA<EOR>",
     "\xD1"
     "an",
     "the length counts characters, not bytes"},
    {"NAME,0,N,0,2", "<NAME:4>\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD<EOR>", "&#1048;&#1074;",
     "a cut never splits a character"},
};

TEST_F(HtmlWriterTest, EachCellHoldsTheValueCutToItsColumnAndWrittenAsText) {
  for (const CellCase& c : kCellCases) {
    LoadCustom({{1, c.column}});
    EXPECT_EQ(RowCells(c.record), std::vector<std::string>{c.cell}) << c.why;
  }
}

TEST_F(HtmlWriterTest, ARowIsItsStartItsCellsOnOneLineAndItsEnd) {
  writer_.HtmlWriteRow(input_,
                       "<QSO_DATE:8>20240105<TIME_ON:4>1402<CALL:4>W1AW<RST_SENT:3>599"
                       "<FREQ:9>14.025123<MODE:2>CW<EOR>");
  const std::string cell = "<TD ALIGN=center><FONT SIZE=\"2\">";
  const std::string end = "</font/></TD>";
  std::string expected = "<TR>\r\n";
  for (const char* value : {"05 JAN 2024", "14:02", "W1AW", "&nbsp", "599", "&nbsp", "14.0251",
                            "CW", "&nbsp", "&nbsp", "&nbsp", "&nbsp", "&nbsp"}) {
    expected += cell + value + end;
  }
  expected += "\r\n</TR>\r\n";
  EXPECT_EQ(sink_.text, expected);
}

TEST_F(HtmlWriterTest, EveryRecordIsARowAndEachRowHasOnlyItsOwnValues) {
  EXPECT_EQ(RowCells("<CALL:4>W1AW<COMMENT:2>hi<EOR>")[10], "hi");
  const std::vector<std::string> second = RowCells("<CALL:4>K1JT<EOR>");
  EXPECT_EQ(second[2], "K1JT");
  EXPECT_EQ(second[10], "&nbsp") << "the comment of the record before";
}

}  // namespace
}  // namespace tavrilon::html
