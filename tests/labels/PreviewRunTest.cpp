#include <cstdio>
#include <map>

#include <gtest/gtest.h>

#include "labels/PreviewRun.h"
#include "support/LabelRunFixture.h"

namespace tavrilon::labels {
namespace {

using print::RecordingSurface;

// A log whose calls come `each` times over, one after another.
std::string Calls(int count, int each) {
  std::string log = "<EOH>\n";
  for (int i = 1; i <= count * each; ++i) {
    const std::string call = "ZZ" + std::to_string(1000 + (i - 1) / each);
    log += "<CALL:6>" + call + "<EOR>\n";
  }
  return log;
}

class PreviewRunTest : public test::LabelRunFixture {
 protected:
  // Each text with where it went, by sheet, the surface's first page being `first`.
  using Sheets = std::map<int, std::vector<std::string>>;
  static void Add(Sheets& sheets, const RecordingSurface& surface, int first) {
    for (const auto* text : surface.Texts()) {
      char at[32];
      std::snprintf(at, sizeof at, "@%.2f,%.2f", text->x, text->y);
      sheets[first + text->page - 1].push_back(text->text + at);
    }
  }
};

// The sheets drawn one by one, forward and back, hold what the print run
// puts on its sheets; only a step back past the sheets kept reads the log
// again, and the next sheets go on from there.
TEST_F(PreviewRunTest, EachSheetHoldsWhatThePrintRunPutsOnItAndStepsBackAlike) {
  const struct {
    const char* design;
    std::string log;
    sending::RunOrder order;
    std::size_t keptBytes;
    std::vector<std::size_t> labels;  // texts on each sheet
    int opens;
  } cases[] = {
      {"ShowGrid=1",
       test::ContactLog(65),
       sending::RunOrder::File,
       PreviewRun::kKeptBytes,
       {30, 30, 5},
       1},
      {"", test::ContactLog(65), sending::RunOrder::File, 1, {30, 30, 5}, 3},
      // Two lines a label: a call three times over begins a second label.
      {"MultiLines=2", Calls(20, 3), sending::RunOrder::Call, 1, {30, 10}, 2},
      {"", "<EOH>\n", sending::RunOrder::File, 1, {0}, 1},
  };
  const auto log = (dir_ / "log.adi").string();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.design + std::to_string(c.labels.size()));
    settings_.WriteSetting("Custom Label Layout-1", "Field1ADIF", "CALL");
    settings_.WriteSetting("Custom Label Layout-1", "ShowGrid", "");
    settings_.WriteSetting("Custom Label Layout-1", "MultiLines", "1");
    if (*c.design != '\0') {
      const std::string_view key(c.design);
      const auto equals = key.find('=');
      settings_.WriteSetting("Custom Label Layout-1", key.substr(0, equals),
                             key.substr(equals + 1));
    }
    test::WriteFile(log, c.log);
    const LabelRunRequest request{.labelInputFile = log,
                                  .labelStock = "5160",
                                  .design = designs::LabelDesign::Custom1,
                                  .labelSkip = "0",
                                  .order = c.order};
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
          EXPECT_TRUE(contacts.Sort(log, c.order, nullptr, true, ui_));
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
      if (*c.design == 'S' && sheet == last) {  // the grid, after the last label
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
