#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "sending/BureauKey.h"
#include "sending/ContactChoice.h"
#include "sending/Destination.h"
#include "sending/RunSummary.h"

namespace tavrilon::sending {
namespace {

TEST(ContactChoice, ReadsWordsDaysAndWhatIsStillToSend) {
  EXPECT_EQ(ContactsOf(" To-Send "), Contacts::ToSend);
  EXPECT_EQ(ContactsOf("ALL"), Contacts::All);
  EXPECT_EQ(ContactsOf("tosend"), std::nullopt);
  EXPECT_EQ(DayOf(" 20240229 "), 20240229);
  for (const char* bad : {"20230229", "20241301", "2024013", "202401011", "2024O101", "2024 101"}) {
    EXPECT_EQ(DayOf(bad), std::nullopt) << bad;
  }
  const struct {
    const char* sent;
    const char* via;
    bool toSend;
  } cases[] = {{"", "", true},   {" r ", "B", true}, {"Q", "d", true}, {"R", " e ", false},
               {"Y", "", false}, {"n", "", false},   {"I", "", false}, {"V", "", false},
               {"", "E", false}, {"RQ", "", false},  {" ", "EE", true}};
  for (const auto& c : cases) {
    EXPECT_EQ(StillToSend(c.sent, c.via), c.toSend) << c.sent << "/" << c.via;
  }
  EXPECT_EQ(ContactChoice{}.Description(), "");
  EXPECT_EQ((ContactChoice{Contacts::ToSend, 20240101, 20241231}.Description()),
            "cards still to send, 20240101 to 20241231");
  EXPECT_EQ((ContactChoice{Contacts::All, std::nullopt, 20241231}.Description()), "up to 20241231");
}

// QSL_SENT_VIA is found again after each load, never in slot 0 nor as a name
// a longer dictionary left beyond the loaded ones.
TEST(ContactFilter, ChoosesByCardAndDateAcrossDictionaries) {
  adif::FieldTable table = adif::test::TableOf({"QSL_SENT_VIA", "CALL", "QSL_SENT"});
  ContactFilter filter({Contacts::ToSend, 20240101, 20241231});
  const auto chosen = [&](const char* sent, const char* via, std::int64_t date, bool bad = false) {
    table.BeginRecord("");
    table.SetValue(table.StandardSlot(adif::StandardField::QslSent), sent);
    table.SetValue(table.LookupFieldSlot("QSL_SENT_VIA"), via);
    return filter.Chosen({table, date, bad});
  };
  EXPECT_TRUE(chosen("R", "E", 20240101));  // the via is an unknown tag here
  EXPECT_FALSE(chosen("Y", "", 20240101));
  table.LoadNames({"note", "CALL", "QSL_SENT", "X", "QSL_SENT_VIA"});
  table.ComputeStandardFieldSlots();
  EXPECT_FALSE(chosen("R", "E", 20240101));
  EXPECT_TRUE(chosen("", "B", 20241231));
  EXPECT_FALSE(chosen("", "", 20250101));
  EXPECT_FALSE(chosen("", "", 0));
  EXPECT_FALSE(chosen("", "", 20240101, true));
  table.SetValue(4, "E");
  table.LoadNames({"note", "CALL", "QSL_SENT"});
  EXPECT_TRUE(chosen("", "", 20240601));
  ContactFilter any({});
  EXPECT_TRUE(any.Chosen({table, 0, true}));
}

TEST(Destination, FindsTheManagerInWhatLogsWrite) {
  const std::pair<const char*, const char*> cases[] = {
      {"QSL via SP3PDO", "SP3PDO"},
      {"via EA5XX direct", "EA5XX"},
      {"BURO", ""},
      {"LoTW", ""},
      {"direct", ""},
      {"M0OXO OQRS", "M0OXO"},
      {"W1AW", "W1AW"},
      {"via: k1abc", "K1ABC"},
      {"QSL VIA 9A2AA or LoTW", "9A2AA"},
      {"EA5XX/P", "EA5XX/P"},
      {"ClubLog OQRS", ""},
      {"eQSL", ""},
      {"2024", ""},
      {"VIA EA5XX/ ; 4X4AB", "4X4AB"},
      {"K1A1", ""},
      // as real logs word them
      {"DIRECT OR BURO VIA BA4XX (QRZ.CN)", "BA4XX"},
      {"P.O. BOX 12345 - SANTIAGO", ""},
      {"YT 9 ZZ", ""},
      {"DIRECT WITH 1 IRC OR 2$ ( NO BURO)", ""},
      {"WWW.QRZ.COM , NO EQL", ""},
      {"100% Direct, e-QSL or LoTW", ""},
      {"ABCDEFGHIJ1K", ""},
      {"", ""}};
  for (const auto& [via, manager] : cases) {
    EXPECT_EQ(ManagerCall(via), manager) << via;
  }
  const Destination viaManager = DestinationOf(" w1aw ", "via K1ABC");
  EXPECT_EQ(viaManager.call, "K1ABC");
  EXPECT_TRUE(viaManager.viaManager);
  const Destination itself = DestinationOf(" w1aw ", "QSL via w1aw");
  EXPECT_EQ(itself.call, "W1AW");
  EXPECT_FALSE(itself.viaManager);
}

TEST(RunSummary, CountsAndTellsWhatWasSent) {
  const countries::Country usa{"United States", "K"};
  const countries::Country spain{"Spain", "EA"};
  RunSummary summary;
  EXPECT_EQ(summary.PrintedText(), "0 contacts, 0 stations, 0 via a manager");
  summary.SetContactsRead(1);
  summary.Printed({"W1AW", false}, &usa);
  EXPECT_EQ(summary.ChosenText(""), "1 of 1 contact");
  EXPECT_EQ(summary.PrintedText(), "1 contact, 1 station, 0 via a manager");
  summary.CountCountries(true);
  summary.Printed({"W1AW", false}, &usa);
  summary.Printed({"EA5XX", true}, &spain);
  summary.Printed({"EA5XX", true}, nullptr);
  summary.Printed({"K1ABC", false}, &usa);
  summary.SetContactsRead(7);
  EXPECT_EQ(summary.ChosenText("cards still to send"), "5 of 7 contacts (cards still to send)");
  EXPECT_EQ(summary.PrintedText(), "5 contacts, 3 stations, 2 countries, 2 via a manager");
}

TEST(BureauKey, SortsByCountryDestinationCallDateAndTime) {
  const countries::Country k{"United States", "K"};
  const countries::Country kh6{"Hawaii", "KH6"};
  const countries::Country ve{"Canada", "VE"};
  const struct {
    const countries::Country* country;
    const char* destination;
    const char* call;
    std::int64_t date;
    const char* time;
  } inOrder[] = {
      {&k, "W1AW", "W1AW", 20240101, "10:00"},   {&k, "W1AW", "W1AW", 20240101, "10:01"},
      {&k, "W1AW", "W1AW", 20240102, "00:00"},   {&k, "W1AWA", "W1AWA", 0, ""},
      {&k, "W9XX", "K1ABC", 2024, ""},           {&k, "W9XX", "K1ABC", 20240102, "23:59"},
      {&k, "W9XX", "K1ABC", 202401011, ""},      {&k, "W9XX", "N2XYZ", 20200101, ""},
      {&kh6, "AH6A", "AH6A", 20240101, ""},      {&ve, "VE3AA", "VE3AA", 20240101, ""},
      {nullptr, "AA1AA", "AA1AA", 20240101, ""},
  };
  std::vector<std::string> keys;
  for (const auto& c : inOrder) {
    BureauKey(keys.emplace_back("old"), c.country, c.destination, c.call, c.date, c.time);
  }
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
  EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
}

}  // namespace
}  // namespace tavrilon::sending
