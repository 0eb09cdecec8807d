#include "batch/ConsoleUserInterface.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace tavrilon::batch {

namespace {
void Line(std::FILE* err, std::string_view text) {
  std::fprintf(err, "%.*s\n", static_cast<int>(text.size()), text.data());
}

// A LANG naming a locale the system lacks must not stop the program.
std::locale UsersLocale() {
  try {
    return std::locale("");
  } catch (const std::runtime_error&) {
    return std::locale::classic();
  }
}
}  // namespace

ConsoleUserInterface::ConsoleUserInterface(std::FILE* err) : err_(err), locale_(UsersLocale()) {}

void ConsoleUserInterface::SetStatusText(std::string_view text) {
  Line(err_, text);
}

void ConsoleUserInterface::ShowMessage(std::string_view text, MessageIcon) {
  Line(err_, text);
}

void ConsoleUserInterface::ShowSortProgress(std::string_view status, std::int64_t, std::int64_t) {
  Line(err_, status);
}

std::string ConsoleUserInterface::GroupDigits(std::int64_t count) const {
  std::ostringstream text;
  text.imbue(locale_);
  text << count;
  std::string grouped = text.str();
  // A separator of one char that is no ASCII is a piece of a multibyte one.
  const bool ascii = std::all_of(grouped.begin(), grouped.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii ? grouped : std::to_string(count);
}

bool ConsoleUserInterface::AskYesNo(std::string_view text) {
  Line(err_, text);
  return false;
}

std::optional<std::string> ConsoleUserInterface::AskText(std::string_view prompt,
                                                         std::string_view) {
  Line(err_, prompt);
  return std::nullopt;
}

}  // namespace tavrilon::batch
