#include <chrono>
#include <filesystem>
#include <iterator>

#include <gtest/gtest.h>

#include "html/HtmlExport.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestSupport.h"
#include "version/VersionString.h"

namespace tavrilon::html {
namespace {

namespace fs = std::filesystem;
using tavrilon::test::ReadFile;
using tavrilon::test::WriteFile;
using Texts = std::vector<std::string>;

constexpr std::string_view kLog = "<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT<EOR>\n";
constexpr std::string_view kOldPage = "<html>an older page</html>\r\n";

// 12 June 2026, 14:05:09 UTC (the tests run with TZ=UTC): the golden page's date.
std::chrono::system_clock::time_point CreatedOn() {
  using namespace std::chrono;
  return sys_days{year{2026} / 6 / 12} + hours{14} + minutes{5} + seconds{9};
}

class HtmlExportTest : public ::testing::Test {
 protected:
  RunOutcome Export(const fs::path& log) {
    ui_.messages.clear();
    return ConvertLogToHtml(
        input_, settings_, ui_,
        {log.string(), logbook::LogLayout::Default, "W1AW", logbook::LogMode::Full, {}}, CreatedOn,
        {settings_.Path()});
  }

  // A temporary page left behind would be one file more.
  std::ptrdiff_t FileCount() const {
    return std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator());
  }

  tavrilon::test::ProgramFolder dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  adif::AdifInput input_{dir_.Dictionary()};
  tavrilon::test::ScriptedUserInterface ui_;
};

TEST_F(HtmlExportTest, ASmallLogReplacesAnOlderPageWithTheExpectedPageByteForByte) {
  const fs::path data = tavrilon::test::SourceFolder() / "tests/html/data";
  fs::copy_file(data / "small-log.adi", dir_ / "small-log.adi");
  WriteFile(dir_ / "small-log.html", kOldPage);
  ASSERT_EQ(Export(dir_ / "small-log.adi"), RunOutcome::Completed);

  std::string expected = ReadFile(data / "expected.html");
  expected.replace(expected.find("@VERSION@"), 9, VersionString());
  EXPECT_EQ(ReadFile(dir_ / "small-log.html"), expected);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(ui_.progressValues.back(), 100);
  EXPECT_FALSE(ui_.progressVisible);
  EXPECT_EQ(FileCount(), 3);
}

TEST_F(HtmlExportTest, ALogThatIsOrLeadsToAnHtmlPageIsNeverWrittenOver) {
  fs::create_symlink("log.html", dir_ / "log.adi");
  for (const char* name : {"log.Html", "log.adi"}) {
    WriteFile(dir_ / "log.html", kLog);
    EXPECT_EQ(Export(dir_ / name), RunOutcome::Stopped) << name;
    EXPECT_EQ(ReadFile(dir_ / "log.html"), kLog) << name;
    ASSERT_EQ(ui_.messages.size(), 1u) << name;
    EXPECT_NE(ui_.messages[0].find((dir_ / name).string()), std::string::npos) << ui_.messages[0];
  }
}

TEST_F(HtmlExportTest, AnExportThatFailsSaysWhyAndLeavesTheOlderPageAsItWas) {
  WriteFile(dir_ / "mylog.html", kOldPage);
  EXPECT_EQ(Export(dir_ / "mylog.adi"), RunOutcome::Stopped);
  EXPECT_EQ(ui_.messages, Texts{"Log File does not exist"});

  WriteFile(dir_ / "taken.adi", kLog);
  fs::create_directory(dir_ / "taken.html");
  EXPECT_EQ(Export(dir_ / "taken.adi"), RunOutcome::Stopped);
  EXPECT_EQ(ui_.messages, Texts{"The HTML page " + (dir_ / "taken.html").string() +
                                " could not be written: it is a folder"});
  EXPECT_EQ(ui_.statusTexts.back(), "Format failed");

  // The page is begun before the dictionary is found missing.
  WriteFile(dir_ / "mylog.adi", kLog);
  fs::remove(dir_.Dictionary());
  EXPECT_EQ(Export(dir_ / "mylog.adi"), RunOutcome::DictionaryMissing);
  EXPECT_EQ(ReadFile(dir_ / "mylog.html"), kOldPage);
  EXPECT_EQ(FileCount(), 4);
}

}  // namespace
}  // namespace tavrilon::html
