#pragma once

#include <QString>

namespace tavrilon::app {

// Gives a window's control its design name, which tests find it by.
template <typename T>
T* Named(T* object, const char* name) {
  object->setObjectName(QString::fromLatin1(name));
  return object;
}

}  // namespace tavrilon::app
