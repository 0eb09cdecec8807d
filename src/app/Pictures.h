#pragma once

#include <QIcon>

namespace tavrilon::app {

enum class Picture {
  Program,        // a QSL card with an antenna
  PrintLog,       // a logbook
  PrintPartLog,   // a logbook with a calendar
  PrintLogPage,   // a numbered page
  PrintLabels,    // a sheet of QSL labels
  ConvertToHtml,  // a globe: the web
  Exit,           // a door with an arrow
};

// The program's pictures, drawn rather than shipped as files, so they stay
// sharp at any size.
QIcon PictureIcon(Picture picture);

}  // namespace tavrilon::app
