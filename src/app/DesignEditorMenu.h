#pragma once

#include <QCoreApplication>

class QAction;
class QWidget;

namespace tavrilon::app {

// The design editor's menu bar, put above the window's controls: undo and
// redo of the design's changes, and the design as a file to share. The
// window wires the entries.
struct DesignEditorMenu {
  Q_DECLARE_TR_FUNCTIONS(DesignEditorMenu)

 public:
  explicit DesignEditorMenu(QWidget& window);

  QAction* mnuUndo = nullptr;
  QAction* mnuRedo = nullptr;
  QAction* mnuExportDesign = nullptr;
  QAction* mnuImportDesign = nullptr;
  QAction* mnuCopyDesign = nullptr;
};

}  // namespace tavrilon::app
