#include <tuple>

#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "adif/QsoParser.h"
#include "labels/LabelRun.h"
#include "labels/MailingAddress.h"
#include "settings/SettingsKeys.h"
#include "support/LabelRunFixture.h"

namespace tavrilon::labels {
using designs::BuildSimpleQslLines;
using designs::LabelDesign;
using designs::LabelLines;
namespace {

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
      {Contact("W1AAC", "<MODE:4>MFSK<SUBMODE:3>FT4"),
       {"Confirming contact with W1AAC", "On 05 MAR 2024   At 14:07 GMT",
        "Freq: 14.025  Mode: FT4  ", "Your RST: 599  "}},
  };
  for (const auto& [record, lines] : cases) {
    adif::FieldTable table = adif::test::TableOf({"note", "CALL", "QSL_VIA", "QSO_DATE", "TIME_ON",
                                                  "FREQ", "MODE", "SUBMODE", "TX_PWR", "RST_SENT"});
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

// The run's part of the Simple design: the callbook it opens. What each
// style prints is the printer's test.
class SimpleRunTest : public test::LabelRunFixture {
 protected:
  SimpleRunTest() {
    settings_.WriteSetting(settings::ReturnLabelLineKey(1), "K9ME");
    test::WriteFile(dir_ / "log.adi", "<EOH>\n" + Contact("w1aaa ") + Contact("ZZ9Q"));
  }

  // Each label's first line: a label is four texts.
  std::vector<std::string> Run(int style, bool useQrz, std::string stock = "5160") {
    surface_.operations.clear();
    const LabelRunRequest request{.labelInputFile = (dir_ / "log.adi").string(),
                                  .labelStock = std::move(stock),
                                  .design = LabelDesign::Simple,
                                  .labelStyle = style,
                                  .labelSkip = "0",
                                  .useQrz = useQrz};
    result_ = run_.PrintLabelRun(request, [this] { return &surface_; });
    const auto texts = surface_.Texts();
    std::vector<std::string> firsts;
    for (std::size_t i = 0; i + 3 < texts.size(); i += 4) {
      firsts.push_back(texts[i]->text);
    }
    return firsts;
  }

  LabelRunResult result_;
};

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
    EXPECT_EQ(labels[1], "K9ME");
    EXPECT_FALSE(result_.useQrz);
    EXPECT_TRUE(result_.mailingLabelsMissing);
    ASSERT_EQ(ui_.messages.size(), 1U) << drive;
    EXPECT_EQ(ui_.messages[0].rfind("Error: the QRZ Database could not be found.\n", 0), 0U)
        << ui_.messages[0];
    EXPECT_EQ(ui_.messages[0].find("was found, but cannot be used: " + bad) != std::string::npos,
              drive == bad)
        << ui_.messages[0];
  }

  // A sheet that cannot be printed on stops the run before the callbook is looked for.
  ui_.messages.clear();
  Run(3, true, "Custom 4");
  ASSERT_EQ(ui_.messages.size(), 1U);
  EXPECT_EQ(ui_.messages[0].rfind("The label sheet \"Custom 4\" is not known.", 0), 0U);
  EXPECT_TRUE(result_.useQrz);
}

}  // namespace
}  // namespace tavrilon::labels
