#include "labels/RunContacts.h"

#include "adif/OpenLog.h"
#include "adif/SortedCopy.h"
#include "labels/LabelLogSort.h"
#include "sending/BureauKey.h"
#include "sending/Destination.h"
#include "text/Text.h"

namespace tavrilon::labels {

std::optional<RunOutcome> RunContacts::Open(const std::string& labelInputFile) {
  const adif::OpenedLog opened = adif::OpenLog(input_, labelInputFile, adif::LogHeader::Labels);
  if (opened.missing) {
    ui_.ShowMessage("Label file does not exist");
    return RunOutcome::Stopped;
  }
  if (opened.status.problem == adif::InputProblem::DictionaryMissing) {
    return RunOutcome::DictionaryMissing;
  }
  if (!opened.status.Ok()) {
    ui_.ShowMessage("The label file cannot be read: " + opened.status.detail);
    return RunOutcome::Stopped;
  }
  return std::nullopt;
}

bool RunContacts::ReadChosen(adif::SortRecords& records, sending::RunOrder order,
                             const countries::CountryTable* countries, bool numbered,
                             RunProgress& progress) {
  std::string key;  // one buffer for every record's key
  if (!numbered) {
    ui_.SetStatusText("Loading Log File ");
  }
  int shownPercent = -1;
  const auto showCount = [&] {
    ui_.SetStatusText("Loading Log File " + std::to_string(records.Count()));
  };
  while (const adif::QsoRecord* qso = NextChosen()) {
    const adif::FieldTable& fields = qso->fields;
    if (order == sending::RunOrder::Bureau) {
      const sending::Destination destination = sending::DestinationOf(fields);
      sending::BureauKey(
          key, countries != nullptr ? countries->Find(destination.call) : nullptr, destination.call,
          text::AsciiUpper(text::TrimBlanks(fields.StandardValue(adif::StandardField::Call))),
          qso->dateNumber, fields.StandardValue(adif::StandardField::TimeOn));
      records.Add(key, input_.RecordBytes());
    } else {
      records.Add(fields.StandardValue(adif::StandardField::Call), input_.RecordBytes());
    }
    // The count once a percent: a text per record of a large log only slows it.
    const adif::ReadProgress read = input_.Progress();
    if (numbered && read.Percent() != shownPercent) {
      shownPercent = read.Percent();
      showCount();
    }
    progress.Show(read.Percent());
  }
  if (numbered) {
    showCount();
  }
  input_.Close();
  return ReadFault().empty();
}

bool RunContacts::Sort(const std::string& labelInputFile, sending::RunOrder order,
                       const countries::CountryTable* countries, bool numbered,
                       SortDisplay& display) {
  if (order == sending::RunOrder::File) {
    return true;
  }
  adif::SortRecords records;
  // The bar stays up through the sort, which shows its own progress on it.
  RunProgress progress(ui_);
  if (!ReadChosen(records, order, countries, numbered, progress)) {
    ui_.ShowMessage(ReadFault());
    return false;
  }
  const SortOutcome sorted =
      SortLabelLog(records, adif::SortedFilePath(labelInputFile), ui_, display);
  if (!sorted.written) {
    ui_.SetStatusText("Printing Failed");
    ui_.ShowMessage(sorted.failure + "\nNothing was printed.");
    return false;
  }
  sorted_ = std::move(records);
  return true;
}

bool RunContacts::SortQuietly(sending::RunOrder order, const countries::CountryTable* countries) {
  if (order == sending::RunOrder::File) {
    return true;
  }
  adif::SortRecords records;
  RunProgress progress(ui_);
  if (!ReadChosen(records, order, countries, false, progress)) {
    return false;
  }
  adif::SortByKey(records, [](std::int64_t, std::int64_t) {});
  sorted_ = std::move(records);
  return true;
}

const adif::QsoRecord* RunContacts::Next() {
  if (aheadNext_ < ahead_.size()) {
    text_ = ahead_[aheadNext_++];
    return input_.TakeRecord(text_);
  }
  const adif::QsoRecord* qso = ReadNext();
  if (qso != nullptr) {
    text_ = ReadText();
  }
  return qso;
}

adif::ReadProgress RunContacts::Progress() const {
  return sorted_ ? adif::ReadProgress{done_, sorted_->TextSize()} : input_.Progress();
}

designs::LabelSample RunContacts::ReadFirstLabel() {
  designs::LabelSample sample;
  while (const adif::QsoRecord* qso = ReadNext()) {
    ahead_.emplace_back(ReadText());
    if (!designs::SharesFirstLabel(sample.contacts, qso->fields)) {
      break;
    }
    sample.contacts.push_back(qso->fields);
  }
  return sample;
}

std::string RunContacts::ReadFault() const {
  const adif::InputStatus read = input_.ReadStatus();
  return read.Ok() ? std::string()
                   : "The label file could not be read to its end, so nothing was printed: " +
                         read.detail;
}

const adif::QsoRecord* RunContacts::NextChosen() {
  while (const adif::QsoRecord* qso = input_.NextRecord()) {
    ++read_;
    if (filter_.Chosen(*qso)) {
      return qso;
    }
  }
  return nullptr;
}

const adif::QsoRecord* RunContacts::ReadNext() {
  if (!sorted_) {
    return NextChosen();
  }
  if (next_ == sorted_->Count()) {
    return nullptr;
  }
  const std::string_view text = sorted_->Record(next_++);
  done_ += static_cast<std::int64_t>(text.size());
  return input_.TakeRecord(text);
}

std::string_view RunContacts::ReadText() const {
  return sorted_ ? sorted_->Record(next_ - 1) : input_.RecordBytes();
}

}  // namespace tavrilon::labels
