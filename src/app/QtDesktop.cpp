#include "app/QtDesktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace tavrilon::app {

namespace {
const QString kTitle = QStringLiteral("Tavrilon");
}

void QtDesktop::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                  kTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

bool QtDesktop::AskYesNo(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, kTitle, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

std::optional<QString> QtDesktop::AskText(QWidget* parent, const QString& prompt,
                                          const QString& title) {
  bool ok = false;
  const QString answer = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, {}, &ok);
  return ok ? std::optional(answer) : std::nullopt;
}

std::optional<QString> QtDesktop::ChooseOpenFile(QWidget* parent, const QString& title,
                                                 const QString& folder, const QString& filter) {
  const QString path = QFileDialog::getOpenFileName(parent, title, folder, filter);
  return path.isEmpty() ? std::nullopt : std::optional(path);
}

std::optional<QString> QtDesktop::ChooseSaveFile(QWidget* parent, const QString& title,
                                                 const QString& suggestedPath,
                                                 const QString& filter) {
  const QString path = QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
  return path.isEmpty() ? std::nullopt : std::optional(path);
}

bool QtDesktop::OpenDocument(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDesktop::StartProgram(const QString& path) {
  return QProcess::startDetached(path, {});
}

void QtDesktop::EndProgram(int status) {
  QCoreApplication::exit(status);
}

}  // namespace tavrilon::app
