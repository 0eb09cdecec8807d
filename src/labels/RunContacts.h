#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "adif/AdifInput.h"
#include "adif/QsoSort.h"
#include "countries/CountryTable.h"
#include "designs/LabelSample.h"
#include "sending/ContactChoice.h"
#include "sending/RunOrder.h"
#include "session/RunOutcome.h"
#include "session/RunProgress.h"
#include "session/SortDisplay.h"
#include "session/UserInterface.h"

namespace tavrilon::labels {

// The chosen contacts of a label run, one at a time: the label file as the
// reader goes through it, or its records sorted in memory, each parsed
// again. The file is closed however the run ends.
class RunContacts {
 public:
  RunContacts(adif::AdifInput& input, UserInterface& ui, sending::ContactChoice choice = {})
      : input_(input), ui_(ui), filter_(choice) {}
  ~RunContacts() { input_.Close(); }
  RunContacts(const RunContacts&) = delete;
  RunContacts& operator=(const RunContacts&) = delete;

  // Opens the label file past its header. How the run stops when it cannot
  // (the user has been told why, or the dictionary is missing), or nothing.
  std::optional<RunOutcome> Open(const std::string& labelInputFile);
  // Reads the whole file and puts its chosen records in `order` (by call, or
  // in bureau order by the countries of `countries`), written to the sorted
  // copy beside it; Next hands them on in that order. File order reads
  // nothing ahead. False when they could
  // not be (the user has been told why). `numbered`: the status counts the
  // records as they are read.
  bool Sort(const std::string& labelInputFile, sending::RunOrder order,
            const countries::CountryTable* countries, bool numbered, SortDisplay& display);
  // As Sort, in memory only: no sorted copy, no sort window and no message,
  // for a look at a run's labels while another run may be printing. False
  // when the file could not be read to its end.
  bool SortQuietly(sending::RunOrder order, const countries::CountryTable* countries);
  // How many chosen contacts the sort put in order; nothing in file order.
  std::optional<std::size_t> SortedCount() const {
    return sorted_ ? std::optional(sorted_->Count()) : std::nullopt;
  }

  const adif::QsoRecord* Next();
  // The contact Next handed on last, as the log holds it.
  std::string_view Text() const { return text_; }
  adif::ReadProgress Progress() const;
  // The contacts of the first label, read ahead: Next() hands them on again.
  designs::LabelSample ReadFirstLabel();
  // Why the log could not be read to its end, or empty when it could.
  std::string ReadFault() const;
  // The file's contacts read so far, chosen or not.
  std::size_t ContactsRead() const { return read_; }

 private:
  // Every chosen record of the file into `records`, with its key of `order`,
  // and the file closed. False when it could not be read to its end.
  bool ReadChosen(adif::SortRecords& records, sending::RunOrder order,
                  const countries::CountryTable* countries, bool numbered, RunProgress& progress);
  const adif::QsoRecord* ReadNext();
  // The next contact of the file that the run chose.
  const adif::QsoRecord* NextChosen();
  // The record ReadNext handed on last, as the log holds it.
  std::string_view ReadText() const;

  adif::AdifInput& input_;
  UserInterface& ui_;
  sending::ContactFilter filter_;
  std::size_t read_ = 0;
  std::optional<adif::SortRecords> sorted_;
  std::size_t next_ = 0;
  std::int64_t done_ = 0;
  std::vector<std::string> ahead_;
  std::size_t aheadNext_ = 0;
  std::string_view text_;
};

}  // namespace tavrilon::labels
