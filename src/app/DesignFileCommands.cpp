#include "app/DesignFileCommands.h"

#include <utility>

#include <QFileInfo>

#include "app/Desktop.h"
#include "app/QtText.h"
#include "designs/DesignFile.h"
#include "settings/SettingsKeys.h"

namespace tavrilon::app {

namespace {

QString Filter() {
  return QStringLiteral("Tavrilon Design (*%1)").arg(ToQString(designs::kDesignFileExtension));
}

}  // namespace

DesignFileCommands::DesignFileCommands(settings::SettingsFile& settings, Desktop& desktop,
                                       std::filesystem::path pictureFolder)
    : settings_(settings), desktop_(desktop), pictureFolder_(std::move(pictureFolder)) {}

bool DesignFileCommands::ExportDesign(QWidget* parent, int design,
                                      std::vector<std::filesystem::path> protectedFiles) {
  QString suggested =
      ToQString(settings_.ReadSetting(settings::DesignKey(design, settings::kDesignName), ""));
  suggested.replace(QLatin1Char('/'), QLatin1Char('-'));
  if (suggested.isEmpty()) {
    suggested = QStringLiteral("design%1").arg(design);
  }
  const auto chosen =
      desktop_.ChooseSaveFile(parent, QStringLiteral("Export Design"),
                              suggested + ToQString(designs::kDesignFileExtension), Filter());
  if (!chosen) {
    return false;
  }
  QString file = *chosen;
  if (QFileInfo(file).suffix().isEmpty()) {
    file += ToQString(designs::kDesignFileExtension);
  }
  const std::string failure =
      designs::ExportDesign(settings_, design, ToUtf8(file), std::move(protectedFiles));
  if (!failure.empty()) {
    desktop_.ShowMessage(parent, ToQString(failure), MessageIcon::Critical);
  }
  return failure.empty();
}

bool DesignFileCommands::ImportDesign(QWidget* parent, int design) {
  const auto chosen =
      desktop_.ChooseOpenFile(parent, QStringLiteral("Import Design"), QString(), Filter());
  if (!chosen) {
    return false;
  }
  const std::filesystem::path file = ToUtf8(*chosen);
  return ChangeSlot(parent, [&](bool replace) {
    return designs::ImportDesign(settings_, design, file, pictureFolder_, replace);
  });
}

std::optional<int> DesignFileCommands::CopyDesign(QWidget* parent, int from) {
  const QString others = from == 1   ? QStringLiteral("2 or 3")
                         : from == 2 ? QStringLiteral("1 or 3")
                                     : QStringLiteral("1 or 2");
  const auto answer = desktop_.AskText(
      parent, QStringLiteral("Copy custom label design %1 to design (%2):").arg(from).arg(others),
      QStringLiteral("Copy Design"));
  if (!answer || answer->trimmed().isEmpty()) {
    return std::nullopt;
  }
  bool number = false;
  const int to = answer->trimmed().toInt(&number);
  if (!number || to < 1 || to > settings::kDesignCount || to == from) {
    desktop_.ShowMessage(parent,
                         QStringLiteral("\"%1\" is not design %2.").arg(answer->trimmed(), others),
                         MessageIcon::None);
    return std::nullopt;
  }
  if (!ChangeSlot(parent, [&](bool replace) {
        return designs::CopyDesign(settings_, from, to, replace);
      })) {
    return std::nullopt;
  }
  return to;
}

bool DesignFileCommands::ChangeSlot(QWidget* parent,
                                    const std::function<designs::SlotOutcome(bool)>& change) {
  designs::SlotOutcome outcome = change(false);
  if (outcome.change == designs::SlotChange::SlotHoldsDesign) {
    if (!desktop_.AskYesNo(parent, ToQString(outcome.message + " Replace it?"))) {
      return false;
    }
    outcome = change(true);
  }
  if (outcome.change == designs::SlotChange::Failed) {
    desktop_.ShowMessage(parent, ToQString(outcome.message), MessageIcon::Critical);
  }
  return outcome.change == designs::SlotChange::Done;
}

}  // namespace tavrilon::app
