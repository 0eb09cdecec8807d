#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "adif/QsoParser.h"
#include "labels/SimpleLabelPrinter.h"
#include "print/RecordingSurface.h"
#include "settings/SettingsKeys.h"
#include "sheets/SheetCatalogue.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace tavrilon::labels {
namespace {

struct Contact {
  std::string_view call;
  std::string_view via = "";
};

adif::FieldTable Fields(const Contact& contact) {
  adif::FieldTable fields =
      adif::test::TableOf({"note", "CALL", "QSL_VIA", "QSO_DATE", "TIME_ON", "FREQ"});
  adif::ParseQsoRecord(
      "<CALL:" + std::to_string(contact.call.size()) + ">" + std::string(contact.call) +
          "<QSL_VIA:" + std::to_string(contact.via.size()) + ">" + std::string(contact.via) +
          "<QSO_DATE:8>20240305<TIME_ON:4>1407<FREQ:6>14.025<EOR>",
      fields);
  return fields;
}

// W1AAA in the callbook, ZZ9Q not; the return label from the settings.
class SimpleLabelPrinterTest : public ::testing::Test {
 protected:
  SimpleLabelPrinterTest() {
    test::WriteUsCallbook(dir_ / "callbook",
                          {"EN|9900101|||W1AAA|L|L09900101|SAMPLE, ALICE Q|ALICE|Q|SAMPLE|||||12 "
                           "EXAMPLE LN|TESTVILLE|CT|060011234||c/o BOB|000|0099000101|I||||||"});
    settings_.WriteSetting(settings::kQrzDrive, (dir_ / "callbook").string());
    settings_.WriteSetting(settings::ReturnLabelLineKey(1), "K9ME");
    settings_.WriteSetting(settings::ReturnLabelLineKey(4), "Your Address Line 4");  // first-run
    EXPECT_TRUE(addresses_.OpenCallbook(settings_, ui_));
  }

  // Each label's first line: a label is four texts.
  std::vector<std::string> Print(int style, bool useQrz,
                                 const std::vector<Contact>& contacts = {{"w1aaa "}, {"ZZ9Q"}},
                                 bool perStation = false) {
    surface_.operations.clear();
    SimpleLabelPrinter printer(*sheets::CatalogueSheet("5160"), style, useQrz, addresses_,
                               LoadReturnAddress(settings_), perStation);
    printer.Start(surface_, 0);
    std::string failure;
    for (const Contact& contact : contacts) {
      EXPECT_TRUE(printer.Print(surface_, Fields(contact), failure));
    }
    printer.Finish(surface_);
    std::vector<std::string> firsts;
    const auto texts = surface_.Texts();
    for (std::size_t i = 0; i + 3 < texts.size(); i += 4) {
      firsts.push_back(texts[i]->text);
    }
    EXPECT_EQ(printer.Labels(), static_cast<int>(firsts.size()));
    return firsts;
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  test::ScriptedUserInterface ui_;
  MailingAddresses addresses_;
  print::RecordingSurface surface_;
};

TEST_F(SimpleLabelPrinterTest, EachStyleWithAndWithoutTheCallbook) {
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
    EXPECT_EQ(Print(c.style, c.useQrz), c.firsts)
        << "style " << c.style << (c.useQrz ? " with" : " without");
  }

  // Style 3: the contact's three labels fill the first row of 5160.
  Print(3, true);
  const auto texts = surface_.Texts();
  EXPECT_NEAR(texts[8]->x, 0.1875 + 2.75 * 2, 1e-6);
  EXPECT_NEAR(texts[8]->y, 0.5, 1e-6);
  EXPECT_NEAR(texts[12]->y, 1.5, 1e-6);
  EXPECT_EQ(texts[5]->text, "ALICE Q SAMPLE  c/o BOB");
  EXPECT_EQ(texts[6]->text, "12 EXAMPLE LN");
  EXPECT_EQ(texts[7]->text, "TESTVILLE, CT  06001-1234");
  EXPECT_EQ(texts[11]->text, "");  // the return label's fourth line, a prompt, prints nothing
  EXPECT_EQ(texts[17]->text, "Address Not Found");
  EXPECT_EQ(texts[18]->text, "");
}

// A managed card goes to the manager; per station, one envelope for the
// contacts in a row that go to the same station.
TEST_F(SimpleLabelPrinterTest, TheManagersAddressAndOneEnvelopePerStation) {
  const std::vector<Contact> contacts = {{"W1AAA"}, {"ZZ9Q", "QSL via w1aaa direct"}, {"ZZ9Q"}};
  const std::string qsl1 = "Confirming contact with W1AAA";
  const std::string qsl2 = "Confirming contact with ZZ9Q  via:  QSL via w1aaa direct";
  const std::string qsl3 = "Confirming contact with ZZ9Q";
  const struct {
    int style;
    bool useQrz;
    bool perStation;
    std::vector<std::string> firsts;
  } cases[] = {
      {2, true, false, {qsl1, "W1AAA", qsl2, "W1AAA", qsl3, "ZZ9Q"}},
      {2, true, true, {qsl1, qsl2, "W1AAA", qsl3, "ZZ9Q"}},
      {3, true, true, {qsl1, qsl2, "W1AAA", "K9ME", qsl3, "ZZ9Q", "K9ME"}},
      {3, false, true, {qsl1, qsl2, "K9ME", qsl3, "K9ME"}},
      {1, true, true, {qsl1, qsl2, qsl3}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Print(c.style, c.useQrz, contacts, c.perStation), c.firsts)
        << "style " << c.style << (c.perStation ? " per station" : "");
  }
  Print(2, true, {{"ZZ9Q", "QSL via W1AAA"}});
  EXPECT_EQ(surface_.Texts()[5]->text, "ALICE Q SAMPLE  c/o BOB");
  Print(2, true, {{"W1AAA", "via ZZ9Q"}});
  EXPECT_EQ(surface_.Texts()[5]->text, "Address Not Found");
}

TEST_F(SimpleLabelPrinterTest, LabelsLandOnThePaperWhateverThePrintersMargin) {
  surface_.offsetXPixels = 150;  // a quarter of an inch at 600 dpi
  surface_.offsetYPixels = 60;
  Print(1, false);
  EXPECT_NEAR(surface_.Texts()[0]->x, 0.1875 - 0.25, 1e-6);
  EXPECT_NEAR(surface_.Texts()[0]->y, 0.5 - 0.1, 1e-6);
}

}  // namespace
}  // namespace tavrilon::labels
