#include "callbook/Callbook.h"

#include <new>

#include "callbook/CallbookFolder.h"
#include "callbook/CallbookIndex.h"
#include "callbook/CanadaList.h"
#include "callbook/IndexFile.h"
#include "callbook/OwnList.h"
#include "callbook/ProgressMeter.h"
#include "callbook/StationList.h"
#include "callbook/StationRecord.h"
#include "callbook/UsLicenceFiles.h"
#include "text/Text.h"

namespace tavrilon::callbook {

namespace {

std::optional<IndexContent> ReadStations(const std::filesystem::path& folder,
                                         const CallbookFiles& files, const IndexProgress& progress,
                                         std::string& failure) {
  std::int64_t total = 0;
  for (const SourceFile& source : files.sources) {
    total += source.size;
  }
  ProgressMeter meter(total, progress);
  StationList stations;
  if ((!files.usEntities.empty() &&
       !ReadUsLicences(files.usEntities, files.usHeaders, meter, stations, failure)) ||
      (!files.canada.empty() && !ReadCanadaList(files.canada, meter, stations, failure)) ||
      (!files.ownList.empty() && !ReadOwnList(files.ownList, meter, stations, failure))) {
    return std::nullopt;
  }
  meter.Finish();
  std::optional<IndexContent> content = stations.Finish();
  if (!content) {
    failure = "The callbook's files in " + folder.string() +
              " hold more addresses than one index can keep (4 GiB).";
  }
  return content;
}

// An opening that failed after the folder's files were found.
CallbookOpening Unusable(const std::filesystem::path& folder, const std::string& reason) {
  return {false,
          "The callbook in " + folder.string() + " was found, but cannot be used: " + reason,
          {}};
}

std::optional<StationAddress> FindKey(const CallbookIndex& index, std::string_view key) {
  std::string record;
  if (!index.Find(key, record)) {
    return std::nullopt;
  }
  return ReadRecord(record);
}

}  // namespace

Callbook::Callbook() = default;
Callbook::~Callbook() = default;

CallbookOpening Callbook::Open(const std::filesystem::path& folder, const IndexProgress& progress) {
  const CallbookOpening opened{true, {}, {}};
  std::string failure;
  std::optional<CallbookFiles> files = FindCallbookFiles(folder, failure);
  if (!files) {
    index_.reset();
    return {false, failure, {}};
  }
  if (index_ && folder_ == folder && index_->Sources() == files->sources && index_->Unchanged()) {
    return opened;
  }
  index_.reset();
  folder_ = folder;
  const std::filesystem::path indexPath = folder / kIndexFileName;
  index_ = CallbookIndex::OpenFile(indexPath, files->sources);
  if (index_) {
    return opened;
  }
  try {
    std::optional<IndexContent> content = ReadStations(folder, *files, progress, failure);
    if (!content) {
      return Unusable(folder, failure);
    }
    std::string reason;
    if (WriteIndexFile(indexPath, files->sources, *content, reason)) {
      index_ = CallbookIndex::OpenFile(indexPath, files->sources);
      if (index_) {
        return opened;
      }
      reason = "it cannot be read back after it was written";
    }
    index_ = std::make_unique<CallbookIndex>(std::move(files->sources), std::move(*content));
    return {true,
            {},
            "The callbook's index cannot be kept: " + indexPath.string() + ": " + reason +
                ". The callbook is read from memory this time and indexed again at its next "
                "opening."};
  } catch (const std::bad_alloc&) {
    return Unusable(
        folder, "The callbook in " + folder.string() + " is too large for this computer's memory.");
  }
}

std::optional<StationAddress> Callbook::Find(std::string_view call) const {
  if (!index_) {
    return std::nullopt;
  }
  const std::string key = text::AsciiUpper(text::TrimBlanks(call));
  if (std::optional<StationAddress> address = FindKey(*index_, key)) {
    return address;
  }
  std::string_view longest;
  if (key.find('/') != std::string::npos) {
    for (const std::string_view part : text::Split(key, '/')) {
      longest = part.size() > longest.size() ? part : longest;
    }
  }
  if (longest.empty()) {
    return std::nullopt;
  }
  return FindKey(*index_, longest);
}

}  // namespace tavrilon::callbook
