#include "callbook/QrzDatabase.h"

#include <algorithm>
#include <new>
#include <optional>

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

}  // namespace

QrzDatabase::QrzDatabase() = default;
QrzDatabase::~QrzDatabase() = default;

std::int32_t QrzDatabase::QRZInit(const std::filesystem::path& folder,
                                  const IndexProgress& progress) {
  failure_.clear();
  notice_.clear();  // told once for each indexing, not again while it is reused
  found_.clear();
  std::optional<CallbookFiles> files = FindCallbookFiles(folder, failure_);
  if (!files) {
    index_.reset();
    return 0;
  }
  if (index_ && folder_ == folder && index_->Sources() == files->sources && index_->Unchanged()) {
    return 1;
  }
  index_.reset();
  folder_ = folder;
  const std::filesystem::path indexPath = folder / kIndexFileName;
  index_ = CallbookIndex::OpenFile(indexPath, files->sources);
  if (index_) {
    return 1;
  }
  try {
    std::optional<IndexContent> content = ReadStations(folder, *files, progress, failure_);
    if (!content) {
      return 0;
    }
    std::string reason;
    if (WriteIndexFile(indexPath, files->sources, *content, reason)) {
      index_ = CallbookIndex::OpenFile(indexPath, files->sources);
      if (index_) {
        return 1;
      }
      reason = "it cannot be read back after it was written";
    }
    notice_ = "The callbook's index cannot be kept: " + indexPath.string() + ": " + reason +
              ". The callbook is read from memory this time and indexed again at its next "
              "opening.";
    index_ = std::make_unique<CallbookIndex>(std::move(files->sources), std::move(*content));
    return 1;
  } catch (const std::bad_alloc&) {
    failure_ = "The callbook in " + folder.string() + " is too large for this computer's memory.";
    return 0;
  }
}

std::int16_t QrzDatabase::QRZSearch(std::string_view call, QrzBuffer& /*buffer*/) {
  found_.clear();
  if (!index_) {
    return 0;
  }
  const std::string key = text::AsciiUpper(text::TrimBlanks(call));
  if (index_->Find(key, found_)) {
    return 1;
  }
  std::string_view longest;
  if (key.find('/') != std::string::npos) {
    for (const std::string_view part : text::Split(key, '/')) {
      longest = part.size() > longest.size() ? part : longest;
    }
  }
  if (!longest.empty() && index_->Find(longest, found_)) {
    return 1;
  }
  found_.clear();
  return 0;
}

void QrzDatabase::QRZField(int field, QrzBuffer& buffer, std::int16_t& length) const {
  std::string_view value = RecordField(found_, field);
  value = value.substr(0, text::ValidUtf8Prefix(value.substr(0, buffer.bytes.size())));
  std::copy(value.begin(), value.end(), buffer.bytes.begin());
  length = static_cast<std::int16_t>(value.size());
}

}  // namespace tavrilon::callbook
