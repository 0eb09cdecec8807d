#pragma once

#include <filesystem>
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

void WriteFile(const std::filesystem::path& path, std::string_view content);
std::string ReadFile(const std::filesystem::path& path);

// The real logs of other programs, read in place (never copied into the project).
std::filesystem::path SharedAdif(std::string_view name);
std::filesystem::path SharedAdifFolder();
// The dictionary the program ships.
std::filesystem::path ShippedDictionary();
std::filesystem::path SourceFolder();

}  // namespace tavrilon::test
