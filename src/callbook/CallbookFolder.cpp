#include "callbook/CallbookFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "text/Text.h"

namespace tavrilon::callbook {

namespace {

// Stamps a data file for the index; false with `failure` set when it cannot be.
bool AddSource(const std::filesystem::path& path, std::vector<SourceFile>& sources,
               std::string& failure) {
  if (path.empty()) {
    return true;
  }
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    failure = path.string() + ": " + std::strerror(errno);
    return false;
  }
  constexpr std::int64_t kNsPerSecond = 1'000'000'000;
  sources.push_back({path.filename().string(), info.st_size,
                     info.st_mtim.tv_sec * kNsPerSecond + info.st_mtim.tv_nsec, info.st_ino,
                     info.st_ctim.tv_sec * kNsPerSecond + info.st_ctim.tv_nsec});
  return true;
}

}  // namespace

std::optional<CallbookFiles> FindCallbookFiles(const std::filesystem::path& folder,
                                               std::string& failure) {
  CallbookFiles files;
  const std::pair<const char*, std::filesystem::path*> known[] = {
      {"EN.dat", &files.usEntities},
      {"HD.dat", &files.usHeaders},
      {"amateur_delim.txt", &files.canada},
      {"callbook.csv", &files.ownList}};
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::filesystem::path& path = it->path();
    for (const auto& [name, found] : known) {
      // Of two names that differ only in case, the first in sorted order.
      if (text::EqualsIgnoringCase(path.filename().string(), name) &&
          (found->empty() || path < *found)) {
        *found = path;
      }
    }
  }
  if (ec) {
    failure = folder.string() + ": " + ec.message();
    return std::nullopt;
  }
  if (!files.usEntities.empty() && files.usHeaders.empty()) {
    failure = files.usEntities.filename().string() + " is in " + folder.string() +
              " but HD.dat, which says which licences are active, is not.";
    return std::nullopt;
  }
  if (files.usEntities.empty() && !files.usHeaders.empty()) {
    failure = files.usHeaders.filename().string() + " is in " + folder.string() +
              " but EN.dat, which holds the licensees' names and addresses, is not.";
    return std::nullopt;
  }
  if (files.usEntities.empty() && files.canada.empty() && files.ownList.empty()) {
    failure = "No callbook file (EN.dat with HD.dat, amateur_delim.txt, callbook.csv) is in " +
              folder.string() + ".";
    return std::nullopt;
  }
  for (const auto& [name, found] : known) {
    if (!AddSource(*found, files.sources, failure)) {
      return std::nullopt;
    }
  }
  return files;
}

}  // namespace tavrilon::callbook
