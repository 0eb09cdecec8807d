#include "sheets/InstalledSheets.h"

#include <chrono>
#include <utility>

#include "sheets/TemplateFolders.h"

namespace tavrilon::sheets {

InstalledSheets::InstalledSheets(std::vector<std::filesystem::path> folders)
    : folders_(std::move(folders)) {}

// A load still running is waited for: its thread reads our folders.
InstalledSheets::~InstalledSheets() {
  if (loading_.valid()) {
    loading_.wait();
  }
}

void InstalledSheets::LoadInBackground() {
  if (loaded_ || loading_.valid() || folders_.empty()) {
    return;
  }
  loading_ = std::async(std::launch::async, [this] {
    TemplateFoldersRead read = ReadTemplateFolders(folders_);
    return Loaded{std::move(read.database), std::move(read.skipped)};
  });
}

bool InstalledSheets::Ready() const {
  return loaded_ || folders_.empty() ||
         (loading_.valid() &&
          loading_.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
}

const InstalledSheets::Loaded& InstalledSheets::Get() {
  if (!loaded_) {
    if (loading_.valid()) {
      loaded_ = loading_.get();
    } else {
      TemplateFoldersRead read = ReadTemplateFolders(folders_);
      loaded_ = Loaded{std::move(read.database), std::move(read.skipped)};
    }
  }
  return *loaded_;
}

const SheetDatabase& InstalledSheets::Database() {
  return Get().database;
}

const std::vector<std::string>& InstalledSheets::Skipped() {
  return Get().skipped;
}

}  // namespace tavrilon::sheets
