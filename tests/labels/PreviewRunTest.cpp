#include <cstdio>
#include <map>

#include <gtest/gtest.h>

#include "labels/PreviewRun.h"
#include "support/LabelRunFixture.h"

namespace tavrilon::labels {
namespace {

using print::RecordingSurface;
using Sheets = std::map<int, std::vector<std::string>>;  // texts with where they went
using PreviewRunTest = test::LabelRunFixture;

void Add(Sheets& sheets, const RecordingSurface& surface, int firstSheet) {
  for (const auto* text : surface.Texts()) {
    char at[32];
    std::snprintf(at, sizeof at, "@%.2f,%.2f", text->x, text->y);
    sheets[firstSheet + text->page - 1].push_back(text->text + at);
  }
}

// The sheets drawn forward and back hold what the print run puts on its
// sheets; only a step back past the sheets kept reads the log again.
TEST_F(PreviewRunTest, PreviewSheetsHoldWhatThePrintRunPutsOnThemForwardAndBack) {
  std::string threeEach = "<EOH>\n";  // two lines a label: a call's third begins another
  for (int i = 0; i < 60; ++i) {
    threeEach += "<CALL:6>ZZ" + std::to_string(1000 + i / 3) + "<EOR>\n";
  }
  const struct {
    std::string log;
    const char* multiLines;
    const char* grid;
    std::size_t keptBytes;
    std::vector<std::size_t> labels;  // on each sheet
    int opens;
  } cases[] = {
      {test::ContactLog(65), "1", "1", PreviewRun::kKeptBytes, {30, 30, 5}, 1},
      {test::ContactLog(65), "1", "", 1, {30, 30, 5}, 3},
      {threeEach, "2", "", 1, {30, 10}, 2},
      {"<EOH>\n", "1", "", 1, {0}, 1},
  };
  const auto log = (dir_ / "log.adi").string();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.labels.size() + c.keptBytes);
    settings_.WriteSetting("Custom Label Layout-1", "Field1ADIF", "CALL");
    settings_.WriteSetting("Custom Label Layout-1", "MultiLines", c.multiLines);
    settings_.WriteSetting("Custom Label Layout-1", "ShowGrid", c.grid);
    test::WriteFile(log, c.log);
    const auto order = *c.multiLines == '2' ? sending::RunOrder::Call : sending::RunOrder::File;
    const LabelRunRequest request{log, "5160", designs::LabelDesign::Custom1, 1, "0", {}, order};
    Sheets printed;
    surface_.operations.clear();
    surface_.page = 1;
    run_.PrintLabelRun(request, [this] { return &surface_; });
    Add(printed, surface_, 1);

    std::string skip = "0";
    int opens = 0;
    PreviewRun sheets(
        std::move(*PrepareRun(request, skip, RunKind::Preview, settings_, installed_, ui_)), input_,
        {}, ui_,
        [&](const RunPreparation&, RunContacts& contacts) -> std::optional<RunOutcome> {
          ++opens;
          EXPECT_FALSE(contacts.Open(log));
          EXPECT_TRUE(contacts.Sort(log, order, nullptr, true, ui_));
          return std::nullopt;
        },
        c.keptBytes);
    ASSERT_FALSE(sheets.Open());
    EXPECT_FALSE(sheets.SheetCount());
    const int last = static_cast<int>(c.labels.size());
    for (const int step : {1, 2, 3, 2, 1, 2, 3}) {
      const int sheet = std::min(step, last);
      ASSERT_TRUE(sheets.HasSheet(sheet));
      RecordingSurface picture;
      ASSERT_TRUE(sheets.DrawSheet(sheet, picture));
      Sheets drawn;
      Add(drawn, picture, sheet);
      EXPECT_EQ(drawn[sheet].size(), c.labels[static_cast<std::size_t>(sheet) - 1]) << sheet;
      EXPECT_EQ(drawn[sheet], printed[sheet]) << sheet;
      if (*c.grid != '\0' && sheet == last) {  // after the last label
        EXPECT_EQ(picture.operations.back().kind, RecordingSurface::Kind::Line);
      }
    }
    EXPECT_EQ(sheets.SheetCount(), last);
    EXPECT_FALSE(sheets.HasSheet(last + 1));
    EXPECT_EQ(opens, c.opens);
  }
}

}  // namespace
}  // namespace tavrilon::labels
