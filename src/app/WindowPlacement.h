#pragma once

class QWidget;

namespace tavrilon::app {

// Moves a window to the middle of its screen: (screen − window) / 2 on each
// axis, in whole pixels.
void CentreWindow(QWidget& window);

}  // namespace tavrilon::app
