#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrilon::text {

// Bytes as base64 (RFC 4648, with "=" padding) in lines of 76 characters,
// each ending in "\n"; nothing for no bytes.
std::string EncodeBase64(std::string_view bytes);

// The bytes base64 text stands for; line ends ("\n", "\r\n") between its
// characters are passed over. Nothing, with `reason` saying why, for a
// character outside the alphabet, a "=" before the end, or a length that is
// not a multiple of 4.
std::optional<std::string> DecodeBase64(std::string_view text, std::string& reason);

}  // namespace tavrilon::text
