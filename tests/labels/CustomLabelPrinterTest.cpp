#include <deque>

#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "adif/QsoParser.h"
#include "labels/CustomLabelPrinter.h"
#include "print/RecordingSurface.h"
#include "sheets/SheetCatalogue.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace tavrilon::labels {
namespace {

// How contacts share labels is the renderer's test, through a run. Here
// design 1 on stock 5160, whose labels are 2.8 inches wide: the call at 0.1,
// the QTH at 2.5.
TEST(CustomLabelPrinter, AFirstLabelPastItsEdgeIsAskedAboutOnce) {
  test::TempDir dir;
  test::WriteFile(dir / "tavrilon.ini",
                  "[Custom Label Layout-1]\nField1ADIF=CALL\nField1Horiz=0.1\n"
                  "Field2ADIF=QTH\nField2Horiz=2.5\n");
  settings::SettingsFile settings(dir / "tavrilon.ini");
  designs::DesignRenderer renderer(settings);
  ASSERT_EQ(renderer.LoadDesign(1), "");
  const CustomLabelPrinter printer(*sheets::CatalogueSheet("5160"), renderer, 1);
  const struct {
    const char* record;  // the first label's one contact
    std::deque<bool> answers;
    bool printed;
    bool asked;
  } cases[] = {
      {"<CALL:4>A1AA<EOR>", {}, true, false},
      {"<CALL:4>A1AA<QTH:4>Here<EOR>", {false}, false, true},
      {"<CALL:4>A1AA<QTH:4>Here<EOR>", {true}, true, true},
  };
  for (const auto& c : cases) {
    adif::FieldTable contact = adif::test::TableOf({"note", "CALL", "QTH"});
    adif::ParseQsoRecord(c.record, contact);
    test::ScriptedUserInterface ui;
    ui.yesNoAnswers = c.answers;
    print::RecordingSurface measure;
    EXPECT_EQ(printer.ConfirmFirstLabel(measure, {{contact}}, ui), c.printed) << c.record;
    EXPECT_EQ(ui.questions,
              c.asked ? std::vector<std::string>{"Field 2 of custom label design 1 runs past the "
                                                 "right edge of a 5160 label.\nPrint the labels "
                                                 "all the same?"}
                      : std::vector<std::string>{})
        << c.record;
  }
}

}  // namespace
}  // namespace tavrilon::labels
