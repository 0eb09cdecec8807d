#include "batch/ConsoleUserInterface.h"

namespace tavrilon::batch {

namespace {
void Line(std::FILE* err, std::string_view text) {
  std::fprintf(err, "%.*s\n", static_cast<int>(text.size()), text.data());
}
}  // namespace

void ConsoleUserInterface::SetStatusText(std::string_view text) {
  Line(err_, text);
}

void ConsoleUserInterface::ShowMessage(std::string_view text, MessageIcon) {
  Line(err_, text);
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
