#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace tavrilon::adif {

// The ADIF date of `when` in UTC, as YYYYMMDD.
std::string UtcAdifDate(std::chrono::system_clock::time_point when);

// A record as the file holds it (up to and with its <EOR>) marked as a card
// sent on `day` (YYYYMMDD): QSL_SENT "Y", QSLSDATE `day` and, through the
// bureau, QSL_SENT_VIA "B". Its fields are walked by their declared lengths,
// as every logger reads them, so that text inside a value that looks like a
// tag stays text. A field of one of these names, in any letter case, is
// replaced, tag and value, where it stands; the others are added just before
// the <EOR>. Every other byte stays as it was.
std::string MarkRecordSent(std::string_view record, std::string_view day, bool bureau);

// The header of a file of records marked as sent, each line ended by CR LF:
// a line of text naming Tavrilon and `version`, then ADIF_VER, PROGRAMID,
// PROGRAMVERSION, CREATED_TIMESTAMP (`created` in UTC) and <EOH>.
std::string SentLogHeader(std::string_view version, std::chrono::system_clock::time_point created);

}  // namespace tavrilon::adif
