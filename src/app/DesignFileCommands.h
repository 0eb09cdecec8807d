#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "designs/DesignFiles.h"
#include "settings/SettingsFile.h"

class QWidget;

namespace tavrilon::app {

class Desktop;

// The design editor's commands that take a custom design to a design file,
// bring one in, or copy it to another slot. A design already in the slot
// is replaced only when the person says so; every failure is said with the
// file and the reason.
class DesignFileCommands {
 public:
  // Imported pictures go into `pictureFolder` (designs::DesignPictureFolder).
  DesignFileCommands(settings::SettingsFile& settings, Desktop& desktop,
                     std::filesystem::path pictureFolder);

  // Whether the file was written; never over one of `protectedFiles`.
  bool ExportDesign(QWidget* parent, int design, std::vector<std::filesystem::path> protectedFiles);
  // Whether the slot changed.
  bool ImportDesign(QWidget* parent, int design);
  // Asks for the slot to copy `from` to; the slot when it changed.
  std::optional<int> CopyDesign(QWidget* parent, int from);

 private:
  // Runs `change` without replacing, and once more replacing when the slot
  // holds a design and the person agrees.
  bool ChangeSlot(QWidget* parent, const std::function<designs::SlotOutcome(bool)>& change);

  settings::SettingsFile& settings_;
  Desktop& desktop_;
  std::filesystem::path pictureFolder_;
};

}  // namespace tavrilon::app
