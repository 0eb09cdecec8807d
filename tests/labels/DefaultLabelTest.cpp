#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "adif/QsoParser.h"
#include "labels/DefaultLabel.h"
#include "labels/LabelSheet.h"
#include "print/RecordingSurface.h"

namespace tavrilon::labels {
namespace {

using print::RecordingSurface;

adif::FieldTable Contact(std::string_view record) {
  adif::FieldTable table =
      adif::test::TableOf({"note", "CALL", "QSL_VIA", "OPERATOR", "MODE", "QSO_DATE", "TIME_ON",
                           "BAND", "RST_SENT", "NAME", "QSL_RCVD"});
  adif::ParseQsoRecord(record, table);
  return table;
}

std::vector<std::string> TextsOf(const RecordingSurface& surface) {
  std::vector<std::string> texts;
  for (const auto* op : surface.Texts()) {
    texts.push_back(op->text);
  }
  return texts;
}

double LineHeight(double points) {
  return points * 1.2 / 72;
}  // the recording metric

TEST(DefaultLabel, DrawsTheLabelToThePoint) {
  RecordingSurface surface;
  const adif::FieldTable contact = Contact(
      "<CALL:4>W1AW<OPERATOR:4>K1XX<MODE:3>SSB<QSO_DATE:8>20240105<TIME_ON:4>1407"
      "<BAND:5> 20M <RST_SENT:2>59<NAME:10>John Smith<QSL_RCVD:3> Y <EOR>");
  DrawDefaultLabel(surface, contact, 2.95, 1.45);

  EXPECT_EQ(TextsOf(surface),
            (std::vector<std::string>{"W1AW", "", "K1XX confirms the 2xSSB QSO",
                                      "    Date     Time   Band   RST", "05 JAN 2024", "14:07",
                                      "20M", "59", "Thanks John  Rec'd your QSL"}));
  const auto texts = surface.Texts();
  const auto& call = *texts[0];
  EXPECT_DOUBLE_EQ(call.x, 2.95);
  EXPECT_DOUBLE_EQ(call.y, 1.45);
  EXPECT_EQ(call.font.face, "Times New Roman");
  EXPECT_EQ(call.font.points, 15);
  EXPECT_TRUE(call.font.bold);
  EXPECT_EQ(call.colour, print::kBlue);

  const double confirmY = 1.45 + LineHeight(15) + LineGap(15);
  EXPECT_NEAR(texts[2]->y, confirmY, 1e-9);
  EXPECT_EQ(texts[2]->font.points, 9);
  EXPECT_FALSE(texts[2]->font.bold);
  EXPECT_EQ(texts[2]->colour, print::kBlack);

  const auto& heading = *texts[3];
  EXPECT_EQ(heading.font.face, "Courier New");
  EXPECT_TRUE(heading.font.bold);
  EXPECT_EQ(heading.font.points, 8);
  EXPECT_NEAR(heading.y, confirmY + LineHeight(9) + LineGap(9), 1e-9);

  const double rowY = heading.y + LineHeight(8) + LineGap(8);
  const double columns[] = {2.95, 2.95 + 0.85, 2.95 + 1.35, 2.95 + 1.8};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(texts[4 + static_cast<std::size_t>(i)]->x, columns[i], 1e-9) << i;
    EXPECT_NEAR(texts[4 + static_cast<std::size_t>(i)]->y, rowY, 1e-9) << i;
  }
  const auto& thanks = *texts[8];
  EXPECT_EQ(thanks.font.face, "Times New Roman");
  EXPECT_FALSE(thanks.font.bold);
  EXPECT_EQ(thanks.font.points, 9);
  EXPECT_NEAR(thanks.y, rowY + LineHeight(8) + LineGap(9), 1e-9);
  EXPECT_DOUBLE_EQ(thanks.x, 2.95);
}

TEST(DefaultLabel, AManagerGoesInRedBesideTheCall) {
  RecordingSurface surface;
  DrawDefaultLabel(surface, Contact("<CALL:5>VK9XX<QSL_VIA:5>W5XYZ<EOR>"), 0.15, 0.45);
  const auto texts = surface.Texts();
  ASSERT_EQ(texts[1]->text, "  via: ");
  EXPECT_EQ(texts[1]->font.points, 10);
  EXPECT_NEAR(texts[1]->y, 0.45 + 0.05, 1e-9);
  EXPECT_NEAR(texts[1]->x, 0.15 + 5 * 15 * 0.6 / 72, 1e-9);  // after the call
  EXPECT_EQ(texts[2]->text, "W5XYZ");
  EXPECT_EQ(texts[2]->colour, print::kRed);
  EXPECT_NEAR(texts[3]->y, 0.45 + 0.05 + LineHeight(10) + LineGap(15), 1e-9);
  EXPECT_EQ(texts[3]->text, " confirms the 2x QSO");  // no operator, no mode
}

TEST(DefaultLabel, ThanksLineFollowsTheCardReceived) {
  struct Case {
    const char* record;
    const char* thanks;
  } cases[] = {
      {"<QSL_RCVD:3> Y <NAME:3>Bob<EOR>", "Thanks Bob  Rec'd your QSL"},
      {"<QSL_RCVD:1>y<NAME:10>John Smith<EOR>", "Thanks John  Please Send QSL"},
      {"<QSL_RCVD:1>N<EOR>", "Thanks   Please Send QSL"},
      {"<EOR>", "Thanks   Please Send QSL"},
  };
  for (const Case& c : cases) {
    RecordingSurface surface;
    DrawDefaultLabel(surface, Contact(c.record), 0, 0);
    EXPECT_EQ(surface.Texts().back()->text, c.thanks) << c.record;
  }
}

TEST(DefaultLabel, TheLabelIsPlacedOnThePaperWhateverThePrintersMargin) {
  RecordingSurface surface;
  surface.pixelsPerInch = 600;
  surface.offsetXPixels = 150;  // 0.25 inch
  surface.offsetYPixels = 100;  // 1/6 inch: 240 twips, 0.17 inch
  DrawDefaultLabel(surface, Contact("<CALL:4>W1AW<EOR>"), 0.15, 0.45);
  EXPECT_NEAR(surface.Texts()[0]->x, -0.1, 1e-9);
  EXPECT_NEAR(surface.Texts()[0]->y, 0.45 - 0.17, 1e-9);
}

TEST(DefaultLabel, OffsetsRoundHalvesToEven) {
  RecordingSurface surface;
  surface.pixelsPerInch = 1440;
  surface.offsetXPixels = 18;  // 0.0125 inch: 0.01 (half to even)
  surface.offsetYPixels = 36;  // 0.025 inch: 0.02
  const PrinterOffset offset = PrinterOffsetOf(surface);
  EXPECT_DOUBLE_EQ(offset.x, 0.01);
  EXPECT_DOUBLE_EQ(offset.y, 0.02);
}

}  // namespace
}  // namespace tavrilon::labels
