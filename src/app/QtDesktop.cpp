#include "app/QtDesktop.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QIcon>
#include <QInputDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

namespace tavrilon::app {

namespace {
const QString kTitle = QStringLiteral("Tavrilon");
const QString kWarningTitle = QStringLiteral("** WARNING **");

QIcon Swatch(const QColor& colour) {
  QPixmap swatch(16, 16);
  swatch.fill(colour);
  return QIcon(swatch);
}
}  // namespace

void QtDesktop::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                  kTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

bool QtDesktop::AskYesNo(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, kTitle, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void QtDesktop::ShowWarning(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, kWarningTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

bool QtDesktop::AskWarning(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, kWarningTitle, text, QMessageBox::Yes | QMessageBox::No,
                  parent);
  return box.exec() == QMessageBox::Yes;
}

std::optional<Desktop::FontChoice> QtDesktop::ChooseFont(QWidget* parent,
                                                         const FontChoice& current) {
  QFontDialog dialog(current.font, parent);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  QColor colour = current.colour;
  // Qt's font dialog has no colour: its effects box gets a button for one.
  for (auto* box : dialog.findChildren<QGroupBox*>()) {
    if (box->layout() != nullptr && !box->findChildren<QCheckBox*>().isEmpty()) {
      auto* choose = new QPushButton(Swatch(colour), QObject::tr("Colour..."), box);
      choose->setObjectName(QStringLiteral("cmdFontColour"));
      choose->setAutoDefault(false);
      QObject::connect(choose, &QPushButton::clicked, &dialog, [this, &dialog, &colour, choose] {
        if (const auto chosen = ChooseColour(&dialog, colour)) {
          colour = *chosen;
          choose->setIcon(Swatch(colour));
        }
      });
      box->layout()->addWidget(choose);
      break;
    }
  }
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return FontChoice{dialog.selectedFont(), colour};
}

std::optional<QColor> QtDesktop::ChooseColour(QWidget* parent, const QColor& current) {
  const QColor chosen = QColorDialog::getColor(current, parent);
  return chosen.isValid() ? std::optional(chosen) : std::nullopt;
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

std::optional<QString> QtDesktop::ChooseFolder(QWidget* parent, const QString& title,
                                               const QString& folder) {
  const QString path = QFileDialog::getExistingDirectory(parent, title, folder);
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
