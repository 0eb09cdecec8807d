#include <utility>

#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "adif/QsoParser.h"
#include "html/HtmlWriter.h"
#include "settings/SettingsFile.h"
#include "support/TestSupport.h"

namespace tavrilon::html {
namespace {

using Texts = std::vector<std::string>;

// Head, rows and foot byte for byte, with empty, cut and escaped values and the
// default layout's headings: the golden page of HtmlExportTest.
class HtmlWriterTest : public ::testing::Test, public HtmlSink {
 protected:
  void Write(std::string_view bytes) override { written_.append(bytes); }

  // A custom layout of "Custom Log" columns, by number from 1.
  void LoadCustom(const std::vector<std::pair<int, std::string>>& columns) {
    for (const auto& [number, value] : columns) {
      settings_.WriteSetting("Custom Log", "column" + std::to_string(number), value);
    }
    columns_.LoadCustomColumns(settings_);
  }
  // The texts of the table cells written, in order.
  Texts Cells() const {
    constexpr std::string_view kStart = "<TD ALIGN=center><FONT SIZE=\"2\">";
    Texts cells;
    for (std::size_t at = written_.find(kStart); at != std::string::npos;
         at = written_.find(kStart, at)) {
      at += kStart.size();
      cells.push_back(written_.substr(at, written_.find("</font/></TD>", at) - at));
    }
    return cells;
  }
  Texts RowCells(std::string_view record) {
    written_.clear();
    writer_.HtmlWriteRow({fields_, adif::ParseQsoRecord(record, fields_)});
    return Cells();
  }

  tavrilon::test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  adif::FieldTable fields_ = adif::test::TableOf({"note", "CALL", "COMMENT", "RST_SENT", "NAME"});
  logbook::ColumnTable columns_;
  std::string written_;
  HtmlWriter writer_{*this, columns_};
};

TEST_F(HtmlWriterTest, TheHeadingRowHasTheHeadingsOnlyInTheCustomLayout) {
  LoadCustom({{2, "CALL,0,Two,0,5"},
              {10, "CALL,0,Ten,0,5"},
              {12, ",0,No field,0,5"},  // a heading without a field: no cell
              {13, "   ,0,Blank,0,5"},  // blanks are no field either
              {21, "NAME,0,S&P <dB>,0,5"}});
  writer_.HtmlWriteHead("<R&D> \xD0\xA0", logbook::LogLayout::Custom, {});
  EXPECT_EQ(Cells(), (Texts{"Two", "Ten", "S&amp;P &lt;dB&gt;"}));
  // The call is text in the title and the heading.
  EXPECT_NE(written_.find("<title>&lt;R&amp;D&gt; &#1056; Logbook</title>"), std::string::npos);
  EXPECT_NE(written_.find(">&lt;R&amp;D&gt; &#1056; Logbook <b>"), std::string::npos);
}

TEST_F(HtmlWriterTest, EachCellHoldsTheValueCutToItsColumn) {
  const struct {
    const char* column;  // the "Custom Log" column: field,left,heading,left,length
    const char *record, *cell, *why;
  } cases[] = {
      {"RST_SENT,0,R,0,0", "<RST_SENT:3>599<EOR>", "&nbsp", "a length of 0 leaves nothing"},
      {"comment,0,C,0,30", "<Comment:3>hi!<EOR>", "hi!", "field names match in capitals"},
  };
  // The columns change from case to case under the same writer.
  for (const auto& c : cases) {
    LoadCustom({{1, c.column}});
    EXPECT_EQ(RowCells(c.record), Texts{c.cell}) << c.why;
  }
}

}  // namespace
}  // namespace tavrilon::html
