#include "print/PdfFileCheck.h"

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <system_error>

#include "files/ReadAt.h"
#include "files/RegularFile.h"
#include "text/Text.h"

namespace tavrilon::print {

namespace {

constexpr std::string_view kIncomplete = "the document was not written whole";

// `length` bytes at `offset`, fewer at the end of the file.
bool ReadBytes(int fd, off_t offset, std::size_t length, std::string& bytes) {
  bytes.resize(length);
  const ssize_t got = files::ReadAt(fd, bytes.data(), length, offset);
  if (got < 0) {
    return false;
  }
  bytes.resize(static_cast<std::size_t>(got));
  return true;
}

std::string Check(int fd) {
  const off_t size = ::lseek(fd, 0, SEEK_END);
  std::string head;
  std::string tail;
  constexpr std::size_t kTail = 1024;
  const off_t tailStart = size > static_cast<off_t>(kTail) ? size - static_cast<off_t>(kTail) : 0;
  if (size < 0 || !ReadBytes(fd, 0, 5, head) || !ReadBytes(fd, tailStart, kTail, tail)) {
    return std::system_category().message(errno);
  }
  std::string_view end = tail;
  while (!end.empty() && (end.back() == '\n' || end.back() == '\r' || end.back() == ' ')) {
    end.remove_suffix(1);
  }
  const std::size_t startxref = end.rfind("startxref");
  if (head != "%PDF-" || !end.ends_with("%%EOF") || startxref == std::string_view::npos) {
    return std::string(kIncomplete);
  }
  std::string_view number = end.substr(startxref + 9);
  number = number.substr(0, number.find("%%EOF"));
  while (!number.empty() && (number.front() == '\n' || number.front() == '\r')) {
    number.remove_prefix(1);
  }
  while (!number.empty() && (number.back() == '\n' || number.back() == '\r')) {
    number.remove_suffix(1);
  }
  const auto offset = text::ParseWholeNumber(number);
  std::string xref;
  if (!offset || *offset >= size || !ReadBytes(fd, static_cast<off_t>(*offset), 4, xref) ||
      xref != "xref") {
    return std::string(kIncomplete);
  }
  return {};
}

}  // namespace

std::string PdfFileFault(const std::filesystem::path& pdf) {
  std::string reason;
  const int fd = files::OpenRegularFileForReading(pdf, reason);
  if (fd < 0) {
    return reason;
  }
  std::string fault = Check(fd);
  // The writer keeps its write errors to itself; a full disk is the usual one.
  if (struct statvfs disk{}; !fault.empty() && ::fstatvfs(fd, &disk) == 0 && disk.f_bavail == 0) {
    fault.append(" (").append(std::system_category().message(ENOSPC)).append(")");
  }
  ::close(fd);
  return fault;
}

}  // namespace tavrilon::print
