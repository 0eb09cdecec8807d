#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tavrilon::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A program folder: a fresh temporary folder that holds the shipped field
// dictionary, as every run needs.
class ProgramFolder : public TempDir {
 public:
  ProgramFolder();
  std::filesystem::path Dictionary() const { return *this / "tvadif.txt"; }
};

void WriteFile(const std::filesystem::path& path, std::string_view content);

// A log of `count` contacts ZZ1Q onward, all on 5 January 2024, at 14:00,
// 14:01 and so on, on 20m CW with a report of 599; `extra` is added to each
// record's fields (a later tag wins), and each record ends with `lineEnd`.
std::string ContactLog(int count, std::string_view extra = "", std::string_view lineEnd = "\n");
std::string ReadFile(const std::filesystem::path& path);

// A callbook folder with the US licence files: EN.dat of `enLines` (without
// their CR LF), and HD.dat with an active licence for each of them.
void WriteUsCallbook(const std::filesystem::path& folder,
                     std::initializer_list<std::string_view> enLines);

// The real logs of other programs, read in place (never copied into the
// project). They are not part of a clone: a test over them skips without them,
// except in CI (CI=true), where their absence fails the test.
std::filesystem::path SharedAdif(std::string_view name);
std::filesystem::path SharedAdifFolder();
bool SharedAdifPresent();
// The repository's own test data, tests/data.
std::filesystem::path TestDataFolder();
// The dictionary the program ships.
std::filesystem::path ShippedDictionary();
std::filesystem::path SourceFolder();

}  // namespace tavrilon::test
