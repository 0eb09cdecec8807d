#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sheets/TemplateFolders.h"
#include "support/TestSupport.h"

namespace tavrilon::sheets {
namespace {

const SheetDatabase& Database() {
  static const SheetDatabase database = [] {
    const auto data = test::TestDataFolder() / "sheets";
    return ReadTemplateFolders({data / "system", data / "user"}).database;
  }();
  return database;
}

TEST(SheetDatabaseTest, FindByBrandAndPartInAnyCase) {
  EXPECT_EQ(Database().Find("  tESTA 101 ")->description, "Shipping labels");
  for (const char* none : {"Testa 10", "Testa 1010", "Testa", "101", "Testa  101", ""}) {
    EXPECT_EQ(Database().Find(none), nullptr) << none;
  }
}

TEST(SheetDatabaseTest, SearchWantsEveryWordSomewhere) {
  const struct {
    const char* text;
    std::vector<std::string> parts;
  } cases[] = {
      {"70x36", {"95", "100", "101"}},  // the size without blanks
      {"testa a4\tSHIPPING", {"101"}},  // brand, paper, description
      {"2x1in", {"200"}},               // the points shown as inches
      {"144 pt", {"200"}},              // the size as the file gives it
      {"other own", {"400"}},           // the paper of its own size
      {"testa letter mine", {}},        // one word nowhere
      {" \t ", {"95", "100", "101", "200", "300", "350", "400", "500", "502"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> parts;
    for (const DatabaseSheet* sheet : Database().Search(c.text)) {
      parts.push_back(sheet->part);
    }
    EXPECT_EQ(parts, c.parts) << '"' << c.text << '"';
  }
}

TEST(SheetDatabaseTest, DescriptionAndLine) {
  const struct {
    const char* name;
    const char* description;
    const char* line;
  } cases[] = {
      {"Testa 95",  // an alias, with the other's description
       "Testa 95 - A: 3   D: 8   HP: 2.7559   VP: 1.4173   TM: 0.1772   LM: 0   - 70 x 36 mm, "
       "A4: Address labels",
       "Testa\t95\tA4\t70 x 36 mm\t3 x 8\tAddress labels"},
      {"Testa 200",
       "Testa 200 - A: 2   D: 5   HP: 3   VP: 1.25   TM: 0.25   LM: 0.5   - 2 x 1 in, "
       "US-Letter: Point labels",
       "Testa\t200\tUS-Letter\t2 x 1 in\t2 x 5\tPoint labels"},
      {"Testa 300",
       "Testa 300 - A: 1   D: 2   HP: 1.5   VP: 1.5   TM: 0.5   LM: 0.25   - 1.5 in x 2.54 cm, "
       "Tiny",
       "Testa\t300\tTiny\t1.5 in x 2.54 cm\t1 x 2\t"},
      {"Testa 500", "Testa 500 - 8 labels - 1 x 0.2 in, A4: Staggered",
       "Testa\t500\tA4\t1 x 0.2 in\t8 labels\tStaggered"},
  };
  for (const auto& c : cases) {
    const DatabaseSheet* sheet = Database().Find(c.name);
    ASSERT_NE(sheet, nullptr) << c.name;
    EXPECT_EQ(DatabaseSheetDescription(*sheet), c.description);
    EXPECT_EQ(DatabaseSheetLine(*sheet), c.line);
  }
}

}  // namespace
}  // namespace tavrilon::sheets
