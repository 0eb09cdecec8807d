#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QLineEdit>
#include <QStringListModel>

#include "sheets/SheetDatabase.h"

namespace tavrilon::app {

// A box that finds sheets of the label database as one types (brand, part
// number, size or description, any words in any order) and offers them in a
// list under it. Choosing one of the list, or typing a sheet's brand and part
// exactly and pressing Enter, chooses it.
class SheetFinder : public QLineEdit {
  Q_OBJECT

 public:
  // `database` is asked at the first keystroke, so reading it may go on
  // until then.
  explicit SheetFinder(std::function<const sheets::SheetDatabase&()> database,
                       QWidget* parent = nullptr);

  // The matches now offered, as shown.
  QStringList Offered() const { return model_->stringList(); }

 signals:
  void SheetChosen(const QString& brandAndPart);

 private:
  void Offer(const QString& text);
  void Choose(const QString& shown);

  std::function<const sheets::SheetDatabase&()> database_;
  QStringListModel* model_;
  std::vector<std::string> offeredNames_;  // the sheets offered, in the list's order
};

}  // namespace tavrilon::app
