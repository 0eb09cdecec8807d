#pragma once

#include <cstddef>
#include <string>

#include "designs/LabelDesign.h"
#include "logbook/LogLayout.h"
#include "sending/ContactChoice.h"
#include "sending/RunOrder.h"
#include "settings/SettingsFile.h"

namespace tavrilon::shell {

// The main window's choices as the settings file holds them, read once for
// the window's start and for tavrilon-batch, so both take a hand-edited value
// the same way.
struct StoredChoices {
  std::string operatorCall;    // as printed: "Unknown" when missing, "" while first-run
  std::string logInputFile;    // as stored, whether or not the file is there
  std::string labelInputFile;  // as stored
  logbook::LogLayout logLayout = logbook::LogLayout::Default;
  // The design a run prints with, read in capitals; the option shown is the
  // design only when stored in exactly its own word ("default" shows none).
  designs::LabelDesign labelDesign = designs::LabelDesign::None;
  designs::LabelDesign designOption = designs::LabelDesign::None;
  int labelStyle = 1;          // 1 to 3; anything else stored is 1
  std::size_t stockIndex = 0;  // of sheets::kLabelStocks; anything else stored is 0
  std::string databaseSheet;   // the label database's sheet in force, trimmed; "" for none
  bool useQrz = false;         // exactly "TRUE"
  sending::RunOrder order = sending::RunOrder::File;  // "SortFile": 0, 1 or 2
  sending::Contacts contacts = sending::Contacts::All;
  bool addressPerStation = false;  // the number 1
  std::string countryFile;         // as stored; "" for the system's

  // The style the window keeps once the interlock has run.
  int StyleInForce() const;
  // The stock a run prints on: the database's sheet, else the list's entry.
  std::string StockInForce() const;
};

StoredChoices ReadStoredChoices(settings::SettingsFile& settings);

// Styles 2 and 3 add mailing and return labels, which only the Simple
// design's option lays out.
constexpr bool StyleFitsDesign(int style, designs::LabelDesign designOption) {
  return style == 1 || designOption == designs::LabelDesign::Simple;
}

}  // namespace tavrilon::shell
