#include <utility>

#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "adif/QsoParser.h"
#include "html/HtmlTestSupport.h"
#include "html/HtmlWriter.h"
#include "settings/SettingsFile.h"
#include "support/TestSupport.h"

namespace tavrilon::html {
namespace {

using test::Cells;
using Texts = std::vector<std::string>;

// Head, rows and foot byte for byte: the golden page of HtmlExportTest.
class HtmlWriterTest : public ::testing::Test {
 protected:
  // A custom layout of "Custom Log" columns, by number from 1.
  void LoadCustom(const std::vector<std::pair<int, std::string>>& columns) {
    for (const auto& [number, value] : columns) {
      settings_.WriteSetting("Custom Log", "column" + std::to_string(number), value);
    }
    columns_.LoadCustomColumns(settings_);
  }
  Texts HeadingCells(logbook::LogLayout layout) {
    sink_.text.clear();
    writer_.HtmlWriteHead("<R&D> \xD0\xA0", layout, test::CreatedOn());
    return Cells(sink_.text);
  }
  Texts RowCells(std::string_view record) {
    sink_.text.clear();
    writer_.HtmlWriteRow({fields_, adif::ParseQsoRecord(record, fields_)});
    return Cells(sink_.text);
  }

  tavrilon::test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  adif::FieldTable fields_ = adif::test::TableOf({"note", "CALL", "COMMENT", "RST_SENT", "NAME"});
  logbook::ColumnTable columns_;
  test::StringSink sink_;
  HtmlWriter writer_{sink_, columns_};
};

TEST_F(HtmlWriterTest, TheHeadingRowHasTheHeadingsOnlyInTheCustomLayout) {
  LoadCustom({{2, "CALL,0,Two,0,5"},
              {10, "CALL,0,Ten,0,5"},
              {12, ",0,No field,0,5"},  // a heading without a field: no cell
              {13, "   ,0,Blank,0,5"},  // blanks are no field either
              {21, "NAME,0,S&P <dB>,0,5"}});
  EXPECT_EQ(HeadingCells(logbook::LogLayout::Custom), (Texts{"Two", "Ten", "S&amp;P &lt;dB&gt;"}));
  // The call is text in the title and the heading.
  EXPECT_NE(sink_.text.find("<title>&lt;R&amp;D&gt; &#1056; Logbook</title>"), std::string::npos);
  EXPECT_NE(sink_.text.find(">&lt;R&amp;D&gt; &#1056; Logbook <b>"), std::string::npos);
  EXPECT_EQ(HeadingCells(logbook::LogLayout::Default), (Texts{"CALL", "CALL", "NAME"}));
}

TEST_F(HtmlWriterTest, EachCellHoldsTheValueCutToItsColumn) {
  struct Case {
    const char* column;  // the "Custom Log" column: field,left,heading,left,length
    const char* record;
    const char* cell;
    const char* why;
  } cases[] = {
      {"COMMENT,0,C,0,30", "<CALL:4>W1AW<EOR>", "&nbsp", "no value: a non-breaking space"},
      {"RST_SENT,0,R,0,3", "<RST_SENT:4>5999<EOR>", "599", "cut to the column's length"},
      {"RST_SENT,0,R,0,0", "<RST_SENT:3>599<EOR>", "&nbsp", "a length of 0 leaves nothing"},
      {"comment,0,C,0,30", "<Comment:3>hi!<EOR>", "hi!", "field names match in capitals"},
      {"NAME,0,N,0,2", "<NAME:4>\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD<EOR>", "&#1048;&#1074;",
       "cut by characters, never inside one"},
  };
  // The columns change from case to case under the same writer.
  for (const Case& c : cases) {
    LoadCustom({{1, c.column}});
    EXPECT_EQ(RowCells(c.record), Texts{c.cell}) << c.why;
  }
}

}  // namespace
}  // namespace tavrilon::html
