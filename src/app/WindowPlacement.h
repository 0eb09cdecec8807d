#pragma once

class QDialog;
class QWidget;

namespace tavrilon::app {

// Moves a window to the middle of its screen: (screen − window) / 2 on each
// axis, in whole pixels.
void CentreWindow(QWidget& window);

// A modal dialog at its own size in the middle of the screen, until it closes.
void RunCentred(QDialog& dialog);

}  // namespace tavrilon::app
