#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace tavrilon::app {

// The core holds text as UTF-8.
inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToUtf8(const QString& text) {
  return text.toStdString();
}

}  // namespace tavrilon::app
