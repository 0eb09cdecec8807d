#include "support/TestSupport.h"

#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

namespace tavrilon::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tavrilon-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a temporary folder");
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

ProgramFolder::ProgramFolder() {
  std::filesystem::copy_file(ShippedDictionary(), Dictionary());
}

void WriteUsCallbook(const std::filesystem::path& folder,
                     std::initializer_list<std::string_view> enLines) {
  std::string en;
  std::string hd;
  for (const std::string_view line : enLines) {
    en.append(line).append("\r\n");
    // HD|USI|||CALL|A|HA|grant|expiry and empty fields to 59
    std::size_t usiEnd = line.find('|', 3);
    std::size_t callStart = line.find("|||", usiEnd) + 3;
    std::string_view usi = line.substr(3, usiEnd - 3);
    std::string_view call = line.substr(callStart, line.find('|', callStart) - callStart);
    hd.append("HD|").append(usi).append("|||").append(call).append("|A|HA|03/01/2020|03/01/2030");
    hd.append(50, '|').append("\r\n");
  }
  std::filesystem::create_directories(folder);
  WriteFile(folder / "EN.dat", en);
  WriteFile(folder / "HD.dat", hd);
}

std::string ContactLog(int count, std::string_view extra, std::string_view lineEnd) {
  std::string log = "<EOH>\n";
  for (int i = 1; i <= count; ++i) {
    const std::string call = "ZZ" + std::to_string(i) + "Q";
    log += "<CALL:" + std::to_string(call.size()) + ">" + call + "<QSO_DATE:8>20240105<TIME_ON:4>" +
           std::to_string(1400 + (i - 1) % 60) + "<BAND:3>20m<MODE:2>CW<RST_SENT:3>599";
    log.append(extra).append("<EOR>").append(lineEnd);
  }
  return log;
}

void WriteFile(const std::filesystem::path& path, std::string_view content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::filesystem::path SharedAdifFolder() {
  return TAVRILON_SHARED_ADIF;
}
std::filesystem::path SharedAdif(std::string_view name) {
  return SharedAdifFolder() / name;
}
bool SharedAdifPresent() {
  if (std::filesystem::is_directory(SharedAdifFolder())) {
    return true;
  }
  const char* ci = std::getenv("CI");
  if (ci != nullptr && std::string_view(ci) == "true") {
    ADD_FAILURE() << "In CI the real logs must be in " << SharedAdifFolder();
  }
  return false;
}
std::filesystem::path TestDataFolder() {
  return std::filesystem::path(TAVRILON_SOURCE_DIR) / "tests" / "data";
}
std::filesystem::path ShippedDictionary() {
  return std::filesystem::path(TAVRILON_SOURCE_DIR) / "data" / "tvadif.txt";
}
std::filesystem::path SourceFolder() {
  return TAVRILON_SOURCE_DIR;
}

}  // namespace tavrilon::test
