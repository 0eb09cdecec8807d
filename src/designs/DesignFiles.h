#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "settings/SettingsFile.h"

namespace tavrilon::designs {

// Where imported designs' pictures go: "pictures" beside the settings file.
std::filesystem::path DesignPictureFolder(const settings::SettingsFile& settings);

// Writes custom design `design` (1 to 3) to a design file, its picture in
// it, whole or not at all, never over one of `protectedFiles`
// (Session::ProtectedFiles), the settings file or the design's picture.
// Answers what went wrong, with the file's name and the system's reason, or
// nothing when it was written.
std::string ExportDesign(settings::SettingsFile& settings, int design,
                         const std::filesystem::path& file,
                         std::vector<std::filesystem::path> protectedFiles);

enum class SlotChange {
  Done,
  // The slot holds a design (HoldsDesign) and was not to be replaced: nothing changed.
  SlotHoldsDesign,
  Failed,
};
struct SlotOutcome {
  SlotChange change = SlotChange::Failed;
  std::string message;  // why, when it failed, with the file's name and the reason
};

// Fills custom design `design` from a design file. Its picture is written
// into `pictureFolder` (made when missing) as "design2-qsl.bmp" after the
// slot and its own name, and the design's "Image Path" names it; a file of
// that name holding other bytes, which another slot may print, is kept and
// the picture gets a name of its own.
SlotOutcome ImportDesign(settings::SettingsFile& settings, int design,
                         const std::filesystem::path& file,
                         const std::filesystem::path& pictureFolder, bool replace);

// Copies design `from` into slot `to`; both then print the same picture file.
SlotOutcome CopyDesign(settings::SettingsFile& settings, int from, int to, bool replace);

}  // namespace tavrilon::designs
