#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "batch/PrintTarget.h"
#include "labels/LabelRun.h"
#include "sending/ContactChoice.h"
#include "sending/RunOrder.h"
#include "shell/Session.h"

namespace tavrilon::batch {

struct LabelsOptions {
  std::filesystem::path log;
  PrintTarget target;
  std::optional<std::string> stock;
  std::string skip = "0";
  std::optional<std::string> design;  // "DEFAULT", "SIMPLE", "CUSTOM1" to "CUSTOM3"
  std::optional<std::string> style;   // "1" to "3"; 2 and 3 with "SIMPLE" only
  // Where the printed contacts go, marked as sent (through the bureau when
  // `bureau`), once the run completed.
  std::optional<std::filesystem::path> sentLog;
  bool bureau = false;
  // Which contacts, in which order; the stored choices when not given.
  std::optional<sending::Contacts> contacts;
  std::optional<std::int64_t> from;  // YYYYMMDD, both ends included
  std::optional<std::int64_t> to;
  std::optional<sending::RunOrder> order;
  bool addressPerStation = false;  // or as stored
};

// The request the window would make for `log`, from the settings file, with
// the options' stock, skip, design, style, contacts and order in place of
// the stored ones.
// Nothing, said on standard error, when the design or the style is not one
// the command prints, or the style does not go with the design.
std::optional<labels::LabelRunRequest> StoredLabelRequest(const LabelsOptions& options,
                                                          settings::SettingsFile& settings);

// Prints QSL labels for the chosen contacts of the log as the window's
// command does, with the design, style and stock of the settings file unless
// given, then saves the sent log when asked to, and ends with how many
// contacts were chosen and where their cards go. Answers the exit status.
int RunLabelsCommand(const LabelsOptions& options, Session& session);

}  // namespace tavrilon::batch
