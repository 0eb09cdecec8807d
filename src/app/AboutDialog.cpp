#include "app/AboutDialog.h"

#include <unistd.h>

#include <cstdlib>

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/Desktop.h"
#include "app/DialogButtons.h"
#include "app/Pictures.h"
#include "app/QtText.h"
#include "shell/SystemInformation.h"
#include "version/VersionString.h"

namespace tavrilon::app {

AboutDialog::AboutDialog(Desktop& desktop, QWidget* parent) : QDialog(parent), desktop_(desktop) {
  setObjectName(QStringLiteral("frmAbout"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("About Tavrilon"));
  auto* layout = new QGridLayout(this);

  auto* picIcon = new QLabel;
  picIcon->setObjectName(QStringLiteral("picIcon"));
  picIcon->setPixmap(PictureIcon(Picture::Program).pixmap(64, 64));
  layout->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);

  auto* lblTitle = new QLabel(QStringLiteral("Tavrilon"));
  lblTitle->setObjectName(QStringLiteral("lblTitle"));
  QFont titleFont = lblTitle->font();
  titleFont.setPointSize(titleFont.pointSize() + 6);
  titleFont.setBold(true);
  lblTitle->setFont(titleFont);
  layout->addWidget(lblTitle, 0, 1);

  lblVersion_ = new QLabel(QStringLiteral("Version ") + ToQString(VersionString()));
  lblVersion_->setObjectName(QStringLiteral("lblVersion"));
  layout->addWidget(lblVersion_, 1, 1);

  auto* lblDescription =
      new QLabel(tr("QSL labels, printed logbooks and HTML logbooks from your ADIF log."));
  lblDescription->setObjectName(QStringLiteral("lblDescription"));
  lblDescription->setWordWrap(true);
  layout->addWidget(lblDescription, 2, 1);

  auto* line = new QFrame;
  line->setObjectName(QStringLiteral("Line1"));
  line->setFrameShape(QFrame::HLine);
  layout->addWidget(line, 3, 0, 1, 2);

  const ButtonRow buttons =
      MakeButtonRow({{"cmdOK", tr("OK")}, {"cmdSysInfo", tr("&System Info...")}});
  layout->addLayout(buttons.layout, 4, 0, 1, 2);
  QPushButton* cmdOK = buttons.buttons[0];
  QPushButton* cmdSysInfo = buttons.buttons[1];
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
  connect(cmdSysInfo, &QPushButton::clicked, this, &AboutDialog::StartSysInfo);
}

void AboutDialog::SetVersionText(const QString& text) {
  lblVersion_->setText(text);
}

void AboutDialog::StartSysInfo() {
  const char* path = std::getenv("PATH");
  const auto program = shell::FindSystemInformationProgram(
      path != nullptr ? path : "", [](const std::filesystem::path& candidate) {
        std::error_code ec;
        return std::filesystem::is_regular_file(candidate, ec) &&
               ::access(candidate.c_str(), X_OK) == 0;
      });
  if (!program || !desktop_.StartProgram(ToQString(program->string()))) {
    desktop_.ShowMessage(this, ToQString(shell::kSystemInformationUnavailable), MessageIcon::None);
  }
}

}  // namespace tavrilon::app
