#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "adif/AdifInput.h"
#include "labels/RunContacts.h"
#include "labels/RunPreparation.h"
#include "print/PrintSurface.h"
#include "sending/ContactChoice.h"
#include "session/RunOutcome.h"
#include "session/UserInterface.h"
#include "sheets/LabelPlacement.h"

namespace tavrilon::labels {

// The sheets of a preview run, drawn one at a time as they are asked for:
// the run's chosen contacts in its order and grouping, each sheet holding the
// labels the print run puts on it when it skips none. The contacts stay open
// from one sheet to the next, so that the next one goes on where the last
// stopped. Where each sheet begins is remembered and the contacts of the
// sheets drawn last are kept, up to a budget of bytes, so that a step back
// reads nothing; a sheet further back is reached by reading the log again.
class PreviewRun {
 public:
  // Opens `contacts`, made afresh on the preview's reader, and puts them in
  // the run's order for the design `prepared` holds. How the preview stops
  // when they cannot be (the user has been told why), or nothing.
  using ContactsOpener = std::function<std::optional<RunOutcome>(const RunPreparation& prepared,
                                                                 RunContacts& contacts)>;

  // Some hundred sheets of a usual log.
  static constexpr std::size_t kKeptBytes = std::size_t{4} << 20;

  // `prepared` holds the custom design, read once for the preview; `reader`
  // is read by the preview alone for its life.
  PreviewRun(RunPreparation prepared, adif::AdifInput& reader, sending::ContactChoice choice,
             UserInterface& ui, ContactsOpener open, std::size_t keptBytes = kKeptBytes);
  PreviewRun(const PreviewRun&) = delete;
  PreviewRun& operator=(const PreviewRun&) = delete;

  // Opens the contacts at the first sheet: how the preview stops when they
  // cannot be, or nothing.
  std::optional<RunOutcome> Open();

  // Draws sheet `sheet` (one HasSheet answers for) on `surface` from its
  // first label on, and leaves the document to the caller: a picture ends
  // it, a PDF goes on to its next page. "Label N" and the progress bar as it
  // goes; a contact whose date is no date is told of after the sheet it is
  // first read for. False, after telling the user why, when the sheet could
  // not be drawn to its end.
  bool DrawSheet(int sheet, print::PrintSurface& surface);
  // Whether the run has sheet `sheet`: known for every sheet up to the one
  // after the furthest drawn. The first is there even without a contact.
  bool HasSheet(int sheet) const {
    return sheet >= 1 && static_cast<std::size_t>(sheet) <= starts_.size();
  }
  // How many sheets the run has, once it was read to its end.
  std::optional<int> SheetCount() const { return count_; }

 private:
  struct KeptSheet {
    std::vector<std::string> contacts;  // as the log holds them
    std::size_t bytes = 0;
  };
  struct Contact {
    const adif::QsoRecord* qso = nullptr;  // none at the end of the contacts
    std::string_view text;
  };

  // The next contact: the one put back first.
  Contact Take();
  void PutBack(std::string_view text);
  // Moves the contacts to the start of `sheet`, from the log's start when
  // they are past it, keeping the sheets passed. False when they cannot be
  // (the user has been told why).
  bool Seek(int sheet);
  void Keep(int sheet, KeptSheet kept);
  const KeptSheet* Kept(int sheet) const;
  void BeginSheet(int sheet, print::PrintSurface& surface);
  bool DrawRead(int sheet, print::PrintSurface& surface);
  bool DrawKept(int sheet, const KeptSheet& kept, print::PrintSurface& surface);

  RunPreparation prepared_;
  designs::DesignRenderer& renderer_;
  adif::AdifInput& reader_;
  sending::ContactChoice choice_;
  UserInterface& ui_;
  ContactsOpener open_;
  std::size_t keptBytes_;
  sheets::LabelPlacement placement_;
  std::optional<RunContacts> contacts_;
  std::vector<std::size_t> starts_{0};  // the contacts before each sheet known
  std::optional<int> count_;
  int at_ = 0;                          // the sheet whose start the contacts stand at; 0 for none
  std::size_t taken_ = 0;               // contacts taken and not put back
  std::size_t checked_ = 0;             // contacts whose dates were checked
  std::optional<std::string> putBack_;  // the contact that found the last sheet full
  std::string takenText_;               // the put back contact while it is drawn
  std::deque<KeptSheet> kept_;
  int firstKept_ = 0;
  std::size_t keptSize_ = 0;
};

}  // namespace tavrilon::labels
