#include "app/SheetFinder.h"

#include <QCompleter>

#include "app/QtText.h"

namespace tavrilon::app {

namespace {

// More would only slow the list down; a longer text narrows it.
constexpr std::size_t kMostOffered = 200;

QString Shown(const sheets::DatabaseSheet& sheet) {
  QString shown = ToQString(sheet.sheet.name) + QStringLiteral("  -  ") + ToQString(sheet.sizeText);
  if (sheet.sheet.paper) {
    shown += QStringLiteral(", ") + ToQString(sheet.sheet.paper->name);
  }
  if (!sheet.description.empty()) {
    shown += QStringLiteral(", ") + ToQString(sheet.description);
  }
  return shown;
}

}  // namespace

SheetFinder::SheetFinder(std::function<const sheets::SheetDatabase&()> database, QWidget* parent)
    : QLineEdit(parent), database_(std::move(database)), model_(new QStringListModel(this)) {
  setPlaceholderText(tr("Find a sheet: brand, part, size..."));
  setClearButtonEnabled(true);
  auto* completer = new QCompleter(model_, this);
  // The database's own search picks the matches; the list shows them as they are.
  completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer->setMaxVisibleItems(12);
  setCompleter(completer);
  connect(this, &QLineEdit::textEdited, this, &SheetFinder::Offer);
  connect(completer, qOverload<const QString&>(&QCompleter::activated), this, &SheetFinder::Choose);
  connect(this, &QLineEdit::returnPressed, this, [this] { Choose(text()); });
}

void SheetFinder::Offer(const QString& text) {
  QStringList shown;
  offeredNames_.clear();
  if (!text.trimmed().isEmpty()) {
    for (const sheets::DatabaseSheet* sheet : database_().Search(ToUtf8(text))) {
      if (offeredNames_.size() == kMostOffered) {
        break;
      }
      shown << Shown(*sheet);
      offeredNames_.push_back(sheet->sheet.name);
    }
  }
  model_->setStringList(shown);
  if (!shown.isEmpty()) {
    completer()->complete();
  }
}

void SheetFinder::Choose(const QString& shown) {
  const qsizetype row = model_->stringList().indexOf(shown);
  std::string name;
  if (row >= 0) {
    name = offeredNames_[static_cast<std::size_t>(row)];
  } else if (const sheets::DatabaseSheet* sheet = database_().Find(ToUtf8(shown))) {
    name = sheet->sheet.name;
  } else {
    return;
  }
  setText(ToQString(name));
  emit SheetChosen(ToQString(name));
}

}  // namespace tavrilon::app
