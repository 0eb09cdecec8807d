#include "labels/LabelLoop.h"

#include "sending/Destination.h"
#include "session/RunProgress.h"

namespace tavrilon::labels {

namespace {

void ShowLabel(UserInterface& ui, int label) {
  ui.SetStatusText("Label " + std::to_string(label));
}

}  // namespace

std::string PrintEveryContact(DesignPrinter& printer, print::PrintSurface& surface,
                              RunContacts& contacts, ContactAccounts& accounts, UserInterface& ui) {
  RunProgress progress(ui);
  std::string failure;
  int shown = 0;
  // Each label the contacts began; a contact that went on the label in
  // progress shows that label again.
  const auto showLabels = [&] {
    const int labels = printer.Labels();
    if (labels == shown && labels > 0) {
      ShowLabel(ui, labels);
    }
    while (shown < labels) {
      ShowLabel(ui, ++shown);
    }
  };
  accounts.summary.CountCountries(accounts.countries != nullptr);
  while (const adif::QsoRecord* qso = contacts.Next()) {
    accounts.dates.Check(*qso);
    if (!printer.Print(surface, qso->fields, failure)) {
      return failure;
    }
    if (accounts.sent != nullptr) {
      accounts.sent->Add(contacts.Text());
    }
    const sending::Destination destination = sending::DestinationOf(qso->fields);
    accounts.summary.Printed(destination, accounts.countries != nullptr
                                              ? accounts.countries->Find(destination.call)
                                              : nullptr);
    showLabels();
    progress.Show(contacts.Progress().Percent());
  }
  printer.Finish(surface);
  if (printer.Labels() > shown) {
    showLabels();
  }
  accounts.summary.SetContactsRead(contacts.ContactsRead());
  progress.Complete();
  return contacts.ReadFault();
}

}  // namespace tavrilon::labels
