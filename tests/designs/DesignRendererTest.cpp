#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "designs/LabelFit.h"
#include "labels/LabelRun.h"
#include "print/RecordingSurface.h"
#include "sheets/SheetCatalogue.h"
#include "support/LabelRunFixture.h"

namespace tavrilon::designs {
namespace {

using designs::LabelDesign;
using labels::LabelRunRequest;
using print::RecordingSurface;

// A contact with one station: its call and further tags.
std::string Qso(std::string_view call, std::string_view extra = "") {
  return "<CALL:" + std::to_string(call.size()) + ">" + std::string(call) + std::string(extra) +
         "<EOR>\n";
}

// Custom design 1 on stock 5160 (three across, labels 2.625 by 1 inch on a
// pitch of 2.75 from 0.1875, 0.5), printed by a label run on the recording
// surface.
class DesignRendererTest : public test::LabelRunFixture {
 protected:
  void Design(std::string_view lines) {
    test::WriteFile(dir_ / "tavrilon.ini", "[Custom Label Layout-1]\n" + std::string(lines) + "\n");
  }
  LabelRunRequest Request(std::string_view log) {
    test::WriteFile(dir_ / "log.adi", "<EOH>\n" + std::string(log));
    return {(dir_ / "log.adi").string(), "5160", LabelDesign::Custom1, 1, "0"};
  }
  RunOutcome Print(std::string_view log) {
    surfaceAsked_ = false;
    return run_
        .PrintLabelRun(Request(log),
                       [this] {
                         surfaceAsked_ = true;
                         return &surface_;
                       })
        .outcome;
  }
  // Each text as "text@x,y" in hundredths of an inch.
  std::string Texts() const {
    std::ostringstream shown;
    for (const auto* op : surface_.Texts()) {
      char at[48];
      std::snprintf(at, sizeof at, "@%.2f,%.2f ", op->x, op->y);
      shown << op->text << at;
    }
    return shown.str();
  }

  bool surfaceAsked_ = false;
};

// The call at 0.1, 0.1 on every line; lines "MultiDx" apart.
TEST_F(DesignRendererTest, ContactsOfOneStationShareALabelUpToItsLines) {
  const struct {
    const char* design;
    std::string log;
    const char* texts;
  } cases[] = {
      {"MultiLines=3", Qso("W1AW") + Qso("K1ABC") + Qso("W1AW") + Qso("W1AW") + Qso("W1AW"),
       // sorted by call: K1ABC's label, then three lines and a fourth label
       "K1ABC@0.29,0.60 W1AW@3.04,0.60 W1AW@3.04,0.80 W1AW@3.04,1.00 W1AW@5.79,0.60 "},
      {"MultiLines=3", Qso("W1AW") + Qso("w1aw"), "W1AW@0.29,0.60 w1aw@3.04,0.60 "},
  };
  for (const auto& c : cases) {
    Design(std::string(c.design) +
           "\nMultiDx=0.2\nField1ADIF=CALL\nField1Horiz=0.1\nField1Vert=0.1\nField1MultiRpt=1");
    surface_.operations.clear();
    ASSERT_EQ(Print(c.log), RunOutcome::Completed) << c.design;
    EXPECT_EQ(Texts(), c.texts) << c.design;
  }

  // The settings file gone once the run has begun: it prints the design it read.
  surface_.operations.clear();
  const auto removeSettings = [this] {
    std::filesystem::remove(dir_ / "tavrilon.ini");
    return &surface_;
  };
  ASSERT_EQ(run_.PrintLabelRun(Request(Qso("W1AW")), removeSettings).outcome,
            RunOutcome::Completed);
  EXPECT_EQ(Texts(), "W1AW@0.29,0.60 ");
}

TEST_F(DesignRendererTest, FieldsPrintTheirConditionPrefixAndValueWhereTheDesignPutsThem) {
  Design(
      "MultiLines=2\nMultiDx=0.25\nShortName=1\nOrientation=Port\n"
      "Print Image=TRUE\nImage Path=/pics/card.bmp\nImage Width=1\n"
      "Field1ADIF=CALL\nField1Horiz=0.1\nField1Vert=0.1\n"
      "Field2ADIF=NAME\nField2Label=Name:^\nField2Horiz=1\nField2Vert=0.1\n"
      "Field3ADIF=RST_SENT\nField3Label=^RST^\nField3Horiz=a\nField3Vert=0.3\nField3MultiRpt=1\n"
      "Field4Condition=QSL_RCVD|Equal|y|TNX^QSL|PSE^QSL|!\nField4Horiz=0.1\nField4Vert=0.5\n"
      "Field4MultiRpt=1\n"
      "Field6Condition=|Equal|||\nField6Label=Fixed\nField6Vert=0.8\n"
      "Field7ADIF=NOSUCH\nField7Label=X\nField7Horiz=A\nField7Vert=0.9\nField7FontSize=12\n"
      "Field7FontBold=True\nField7FontColor=255");
  surface_.pictures["/pics/card.bmp"] = {2, 0.5};
  ASSERT_EQ(Print(Qso("W1AW", "<NAME:10>John Smith<RST_SENT:3>599<QSL_RCVD:2> Y") +
                  Qso("W1AW", "<RST_SENT:3>579<QSL_RCVD:1>n")),
            RunOutcome::Completed);
  EXPECT_EQ(Texts(),
            // the first line: "A" goes on after "Name: John", 10 characters of 10 points
            "W1AW@0.29,0.60 Name: John@1.19,0.60  RST 599@2.02,0.80 TNX QSL@0.29,1.00 "
            "Fixed@0.19,1.30 X@0.60,1.40 "
            // the second: repeating fields only; "A" goes on from where field 2 was placed
            " RST 579@1.19,1.05 PSE QSL|!@0.29,1.25 ");
  const auto texts = surface_.Texts();
  EXPECT_TRUE(texts[5]->font.bold);
  EXPECT_EQ(texts[5]->font.points, 12);
  EXPECT_EQ(texts[5]->colour, 255U);
  EXPECT_FALSE(texts[6]->font.bold);  // each field sets the whole font
  // The picture once per label, under the texts, at its own height.
  ASSERT_EQ(surface_.operations[0].kind, RecordingSurface::Kind::Picture);
  EXPECT_EQ(surface_.operations[0].text, "/pics/card.bmp");
  EXPECT_NEAR(surface_.operations[0].y2 - surface_.operations[0].y, 0.5, 1e-9);
  EXPECT_EQ(surface_.picturesLoaded, 1);
  EXPECT_EQ(surface_.GetOrientation(), print::Orientation::Portrait);
}

// "W1AW" in 10 points is a third of an inch wide on the recording surface.
TEST_F(DesignRendererTest, AlignedTextsStartCentreOrEndOnTheirPlace) {
  Design(
      "Field1ADIF=CALL\nField1Horiz=1\nField1Vert=0.1\nField1Align=Center\n"
      "Field2ADIF=CALL\nField2Horiz=2\nField2Vert=0.3\nField2Align=right\n"
      // goes on where the right aligned text ended, whatever its own alignment
      "Field3Label=!\nField3Horiz=A\nField3Vert=0.3\nField3Align=Right\n"
      "Field4ADIF=CALL\nField4Horiz=0.5\nField4Vert=0.5\nField4Align=Left");
  ASSERT_EQ(Print(Qso("W1AW")), RunOutcome::Completed);
  EXPECT_EQ(Texts(), "W1AW@1.02,0.60 W1AW@1.85,0.80 !@2.19,0.80 W1AW@0.69,1.00 ");
}

TEST_F(DesignRendererTest, ADesignThatCannotPrintStopsBeforeTheFirstLabel) {
  const struct {
    const char* design;
    const char* says;
    bool documentBegun;
  } cases[] = {
      {"Name=Club card\nField3ADIF=CALL\nField3Vert=abc",
       "Custom label design 1 (\"Club card\") cannot be printed: field 3 holds \"abc\" in "
       "Field3Vert, which is not a number.",
       false},
      {"Print Image=TRUE\nImage Path=/pics/none.bmp",
       "The picture /pics/none.bmp of custom label design 1 cannot be read: not a picture", true},
      // Said before a document is asked for: no device nor FIFO is ever opened.
      {"Print Image=TRUE\nImage Path=/dev/null", "cannot be read: is not a regular file", false},
      {"Field2ADIF=CALL\nField2Align=Middle",
       "field 2 holds \"Middle\" in Field2Align, which is not Left, Center or Right.", false},
      // A folder where the sorted copy would go.
      {"MultiLines=2", "log.adi.sort cannot be written", false},
  };
  for (const auto& c : cases) {
    Design(c.design);
    std::filesystem::create_directory(dir_ / "log.adi.sort");
    ui_.messages.clear();
    surface_.operations.clear();
    EXPECT_EQ(Print(Qso("W1AW")), RunOutcome::Stopped) << c.design;
    ASSERT_EQ(ui_.messages.size(), 1U) << c.design;
    EXPECT_NE(ui_.messages[0].find(c.says), std::string::npos) << ui_.messages[0];
    EXPECT_EQ(surfaceAsked_, c.documentBegun) << c.design;
    EXPECT_TRUE(surface_.Texts().empty()) << c.design;
  }
}

TEST_F(DesignRendererTest, BlankCardsCarryTheFixedTextsOnlyAndStepAcrossThenDown) {
  Design(
      "Field1Label=QSL^to\nField1Horiz=0.1\nField1Vert=0.1\n"
      "Field2ADIF=CALL\nField2Horiz=1\n"  // no text of its own: not on a blank card
      "Field3Condition=CALL|Equal|W1AW|yes|no\nField3Horiz=2");
  // 37 pixels at 600 per inch: 89 twips, taken off to the hundredth of an inch.
  surface_.offsetXPixels = 37;
  ASSERT_EQ(run_.PrintBlankCards(Request(""), 5, [this] { return &surface_; }).outcome,
            RunOutcome::Completed);
  EXPECT_EQ(Texts(),
            "QSL to@0.23,0.60 @2.13,0.50 QSL to@2.98,0.60 @4.88,0.50 QSL to@5.73,0.60 "
            "@7.63,0.50 QSL to@0.23,1.60 @2.13,1.50 QSL to@2.98,1.60 @4.88,1.50 ");

  Design("Field2ADIF=CALL\nField3Label=^^");  // blanks leave no mark
  EXPECT_EQ(run_.PrintBlankCards(Request(""), 5, [this] { return &surface_; }).outcome,
            RunOutcome::Stopped);
  EXPECT_EQ(surface_.operations.back().kind, RecordingSurface::Kind::DiscardDocument);
  EXPECT_NE(ui_.messages.back().find("drew nothing on the blank cards"), std::string::npos);
}

TEST_F(DesignRendererTest, ThePreviewDrawsTheFirstSheetOnly) {
  Design("Field1ADIF=CALL\nField1Horiz=0.1\nField1Vert=0.1");
  surface_.offsetXPixels = 600;  // a preview has no printer offset
  EXPECT_EQ(run_.PreviewLabelPage(Request(test::ContactLog(35).substr(6)), surface_),
            RunOutcome::Completed);
  const auto texts = surface_.Texts();
  ASSERT_EQ(texts.size(), 30U);
  EXPECT_EQ(texts.back()->text, "ZZ30Q");
  EXPECT_EQ(ui_.statusTexts.back(), "Label 31");  // the reading stopped there
}

// Two by two labels of 1.75 by 0.75 inches on a pitch of 2 by 1: the grid
// outlines each label, in blue, and leaves the gaps between them empty.
TEST_F(DesignRendererTest, ThePreviewsGridOutlinesEachLabelNotItsPitch) {
  Design("ShowGrid=1\nField1ADIF=CALL");
  std::string fault;
  const auto sample = BracketSample(dir_.Dictionary(), fault);
  ASSERT_TRUE(sample) << fault;
  sheets::LabelSheet sheet{.name = "Gap",
                           .across = 2,
                           .down = 2,
                           .horizontalPitch = 2,
                           .verticalPitch = 1,
                           .topMargin = 0.5,
                           .leftMargin = 0.25,
                           .labelWidth = 1.75,
                           .labelHeight = 0.75,
                           .paper = {},
                           .staggered = {}};
  const struct {
    double radius;
    int linesEach;
    double cornerGap;  // from the square corner to the nearest point drawn
  } cases[] = {{0, 4, 0}, {0.25, 4 + 4 * 8, 0.25 * (std::sqrt(2) - 1)}};
  for (const auto& c : cases) {
    sheet.cornerRadius = c.radius;
    DesignRenderer renderer(settings_);
    ASSERT_EQ(renderer.LoadDesign(1), "");
    sheets::LabelPlacement placement(sheet);
    surface_.operations.clear();
    ASSERT_TRUE(renderer.RenderDesignPreview(surface_, sample->contacts[0], placement));
    int lines = 0;
    double cornerGap = 1;
    std::set<std::string> sides;  // where the straight ones lie
    for (const auto& op : surface_.operations) {
      if (op.kind == RecordingSurface::Kind::Line) {
        ++lines;
        EXPECT_EQ(op.colour, print::kBlue);
        cornerGap = std::min(cornerGap, std::hypot(op.x - 0.25, op.y - 0.5));
        char side[16] = "";
        if (op.x == op.x2 || op.y == op.y2) {
          std::snprintf(side, sizeof side, "%c%.2f", op.x == op.x2 ? 'x' : 'y',
                        op.x == op.x2 ? op.x : op.y);
          sides.insert(side);
        }
      }
    }
    EXPECT_EQ(lines, 4 * c.linesEach) << c.radius;
    EXPECT_EQ(sides, (std::set<std::string>{"x0.25", "x2.00", "x2.25", "x4.00", "y0.50", "y1.25",
                                            "y1.50", "y2.25"}))
        << c.radius;
    EXPECT_NEAR(cornerGap, c.cornerGap, 1e-9) << c.radius;
  }
}

// Where each text went, as "field:left,top-right,bottom" in hundredths; the
// recording surface makes a character 0.6 of the size wide, a line 1.2 high.
std::string ExtentsOf(const std::vector<FieldExtent>& extents) {
  std::ostringstream shown;
  for (const FieldExtent& e : extents) {
    char at[64];
    std::snprintf(at, sizeof at, "%d:%.2f,%.2f-%.2f,%.2f ", e.field, e.left, e.top, e.right,
                  e.bottom);
    shown << at;
  }
  return shown.str();
}

TEST_F(DesignRendererTest, TheLabelViewTellsWhereEachTextWentAndWhatRunsPastTheEdge) {
  Design(
      "Name=Club\nMultiLines=2\nMultiDx=0.2\n"
      "Field1ADIF=CALL\nField1Horiz=0.1\nField1Vert=0.1\nField1FontSize=12\nField1MultiRpt=1\n"
      "Field2Label=/\nField2Horiz=A\nField2Vert=0.1\nField2FontSize=12\n"
      "Field3Label=Thanks^for^the^contact\nField3Horiz=1.5\nField3Vert=0.7\n"
      "Field4Label=Right\nField4Horiz=2.6\nField4Vert=0.5\nField4Align=Right");
  test::WriteFile(dir_ / "log.adi", "<EOH>\n" + Qso("W1AW") + Qso("W1AW") + Qso("W1AW"));
  ASSERT_TRUE(input_.Open(dir_ / "log.adi").Ok());
  ASSERT_TRUE(input_.StartAdifInput().Ok());
  LabelSample sample;
  while (const adif::QsoRecord* qso = input_.NextRecord()) {
    sample.contacts.push_back(qso->fields);
  }
  input_.Close();

  DesignRenderer renderer(settings_);
  std::string failure;
  const auto extents = DrawFirstLabel(renderer, surface_, 1, sample, 0, 0, failure);
  // "W1AW" on two lines, "/" after the first only, the thanks past the
  // label's 2.625 inches, "Right" ending at its place.
  EXPECT_EQ(ExtentsOf(extents),
            "1:0.10,0.10-0.50,0.30 2:0.50,0.10-0.60,0.30 3:1.50,0.70-3.33,0.87 "
            "4:2.18,0.50-2.60,0.67 1:0.10,0.30-0.50,0.50 ");
  const auto sheet = sheets::CatalogueSheet("5160");
  const auto overflow = FirstOverflow(extents, *sheet);
  ASSERT_TRUE(overflow);
  EXPECT_EQ(OverflowText(1, "Club", *overflow, *sheet),
            "Field 3 of custom label design 1 (\"Club\") runs past the right edge of a 5160 "
            "label.");
  // Past the label's 2.625 inches, though within its pitch; a sheet that
  // gives no size has labels as wide as the pitch.
  const FieldExtent inGap{1, 0.1, 0.1, 2.7, 0.3};
  EXPECT_TRUE(RunsPastEdge(inGap, *sheet));
  EXPECT_FALSE(RunsPastEdge({1, 0.1, 0.1, 2.6, 0.3}, *sheet));
  sheets::LabelSheet unsized = *sheet;
  unsized.labelWidth = 0;
  EXPECT_FALSE(RunsPastEdge(inGap, unsized));

  std::string fault;
  const auto brackets = BracketSample(dir_.Dictionary(), fault);
  ASSERT_TRUE(brackets) << fault;
  EXPECT_EQ(brackets->contacts[0].StandardValue(adif::StandardField::Call), "[CALL]");
}

// Read ahead to be measured, the first label's contacts must still print.
TEST_F(DesignRendererTest, ARunAsksOnceBeforePrintingAFirstLabelPastItsEdge) {
  Design(
      "MultiLines=2\nField1ADIF=CALL\nField1Horiz=0.1\nField1Vert=0.1\nField1MultiRpt=1\n"
      "Field2ADIF=QTH\nField2Horiz=2.5");
  const std::string log = Qso("W1AW") + Qso("A1AA", "<QTH:4>Here") + Qso("A1AA");
  RecordingSurface measure;
  run_.MeasureTextsOn(&measure);
  EXPECT_EQ(Print(log), RunOutcome::Cancelled);
  EXPECT_FALSE(surfaceAsked_);
  EXPECT_EQ(ui_.questions.size(), 1U);  // its words are the custom printer's test

  ui_.yesNoAnswers = {true};
  EXPECT_EQ(Print(log), RunOutcome::Completed);
  EXPECT_EQ(Texts(), "A1AA@0.29,0.60 Here@2.69,0.50 A1AA@0.29,0.60 W1AW@3.04,0.60 @5.44,0.50 ");
}

}  // namespace
}  // namespace tavrilon::designs
