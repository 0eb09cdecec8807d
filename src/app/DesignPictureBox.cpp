#include "app/DesignPictureBox.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/CustomLabelLayoutForm.h"
#include "app/Desktop.h"
#include "app/QtText.h"
#include "designs/DesignSettings.h"
#include "qt/QtPrintSurface.h"

namespace tavrilon::app {

DesignPictureBox::DesignPictureBox(settings::SettingsFile& settings, int design, Desktop& desktop,
                                   const CustomLabelLayoutForm& form, QWidget& window,
                                   std::function<void(std::string_view typing)> stored)
    : settings_(settings),
      design_(design),
      desktop_(desktop),
      form_(form),
      window_(window),
      stored_(stored),
      size_(settings, design,
            {TextKey(form.txtImageWidth, settings::kDesignImageWidth),
             TextKey(form.txtImageHeight, settings::kDesignImageHeight)},
            stored) {
  connect(form.chkPrintQSL, &QCheckBox::toggled, this, &DesignPictureBox::ShowPicture);
  connect(form.cmdSelectQSLImg, &QPushButton::clicked, this, &DesignPictureBox::SelectPicture);
}

void DesignPictureBox::Load() {
  const std::string path = designs::ReadCustomLabelDesign(settings_, design_).imagePath;
  // Undo may take the design back to no picture.
  if (path.empty() || !LoadPicture(ToQString(path), false)) {
    form_.picQSLCard->clear();
  }
}

bool DesignPictureBox::LoadPicture(const QString& path, bool tellFailure) {
  std::string reason;
  const QImage picture = qt::ReadPictureFile(ToUtf8(path), reason);
  if (picture.isNull()) {
    if (tellFailure) {
      desktop_.ShowMessage(&window_,
                           tr("The picture %1 cannot be read: %2").arg(path, ToQString(reason)),
                           MessageIcon::None);
    }
    return false;
  }
  form_.picQSLCard->setPixmap(QPixmap::fromImage(picture));
  return true;
}

void DesignPictureBox::ShowPicture(bool ticked) {
  QLabel* shown = form_.imgQSLCard;
  if (!ticked) {
    shown->clear();
    return;
  }
  const QPixmap& picture = form_.picQSLCard->pixmap();
  shown->setPixmap(picture.isNull() ? QPixmap()
                                    : picture.scaled(shown->size(), Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation));
  size_.Load();
}

void DesignPictureBox::SelectPicture() {
  const QString current = ToQString(designs::ReadCustomLabelDesign(settings_, design_).imagePath);
  const auto path = desktop_.ChooseOpenFile(
      &window_, tr("Load QSL Image File"),
      current.isEmpty() ? QString() : QFileInfo(current).path(),
      tr("BMP Files (*.bmp *.BMP);;Pictures (*.bmp *.BMP *.png *.PNG *.jpg *.JPG *.jpeg "
         "*.JPEG);;All Files (*)"));
  if (!path || !LoadPicture(*path, true)) {
    return;
  }
  form_.imgQSLCard->setPixmap(form_.picQSLCard->pixmap().scaled(
      form_.imgQSLCard->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  settings_.WriteSetting(settings::DesignKey(design_, settings::kDesignImagePath),
                         ToUtf8(QFileInfo(*path).absoluteFilePath()));
  stored_({});
}

}  // namespace tavrilon::app
