// Tavrilon, the desktop program.
#include <QApplication>

#include "app/MainWindow.h"
#include "app/QtDesktop.h"
#include "qt/QtPrinterCatalog.h"
#include "session/Session.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsLocation.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavrilon"));

  const std::filesystem::path programFolder = tavrilon::settings::ProgramFolder();
  tavrilon::Session session(programFolder, tavrilon::settings::DefaultSettingsFile(programFolder));
  session.Start();

  tavrilon::qt::QtPrinterCatalog catalog;
  tavrilon::print::PrinterChoice printers(catalog);
  tavrilon::app::QtDesktop desktop;
  tavrilon::app::MainWindow window(session, printers, desktop);
  window.Start();
  return QApplication::exec();
}
