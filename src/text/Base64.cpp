#include "text/Base64.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tavrilon::text {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kLineLength = 76;
constexpr int kNotInAlphabet = -1;

constexpr std::array<int, 256> kValues = [] {
  std::array<int, 256> values{};
  values.fill(kNotInAlphabet);
  for (std::size_t i = 0; i < kAlphabet.size(); ++i) {
    values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int>(i);
  }
  return values;
}();

// A character as a person reads it in a message: itself when printable,
// its code otherwise.
std::string Shown(unsigned char c) {
  if (c >= 0x20 && c < 0x7F) {
    return std::string("\"") + static_cast<char>(c) + "\"";
  }
  constexpr std::string_view kHex = "0123456789ABCDEF";
  return std::string("byte 0x") + kHex[c >> 4] + kHex[c & 0xF];
}

}  // namespace

std::string EncodeBase64(std::string_view bytes) {
  std::string plain;
  plain.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t taken = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t group = 0;
    for (std::size_t j = 0; j < 3; ++j) {
      group = (group << 8) | (j < taken ? static_cast<unsigned char>(bytes[i + j]) : 0U);
    }
    for (std::size_t j = 0; j < 4; ++j) {
      plain += j <= taken ? kAlphabet[(group >> (18 - 6 * j)) & 0x3F] : '=';
    }
  }
  std::string lines;
  lines.reserve(plain.size() + plain.size() / kLineLength + 1);
  for (std::size_t i = 0; i < plain.size(); i += kLineLength) {
    lines.append(plain, i, kLineLength).append(1, '\n');
  }
  return lines;
}

std::optional<std::string> DecodeBase64(std::string_view text, std::string& reason) {
  std::string bytes;
  std::uint32_t group = 0;
  std::size_t count = 0;  // characters of the alphabet and "=", line ends not counted
  std::size_t padding = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
      continue;
    }
    const auto at = [i] { return " at character " + std::to_string(i + 1); };
    const int value = kValues[c];
    if (c == '=') {
      // Only the third and fourth of the last group may be padding.
      if (count % 4 < 2) {
        reason = "\"=\"" + at() + " stands where a character of the alphabet must";
        return std::nullopt;
      }
      ++padding;
    } else if (value == kNotInAlphabet) {
      reason = Shown(c) + at() + " is not base64";
      return std::nullopt;
    } else if (padding > 0) {
      reason = Shown(c) + at() + " follows the \"=\" that ends the text";
      return std::nullopt;
    }
    group = (group << 6) | static_cast<std::uint32_t>(padding > 0 ? 0 : value);
    if (++count % 4 == 0) {
      for (int shift = 16; shift >= 0; shift -= 8) {
        bytes += static_cast<char>((group >> shift) & 0xFF);
      }
      group = 0;
    }
  }
  if (count % 4 != 0) {
    reason = std::to_string(count) + " characters are no whole number of groups of 4";
    return std::nullopt;
  }
  bytes.resize(bytes.size() - padding);  // each "=" stands for a byte the text does not hold
  return bytes;
}

}  // namespace tavrilon::text
