// Tavrilon, the desktop program.
#include <QApplication>

#include "adif/FieldTable.h"
#include "app/MainWindow.h"
#include "app/QtDesktop.h"
#include "files/TemporaryFiles.h"
#include "qt/QtPrinterCatalog.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsLocation.h"
#include "shell/Session.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavrilon"));

  tavrilon::files::RemoveTemporaryFilesOnSignal();
  const std::filesystem::path programFolder = tavrilon::settings::ProgramFolder();
  const std::filesystem::path dataFolder =
      tavrilon::settings::DataFolder(programFolder, tavrilon::adif::kDictionaryFileName);
  const tavrilon::settings::SettingsPlace place =
      tavrilon::settings::DefaultSettingsFile(programFolder, dataFolder);
  tavrilon::Session session(programFolder, dataFolder, place.file);
  session.Start();

  tavrilon::qt::QtPrinterCatalog catalog;
  tavrilon::print::PrinterChoice printers(catalog);
  tavrilon::app::QtDesktop desktop;
  tavrilon::app::MainWindow window(session, printers, desktop);
  window.Start();
  if (!place.notice.empty()) {
    desktop.ShowMessage(&window, QString::fromStdString(place.notice), tavrilon::MessageIcon::None);
  }
  return QApplication::exec();
}
