#include "designs/DesignFiles.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <system_error>

#include "designs/DesignFile.h"
#include "designs/DesignKeys.h"
#include "files/RegularFile.h"
#include "files/ReplacingFile.h"
#include "print/OutputDestination.h"
#include "text/LineReader.h"

namespace tavrilon::designs {

namespace {

namespace fs = std::filesystem;

// Far above a card's picture in base64.
constexpr std::uintmax_t kLargestDesignFile = std::uintmax_t{256} << 20;

std::string& ImagePathOf(DesignKeys& keys) {
  // Every reader of the keys answers all of DesignKeyNames().
  return std::ranges::find(keys, settings::kDesignImagePath.name, &DesignKeyValue::key)->value;
}

// A picture's own name, without the folder of whoever wrote it (on any
// system), never one that leads out of a folder.
std::string PlainName(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
  return name.empty() || name == "." || name == ".." ? "picture" : name;
}

SlotOutcome Failed(std::string message) {
  return {SlotChange::Failed, std::move(message)};
}

// Nothing when the slot may be filled.
std::optional<SlotOutcome> HeldDesign(settings::SettingsFile& settings, int design, bool replace) {
  const DesignKeys held = ReadDesignKeys(settings, design);
  if (replace || !HoldsDesign(held)) {
    return std::nullopt;
  }
  const std::string& name =
      std::ranges::find(held, settings::kDesignName.name, &DesignKeyValue::key)->value;
  return SlotOutcome{SlotChange::SlotHoldsDesign,
                     "Custom label design " + std::to_string(design) + " already holds " +
                         (name.empty() ? "a design." : "the design \"" + name + "\".")};
}

SlotOutcome WriteSlot(settings::SettingsFile& settings, int design, const DesignKeys& keys) {
  if (WriteDesignKeys(settings, design, keys)) {
    return {SlotChange::Done, {}};
  }
  const auto& failure = settings.LastWriteError();
  settings.MarkWriteErrorReported();  // by whoever shows the message
  return Failed(
      "The settings could not be saved to " +
      (failure ? failure->path.string() + ": " + failure->reason : settings.Path().string()));
}

// Writes `bytes` whole or not at all; the system's reason, or nothing.
std::string WriteWhole(const fs::path& target, std::string_view bytes,
                       files::ReplacingFile::Links links) {
  files::ReplacingFile file(target, links);
  if (!file.Open()) {
    return file.Failure();
  }
  file.Write(bytes);
  return file.Commit(true) ? std::string() : file.Failure();
}

std::string SlotPrefix(int design) {
  return "design" + std::to_string(design) + "-";
}

// A picture imported before goes on under its own name, not as
// "design3-design2-qsl.bmp".
std::string_view WithoutSlotPrefix(std::string_view stem) {
  for (int design = 1; design <= settings::kDesignCount; ++design) {
    if (stem.starts_with(SlotPrefix(design)) && stem.size() > SlotPrefix(design).size()) {
      return stem.substr(SlotPrefix(design).size());
    }
  }
  return stem;
}

// The picture's file in the folder: "design2-qsl.bmp", or "design2-qsl-2.bmp"
// and on when a file of the name holds other bytes; an existing file with
// the same bytes is taken as it is.
struct PicturePlace {
  fs::path path;
  bool present = false;  // the file holds the picture already
};
PicturePlace PlacePicture(const fs::path& folder, int design, const DesignPicture& picture) {
  const fs::path name = PlainName(picture.name);
  const std::string own = name.stem().string();
  const std::string stem = SlotPrefix(design) + std::string(WithoutSlotPrefix(own));
  for (int copy = 1;; ++copy) {
    const fs::path candidate =
        folder / (stem + (copy == 1 ? "" : "-" + std::to_string(copy)) + name.extension().string());
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(candidate, ec))) {
      return {candidate, false};
    }
    std::string held;
    std::string ignored;
    if (files::ReadRegularFile(candidate, held, ignored) && held == picture.bytes) {
      return {candidate, true};
    }
  }
}

// The picture written into the folder, or why it could not be.
std::string StorePicture(const fs::path& folder, int design, const DesignPicture& picture,
                         fs::path& stored) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec) && !fs::create_directories(folder, ec) && ec) {
    return "The folder " + folder.string() +
           " for the design's picture cannot be made: " + ec.message();
  }
  const PicturePlace place = PlacePicture(folder, design, picture);
  stored = place.path;
  if (place.present) {
    return {};
  }
  const std::string reason =
      WriteWhole(place.path, picture.bytes, files::ReplacingFile::Links::Replace);
  return reason.empty() ? reason
                        : "The picture " + place.path.string() + " cannot be written: " + reason;
}

}  // namespace

fs::path DesignPictureFolder(const settings::SettingsFile& settings) {
  std::error_code ec;
  const fs::path file = fs::absolute(settings.Path(), ec);
  return (ec ? settings.Path() : file).parent_path() / "pictures";
}

std::string ExportDesign(settings::SettingsFile& settings, int design, const fs::path& file,
                         std::vector<fs::path> protectedFiles) {
  DesignFileContent content{ReadDesignKeys(settings, design), std::nullopt};
  std::string& imagePath = ImagePathOf(content.keys);
  protectedFiles.push_back(settings.Path());
  protectedFiles.emplace_back(imagePath);
  if (const auto fault = print::ProtectedFileFault(file, {}, protectedFiles, "design file")) {
    return *fault;
  }
  if (!imagePath.empty()) {
    std::string bytes;
    std::string reason;
    if (!files::ReadRegularFile(imagePath, bytes, reason)) {
      return "The picture " + imagePath + " of custom label design " + std::to_string(design) +
             " cannot be read: " + reason;
    }
    imagePath = PlainName(imagePath);  // its folder is of this computer only
    content.picture = DesignPicture{imagePath, std::move(bytes)};
  }
  const std::string reason =
      WriteWhole(file, WriteDesignFile(content), files::ReplacingFile::Links::Follow);
  return reason.empty() ? reason
                        : "The design file " + file.string() + " cannot be written: " + reason;
}

SlotOutcome ImportDesign(settings::SettingsFile& settings, int design, const fs::path& file,
                         const fs::path& pictureFolder, bool replace) {
  const std::string cannot = "The design file " + file.string() + " cannot be read: ";
  std::error_code ec;
  if (const std::uintmax_t size = fs::file_size(file, ec); !ec && size > kLargestDesignFile) {
    // Some other file, which would be read whole before its first line is refused.
    return Failed(cannot + "at " + text::SizeText(size) + " it is larger than any design file");
  }
  std::string text;
  std::string reason;
  if (!files::ReadRegularFile(file, text, reason)) {
    return Failed(cannot + reason);
  }
  ParsedDesignFile parsed = ParseDesignFile(text);
  if (!parsed.content) {
    return Failed(cannot + parsed.error);
  }
  if (auto held = HeldDesign(settings, design, replace)) {
    return std::move(*held);
  }
  std::string& imagePath = ImagePathOf(parsed.content->keys);
  imagePath.clear();  // a name from another computer: only the picture in the file is printed
  if (parsed.content->picture) {
    fs::path stored;
    if (std::string failure = StorePicture(pictureFolder, design, *parsed.content->picture, stored);
        !failure.empty()) {
      return Failed(std::move(failure));
    }
    imagePath = stored.string();
  }
  return WriteSlot(settings, design, parsed.content->keys);
}

SlotOutcome CopyDesign(settings::SettingsFile& settings, int from, int to, bool replace) {
  if (auto held = HeldDesign(settings, to, replace)) {
    return std::move(*held);
  }
  return WriteSlot(settings, to, ReadDesignKeys(settings, from));
}

}  // namespace tavrilon::designs
