#pragma once

#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "app/ScriptedDesktop.h"
#include "print/PrinterChoice.h"
#include "support/TestSupport.h"

namespace tavrilon::app {

class FakeCatalog : public print::PrinterCatalog {
 public:
  std::vector<std::string> InstalledPrinters() const override {
    return {"Office_Laser", std::string(print::kPdfPrinterName)};
  }
  std::string SystemDefaultPrinter() const override { return "Office_Laser"; }
};

// The open windows named `name`, and the first of them.
inline QList<QWidget*> OpenWindows(const char* name) {
  QList<QWidget*> open = QApplication::topLevelWidgets();
  open.removeIf([name](const QWidget* w) { return w->objectName() != name || !w->isVisible(); });
  return open;
}
inline QWidget* TopLevel(const char* name) {
  return OpenWindows(name).value(0);
}

template <typename T>
T* Child(const QObject* parent, const QString& name) {
  T* widget = parent->findChild<T*>(name);
  EXPECT_NE(widget, nullptr) << name.toStdString();
  return widget;
}
inline void Click(const QObject* parent, const char* button) {
  QTest::mouseClick(Child<QAbstractButton>(parent, button), Qt::LeftButton);
}

// Answers the modal dialog `name` once it is open: looks for it until it is.
inline void WhenOpen(const char* name, std::function<void(QWidget*)> answer, int tries = 500) {
  QTimer::singleShot(10, [name, answer, tries] {
    if (QWidget* dialog = TopLevel(name)) {
      answer(dialog);
    } else if (tries > 0) {
      WhenOpen(name, answer, tries - 1);
    } else {
      ADD_FAILURE() << name << " never opened";
    }
  });
}

inline void CloseTopLevels() {
  QApplication::closeAllWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

// One start of the desktop program on a program folder of its own.
class MainWindowTest : public ::testing::Test {
 protected:
  ~MainWindowTest() override { CloseTopLevels(); }

  MainWindow& StartWindow() {
    CloseTopLevels();
    session_ = std::make_unique<Session>(dir_.path(), dir_.path(), settingsPath_);
    session_->Start();
    printers_ = std::make_unique<print::PrinterChoice>(catalog_);
    window_ = std::make_unique<MainWindow>(*session_, *printers_, desktop_);
    window_->Start();
    return *window_;
  }

  // A start with the dictionary (again, if a test removed it), `log` as the input
  // file of labels and logbook, and the PDF printer stored unless told otherwise.
  void StartWithLog(const std::string& log, bool printerStored = true) {
    std::filesystem::copy_file(test::ShippedDictionary(), dir_.Dictionary(),
                               std::filesystem::copy_options::overwrite_existing);
    test::WriteFile(dir_ / "mylog.adi", log);
    StartWindow();
    for (const char* section : {"Log", "QSL Labels"}) {
      session_->Settings().WriteSetting(section, "ADIFile", (dir_ / "mylog.adi").string());
    }
    session_->Settings().WriteSetting("Globals", "Printer", printerStored ? "Tavrilon PDF" : "");
    StartWindow();
  }

  template <typename T>
  T* Find(const char* name) {
    return Child<T>(window_.get(), name);
  }
  QString Status() { return Find<QLabel>("StatusText")->text(); }
  // The status before the account of what a run chose and printed.
  QString StatusHead() { return Status().section(u':', 0, 0); }
  std::string Setting(const char* section, const char* key) {
    return session_->Settings().ReadSetting(section, key, "<missing>");
  }
  QString Path(const char* name) { return QString::fromStdString((dir_ / name).string()); }

  test::ProgramFolder dir_;
  std::filesystem::path settingsPath_ = dir_ / "tavrilon.ini";
  FakeCatalog catalog_;
  test::ScriptedDesktop desktop_;
  std::unique_ptr<Session> session_;
  std::unique_ptr<print::PrinterChoice> printers_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace tavrilon::app
