#include "adif/LoggedMode.h"

namespace tavrilon::adif {

std::string_view ModeAsLogged(const FieldTable& fields) {
  // Looked up among the dictionary loaded: a slot past it may keep a value
  // of an older one.
  if (const std::string_view submode = fields.FieldValue(fields.LookupFieldSlot("SUBMODE"));
      !submode.empty()) {
    return submode;
  }
  return fields.StandardValue(StandardField::Mode);
}

}  // namespace tavrilon::adif
