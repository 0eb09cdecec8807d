#include "labels/MailingAddress.h"

#include "settings/OperatorInfo.h"
#include "settings/SettingsKeys.h"
#include "text/Text.h"

namespace tavrilon::labels {

namespace {

constexpr std::string_view kNotFound = "Error: the QRZ Database could not be found.";

}  // namespace

designs::LabelLines LoadReturnAddress(settings::SettingsFile& settings) {
  designs::LabelLines lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    lines[i] =
        settings::ReadOperatorInfo(settings, settings::ReturnLabelLineKey(static_cast<int>(i) + 1));
  }
  return lines;
}

std::string PostalCodeText(std::string_view code) {
  code = text::TrimTrailingBlanks(code);
  // Cutting at the fifth character is for ZIP codes: "K2P 1L4" would be torn.
  if (!text::IsDigits(code)) {
    return std::string(code);
  }
  std::string zip(code.substr(0, 5));
  if (code.size() > 5) {
    zip.append(1, '-').append(code.substr(5, 4));
  }
  return zip;
}

std::string NameLineText(std::string_view name, std::string_view attention) {
  std::string line(name);
  if (attention.empty()) {
    return line;
  }
  line.append("  ");
  if (!text::StartsWithIgnoringCase(attention, "c/o") &&
      !text::StartsWithIgnoringCase(attention, "attn")) {
    line.append("c/o ");
  }
  return line.append(attention);
}

bool MailingAddresses::OpenCallbook(settings::SettingsFile& settings, UserInterface& ui) {
  const std::string folder = settings.ReadSetting(settings::kQrzDrive, "");
  const auto notFound = [&ui](const std::string& why) {
    ui.ShowMessage(std::string(kNotFound) + "\n" + why);
    return false;
  };
  if (folder.empty()) {
    return notFound(
        "No folder is chosen for the callbook: choose the folder of its files beside "
        "\"Use QRZ to Print Address Labels?\".");
  }
  // A drive letter ("E", "E:") names a drive of another system, not a folder.
  if (folder.size() < 3) {
    return notFound("\"" + folder +
                    "\" is a drive letter; Tavrilon reads the callbook from a folder. Choose "
                    "the folder of its files beside \"Use QRZ to Print Address Labels?\".");
  }
  ui.SetStatusText("Opening the callbook in " + folder);
  ui.SetProgressVisible(true);
  int shown = -1;
  const auto progress = [&](std::int64_t done, std::int64_t total) {
    const int percent = total > 0 ? static_cast<int>(done * 100 / total) : 100;
    if (percent != shown) {
      shown = percent;
      ui.SetStatusText("Indexing the callbook in " + folder + ": " + std::to_string(percent) + "%");
      ui.SetProgressValue(percent);
      ui.LetPendingEventsRun();
    }
  };
  const callbook::CallbookOpening opening = callbook_.Open(folder, progress);
  ui.SetProgressVisible(false);
  ui.SetStatusText("Printing Labels");
  if (!opening.ok) {
    return notFound(opening.failure);
  }
  if (!opening.notice.empty()) {
    ui.ShowMessage(opening.notice);
  }
  return true;
}

designs::LabelLines MailingAddresses::LookupMailingAddress(std::string_view call) const {
  designs::LabelLines lines;
  lines[0] = call;
  const std::optional<callbook::StationAddress> address = callbook_.Find(call);
  if (!address) {
    lines[1] = "Address Not Found";
    return lines;
  }
  lines[1] = NameLineText(address->name, address->attention);
  lines[2] = address->street;
  lines[3] = address->town + ", " + address->state + "  " + PostalCodeText(address->postalCode);
  return lines;
}

}  // namespace tavrilon::labels
