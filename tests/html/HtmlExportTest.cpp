#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "html/HtmlExport.h"
#include "html/HtmlTestSupport.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestSupport.h"
#include "version/VersionString.h"

namespace tavrilon::html {
namespace {

namespace fs = std::filesystem;
using tavrilon::test::ReadFile;
using tavrilon::test::WriteFile;

constexpr std::string_view kLog = "<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT<EOR>\n";
constexpr std::string_view kOldPage = "<html>an older page</html>\r\n";

struct PageNameCase {
  const char* log;
  const char* page;
  const char* why;
};

TEST(HtmlPagePathTest, ThePageIsTheLogsPathWithItsExtensionReplacedByHtml) {
  const PageNameCase cases[] = {
      {"/logs/mylog.adif", "/logs/mylog.html", "a four-letter extension is replaced whole"},
      {"/logs/my.ADI", "/logs/my.html", "an upper-case extension too"},
      {"/logs/mylog", "/logs/mylog.html", "no extension: .html is added"},
      {"/logs/2024.05.log.adi", "/logs/2024.05.log.html", "only the last extension"},
      {"/my.logs/mylog", "/my.logs/mylog.html", "a dot in a folder is no extension"},
      {"mylog.adi", "mylog.html", "a relative path stays relative"},
  };
  for (const PageNameCase& c : cases) {
    EXPECT_EQ(HtmlPagePath(c.log), fs::path(c.page)) << c.why;
  }
}

class HtmlExportTest : public ::testing::Test {
 protected:
  HtmlExportTest() { fs::copy_file(tavrilon::test::ShippedDictionary(), dir_ / "tvadif.txt"); }

  HtmlExportOutcome Export(const fs::path& log, std::string layout = "DEFAULT") {
    return ConvertLogToHtml(input_, settings_, ui_,
                            {log.string(), std::move(layout), std::string(call_)},
                            [] { return test::CreatedOn(); });
  }

  // Every file of the folder but the dictionary, by name.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_.path())) {
      if (entry.path().filename() != "tvadif.txt") {
        names.push_back(entry.path().filename().string());
      }
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string Status(const fs::path& page) const {
    return "Format complete - " + page.string() + " created.";
  }

  tavrilon::test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  adif::AdifInput input_{dir_ / "tvadif.txt"};
  tavrilon::test::ScriptedUserInterface ui_;
  std::string call_ = "W1AW";
};

TEST_F(HtmlExportTest, ASmallLogGivesTheExpectedPageByteForByte) {
  const fs::path data = tavrilon::test::SourceFolder() / "tests/html/data";
  fs::copy_file(data / "small-log.adi", dir_ / "small-log.adi");
  ASSERT_EQ(Export(dir_ / "small-log.adi"), HtmlExportOutcome::Written);

  std::string expected = ReadFile(data / "expected.html");
  const std::size_t version = expected.find("@VERSION@");
  ASSERT_NE(version, std::string::npos);
  expected.replace(version, 9, VersionString());
  EXPECT_EQ(ReadFile(dir_ / "small-log.html"), expected);
  EXPECT_EQ(ui_.statusTexts, (std::vector<std::string>{"Printing Log", "Formatting Log",
                                                       Status(dir_ / "small-log.html")}));
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(ui_.progressValues.back(), 100);
  EXPECT_FALSE(ui_.progressVisible);
  EXPECT_EQ(Files(), (std::vector<std::string>{"small-log.adi", "small-log.html"}))
      << "no temporary file is left";
}

TEST_F(HtmlExportTest, AnExistingPageIsReplacedAndKeepsWhoMayReadIt) {
  WriteFile(dir_ / "mylog.adif", kLog);
  WriteFile(dir_ / "mylog.html", kOldPage);
  fs::permissions(dir_ / "mylog.html",
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_EQ(Export(dir_ / "mylog.adif"), HtmlExportOutcome::Written);
  const std::string page = ReadFile(dir_ / "mylog.html");
  EXPECT_NE(page.find("W1AW</font/></TD>"), std::string::npos);
  EXPECT_NE(page.find("K1JT</font/></TD>"), std::string::npos);
  EXPECT_EQ(fs::status(dir_ / "mylog.html").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(ui_.statusTexts.back(), Status(dir_ / "mylog.html"));
}

TEST_F(HtmlExportTest, ALogWithoutExtensionGetsHtmlAdded) {
  WriteFile(dir_ / "mylog", kLog);
  ASSERT_EQ(Export(dir_ / "mylog"), HtmlExportOutcome::Written);
  EXPECT_TRUE(fs::exists(dir_ / "mylog.html"));
  EXPECT_EQ(ReadFile(dir_ / "mylog"), kLog);
  EXPECT_EQ(ui_.statusTexts.back(), Status(dir_ / "mylog.html"));
}

TEST_F(HtmlExportTest, ALogThatIsAnHtmlPageIsNeverWrittenOver) {
  for (const char* name : {"log.html", "log.HTML", "log.Html"}) {
    const fs::path log = dir_ / name;
    WriteFile(log, kLog);
    ui_.messages.clear();
    EXPECT_EQ(Export(log), HtmlExportOutcome::Stopped) << name;
    EXPECT_EQ(ReadFile(log), kLog) << name;
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_NE(ui_.messages[0].find(log.string()), std::string::npos) << ui_.messages[0];
    EXPECT_EQ(Files(), std::vector<std::string>{name});
    fs::remove(log);
  }
}

TEST_F(HtmlExportTest, ALogLinkedUnderTheNameOfItsPageIsNeverWrittenOver) {
  WriteFile(dir_ / "log.html", kLog);
  fs::create_symlink("log.html", dir_ / "log.adi");
  EXPECT_EQ(Export(dir_ / "log.adi"), HtmlExportOutcome::Stopped);
  EXPECT_EQ(ReadFile(dir_ / "log.html"), kLog);
  EXPECT_EQ(ui_.messages.size(), 1u);
}

TEST_F(HtmlExportTest, AMissingLogLeavesAnExistingPageAsItWas) {
  WriteFile(dir_ / "gone.html", kOldPage);
  EXPECT_EQ(Export(dir_ / "gone.adi"), HtmlExportOutcome::Stopped);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{"Log File does not exist"});
  EXPECT_EQ(ReadFile(dir_ / "gone.html"), kOldPage);
  EXPECT_EQ(Files(), std::vector<std::string>{"gone.html"});
  EXPECT_EQ(ui_.statusTexts, std::vector<std::string>{"Printing Log"});
}

TEST_F(HtmlExportTest, NoLogChosenWritesNothing) {
  EXPECT_EQ(Export(""), HtmlExportOutcome::Stopped);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{"Log File does not exist"});
  EXPECT_TRUE(Files().empty());
}

TEST_F(HtmlExportTest, WithoutTheDictionaryTheCallerIsToldAndThePageStays) {
  WriteFile(dir_ / "mylog.adi", kLog);
  WriteFile(dir_ / "mylog.html", kOldPage);
  fs::remove(dir_ / "tvadif.txt");
  EXPECT_EQ(Export(dir_ / "mylog.adi"), HtmlExportOutcome::DictionaryMissing);
  EXPECT_EQ(ReadFile(dir_ / "mylog.html"), kOldPage);
  EXPECT_EQ(Files(), (std::vector<std::string>{"mylog.adi", "mylog.html"}));
}

TEST_F(HtmlExportTest, ALayoutThatIsNeitherStopsBeforeAnyFile) {
  WriteFile(dir_ / "mylog.adi", kLog);
  for (const char* layout : {"", "SIMPLE", " DEFAULT"}) {
    ui_.messages.clear();
    EXPECT_EQ(Export(dir_ / "mylog.adi", layout), HtmlExportOutcome::Stopped) << layout;
    EXPECT_EQ(ui_.messages, std::vector<std::string>{"Please select Log Layout."}) << layout;
    EXPECT_EQ(Files(), std::vector<std::string>{"mylog.adi"}) << layout;
  }
}

TEST_F(HtmlExportTest, TheLayoutIsChosenInCapitalsAndTheHeadingsOnlyByTheExactWord) {
  WriteFile(dir_ / "tavrilon.ini", "[Custom Log]\ncolumn1=CALL,0,Station,0,13\n");
  WriteFile(dir_ / "mylog.adi", kLog);
  ASSERT_EQ(Export(dir_ / "mylog.adi", "CUSTOM"), HtmlExportOutcome::Written);
  std::vector<std::string> lines = test::Lines(ReadFile(dir_ / "mylog.html"));
  ASSERT_GT(lines.size(), 20u);
  EXPECT_EQ(test::Cells(lines[19]), std::vector<std::string>{"Station"});
  EXPECT_EQ(test::Cells(lines[21]), std::vector<std::string>{"W1AW"});

  ASSERT_EQ(Export(dir_ / "mylog.adi", "custom"), HtmlExportOutcome::Written);
  lines = test::Lines(ReadFile(dir_ / "mylog.html"));
  ASSERT_GT(lines.size(), 20u);
  EXPECT_EQ(test::Cells(lines[19]), std::vector<std::string>{"CALL"});
  EXPECT_EQ(test::Cells(lines[21]), std::vector<std::string>{"W1AW"});
}

TEST_F(HtmlExportTest, ALogWithoutContactsGivesTheHeadingRowAlone) {
  WriteFile(dir_ / "empty.adi", "A log with a header only\n<EOH>\n");
  ASSERT_EQ(Export(dir_ / "empty.adi"), HtmlExportOutcome::Written);
  const std::vector<std::string> lines = test::Lines(ReadFile(dir_ / "empty.html"));
  ASSERT_EQ(lines.size(), 27u);
  EXPECT_EQ(lines[20], "</TABLE>");
}

TEST_F(HtmlExportTest, APageThatCannotBeWrittenIsReportedWithTheSystemsReason) {
  WriteFile(dir_ / "mylog.adi", kLog);
  fs::create_directory(dir_ / "mylog.html");
  WriteFile(dir_ / "mylog.html" / "index.html", kOldPage);
  EXPECT_EQ(Export(dir_ / "mylog.adi"), HtmlExportOutcome::Stopped);
  ASSERT_EQ(ui_.messages.size(), 1u);
  const std::string prefix =
      "The HTML page " + (dir_ / "mylog.html").string() + " could not be written: ";
  EXPECT_TRUE(ui_.messages[0].starts_with(prefix)) << ui_.messages[0];
  EXPECT_GT(ui_.messages[0].size(), prefix.size()) << "the reason is missing";
  EXPECT_EQ(ui_.statusTexts.back(), "Format failed");
  EXPECT_EQ(ReadFile(dir_ / "mylog.html" / "index.html"), kOldPage);
  EXPECT_EQ(Files(), (std::vector<std::string>{"mylog.adi", "mylog.html"}));
}

TEST_F(HtmlExportTest, AFolderThatTakesNoNewFileIsReportedAndNothingIsWritten) {
  // No user, not even root, may make a file among a process's own entries.
  const fs::path log = "/proc/self/status";
  ASSERT_TRUE(fs::exists(log));
  EXPECT_EQ(Export(log), HtmlExportOutcome::Stopped);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_TRUE(
      ui_.messages[0].starts_with("The HTML page /proc/self/status.html could not be "
                                  "written: "))
      << ui_.messages[0];
  EXPECT_EQ(ui_.statusTexts.back(), "Format failed");
  EXPECT_FALSE(fs::exists("/proc/self/status.html"));
}

TEST_F(HtmlExportTest, APageReachedByALinkStaysALink) {
  WriteFile(dir_ / "mylog.adi", kLog);
  fs::create_directory(dir_ / "site");
  WriteFile(dir_ / "site" / "logbook.html", kOldPage);
  fs::create_symlink(dir_ / "site" / "logbook.html", dir_ / "mylog.html");
  ASSERT_EQ(Export(dir_ / "mylog.adi"), HtmlExportOutcome::Written);
  EXPECT_TRUE(fs::is_symlink(dir_ / "mylog.html"));
  EXPECT_NE(ReadFile(dir_ / "site" / "logbook.html").find("K1JT"), std::string::npos);
}

}  // namespace
}  // namespace tavrilon::html
