#include "labels/PreviewRun.h"

#include <algorithm>
#include <utility>

#include "labels/CustomLabelPrinter.h"
#include "labels/UnreadableDates.h"
#include "session/RunProgress.h"

namespace tavrilon::labels {

PreviewRun::PreviewRun(RunPreparation prepared, adif::AdifInput& reader,
                       sending::ContactChoice choice, UserInterface& ui, ContactsOpener open,
                       std::size_t keptBytes)
    : prepared_(std::move(prepared)),
      renderer_(*prepared_.renderer),
      reader_(reader),
      choice_(choice),
      ui_(ui),
      open_(std::move(open)),
      keptBytes_(keptBytes),
      placement_(prepared_.sheet) {}

std::optional<RunOutcome> PreviewRun::Open() {
  at_ = 0;
  taken_ = 0;
  putBack_.reset();
  contacts_.reset();  // closes the reader before it opens the log again
  contacts_.emplace(reader_, ui_, choice_);
  if (const std::optional<RunOutcome> stopped = open_(prepared_, *contacts_)) {
    contacts_.reset();
    return stopped;
  }
  at_ = 1;
  return std::nullopt;
}

PreviewRun::Contact PreviewRun::Take() {
  if (putBack_) {
    takenText_ = std::move(*putBack_);
    putBack_.reset();
    ++taken_;
    return {reader_.TakeRecord(takenText_), takenText_};
  }
  const adif::QsoRecord* qso = contacts_->Next();
  if (qso == nullptr) {
    return {};
  }
  ++taken_;
  return {qso, contacts_->Text()};
}

void PreviewRun::PutBack(std::string_view text) {
  putBack_.emplace(text);
  --taken_;
}

bool PreviewRun::Seek(int sheet) {
  const std::size_t start = starts_[static_cast<std::size_t>(sheet) - 1];
  if ((at_ == 0 || taken_ > start) && Open()) {
    return false;
  }
  RunProgress progress(ui_);
  // The contacts stand at a sheet's start: the sheets passed are whole.
  auto passing =
      static_cast<std::size_t>(std::ranges::upper_bound(starts_, taken_) - starts_.begin());
  KeptSheet passed;
  while (taken_ < start) {
    const Contact contact = Take();
    if (contact.qso == nullptr) {
      const std::string fault = contacts_->ReadFault();
      ui_.ShowMessage(fault.empty() ? "The label file changed while it was previewed; preview it "
                                      "again to see it as it is now."
                                    : fault);
      at_ = 0;
      return false;
    }
    passed.contacts.emplace_back(contact.text);
    passed.bytes += contact.text.size();
    if (passing < starts_.size() && taken_ == starts_[passing]) {
      Keep(static_cast<int>(passing), std::exchange(passed, {}));
      ++passing;
    }
    progress.Show(contacts_->Progress().Percent());
  }
  at_ = sheet;
  return true;
}

void PreviewRun::Keep(int sheet, KeptSheet kept) {
  if (!kept_.empty() && sheet != firstKept_ + static_cast<int>(kept_.size())) {
    kept_.clear();
    keptSize_ = 0;
  }
  if (kept_.empty()) {
    firstKept_ = sheet;
  }
  keptSize_ += kept.bytes;
  kept_.push_back(std::move(kept));
  while (keptSize_ > keptBytes_ && kept_.size() > 1) {
    keptSize_ -= kept_.front().bytes;
    kept_.pop_front();
    ++firstKept_;
  }
}

const PreviewRun::KeptSheet* PreviewRun::Kept(int sheet) const {
  const int index = sheet - firstKept_;
  return index >= 0 && index < static_cast<int>(kept_.size())
             ? &kept_[static_cast<std::size_t>(index)]
             : nullptr;
}

bool PreviewRun::DrawSheet(int sheet, print::PrintSurface& surface) {
  if (const KeptSheet* kept = Kept(sheet)) {
    return DrawKept(sheet, *kept, surface);
  }
  if (sheet != at_ && !Seek(sheet)) {
    return false;
  }
  return DrawRead(sheet, surface);
}

void PreviewRun::BeginSheet(int sheet, print::PrintSurface& surface) {
  renderer_.Reset();
  if (sheet > 1) {
    renderer_.BeginLaterSheet();
  }
  StartCustomSheet(surface, renderer_, placement_, 0);
}

bool PreviewRun::DrawRead(int sheet, print::PrintSurface& surface) {
  BeginSheet(sheet, surface);
  RunProgress progress(ui_);
  UnreadableDates dates;
  KeptSheet read;
  bool drawn = true;
  bool ended = false;
  while (drawn) {
    const Contact contact = Take();
    if (contact.qso == nullptr) {
      ended = true;
      break;
    }
    ui_.SetStatusText("Label " + std::to_string(taken_));
    if (taken_ > checked_) {
      dates.Check(*contact.qso);
      checked_ = taken_;
    }
    drawn = renderer_.RenderDesignPreview(surface, contact.qso->fields, placement_);
    if (renderer_.PageFull()) {
      PutBack(contact.text);
      if (starts_.size() == static_cast<std::size_t>(sheet)) {
        starts_.push_back(taken_);
      }
      break;
    }
    read.contacts.emplace_back(contact.text);
    read.bytes += contact.text.size();
    progress.Show(contacts_->Progress().Percent());
  }
  progress.Complete();
  at_ = renderer_.PageFull() ? sheet + 1 : 0;
  const std::string fault = drawn ? contacts_->ReadFault() : renderer_.Failure();
  if (!fault.empty()) {
    ui_.ShowMessage(fault);
    at_ = 0;
    return false;
  }
  if (ended) {
    count_ = sheet;
  }
  Keep(sheet, std::move(read));
  dates.Tell(ui_);
  return true;
}

bool PreviewRun::DrawKept(int sheet, const KeptSheet& kept, print::PrintSurface& surface) {
  BeginSheet(sheet, surface);
  std::size_t number = starts_[static_cast<std::size_t>(sheet) - 1];
  for (const std::string& text : kept.contacts) {
    ui_.SetStatusText("Label " + std::to_string(++number));
    if (!renderer_.RenderDesignPreview(surface, reader_.TakeRecord(text)->fields, placement_)) {
      ui_.ShowMessage(renderer_.Failure());
      return false;
    }
  }
  return true;
}

}  // namespace tavrilon::labels
