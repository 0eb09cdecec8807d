#pragma once

#include "app/Desktop.h"

namespace tavrilon::app {

class QtDesktop : public Desktop {
 public:
  void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) override;
  bool AskYesNo(QWidget* parent, const QString& text) override;
  void ShowWarning(QWidget* parent, const QString& text) override;
  bool AskWarning(QWidget* parent, const QString& text) override;
  std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& current) override;
  std::optional<QColor> ChooseColour(QWidget* parent, const QColor& current) override;
  std::optional<QString> AskText(QWidget* parent, const QString& prompt,
                                 const QString& title) override;
  std::optional<QString> ChooseOpenFile(QWidget* parent, const QString& title,
                                        const QString& folder, const QString& filter) override;
  std::optional<QString> ChooseFolder(QWidget* parent, const QString& title,
                                      const QString& folder) override;
  std::optional<QString> ChooseSaveFile(QWidget* parent, const QString& title,
                                        const QString& suggestedPath,
                                        const QString& filter) override;
  bool OpenDocument(const QString& path) override;
  bool StartProgram(const QString& path) override;
  void EndProgram(int status) override;
};

}  // namespace tavrilon::app
