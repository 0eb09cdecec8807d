#include <gtest/gtest.h>

#include <algorithm>

#include "adif/AdifInput.h"
#include "adif/AdifTestSupport.h"
#include "support/TestSupport.h"

namespace tavrilon::adif {
namespace {

namespace fs = std::filesystem;
using tavrilon::test::TempDir;
using tavrilon::test::WriteFile;

// Far above every real log's longest record, yet cheap for a test to pass.
constexpr std::size_t kTestLimit = std::size_t{1} << 16;

// What one read of a log gave: the calls in order, and the reader's status.
struct Reading {
  std::vector<std::string> calls;
  std::vector<std::string> contacts;  // the fields that tell contacts apart
  InputStatus status;
  std::vector<int> progress;
};

class AdifInputTest : public ::testing::Test {
 protected:
  AdifInputTest() { fs::copy_file(tavrilon::test::ShippedDictionary(), dir_ / "tvadif.txt"); }

  Reading Read(const fs::path& log, bool labelPath) {
    Reading reading;
    reading.status = input_.Open(log);
    if (!reading.status.Ok()) {
      return reading;
    }
    const auto call = [this, &reading](std::string_view text) {
      input_.ParseQsoRecord(text);
      reading.calls.emplace_back(test::ValueOf(input_.Fields(), "CALL"));
      std::string& contact = reading.contacts.emplace_back();
      for (const char* name : {"CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE"}) {
        contact.append(test::ValueOf(input_.Fields(), name)).append("|");
      }
    };
    const ProgressSink progress = [&reading](int percent) { reading.progress.push_back(percent); };
    if (labelPath) {
      reading.status = input_.StartAdifInput();
      if (reading.status.Ok()) {
        reading.status = input_.ReadLabelRecords([&] { call(input_.CurrentLine); }, progress);
      }
    } else {
      reading.status = input_.ReadLogbookRecords(call, progress);
    }
    input_.Close();
    return reading;
  }

  Reading ReadText(std::string_view content, bool labelPath) {
    WriteFile(dir_ / "log.adi", content);
    return Read(dir_ / "log.adi", labelPath);
  }

  TempDir dir_;
  AdifInput input_{dir_ / "tvadif.txt", kTestLimit};
};

using Calls = std::vector<std::string>;

struct LogCase {
  const char* why;
  std::string_view content;
  Calls calls;                  // by both paths, which agree on every field
  int stopsAtRecordOfLine = 0;  // a record over the limit begins there
};

std::string Utf16Le(std::string_view ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes.append({c, '\0'});
  }
  return bytes;
}

TEST_F(AdifInputTest, ReadsRecordsByBothPaths) {
  const std::string utf16 = Utf16Le("<EOH>\r\n<CALL:4>W1AW<BAND:3>20m<EOR>\r\n");
  const std::string longLine(kTestLimit / 2, 'x');
  const std::string longJoin =
      "<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT\n" + longLine + "\n" + longLine;
  const std::string longOne = "<EOH>\n<CALL:4>W1AW<EOR>\n" + longLine + longLine + "<EOR>";
  const LogCase cases[] = {
      {"header, then one record per line; the logbook joins the version tag's line to record 1",
       "Exported\n<ADIF_VER:5>3.1.0\n<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT<EOR>\n",
       {"W1AW", "K1JT"}},
      {"last record ends the file without a line end",
       "<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT<EOR>",
       {"W1AW", "K1JT"}},
      {"a record over three lines is joined by single blanks; a line's own blanks stay",
       "<eoh>\n<call:4>W1AW\n   <band:3>20m\n<eor>\n",
       {"W1AW    "}},
      {"header text and <eoh> on the record's line",
       "WSJT-X ADIF Export<eoh>\n<call:4>W1AW <eor>\n",
       {"W1AW "}},
      {"last record without <EOR> is dropped",
       "<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT\n",
       {"W1AW"}},
      {"a tag after the last record is no contact",
       "<EOH>\n<CALL:4>W1AW<EOR>\n<APP_LoTW_EOF>\n",
       {"W1AW"}},
      {"no header and no <EOH>: read from the first line", " <CALL:4>W1AW<EOR>", {"W1AW"}},
      {"empty log", "", {}},
      {"header only", "Nothing here\n<EOH>\n", {}},
      {"blank lines between records",
       "<EOH>\n\n<CALL:4>W1AW<EOR>\n\n\n<CALL:4>K1JT<EOR>\n\n",
       {"W1AW", "K1JT"}},
      {"CR LF line ends", "<EOH>\r\n<CALL:4>W1AW<EOR>\r\n", {"W1AW"}},
      {"CR line ends",
       "Exported\r<EOH>\r<CALL:4>W1AW<MODE:2>CW<EOR>\r<CALL:4>K1JT\r<EOR>\r",
       {"W1AW", "K1JT "}},
      {"byte-order mark before a log without a header",
       "\xEF\xBB\xBF<CALL:4>W1AW<QSO_DATE:8>20240102<EOR>\n<CALL:4>K1JT<EOR>\n",
       {"W1AW", "K1JT"}},
      {"UTF-16", utf16, {"W1AW"}},
      {"several records on a line, the last going on to the next line",
       "<EOH>\n<CALL:4>W1AW<EOR><call:4>K1AB<eor> <CALL:4>K1JT\n<TIME_ON:4>1200<EOR> \n",
       {"W1AW", "K1AB", "K1JT "}},
      {"a record joined past the limit", longJoin, {"W1AW"}, 3},
      {"a line past the limit", longOne, {"W1AW"}, 3},
  };
  for (const LogCase& c : cases) {
    const Reading labels = ReadText(c.content, true);
    const Reading logbook = ReadText(c.content, false);
    for (const Reading& r : {labels, logbook}) {
      EXPECT_EQ(r.calls, c.calls) << c.why;
      if (c.stopsAtRecordOfLine == 0) {
        EXPECT_TRUE(r.status.Ok()) << c.why << ": " << r.status.detail;
      } else {
        EXPECT_EQ(r.status.problem, InputProblem::CannotRead) << c.why;
        EXPECT_EQ(r.status.detail,
                  "the record that begins on line " + std::to_string(c.stopsAtRecordOfLine) +
                      " of " + (dir_ / "log.adi").string() +
                      " is longer than 65536 bytes; no log holds records that long");
      }
    }
    EXPECT_EQ(labels.contacts, logbook.contacts) << c.why;
  }
}

TEST_F(AdifInputTest, LogbookPathTakesHeaderTagLinesIntoTheFirstRecord) {
  WriteFile(dir_ / "log.adi", "<ADIF_VER:5>3.1.0\n<EOH>\n<CALL:4>W1AW<EOR>\n");
  ASSERT_TRUE(input_.Open(dir_ / "log.adi").Ok());
  std::vector<std::string> texts;
  ASSERT_TRUE(
      input_.ReadLogbookRecords([&](const std::string& t) { texts.push_back(t); }, {}).Ok());
  EXPECT_EQ(texts, Calls{"<ADIF_VER:5>3.1.0 <EOH> <CALL:4>W1AW<EOR>"});
}

TEST_F(AdifInputTest, LabelPathCountsHeaderAndRecordLinesForProgress) {
  // 6 + 17 characters; the continuation line is not counted.
  const Reading r = ReadText("<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT\n<EOR>\n", true);
  EXPECT_EQ(input_.CharsRead, 5 + 17 + 12);
  EXPECT_EQ(input_.LogFileLength, 43);
  EXPECT_FALSE(r.progress.empty());
  EXPECT_LT(r.progress.back(), 100);
}

TEST_F(AdifInputTest, ClearsTheLineBufferWhenAnotherLogIsOpened) {
  // A header-only log leaves its <EOH> line in the buffer; the next log's
  // header must still be skipped.
  EXPECT_TRUE(ReadText("Header text<EOH>", true).calls.empty());
  EXPECT_EQ(ReadText("Next log\n<EOH>\n<CALL:4>W1AW<EOR>\n", true).calls, Calls{"W1AW"});
}

TEST_F(AdifInputTest, MissingDictionaryIsReportedByBothPaths) {
  fs::remove(dir_ / "tvadif.txt");
  EXPECT_EQ(ReadText("<EOH>\n<CALL:4>W1AW<EOR>\n", true).status.problem,
            InputProblem::DictionaryMissing);
  EXPECT_EQ(ReadText("<EOH>\n<CALL:4>W1AW<EOR>\n", false).status.problem,
            InputProblem::DictionaryMissing);
}

TEST_F(AdifInputTest, AFolderIsNoLog) {
  EXPECT_TRUE(AdifInput::LogFileExists(dir_.path()));  // so that Open can say what it is
  EXPECT_FALSE(AdifInput::LogFileExists(dir_ / "missing.adi"));
  const Reading r = Read(dir_.path(), false);
  EXPECT_EQ(r.status.problem, InputProblem::CannotRead);
  EXPECT_EQ(r.status.detail, dir_.path().string() + ": is a folder");
}

// Every real log: read without harm by both paths, with the records counted.
TEST_F(AdifInputTest, ReadsTheRealLogsOfOtherPrograms) {
  struct RealLog {
    const char* file;
    std::size_t labelRecords;
    std::size_t logbookRecords;
  } logs[] = {
      {"wsjtx-2.6.1_wsjtx_log.adi", 31, 31},
      {"jtdx_wsjtx_log.adi", 175, 175},
      {"lotw_lotwreport_crlf.adi", 4, 4},
      {"lotw_lotwreport_empty.adi", 0, 0},
      {"lotw_dxcc_qslcards.adi", 1, 1},
      {"eqsl_inbox.adi", 373, 373},
      {"qrz_logbook_utf8.adi", 57, 57},
      {"xlog.adi", 425, 425},
      {"logger32_sync_record.adi", 1, 1},
      {"csn_sat_header_starts_with_lt.adi", 24, 24},
      {"remotehamradio_logbook.adi", 246, 246},
      {"hamrs_pota.adi", 1, 1},
      {"loghx.adi", 1, 1},
      {"cqgma_latin1_broken_tags.adi", 0, 0},  // no <EOR> anywhere
      {"no_header_pota.adi", 49, 49},
  };
  std::size_t checked = 0;
  for (const RealLog& log : logs) {
    const fs::path path = tavrilon::test::SharedAdif(log.file);
    const Reading labels = Read(path, true);
    ASSERT_TRUE(labels.status.Ok()) << log.file << ": " << labels.status.detail;
    EXPECT_EQ(labels.calls.size(), log.labelRecords) << log.file;
    const Reading logbook = Read(path, false);
    ASSERT_TRUE(logbook.status.Ok()) << log.file;
    EXPECT_EQ(logbook.calls.size(), log.logbookRecords) << log.file;
    EXPECT_EQ(labels.contacts, logbook.contacts) << log.file;
    ++checked;
  }
  std::size_t present = 0;
  for (const auto& entry : fs::directory_iterator(tavrilon::test::SharedAdifFolder())) {
    present += entry.path().extension() == ".adi" ? 1U : 0U;
  }
  EXPECT_EQ(checked, present) << "a real log is not in the table";
}

TEST_F(AdifInputTest, RealLogValuesComeOutAsTheReaderTakesThem) {
  WriteFile(dir_ / "log.adi", tavrilon::test::ReadFile(
                                  tavrilon::test::SharedAdif("csn_sat_header_starts_with_lt.adi")));
  ASSERT_TRUE(input_.Open(dir_ / "log.adi").Ok());
  ASSERT_TRUE(input_.StartAdifInput().Ok());
  std::vector<std::string> modes;
  ASSERT_TRUE(input_
                  .ReadLabelRecords(
                      [&] {
                        input_.ParseQsoRecord(input_.CurrentLine);
                        modes.emplace_back(test::ValueOf(input_.Fields(), "SAT_MODE"));
                      },
                      {})
                  .Ok());
  // <sat_mode:3>VU declares one character too many: the reader takes up to the next tag.
  EXPECT_NE(std::find(modes.begin(), modes.end(), "VU "), modes.end());
}

}  // namespace
}  // namespace tavrilon::adif
