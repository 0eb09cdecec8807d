#pragma once

#include <string>

#include "designs/LabelDesign.h"
#include "sending/ContactChoice.h"
#include "sending/RunOrder.h"

namespace tavrilon::labels {

// What a label run is asked to print, as the main window holds it.
struct LabelRunRequest {
  std::string labelInputFile;
  std::string labelStock;
  designs::LabelDesign design = designs::LabelDesign::None;
  int labelStyle = 1;
  std::string labelSkip;                 // the "Number of Labels to skip:" box as typed
  sending::ContactChoice contacts = {};  // which contacts are printed
  sending::RunOrder order = sending::RunOrder::File;  // the sort box's choice
  // Styles 2 and 3: one mailing (and return) label per destination, after
  // its last QSL label, instead of one per contact.
  bool addressPerStation = false;
  // The country file bureau order and the summary use; empty: the system's.
  std::string countryFile = {};
  bool useQrz = false;       // mailing labels from the callbook, styles 2 and 3
  std::string printer = {};  // whose stored correction moves the labels
  // Keep the printed contacts to be saved as sent: only where they can be
  // saved (the window, or tavrilon-batch with a sent log).
  bool keepSent = false;
};

}  // namespace tavrilon::labels
