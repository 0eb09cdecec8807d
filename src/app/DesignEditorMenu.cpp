#include "app/DesignEditorMenu.h"

#include <QAction>
#include <QLayout>
#include <QMenuBar>
#include <QWidget>

namespace tavrilon::app {

namespace {

QAction* Entry(QMenu& menu, const QString& caption, const char* name,
               const QKeySequence& shortcut = {}) {
  QAction* action = menu.addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(shortcut);
  return action;
}

}  // namespace

DesignEditorMenu::DesignEditorMenu(QWidget& window) {
  auto* bar = new QMenuBar(&window);
  window.layout()->setMenuBar(bar);
  QMenu& edit = *bar->addMenu(tr("&Edit"));
  edit.setObjectName(QStringLiteral("mnuEdit"));
  mnuUndo = Entry(edit, tr("&Undo"), "mnuUndo", QKeySequence::Undo);
  mnuRedo = Entry(edit, tr("&Redo"), "mnuRedo", QKeySequence(tr("Ctrl+Shift+Z")));
  QMenu& design = *bar->addMenu(tr("&Design"));
  design.setObjectName(QStringLiteral("mnuDesign"));
  mnuExportDesign = Entry(design, tr("&Export Design to File..."), "mnuExportDesign");
  mnuImportDesign = Entry(design, tr("&Import Design from File..."), "mnuImportDesign");
  mnuCopyDesign = Entry(design, tr("&Copy Design to Another..."), "mnuCopyDesign");
}

}  // namespace tavrilon::app
