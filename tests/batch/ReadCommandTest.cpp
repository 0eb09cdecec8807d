#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

namespace fs = std::filesystem;

std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(ReadCommand, WritesEachRecordAsOneJsonLine) {
  BatchFolder folder;
  WriteFile(folder / "log.adi",
            "Exported by hand\n<EOH>\n"
            "<CALL:4>W1AW<QSO_DATE:8>20061028<TIME_ON:4>0930<FREQ:9>14.025500"
            "<COMMENT:12>say \"hi\"\\ok<APP_X:1>z<EOR>\n"
            "<call:6>DL1ABC <name:7>J\xFCrgen <eor>\n");
  const BatchRun run = folder.Run("read log.adi");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"n\":1,\"date_number\":20061028,\"slot0\":\"z\",\"fields\":{"
            "\"CALL\":\"W1AW\",\"COMMENT\":\"say \\\"hi\\\"\\\\ok\",\"FREQ\":\"14.0255\","
            "\"QSO_DATE\":\"28 OCT 2006\",\"TIME_ON\":\"09:30\"}}\n"
            "{\"n\":2,\"date_number\":0,\"slot0\":\"z\",\"fields\":{"
            "\"CALL\":\"DL1ABC \",\"NAME\":\"J\xC3\xBCrgen \",\"QSO_DATE\":\"Unknown\"}}\n");
  EXPECT_EQ(run.err, "2 records\n");
}

TEST(ReadCommand, LabelPathReadsALogWithoutHeaderFromItsFirstLine) {
  BatchFolder folder;
  const fs::path log = SharedAdif("logger32_sync_record.adi");
  const BatchRun labels = folder.Run("read --labels '" + log.string() + "'");
  EXPECT_EQ(labels.status, 0) << labels.err;
  EXPECT_EQ(LineCount(labels.out), 1U);
  EXPECT_NE(labels.out.find("\"CALL\":\"YO2MKE \""), std::string::npos) << labels.out;
  EXPECT_EQ(labels.err, "1 records\n");
}

TEST(ReadCommand, CountsWithoutWritingRecords) {
  BatchFolder folder;
  const fs::path log = SharedAdif("eqsl_inbox.adi");
  for (const char* path : {"", "--labels "}) {
    const BatchRun run = folder.Run(std::string("read --count ") + path + "'" + log.string() + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "373 records\n") << path;
    EXPECT_EQ(run.err, "");
  }
}

TEST(ReadCommand, ReportsWhatIsMissing) {
  BatchFolder folder;
  BatchRun run = folder.Run("read missing.adi");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Log File does not exist\n");
  run = folder.Run("read --labels missing.adi");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Label file does not exist\n");

  WriteFile(folder / "log.adi", "<EOH>\n<CALL:4>W1AW<EOR>\n");
  fs::remove(folder / "tvadif.txt");
  run = folder.Run("read log.adi");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "     TVADIF.txt file not found.\nTavrilon will not function properly\n"
            "without the latest TVADIF.txt file.\n");
  EXPECT_EQ(run.out, "");
}

TEST(ReadCommand, StartsAsTheProgramDoes) {
  BatchFolder folder;
  WriteFile(folder / "log.adi", "");
  const BatchRun run = folder.Run("read log.adi");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string settings = ReadFile(folder / "tavrilon.ini");
  EXPECT_NE(settings.find("MyCall=Enter your call here"), std::string::npos);
  EXPECT_NE(settings.find("Version=0."), std::string::npos);
}

TEST(ReadCommand, AnswersUsageMistakesWithStatus64) {
  BatchFolder folder;
  for (const char* args : {"", "frobnicate", "read", "read --bogus x.adi", "read a.adi b.adi"}) {
    const BatchRun run = folder.Run(args);
    EXPECT_EQ(run.status, 64) << args;
    EXPECT_NE(run.err.find("Usage:"), std::string::npos) << args;
  }
  EXPECT_EQ(folder.Run("--version").status, 0);
  EXPECT_EQ(folder.Run("--help").status, 0);
  EXPECT_FALSE(fs::exists(folder / "tavrilon.ini")) << "no settings for --help and mistakes";
}

}  // namespace
}  // namespace tavrilon::test
