#include "labels/RunLabelSamples.h"

#include <system_error>
#include <utility>

#include "designs/DesignRenderer.h"
#include "designs/DesignSettings.h"
#include "labels/RunOrderChoice.h"
#include "labels/UnreadableDates.h"
#include "text/Text.h"

namespace tavrilon::labels {

namespace {

constexpr std::string_view kBracketed =
    ", so field names in brackets stand for a contact's values.";

std::string OrderText(sending::RunOrder order, sending::RunOrder chosen) {
  switch (order) {
    case sending::RunOrder::File:
      return "in file order";
    case sending::RunOrder::Call:
      return chosen == sending::RunOrder::Call
                 ? "by call"
                 : "by call, as the design puts a station's contacts on one label";
    case sending::RunOrder::Bureau:
      return "in bureau order";
  }
  return {};
}

}  // namespace

RunLabelSamples::RunLabelSamples(settings::SettingsFile& settings, std::filesystem::path dictionary)
    : settings_(settings), dictionary_(std::move(dictionary)), input_(dictionary_) {}

RunLabelSamples::FileStamp RunLabelSamples::StampOf(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::file_time_type time = std::filesystem::last_write_time(file, error);
  const std::uintmax_t size = error ? 0 : std::filesystem::file_size(file, error);
  return error ? FileStamp{} : FileStamp{time, size};
}

double RunLabelSamples::MultiLinesOf(designs::LabelDesign design) {
  const int number = designs::CustomDesignNumberOf(design);
  if (number == 0) {
    return 1;
  }
  const std::uint64_t version = settings_.Version();
  if (number != designNumber_ || version != designVersion_) {
    designNumber_ = number;
    designVersion_ = version;
    multiLines_ = designs::ReadCustomLabelDesign(settings_, number).multiLines;
  }
  return multiLines_;
}

bool RunLabelSamples::Follow(const LabelRunRequest& request) {
  Basis basis;
  basis.log = request.labelInputFile;
  basis.logStamp = StampOf(basis.log);
  basis.contacts = request.contacts.contacts;
  basis.from = request.contacts.from;
  basis.to = request.contacts.to;
  basis.order = request.order;
  basis.multiLines = MultiLinesOf(request.design);
  if (request.order == sending::RunOrder::Bureau) {
    basis.countryFile = request.countryFile;
    basis.countryStamp =
        StampOf(request.countryFile.empty() ? std::filesystem::path(countries::kSystemCountryFile)
                                            : std::filesystem::path(request.countryFile));
  }
  if (followed_ && basis == basis_) {
    return false;
  }
  followed_ = true;
  basis_ = std::move(basis);
  started_ = false;
  contacts_.reset();  // the file closed and the sorted records let go at once
  kept_.clear();
  return true;
}

void RunLabelSamples::Start() {
  started_ = true;
  stopped_.reset();
  contacts_.reset();
  kept_.clear();
  firstKept_ = 0;
  taken_ = 0;
  pending_.reset();
  countryFault_.clear();
  readFault_.clear();
  const std::string& log = basis_.log;
  if (log.empty()) {
    stopped_ = Bracketed("No label input file is chosen" + std::string(kBracketed));
    return;
  }
  if (!adif::AdifInput::LogFileExists(log)) {
    stopped_ = Bracketed("The label file " + log + " does not exist" + std::string(kBracketed));
    return;
  }
  sending::RunOrder order = EffectiveRunOrder(basis_.order, basis_.multiLines);
  const countries::CountryTable* countryTable = nullptr;
  if (order == sending::RunOrder::Bureau) {
    countryTable = countries_.Load(basis_.countryFile, CountryNeed::Bureau, countryFault_);
    if (countryTable == nullptr) {
      order = EffectiveRunOrder(sending::RunOrder::File, basis_.multiLines);
    }
  }
  orderText_ = OrderText(order, basis_.order);
  const sending::ContactChoice choice{basis_.contacts, basis_.from, basis_.to};
  contacts_.emplace(input_, ui_, choice);
  if (const std::optional<RunOutcome> stopped = contacts_->Open(log)) {
    stopped_ = Bracketed(*stopped == RunOutcome::DictionaryMissing
                             ? adif::DictionaryStopText(input_.DictionaryFault())
                             : ui_.Message());
  } else if (!contacts_->SortQuietly(order, countryTable)) {
    stopped_ = Bracketed("The label file cannot be read: " + input_.ReadStatus().detail);
  } else {
    Pull();
    if (pending_) {
      return;
    }
    const std::size_t read = contacts_->ContactsRead();
    if (!readFault_.empty()) {
      stopped_ = Bracketed("The label file cannot be read: " + readFault_);
    } else if (read == 0 || choice.ChoosesAll()) {
      stopped_ = Bracketed(log + " holds no contacts" + std::string(kBracketed));
    } else {
      stopped_ = Bracketed("None of the " + std::to_string(read) + " contacts of " + log +
                           " is chosen (" + choice.Description() + ")" + std::string(kBracketed));
    }
  }
  contacts_.reset();
}

void RunLabelSamples::Pull() {
  const adif::QsoRecord* qso = contacts_->Next();
  if (qso == nullptr) {
    pending_.reset();
    readFault_ = input_.ReadStatus().detail;
    return;
  }
  pending_.emplace(contacts_->Text());
  pendingCall_.assign(text::TrimBlanks(qso->fields.StandardValue(adif::StandardField::Call)));
}

bool RunLabelSamples::ReadLabel() {
  if (!pending_) {
    return false;
  }
  RunLabel label;
  label.first = taken_;
  std::string call;
  int lines = 0;
  // The renderer's grouping, but the label's first contact always begins it.
  do {
    if (label.texts.size() < designs::kMostViewLines) {
      label.texts.push_back(std::move(*pending_));
    }
    call.swap(pendingCall_);
    ++label.contacts;
    ++taken_;
    ++lines;
    Pull();
  } while (pending_ && !designs::BeginsLabel(basis_.multiLines, lines, pendingCall_, call));
  kept_.push_back(std::move(label));
  if (kept_.size() > kKeptLabels) {
    kept_.pop_front();
    ++firstKept_;
  }
  return true;
}

const RunLabelSamples::RunLabel* RunLabelSamples::Find(std::size_t index) {
  if (!started_ || index < firstKept_) {
    Start();  // a label no longer kept is read again from the first
  }
  if (stopped_) {
    return nullptr;
  }
  while (LabelsRead() <= index && ReadLabel()) {
  }
  return index < LabelsRead() ? &kept_[index - firstKept_] : nullptr;
}

designs::ShownSample RunLabelSamples::Label(std::size_t index) {
  const RunLabel* label = Find(index);
  if (stopped_) {
    return *stopped_;
  }
  if (label == nullptr) {  // past the last, which Start made sure there is
    index = LabelsRead() - 1;
    label = &kept_.back();
  }
  designs::ShownSample shown;
  UnreadableDates dates;
  for (const std::string& text : label->texts) {
    const adif::QsoRecord* qso = input_.TakeRecord(text);
    dates.Check(*qso);
    shown.sample.contacts.push_back(qso->fields);
  }
  shown.note = NoteOf(index, *label);
  // Said as the run says it after printing.
  QuietUserInterface told;
  dates.Tell(told);
  if (!told.Message().empty()) {
    shown.note += " " + told.Message();
  }
  return shown;
}

bool RunLabelSamples::HasNext(std::size_t index) {
  return Find(index) != nullptr && (index + 1 < LabelsRead() || pending_);
}

std::string RunLabelSamples::NoteOf(std::size_t index, const RunLabel& label) const {
  const bool allRead = !pending_ && readFault_.empty();
  std::string note = "Label " + std::to_string(index + 1);
  if (allRead) {
    note += " of " + std::to_string(LabelsRead());
  }
  note += " of a run of " + basis_.log + ": ";
  note += label.contacts == 1 ? "contact " + std::to_string(label.first + 1)
                              : "contacts " + std::to_string(label.first + 1) + " to " +
                                    std::to_string(label.first + label.contacts);
  const std::optional<std::size_t> chosen = allRead ? taken_ : contacts_->SortedCount();
  if (chosen) {
    note += " of " + std::to_string(*chosen);
  }
  const sending::ContactChoice choice{basis_.contacts, basis_.from, basis_.to};
  if (!choice.ChoosesAll()) {
    note += " (" + choice.Description() + ")";
  }
  note += ", " + orderText_ + ".";
  if (label.contacts > label.texts.size()) {
    note += " The view shows its first " + std::to_string(label.texts.size()) + ".";
  }
  if (!countryFault_.empty()) {
    note += " " + countryFault_ + " Without it a run in bureau order prints nothing.";
  }
  if (!readFault_.empty()) {
    note += " The label file cannot be read to its end, so a run prints nothing: " + readFault_;
  }
  return note;
}

designs::ShownSample RunLabelSamples::Bracketed(std::string why) const {
  std::string dictionaryFault;
  std::optional<designs::LabelSample> sample = designs::BracketSample(dictionary_, dictionaryFault);
  if (!sample) {
    return {{}, std::move(dictionaryFault)};
  }
  return {std::move(*sample), std::move(why)};
}

}  // namespace tavrilon::labels
