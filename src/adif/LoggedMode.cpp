#include "adif/LoggedMode.h"

namespace tavrilon::adif {

std::string_view ModeAsLogged(const FieldTable& fields) {
  // Slot 0 holds every tag the dictionary lacks; a slot past the dictionary
  // loaded may keep a value of an older one.
  if (const std::size_t slot = fields.LookupFieldSlot("SUBMODE"); slot != 0) {
    if (const std::string_view submode = fields.Value(slot); !submode.empty()) {
      return submode;
    }
  }
  return fields.StandardValue(StandardField::Mode);
}

}  // namespace tavrilon::adif
