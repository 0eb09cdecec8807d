#pragma once

#include <optional>

#include <QColor>
#include <QFont>
#include <QString>

#include "session/UserInterface.h"

class QWidget;

namespace tavrilon::app {

// Everything the windows ask of the desktop or of the person in a dialog of
// the system's: message boxes, questions, input boxes, file dialogs, and
// opening documents and programs. The program uses QtDesktop; tests answer
// from a script, so that no dialog ever blocks a headless run.
class Desktop {
 public:
  virtual ~Desktop() = default;

  virtual void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) = 0;
  virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;
  // A box with the critical-stop icon titled "** WARNING **": with an OK
  // button, or asking Yes or No.
  virtual void ShowWarning(QWidget* parent, const QString& text) = 0;
  virtual bool AskWarning(QWidget* parent, const QString& text) = 0;
  // The system's font dialog with its effects (underline, strikethrough)
  // and a colour; nothing when cancelled.
  struct FontChoice {
    QFont font;
    QColor colour;
  };
  virtual std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& current) = 0;
  // The system's colour dialog; nothing when cancelled.
  virtual std::optional<QColor> ChooseColour(QWidget* parent, const QColor& current) = 0;
  virtual std::optional<QString> AskText(QWidget* parent, const QString& prompt,
                                         const QString& title) = 0;
  // `filter` in Qt's form, "ADIF Files (*.adi *.ADI)".
  virtual std::optional<QString> ChooseOpenFile(QWidget* parent, const QString& title,
                                                const QString& folder, const QString& filter) = 0;
  virtual std::optional<QString> ChooseSaveFile(QWidget* parent, const QString& title,
                                                const QString& suggestedPath,
                                                const QString& filter) = 0;
  virtual std::optional<QString> ChooseFolder(QWidget* parent, const QString& title,
                                              const QString& folder) = 0;
  // Opens a document in the desktop's program for it; false when none could.
  virtual bool OpenDocument(const QString& path) = 0;
  // Starts a program and does not wait for it; false when it could not start.
  virtual bool StartProgram(const QString& path) = 0;
  // Ends the program with `status` once the current command returns.
  virtual void EndProgram(int status) = 0;
};

}  // namespace tavrilon::app
