#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <memory>

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

inline QWidget* TopLevel(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String(name) && w->isVisible()) {
      return w;
    }
  }
  return nullptr;
}

inline void CloseTopLevels() {
  QList<QPointer<QWidget>> windows;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    windows << w;
  }
  for (const QPointer<QWidget>& w : windows) {
    if (w != nullptr) {
      w->close();
    }
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

// One start of the desktop program on a program folder of its own.
class MainWindowTest : public ::testing::Test {
 protected:
  ~MainWindowTest() override { CloseTopLevels(); }

  MainWindow& StartWindow() {
    CloseTopLevels();
    session_ = std::make_unique<Session>(dir_.path(), settingsPath_);
    session_->Start();
    printers_ = std::make_unique<print::PrinterChoice>(catalog_);
    window_ = std::make_unique<MainWindow>(*session_, *printers_, desktop_);
    window_->Start();
    return *window_;
  }

  template <typename T>
  T* Find(const char* name) {
    T* widget = window_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  std::string Setting(const char* section, const char* key) {
    return session_->Settings().ReadSetting(section, key, "<missing>");
  }

  test::TempDir dir_;
  std::filesystem::path settingsPath_ = dir_ / "tavrilon.ini";
  FakeCatalog catalog_;
  test::ScriptedDesktop desktop_;
  std::unique_ptr<Session> session_;
  std::unique_ptr<print::PrinterChoice> printers_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace tavrilon::app
