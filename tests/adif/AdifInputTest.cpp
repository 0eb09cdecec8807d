#include <gtest/gtest.h>

#include "adif/AdifInput.h"
#include "adif/AdifTestSupport.h"
#include "support/TestSupport.h"

namespace tavrilon::adif {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

struct Reading {
  Texts calls, contacts;  // per record; contacts: the fields that tell contacts apart
  Texts bytes;            // per record, as the file holds it
  InputStatus status;
  std::vector<int> progress;
};

std::string ContactOf(const FieldTable& fields) {
  std::string contact;
  for (const char* name : {"CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE"}) {
    contact.append(test::ValueOf(fields, name)).append("|");
  }
  return contact;
}

class AdifInputTest : public ::testing::Test {
 protected:
  // Reads a log of `content` by the label runs' path or the logbook's.
  Reading Read(std::string_view content, bool labelPath) {
    tavrilon::test::WriteFile(dir_ / "log.adi", content);
    Reading r;
    EXPECT_TRUE(input_.Open(dir_ / "log.adi").Ok());
    r.status = labelPath ? input_.StartAdifInput() : input_.SkipToFirstRecord();
    while (r.status.Ok()) {
      const QsoRecord* qso = input_.NextRecord();
      if (qso == nullptr) {
        r.status = input_.ReadStatus();
        break;
      }
      r.calls.emplace_back(test::ValueOf(qso->fields, "CALL"));
      r.contacts.push_back(ContactOf(qso->fields));
      r.bytes.emplace_back(input_.RecordBytes());
      // Taken again from its bytes (a sorted copy's record), it is the same contact.
      EXPECT_EQ(ContactOf(input_.TakeRecord(r.bytes.back())->fields), r.contacts.back());
      r.progress.push_back(input_.Progress().Percent());
    }
    input_.Close();
    return r;
  }

  // Each log, read by both paths alike, with its records counted.
  void ExpectReadLikeEachOther(const fs::path& folder,
                               const std::vector<std::pair<std::string, std::size_t>>& logs) {
    for (const auto& [file, records] : logs) {
      const std::string log = tavrilon::test::ReadFile(folder / file);
      const Reading labels = Read(log, true);
      const Reading logbook = Read(log, false);
      ASSERT_TRUE(labels.status.Ok() && logbook.status.Ok())
          << file << ": " << labels.status.detail;
      EXPECT_EQ(labels.calls.size(), records) << file;
      EXPECT_EQ(labels.contacts, logbook.contacts) << file;
      EXPECT_EQ(labels.bytes, logbook.bytes) << file;
    }
  }

  tavrilon::test::ProgramFolder dir_;
  // Far above every real log's longest record, yet cheap for a test to pass.
  AdifInput input_{dir_.Dictionary(), std::size_t{1} << 16};
};

// Both paths give the same contacts, field for field, and the same bytes.
TEST_F(AdifInputTest, ReadsRecordsByBothPaths) {
  const std::string half(std::size_t{1} << 15, 'x');
  const struct {
    std::string content;
    Texts calls;
    bool tooLong = false;  // a record over the limit begins on line 3
    Texts bytes = {};      // when given
  } cases[] = {
      // Header tag lines, blank lines, and no line end after the last record.
      // Header and blank lines are no record text: the first line keeps its
      // trailing blank, as every first line does.
      {"Exported\n<ADIF_VER:5>3.1.0\n<EOH>\n\n<CALL:4>W1AW \n<EOR>\n\n<CALL:4>K1JT<EOR>",
       {"W1AW  ", "K1JT"},
       false,
       {"<CALL:4>W1AW \n<EOR>", "<CALL:4>K1JT<EOR>"}},
      // Header text before <EOH>; a value over two lines; a line in Windows-1252.
      {"WSJT-X ADIF Export<eoh>\r\n\r\n  \r\n<call:4>W1AW <notes:10>ring\r\nat 9 "
       "<eor><NAME:1>\xE9<EOR>\r\n",
       {"W1AW ", ""},
       false,
       {"<call:4>W1AW <notes:10>ring\r\nat 9 <eor>", "<NAME:1>\xE9<EOR>"}},
      // Lines are joined by single blanks; a line's own leading blanks stay.
      {"<eoh>\n<call:4>W1AW\n   <band:3>20m\n<eor>\n", {"W1AW    "}},
      {"<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT\n<APP_LoTW_EOF>\n", {"W1AW"}},  // no last <EOR>
      {"", {}},
      // The empty rest of a line after <EOR> is no record text either.
      {"Exported\r<EOH>\r<CALL:4>W1AW<MODE:2>CW<EOR>\r<CALL:4>K1JT \r<EOR>\r",
       {"W1AW", "K1JT  "},
       false,
       {"<CALL:4>W1AW<MODE:2>CW<EOR>", "<CALL:4>K1JT \r<EOR>"}},
      // A byte-order mark before a log without a header.
      {"\xEF\xBB\xBF<CALL:4>W1AW<QSO_DATE:8>20240102<EOR>\n<CALL:4>K1JT<EOR>\n", {"W1AW", "K1JT"}},
      // Several records on a line, the last going on to the next line.
      {"<EOH>\n<CALL:4>W1AW<EOR><call:4>K1AB<eor> <CALL:4>K1JT\n<TIME_ON:4>1200<EOR> \n",
       {"W1AW", "K1AB", "K1JT "}},
      // Records past the limit: joined from lines, and on one line.
      {"<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT\n" + half + "\n" + half, {"W1AW"}, true},
      {"<EOH>\n<CALL:4>W1AW<EOR>\n" + half + half + "<EOR>", {"W1AW"}, true},
  };
  const std::string tooLong = "the record that begins on line 3 of " + (dir_ / "log.adi").string() +
                              " is longer than 65536 bytes; no log holds records that long";
  for (const auto& c : cases) {
    const Reading labels = Read(c.content, true);
    const Reading logbook = Read(c.content, false);
    for (const Reading& r : {labels, logbook}) {
      EXPECT_EQ(r.calls, c.calls) << c.content.substr(0, 80);
      EXPECT_EQ(r.status.detail, c.tooLong ? tooLong : "") << c.content.substr(0, 80);
    }
    EXPECT_EQ(labels.contacts, logbook.contacts) << c.content.substr(0, 80);
    EXPECT_EQ(labels.bytes, logbook.bytes) << c.content.substr(0, 80);
    if (!c.bytes.empty()) {
      EXPECT_EQ(labels.bytes, c.bytes) << c.content.substr(0, 80);
    }
  }
}

// The header line counts (unreported), the continuation line does not.
TEST_F(AdifInputTest, LabelPathCountsHeaderAndRecordLinesForProgress) {
  EXPECT_EQ(Read("<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT\n<EOR>\n", true).progress,
            (std::vector<int>{22 * 100 / 43, 34 * 100 / 43}));
}

// A run stopped after the header skip leaves the <EOH> line in the buffer;
// its tag must not reach the next log's first record.
TEST_F(AdifInputTest, ClearsTheLineBufferWhenAnotherLogIsOpened) {
  tavrilon::test::WriteFile(dir_ / "log.adi", "<MODE:2>CW<EOH>\n<CALL:4>K1JT<EOR>\n");
  ASSERT_TRUE(input_.Open(dir_ / "log.adi").Ok() && input_.StartAdifInput().Ok());
  EXPECT_EQ(Read("<EOH>\n<CALL:4>W1AW<EOR>\n", true).contacts, Texts{"W1AW|Unknown||||"});
}

TEST_F(AdifInputTest, AMissingDictionaryIsReportedByBothPaths) {
  EXPECT_TRUE(AdifInput::LogFileExists(dir_.path()));  // a folder, so that Open can say so
  fs::remove(dir_.Dictionary());
  const std::string log = "<EOH>\n<CALL:4>W1AW<EOR>\n";
  EXPECT_EQ(Read(log, true).status.problem, InputProblem::DictionaryMissing);
  EXPECT_EQ(Read(log, false).status.problem, InputProblem::DictionaryMissing);
}

// Invented logs, each with the quirks of one real program's files.
TEST_F(AdifInputTest, ReadsLogsWithTheQuirksOfOtherPrograms) {
  ExpectReadLikeEachOther(tavrilon::test::TestDataFolder() / "adif",
                          {{"lower-case-one-line-per-record.adi", 3},
                           {"header-text-then-eoh-on-one-line.adi", 2},
                           {"crlf-preamble-before-header.adi", 4},
                           {"no-eoh-and-no-record.adi", 0},
                           {"typed-date-no-separators.adi", 3},
                           {"angle-brackets-in-preamble-eor-own-line.adi", 2},
                           {"leading-blank-no-header-no-newline.adi", 1},
                           {"starts-with-lt-but-has-header.adi", 2},
                           {"field-name-with-slash.adi", 2},
                           {"indented-header-trailing-blank-value.adi", 1},
                           {"declared-length-too-long.adi", 1},
                           {"broken-tags-latin1.adi", 0},
                           {"no-header-blank-line-between-records.adi", 3},
                           {"utf8-names-indented-header.adi", 2},
                           {"values-over-lines-tags-in-values.adi", 3}});
}

// The real logs of other programs, where they lie beside the repository.
TEST_F(AdifInputTest, ReadsTheRealLogsOfOtherPrograms) {
  if (!tavrilon::test::SharedAdifPresent()) {
    GTEST_SKIP() << "the real logs are not in " << tavrilon::test::SharedAdifFolder();
  }
  ExpectReadLikeEachOther(tavrilon::test::SharedAdifFolder(),
                          {{"wsjtx-2.6.1_wsjtx_log.adi", 31},
                           {"jtdx_wsjtx_log.adi", 175},
                           {"lotw_lotwreport_crlf.adi", 4},
                           {"lotw_lotwreport_empty.adi", 0},
                           {"lotw_dxcc_qslcards.adi", 1},
                           {"eqsl_inbox.adi", 373},
                           {"qrz_logbook_utf8.adi", 57},
                           {"xlog.adi", 425},
                           {"logger32_sync_record.adi", 1},
                           {"csn_sat_header_starts_with_lt.adi", 24},
                           {"remotehamradio_logbook.adi", 246},
                           {"hamrs_pota.adi", 1},
                           {"loghx.adi", 1},
                           {"cqgma_latin1_broken_tags.adi", 0},
                           {"no_header_pota.adi", 49}});
}

}  // namespace
}  // namespace tavrilon::adif
