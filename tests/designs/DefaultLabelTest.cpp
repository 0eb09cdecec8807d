#include <tuple>

#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "adif/QsoParser.h"
#include "designs/DefaultLabel.h"
#include "print/RecordingSurface.h"
#include "sheets/PrinterOffset.h"

namespace tavrilon::designs {
namespace {

using print::RecordingSurface;

adif::FieldTable Contact(std::string_view record) {
  adif::FieldTable table =
      adif::test::TableOf({"note", "CALL", "QSL_VIA", "OPERATOR", "MODE", "SUBMODE", "QSO_DATE",
                           "TIME_ON", "BAND", "RST_SENT", "NAME", "QSL_RCVD"});
  adif::ParseQsoRecord(record, table);
  return table;
}

// The recording metric's line height, and the printer's gap below a line.
constexpr auto LineHeight = [](double points) { return points * 1.2 / 72; };
constexpr auto Gap = [](double points) { return points * 0.0005; };

TEST(DefaultLabel, DrawsTheLabelToThePoint) {
  RecordingSurface surface;
  DrawDefaultLabel(surface,
                   Contact("<CALL:4>W1AW<OPERATOR:4>K1XX<MODE:3>SSB<QSO_DATE:8>20240105"
                           "<TIME_ON:4>1407<BAND:5> 20M <RST_SENT:2>59<NAME:10>John Smith"
                           "<QSL_RCVD:3> Y <EOR>"),
                   2.95, 1.45);
  const auto texts = surface.Texts();
  const double confirms = 1.45 + LineHeight(15) + Gap(15);
  const double heading = confirms + LineHeight(9) + Gap(9);
  const double row = heading + LineHeight(8) + Gap(8);
  // The text, its face, points and boldness, and where it begins.
  using Text = std::tuple<const char*, const char*, int, bool, double, double>;
  const Text expected[] = {
      {"W1AW", "Times New Roman", 15, true, 2.95, 1.45},
      {"", "Times New Roman", 15, false, 2.95 + 4 * 15 * 0.6 / 72, 1.45},
      {"K1XX confirms the 2xSSB QSO", "Times New Roman", 9, false, 2.95, confirms},
      {"    Date     Time   Band   RST", "Courier New", 8, true, 2.95, heading},
      {"05 JAN 2024", "Courier New", 8, true, 2.95, row},
      {"14:07", "Courier New", 8, true, 2.95 + 0.85, row},
      {"20M", "Courier New", 8, true, 2.95 + 1.35, row},
      {"59", "Courier New", 8, true, 2.95 + 1.8, row},
      {"Thanks John  Rec'd your QSL", "Times New Roman", 9, false, 2.95,
       row + LineHeight(8) + Gap(9)},
  };
  ASSERT_EQ(texts.size(), std::size(expected));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const auto& [text, face, points, bold, x, y] = expected[i];
    EXPECT_EQ(
        std::tuple(texts[i]->text, texts[i]->font.face, texts[i]->font.points, texts[i]->font.bold),
        std::tuple(text, face, points, bold));
    EXPECT_NEAR(texts[i]->x, x, 1e-9) << text;
    EXPECT_NEAR(texts[i]->y, y, 1e-9) << text;
    EXPECT_EQ(texts[i]->colour, i == 0 ? print::kBlue : print::kBlack) << text;
  }
}

// The label is placed on the paper whatever the printer's margin.
TEST(DefaultLabel, AManagerGoesInRedBesideTheCallAndOnlyACardReceivedAsYIsThanked) {
  RecordingSurface surface;
  surface.offsetXPixels = 150;  // 0.25 inch at 600 pixels an inch
  surface.offsetYPixels = 100;  // 1/6 inch: 240 twips, 0.17 inch
  DrawDefaultLabel(surface, Contact("<CALL:5>VK9XX<QSL_VIA:5>W5XYZ<QSL_RCVD:1>y<EOR>"), 0.4, 0.62);
  const auto texts = surface.Texts();
  EXPECT_NEAR(texts[0]->x, 0.15, 1e-9);
  EXPECT_NEAR(texts[0]->y, 0.45, 1e-9);
  ASSERT_EQ(texts[1]->text, "  via: ");
  EXPECT_EQ(texts[1]->font.points, 10);
  EXPECT_NEAR(texts[1]->y, 0.45 + 0.05, 1e-9);
  EXPECT_NEAR(texts[1]->x, 0.15 + 5 * 15 * 0.6 / 72, 1e-9);  // after the call
  EXPECT_EQ(texts[2]->text, "W5XYZ");
  EXPECT_EQ(texts[2]->colour, print::kRed);
  EXPECT_NEAR(texts[3]->y, 0.45 + 0.05 + LineHeight(10) + Gap(15), 1e-9);
  EXPECT_EQ(texts[3]->text, " confirms the 2x QSO");  // no operator, no mode
  EXPECT_EQ(texts.back()->text, "Thanks   Please Send QSL");
}

// ADIF 3 logs FT4 as MFSK: the card names the submode.
TEST(DefaultLabel, ASubmodeIsTheModeTheCardConfirms) {
  RecordingSurface surface;
  DrawDefaultLabel(surface, Contact("<CALL:4>W1AW<MODE:4>MFSK<SUBMODE:3>FT4<EOR>"), 0, 0);
  EXPECT_EQ(surface.Texts()[2]->text, " confirms the 2xFT4 QSO");
}

TEST(DefaultLabel, PrinterOffsetsRoundHalvesToEven) {
  RecordingSurface surface;
  surface.pixelsPerInch = 1440;
  surface.offsetXPixels = 18;  // 0.0125 inch: 0.01
  surface.offsetYPixels = 36;  // 0.025 inch: 0.02
  EXPECT_DOUBLE_EQ(sheets::PrinterOffsetOf(surface).x, 0.01);
  EXPECT_DOUBLE_EQ(sheets::PrinterOffsetOf(surface).y, 0.02);
}

}  // namespace
}  // namespace tavrilon::designs
