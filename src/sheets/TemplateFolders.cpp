#include "sheets/TemplateFolders.h"

#include <algorithm>
#include <map>
#include <system_error>
#include <utility>
#include <variant>

#include "files/RegularFile.h"
#include "sheets/SheetTemplates.h"
#include "text/Text.h"

namespace tavrilon::sheets {

namespace {

constexpr std::string_view kPaperSizesFile = "paper-sizes.xml";

// The template files of a folder, by name. Users keep their own templates in
// *.template files, the system in *.xml beside three files of other kinds.
std::vector<std::filesystem::path> TemplateFiles(const std::filesystem::path& folder,
                                                 std::vector<std::string>& skipped) {
  std::vector<std::filesystem::path> found;
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    return found;
  }
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::filesystem::path& path = entry->path();
    const std::string name = path.filename().string();
    const bool templates = path.extension() == ".xml" || path.extension() == ".template";
    if (templates && name != kPaperSizesFile && name != "categories.xml" && name != "vendors.xml") {
      found.push_back(path);
    }
  }
  if (error) {
    skipped.push_back(folder.string() + ": " + error.message());
  }
  std::sort(found.begin(), found.end());
  return found;
}

bool ReadText(const std::filesystem::path& path, std::string& text,
              std::vector<std::string>& skipped) {
  std::string reason;
  if (!files::ReadRegularFile(path, text, reason)) {
    skipped.push_back(path.string() + ": " + reason);
    return false;
  }
  return true;
}

// The paper sizes of every folder's paper-sizes.xml, a later one's size
// replacing an earlier one's; the built-in ones where no folder has any.
std::vector<PaperSize> PaperSizes(const std::vector<std::filesystem::path>& folders,
                                  std::vector<std::string>& skipped) {
  std::vector<PaperSize> sizes;
  bool anyFile = false;
  for (const std::filesystem::path& folder : folders) {
    const std::filesystem::path path = folder / kPaperSizesFile;
    std::error_code error;
    std::string text;
    if (!std::filesystem::exists(path, error) || !ReadText(path, text, skipped)) {
      continue;
    }
    PaperSizesRead read = ReadPaperSizes(text);
    if (!read.error.empty()) {
      skipped.push_back(path.string() + ": " + read.error);
      continue;
    }
    anyFile = true;
    for (PaperSize& size : read.sizes) {
      std::erase_if(sizes, [&](const PaperSize& known) {
        return text::EqualsIgnoringCase(known.name, size.name);
      });
      sizes.push_back(std::move(size));
    }
  }
  return anyFile ? sizes : BuiltInPaperSizes();
}

std::string Key(std::string_view brand, std::string_view part) {
  return text::AsciiUpper(brand) + '\n' + text::AsciiUpper(part);
}

}  // namespace

std::vector<std::filesystem::path> TemplateFolders(const std::filesystem::path& home,
                                                   std::string_view settingsFolder) {
  std::vector<std::filesystem::path> folders = {"/usr/share/libglabels-3.0/templates",
                                                "/usr/share/glabels-qt/templates"};
  if (!home.empty()) {
    folders.push_back(home / ".config/libglabels/templates");
    folders.push_back(home / ".glabels");
  }
  if (!settingsFolder.empty()) {
    folders.emplace_back(settingsFolder);
  }
  return folders;
}

TemplateFoldersRead ReadTemplateFolders(const std::vector<std::filesystem::path>& folders) {
  TemplateFoldersRead read;
  const std::vector<PaperSize> paperSizes = PaperSizes(folders, read.skipped);
  // By brand and part in any case: a later file's template replaces an
  // earlier one's, whether sheet or alias.
  std::map<std::string, std::variant<DatabaseSheet, SheetAlias>> templates;
  for (const std::filesystem::path& folder : folders) {
    for (const std::filesystem::path& path : TemplateFiles(folder, read.skipped)) {
      std::string text;
      if (!ReadText(path, text, read.skipped)) {
        continue;
      }
      TemplatesRead file = ReadTemplates(text, paperSizes);
      if (!file.error.empty()) {
        read.skipped.push_back(path.string() + ": " + file.error);
        continue;
      }
      for (DatabaseSheet& sheet : file.sheets) {
        templates.insert_or_assign(Key(sheet.brand, sheet.part), std::move(sheet));
      }
      for (SheetAlias& alias : file.aliases) {
        templates.insert_or_assign(Key(alias.brand, alias.part), std::move(alias));
      }
    }
  }
  std::vector<DatabaseSheet> sheets;
  sheets.reserve(templates.size());
  for (const auto& [key, entry] : templates) {
    if (const auto* sheet = std::get_if<DatabaseSheet>(&entry)) {
      sheets.push_back(*sheet);
      continue;
    }
    const auto& alias = std::get<SheetAlias>(entry);
    const auto target = templates.find(Key(alias.brand, alias.equiv));
    if (target == templates.end() || !std::holds_alternative<DatabaseSheet>(target->second)) {
      continue;
    }
    DatabaseSheet sheet = std::get<DatabaseSheet>(target->second);
    sheet.brand = alias.brand;
    sheet.part = alias.part;
    sheet.sheet.name = alias.brand + " " + alias.part;
    if (!alias.description.empty()) {
      sheet.description = alias.description;
    }
    sheets.push_back(std::move(sheet));
  }
  read.database = SheetDatabase(std::move(sheets));
  return read;
}

}  // namespace tavrilon::sheets
