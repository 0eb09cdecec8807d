#pragma once

#include <string>
#include <string_view>

namespace tavrilon::batch {

// Appends `value` as a JSON string (quotes included). The text is UTF-8.
void AppendJsonString(std::string& out, std::string_view value);

}  // namespace tavrilon::batch
