#pragma once

#include <functional>

#include <QObject>

#include "app/DesignKeyBinding.h"
#include "settings/SettingsFile.h"

class QWidget;

namespace tavrilon::app {

class Desktop;
struct CustomLabelLayoutForm;

// The design's picture: chosen from a file, shown small while "Check to
// print QSL image" is ticked, together with its size as stored, and cleared
// from sight when it is not. Every write is followed by `stored`.
class DesignPictureBox : public QObject {
  Q_OBJECT

 public:
  DesignPictureBox(settings::SettingsFile& settings, int design, Desktop& desktop,
                   const CustomLabelLayoutForm& form, QWidget& window,
                   std::function<void(std::string_view typing)> stored);

  // The stored picture; the label view tells why it cannot be read.
  void Load();

 private:
  bool LoadPicture(const QString& path, bool tellFailure);
  void ShowPicture(bool ticked);
  void SelectPicture();

  settings::SettingsFile& settings_;
  const int design_;
  Desktop& desktop_;
  const CustomLabelLayoutForm& form_;
  QWidget& window_;
  const std::function<void(std::string_view typing)> stored_;
  DesignKeyBinding size_;
};

}  // namespace tavrilon::app
