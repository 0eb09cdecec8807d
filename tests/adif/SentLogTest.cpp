#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "adif/SentLog.h"

namespace tavrilon::adif {
namespace {

TEST(SentLog, MarksARecordSentAndLeavesEveryOtherByte) {
  const struct {
    std::string_view record;
    bool bureau;
    std::string_view marked;
  } cases[] = {
      // Absent: added just before the end, with nothing between them that
      // would lengthen the value before.
      {"<CALL:4>W1AW<EOR>", false, "<CALL:4>W1AW<QSL_SENT:1>Y<QSLSDATE:8>20240301<EOR>"},
      // Present: replaced where it stands; what follows its value stays.
      {"<CALL:4>W1AW <QSL_SENT:1>N <MODE:2>CW <EOR>", false,
       "<CALL:4>W1AW <QSL_SENT:1>Y <MODE:2>CW <QSLSDATE:8>20240301<EOR>"},
      // In small letters, of another length, with a type, at the end.
      {"<call:4>W1AW<qsl_sent:9>Requested<qslsdate:10:D>2023-01-01<eor>", false,
       "<call:4>W1AW<QSL_SENT:1>Y<QSLSDATE:8>20240301<eor>"},
      // The way it went is changed only when it is the bureau.
      {"<QSL_SENT:1>Q<QSL_SENT_VIA:1>D<EOR>", false,
       "<QSL_SENT:1>Y<QSL_SENT_VIA:1>D<QSLSDATE:8>20240301<EOR>"},
      {"<QSL_SENT:1>Q<QSL_SENT_VIA:1>D<EOR>", true,
       "<QSL_SENT:1>Y<QSL_SENT_VIA:1>B<QSLSDATE:8>20240301<EOR>"},
      // Fields are walked by their declared lengths: a tag inside a value
      // stays text, a value may hold line ends, and all of a value goes.
      {"<COMMENT:24>see <QSL_SENT:1>N in log<NOTES:10>ring\r\n<b>9<QSL_SENT:2>NO\r\n<EOR>", false,
       "<COMMENT:24>see <QSL_SENT:1>N in log<NOTES:10>ring\r\n<b>9<QSL_SENT:1>Y\r\n"
       "<QSLSDATE:8>20240301<EOR>"},
      // A length past the end stops at it.
      {"<CALL:4>W1AW<QSL_SENT:9>N<EOR>", false,
       "<CALL:4>W1AW<QSL_SENT:1>Y<QSLSDATE:8>20240301<EOR>"},
      // Names that only end like ours, values in other scripts, a "<" that
      // begins no tag, and what follows the end stay as they were.
      {"<LOTW_QSL_SENT:1>N<EQSL_QSLSDATE:8>20230101<NAME:7>J\303\274rgen<x <EOR>  ", false,
       "<LOTW_QSL_SENT:1>N<EQSL_QSLSDATE:8>20230101<NAME:7>J\303\274rgen<x "
       "<QSL_SENT:1>Y<QSLSDATE:8>20240301<EOR>  "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MarkRecordSent(c.record, "20240301", c.bureau), c.marked) << c.record;
  }
}

TEST(SentLog, TheHeaderNamesTheProgramAndWhenInUtc) {
  // 2024-03-01 23:30:05 UTC
  const std::chrono::system_clock::time_point created{std::chrono::seconds{1709335805}};
  EXPECT_EQ(SentLogHeader("0.12.3", created),
            "QSL cards marked as sent by Tavrilon 0.12.3\r\n"
            "<ADIF_VER:5>3.1.4\r\n"
            "<PROGRAMID:8>Tavrilon\r\n"
            "<PROGRAMVERSION:6>0.12.3\r\n"
            "<CREATED_TIMESTAMP:15>20240301 233005\r\n"
            "<EOH>\r\n");
  // Where the local day is already the next one, the file keeps to UTC.
  const char* const set = std::getenv("TZ");
  const std::optional<std::string> zone = set != nullptr ? std::optional(set) : std::nullopt;
  ::setenv("TZ", "XST-12", 1);
  ::tzset();
  EXPECT_EQ(UtcAdifDate(created), "20240301");  // the header's timestamp is taken alike
  zone ? ::setenv("TZ", zone->c_str(), 1) : ::unsetenv("TZ");
  ::tzset();
}

}  // namespace
}  // namespace tavrilon::adif
