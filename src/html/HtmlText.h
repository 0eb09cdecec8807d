#pragma once

#include <string>
#include <string_view>

namespace tavrilon::html {

// Appends UTF-8 text as the page holds it: the page declares windows-1252,
// so the characters of that code page go in as its bytes and every other
// character as a numeric character reference; "&", "<", ">" and '"' become
// entities, so that no value can break the markup.
void AppendHtmlText(std::string_view utf8, std::string& page);

}  // namespace tavrilon::html
