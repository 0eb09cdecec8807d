#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sheets/TemplateFolders.h"
#include "support/TestSupport.h"

namespace tavrilon::sheets {
namespace {

std::vector<std::filesystem::path> TestFolders() {
  const auto data = test::TestDataFolder() / "sheets";
  return {data / "system", data / "not-there", data / "user"};
}

std::vector<std::string> Names(const SheetDatabase& database) {
  std::vector<std::string> names;
  for (const DatabaseSheet& sheet : database.Sheets()) {
    names.push_back(sheet.sheet.name);
  }
  return names;
}

// The sheets that come through, in order (parts by number), and those left
// out: a round label and its alias, an unknown paper, a bad length, no
// layout, an alias of a missing part, and the broken file's.
TEST(TemplateFoldersTest, ReadsTheRectangularSheetsOfEveryFolder) {
  const TemplateFoldersRead read = ReadTemplateFolders(TestFolders());
  EXPECT_EQ(
      Names(read.database),
      (std::vector<std::string>{"Testa 95", "Testa 100", "Testa 101", "Testa 200", "Testa 300",
                                "testa 350", "Testa 400", "Testa 500", "Testa 502"}));
  ASSERT_EQ(read.skipped.size(), 1U);
  EXPECT_EQ(read.skipped[0].rfind((TestFolders()[0] / "broken.xml").string() + ": ", 0), 0U);
  EXPECT_NE(read.skipped[0].find("at line 6"), std::string::npos) << read.skipped[0];
}

TEST(TemplateFoldersTest, GeometryInInchesFromEveryUnit) {
  constexpr double kMm = 1 / 25.4;
  const struct {
    std::vector<std::string> texts;  // name, paper, size, description
    // across, down, horizontal and vertical pitch, top and left margin,
    // label width, height and corner radius, paper width and height
    std::vector<double> numbers;
  } cases[] = {
      {{"Testa 100", "A4", "70 x 36 mm", "Address labels"},
       {3, 8, 70 * kMm, 36 * kMm, 4.5 * kMm, 0, 70 * kMm, 36 * kMm, 0, 210 * kMm, 297 * kMm}},
      {{"Testa 200", "US-Letter", "144 x 72 pt", "Point labels"},
       {2, 5, 3, 1.25, 0.25, 0.5, 2, 1, 0.125, 8.5, 11}},
      {{"Testa 300", "Tiny", "1.5 in x 2.54 cm", ""},
       {1, 2, 1.5, 1.5, 0.5, 0.25, 1.5, 1, 1.0 / 6, 2, 3}},
      {{"testa 350", "A4", "90 x 130 mm", "Mine"},  // the user's folder wins
       {2, 2, 100 * kMm, 140 * kMm, 10 * kMm, 10 * kMm, 90 * kMm, 130 * kMm, 0, 210 * kMm,
        297 * kMm}},
      {{"Testa 400", "Other", "3.5 x 2.5 in", "Own paper"},
       {1, 2, 3.5, 3, 0.5, 0.25, 3.5, 2.5, 0, 4, 6}},
      {{"Testa 502", "A4", "1 x 0.2 in", "Staggered"},  // an alias in another file
       {8, 1, 2, 0.2, 0.1, 1, 1, 0.2, 0, 210 * kMm, 297 * kMm}},
  };
  const TemplateFoldersRead read = ReadTemplateFolders(TestFolders());
  for (const auto& c : cases) {
    const DatabaseSheet* found = read.database.Find(c.texts[0]);
    ASSERT_TRUE(found && found->sheet.paper) << c.texts[0];
    const LabelSheet& s = found->sheet;
    const std::vector<double> numbers = {double(s.across), double(s.down), s.horizontalPitch,
                                         s.verticalPitch,  s.topMargin,    s.leftMargin,
                                         s.labelWidth,     s.labelHeight,  s.cornerRadius,
                                         s.paper->width,   s.paper->height};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      EXPECT_NEAR(numbers[i], c.numbers[i], 1e-12) << c.texts[0] << " number " << i;
    }
    EXPECT_EQ(
        (std::vector<std::string>{s.name, s.paper->name, found->sizeText, found->description}),
        c.texts);
  }
}

// Two grids: every label, row by row down the page, left to right in a row.
TEST(TemplateFoldersTest, StaggeredLabelsRowByRow) {
  const TemplateFoldersRead read = ReadTemplateFolders(TestFolders());
  const DatabaseSheet* found = read.database.Find("Testa 500");
  ASSERT_NE(found, nullptr);
  const std::vector<std::pair<double, double>> expected = {{1, 0.1}, {3, 0.1}, {1, 0.3}, {3, 0.3},
                                                           {5, 0.3}, {1, 0.5}, {3, 0.5}, {5, 0.5}};
  ASSERT_EQ(found->sheet.staggered.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(found->sheet.staggered[i].left, expected[i].first, 1e-12) << i;
    EXPECT_NEAR(found->sheet.staggered[i].top, expected[i].second, 1e-12) << i;
  }
}

// Without paper-sizes.xml the common papers are known; a file that cannot be
// read is named with the reason.
TEST(TemplateFoldersTest, BuiltInPapersAndAnUnreadableFile) {
  test::TempDir folder;
  test::WriteFile(folder / "a5.xml",
                  "<Glabels-templates><Template brand=\"B\" part=\"1\" size=\"A5\">"
                  "<Label-rectangle width=\"1in\" height=\"1in\"><Layout nx=\"1\" ny=\"1\"/>"
                  "</Label-rectangle></Template></Glabels-templates>");
  std::filesystem::create_directory(folder / "folder.xml");
  const TemplateFoldersRead read = ReadTemplateFolders({folder.path()});
  const DatabaseSheet* found = read.database.Find("B 1");
  ASSERT_TRUE(found && found->sheet.paper);
  EXPECT_EQ(found->sheet.paper->name, "A5");
  EXPECT_NEAR(found->sheet.paper->height, 210 / 25.4, 1e-12);
  EXPECT_EQ(read.skipped,
            std::vector<std::string>{(folder / "folder.xml").string() + ": is a folder"});
}

// The system's own database, read in place where it is installed.
TEST(TemplateFoldersTest, TheInstalledDatabase) {
  const std::filesystem::path installed = "/usr/share/libglabels-3.0/templates";
  if (!std::filesystem::is_directory(installed)) {
    const char* ci = std::getenv("CI");
    if (ci != nullptr && std::string_view(ci) == "true") {
      ADD_FAILURE() << "In CI the label database must be in " << installed;
    }
    GTEST_SKIP() << "no label database in " << installed;
  }
  const TemplateFoldersRead read = ReadTemplateFolders({installed});
  EXPECT_EQ(read.skipped, std::vector<std::string>());
  EXPECT_GT(read.database.Sheets().size(), 1000U);
  const DatabaseSheet* zweckform = read.database.Find("Zweckform 3490");
  ASSERT_TRUE(zweckform && zweckform->sheet.paper);
  EXPECT_EQ(zweckform->sheet.across, 3);
  EXPECT_EQ(zweckform->sheet.down, 8);
  EXPECT_NEAR(zweckform->sheet.labelWidth * 25.4, 70, 0.01);
  EXPECT_NEAR(zweckform->sheet.labelHeight * 25.4, 36, 0.01);
  EXPECT_EQ(zweckform->sheet.paper->name, "A4");
}

}  // namespace
}  // namespace tavrilon::sheets
