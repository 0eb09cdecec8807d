// Any bytes parse; an unchanged parse gives them back; a key set reads back,
// from the parse and from its text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "settings/IniDocument.h"

namespace {

// A plain name or value made of a few bytes of the input.
std::string PlainText(std::string_view bytes, std::size_t length) {
  constexpr std::string_view kLetters = "abAB01 _-.";
  std::string out;
  for (std::size_t i = 0; i < length && i < bytes.size(); ++i) {
    out += kLetters[static_cast<unsigned char>(bytes[i]) % kLetters.size()];
  }
  // Blanks around a name or value do not count: keep them inside.
  return "x" + out + "x";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  tavrilon::settings::IniDocument document(input);
  Check(document.Serialize() == input);

  // The last bytes choose the names and value; the same letters in other
  // case or with blanks must reach the same key.
  const std::string_view tail = input.substr(size > 12 ? size - 12 : 0);
  const std::string section = PlainText(tail.substr(0, 4), 4);
  const std::string key = PlainText(tail.size() > 4 ? tail.substr(4, 4) : "", 4);
  const std::string value = PlainText(tail.size() > 8 ? tail.substr(8) : "", 4);
  Check(document.Set(section, key, value));
  Check(document.Get(section, key) == value);
  std::string otherCase = " " + key + " ";
  for (char& c : otherCase) {
    c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
  }
  Check(document.Get(section, otherCase) == value);

  const std::string text = document.Serialize();
  const tavrilon::settings::IniDocument reread(text);
  Check(reread.Get(section, key) == value);
  Check(reread.Serialize() == text);
  return 0;
}
