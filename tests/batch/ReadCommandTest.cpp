#include <filesystem>
#include <tuple>

#include <gtest/gtest.h>

#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

namespace fs = std::filesystem;

TEST(ReadCommand, WritesEachRecordAsOneJsonLineAndCountsByEitherPath) {
  // Only the label path reads a record on the line of the <EOH>.
  BatchFolder folder(
      "Exported by hand <EOH><CALL:4>K1AB<EOR>\n"
      "<CALL:4>W1AW<QSO_DATE:8>20061028<TIME_ON:4>0930<FREQ:9>14.025500"
      "<COMMENT:12>say \"hi\"\\ok<APP_X:1>z<EOR>\n"
      "<call:6>DL1ABC <name:7>J\xFCrgen <eor>\n");
  BatchRun run = folder.Run("read log.adi");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"n\":1,\"date_number\":20061028,\"slot0\":\"z\",\"fields\":{"
            "\"CALL\":\"W1AW\",\"COMMENT\":\"say \\\"hi\\\"\\\\ok\",\"FREQ\":\"14.0255\","
            "\"QSO_DATE\":\"28 OCT 2006\",\"TIME_ON\":\"09:30\"}}\n"
            "{\"n\":2,\"date_number\":0,\"slot0\":\"z\",\"fields\":{"
            "\"CALL\":\"DL1ABC \",\"NAME\":\"J\xC3\xBCrgen \",\"QSO_DATE\":\"Unknown\"}}\n");
  EXPECT_EQ(run.err, "2 records\n");
  run = folder.Run("read --count --labels log.adi");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "3 records\n");
  EXPECT_EQ(run.err, "");
}

// Mistakes in the command line: status 64 and the usage, naming the argument
// at fault, before the settings file is made. Then options that parse but
// cannot be carried out.
TEST(CommandLine, EachMistakeHasItsStatusAndReasonAndNothingIsPrinted) {
  BatchFolder folder(ContactLog(1));
  const std::pair<const char*, const char*> mistakes[] = {
      {"", "no command given"},
      {"frobnicate", "unknown command \"frobnicate\""},
      {"read --bogus log.adi", "unknown option \"--bogus\""},
      {"read log.adi b.adi", "too many: \"b.adi\""},
      {"labels log.adi", "no --pdf or --printer given; labels takes"},
      {"labels log.adi --pdf", "--pdf needs a value"},
      {"labels log.adi --pdf a.pdf --pdf b.pdf", "--pdf given twice"},
      {"read -lc log.adi", "unknown option \"-lc\""},  // no bundle of one-letter options
      {"blank x --pdf out.pdf", "N must be a whole number from 1 to 32767, not \"x\""},
      {"labels log.adi --pdf out.pdf --bureau", "--bureau goes with --sent-log only"},
      {"preview log.adi --image p.bmp --scale 3", "--scale takes 1, 2 or 4, not \"3\""},
      {"logbook log.adi --pdf out.pdf --from-page 2 --begin 20240101",
       "--from-page goes with neither --begin nor --end"},
      {"stocks 5160", "one argument too many: \"5160\"; stocks takes"},
      {"stocks --search a -search=b", "--search given twice"},
      {"stocks --find 5160", "unknown option \"--find\""},
  };
  for (const auto& [args, says] : mistakes) {
    const BatchRun run = folder.Run(args);
    EXPECT_EQ(run.status, 64) << args;
    EXPECT_NE(run.err.find(says), std::string::npos) << args << ": " << run.err;
    EXPECT_NE(run.err.find("Usage:"), std::string::npos) << args;
  }
  EXPECT_EQ(folder.Run("--version").status, 0);
  EXPECT_EQ(folder.Run("--help").status, 0);
  EXPECT_FALSE(fs::exists(folder / "tavrilon.ini")) << "no settings for --help and mistakes";

  for (const auto& [args, status, says] :
       {std::tuple("labels log.adi --printer 'No Such Printer'", 1, "There is no printer named"),
        std::tuple("logbook log.adi --pdf out.pdf --begin 2024", 64, "--begin takes a date")}) {
    const BatchRun run = folder.Run(args);
    EXPECT_EQ(run.status, status) << args;
    EXPECT_NE(run.err.find(says), std::string::npos) << args << ": " << run.err;
  }
  EXPECT_FALSE(fs::exists(folder / "out.pdf"));
}

}  // namespace
}  // namespace tavrilon::test
