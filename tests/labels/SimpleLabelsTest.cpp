#include <tuple>

#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "adif/QsoParser.h"
#include "labels/LabelRun.h"
#include "labels/MailingAddress.h"
#include "print/RecordingSurface.h"
#include "settings/SettingsKeys.h"
#include "support/LabelRunFixture.h"

namespace tavrilon::labels {
using designs::BuildSimpleQslLines;
using designs::LabelDesign;
using designs::LabelLines;
namespace {

using print::RecordingSurface;

std::string Contact(std::string_view call, std::string_view extra = "") {
  return "<CALL:" + std::to_string(call.size()) + ">" + std::string(call) +
         "<QSO_DATE:8>20240305<TIME_ON:6>140755<FREQ:6>14.025<RST_SENT:3>599" + std::string(extra) +
         "<EOR>\n";
}

TEST(SimpleLabelTest, QslLinesWithAndWithoutTheOptionalFields) {
  const std::pair<std::string, LabelLines> cases[] = {
      {Contact("W1AAA", "<QSL_VIA:4>K1XX<MODE:3>SSB<TX_PWR:3>100"),
       {"Confirming contact with W1AAA  via:  K1XX", "On 05 MAR 2024   At 14:07 GMT",
        "Freq: 14.025  Mode: SSB  ", "Power: 100  Your RST: 599  "}},
      {Contact("W1AAB"),
       {"Confirming contact with W1AAB", "On 05 MAR 2024   At 14:07 GMT", "Freq: 14.025  ",
        "Your RST: 599  "}},
  };
  for (const auto& [record, lines] : cases) {
    adif::FieldTable table = adif::test::TableOf(
        {"note", "CALL", "QSL_VIA", "QSO_DATE", "TIME_ON", "FREQ", "MODE", "TX_PWR", "RST_SENT"});
    adif::ParseQsoRecord(record, table);
    EXPECT_EQ(BuildSimpleQslLines(table), lines) << record;
  }
}

TEST(SimpleLabelTest, PostalCodes) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"06001", "06001"},    {"040011234", "04001-1234"}, {"04001123456", "04001-1234"},
      {"06001   ", "06001"}, {"K2P 1L4", "K2P 1L4"},      {"", ""},
  };
  for (const auto& [code, printed] : cases) {
    EXPECT_EQ(PostalCodeText(code), printed) << code;
  }
}

TEST(SimpleLabelTest, NameLinesWithTheAttentionLineBeside) {
  const std::tuple<std::string_view, std::string_view, std::string_view> cases[] = {
      {"Hills Radio Club", "", "Hills Radio Club"},
      {"Hills Radio Club", "c/o ALICE", "Hills Radio Club  c/o ALICE"},
      {"Hills Radio Club", "Attn: Trustee", "Hills Radio Club  Attn: Trustee"},
      {"Hills Radio Club", "ALICE", "Hills Radio Club  c/o ALICE"},  // a bare name
  };
  for (const auto& [name, attention, line] : cases) {
    EXPECT_EQ(NameLineText(name, attention), line) << attention;
  }
}

class SimpleRunTest : public test::LabelRunFixture {
 protected:
  SimpleRunTest() : LabelRunFixture(std::size_t{1} << 16) {
    test::WriteUsCallbook(dir_ / "callbook",
                          {"EN|9900101|||W1AAA|L|L09900101|SAMPLE, ALICE Q|ALICE|Q|SAMPLE|||||12 "
                           "EXAMPLE LN|TESTVILLE|CT|060011234||c/o BOB|000|0099000101|I||||||"});
    settings_.WriteSetting(settings::kQrzDrive, (dir_ / "callbook").string());
    settings_.WriteSetting(settings::ReturnLabelLineKey(1), "K9ME");
    settings_.WriteSetting(settings::ReturnLabelLineKey(4), "Your Address Line 4");  // first-run
    test::WriteFile(dir_ / "log.adi", "<EOH>\n" + Contact("w1aaa ") + Contact("ZZ9Q"));
  }

  // Each label's first line and its corner: a label is four texts.
  struct Label {
    std::string first;
    double x, y;
  };
  std::vector<Label> Run(int style, bool useQrz) {
    surface_.operations.clear();
    const LabelRunRequest request{
        (dir_ / "log.adi").string(), "5160", LabelDesign::Simple, style, "0", false, useQrz};
    result_ = run_.PrintLabelRun(request, [this] { return &surface_; });
    const auto texts = surface_.Texts();
    std::vector<Label> labels;
    for (std::size_t i = 0; i + 3 < texts.size(); i += 4) {
      labels.push_back({texts[i]->text, texts[i]->x, texts[i]->y});
    }
    return labels;
  }

  LabelRunResult result_;
};

TEST_F(SimpleRunTest, EachStyleWithAndWithoutTheCallbook) {
  const std::string qsl1 = "Confirming contact with w1aaa ";
  const std::string qsl2 = "Confirming contact with ZZ9Q";
  const struct {
    int style;
    bool useQrz;
    std::vector<std::string> firsts;
  } cases[] = {
      {1, true, {qsl1, qsl2}},
      {2, true, {qsl1, "W1AAA", qsl2, "ZZ9Q"}},
      {2, false, {qsl1, "K9ME", qsl2, "K9ME"}},
      {3, true, {qsl1, "W1AAA", "K9ME", qsl2, "ZZ9Q", "K9ME"}},
      {3, false, {qsl1, "K9ME", qsl2, "K9ME"}},
  };
  for (const auto& c : cases) {
    const auto labels = Run(c.style, c.useQrz);
    std::vector<std::string> firsts;
    for (const Label& label : labels) {
      firsts.push_back(label.first);
    }
    EXPECT_EQ(firsts, c.firsts) << "style " << c.style << (c.useQrz ? " with" : " without");
    EXPECT_EQ(ui_.statusTexts.back(),
              std::to_string(firsts.size()) + " Labels Submitted to the Printer");
    EXPECT_EQ(result_.useQrz, c.useQrz);
    EXPECT_FALSE(result_.mailingLabelsMissing);  // none were asked for, or all printed
  }
  EXPECT_TRUE(ui_.messages.empty());

  // Style 3: the contact's three labels fill the first row of 5160.
  const auto labels = Run(3, true);
  EXPECT_NEAR(labels[2].x, 0.15 + 2.8 * 2, 1e-6);
  EXPECT_NEAR(labels[2].y, 0.45, 1e-6);
  EXPECT_NEAR(labels[3].y, 1.45, 1e-6);
  const auto texts = surface_.Texts();
  EXPECT_EQ(texts[5]->text, "ALICE Q SAMPLE  c/o BOB");
  EXPECT_EQ(texts[6]->text, "12 EXAMPLE LN");
  EXPECT_EQ(texts[7]->text, "TESTVILLE, CT  06001-1234");
  EXPECT_EQ(texts[11]->text, "");  // the return label's fourth line, a prompt, prints nothing
  EXPECT_EQ(texts[17]->text, "Address Not Found");
  EXPECT_EQ(texts[18]->text, "");
}

// The second line says why; a callbook that is there but bad is not "not found".
TEST_F(SimpleRunTest, NoCallbookFolderLeavesTheMailingLabelsOutForLaterRunsToo) {
  std::filesystem::create_directory(dir_ / "bad");
  test::WriteFile(dir_ / "bad" / "amateur_delim.txt", "call;name\n");
  const std::string bad = (dir_ / "bad").string();
  for (const std::string_view drive : {"E", "E:", "", "/nowhere/callbook", bad.c_str()}) {
    ui_.messages.clear();
    settings_.WriteSetting(settings::kQrzDrive, drive);
    const auto labels = Run(3, true);
    ASSERT_EQ(labels.size(), 4U) << drive;
    EXPECT_EQ(labels[1].first, "K9ME");
    EXPECT_FALSE(result_.useQrz);
    EXPECT_TRUE(result_.mailingLabelsMissing);
    ASSERT_EQ(ui_.messages.size(), 1U) << drive;
    EXPECT_EQ(ui_.messages[0].rfind("Error: the QRZ Database could not be found.\n", 0), 0U)
        << ui_.messages[0];
    EXPECT_EQ(ui_.messages[0].find("was found, but cannot be used: " + bad) != std::string::npos,
              drive == bad)
        << ui_.messages[0];
  }
}

TEST_F(SimpleRunTest, LabelsLandOnThePaperWhateverThePrintersMargin) {
  surface_.offsetXPixels = 150;  // a quarter of an inch at 600 dpi
  surface_.offsetYPixels = 60;
  const auto labels = Run(1, false);
  EXPECT_NEAR(labels[0].x, 0.15 - 0.25, 1e-6);
  EXPECT_NEAR(labels[0].y, 0.45 - 0.1, 1e-6);
}

}  // namespace
}  // namespace tavrilon::labels
