#pragma once

#include <filesystem>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "sheets/SheetDatabase.h"

namespace tavrilon::sheets {

// The installed label databases, read once, when first needed or in the
// background from the start. Files that cannot be read are skipped, one
// line each naming the file and the reason.
class InstalledSheets {
 public:
  InstalledSheets() = default;  // no folders: the catalogue alone
  explicit InstalledSheets(std::vector<std::filesystem::path> folders);
  InstalledSheets(const InstalledSheets&) = delete;
  InstalledSheets& operator=(const InstalledSheets&) = delete;
  ~InstalledSheets();

  // Starts reading on another thread; Database() then waits for it.
  void LoadInBackground();
  // Whether Database() answers at once.
  bool Ready() const;
  const SheetDatabase& Database();
  // The files skipped, once the database is read.
  const std::vector<std::string>& Skipped();

 private:
  struct Loaded {
    SheetDatabase database;
    std::vector<std::string> skipped;
  };
  const Loaded& Get();

  std::vector<std::filesystem::path> folders_;
  std::future<Loaded> loading_;
  std::optional<Loaded> loaded_;
};

}  // namespace tavrilon::sheets
