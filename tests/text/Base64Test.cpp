#include <gtest/gtest.h>

#include "text/Base64.h"

namespace tavrilon::text {
namespace {

std::optional<std::string> Decoded(std::string_view text) {
  std::string reason;
  return DecodeBase64(text, reason);
}

TEST(Base64, EncodesAndDecodesTheRfcVectors) {
  const std::pair<std::string_view, std::string_view> vectors[] = {{"", ""},
                                                                   {"f", "Zg=="},
                                                                   {"fo", "Zm8="},
                                                                   {"foo", "Zm9v"},
                                                                   {"foob", "Zm9vYg=="},
                                                                   {"fooba", "Zm9vYmE="},
                                                                   {"foobar", "Zm9vYmFy"}};
  for (const auto& [bytes, text] : vectors) {
    EXPECT_EQ(EncodeBase64(bytes), text.empty() ? "" : std::string(text) + "\n") << bytes;
    EXPECT_EQ(Decoded(text), bytes) << text;
  }
}

TEST(Base64, EveryByteValueComesBackThroughLinesOf76) {
  std::string bytes;
  for (int value = 0; value < 256; ++value) {
    bytes += static_cast<char>(value);
  }
  const std::string text = EncodeBase64(bytes);
  EXPECT_EQ(text.find('\n'), 76U);
  EXPECT_EQ(text.back(), '\n');
  EXPECT_EQ(Decoded(text), bytes);
  std::string crlf;
  for (const char c : text) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  }
  EXPECT_EQ(Decoded(crlf), bytes);
}

TEST(Base64, RefusesWithAReason) {
  const std::pair<std::string_view, std::string_view> refused[] = {
      {"Zm9v!", "\"!\" at character 5 is not base64"},
      {"Zm 9v", "\" \" at character 3 is not base64"},
      {"Zm9vY", "5 characters are no whole number of groups of 4"},
      {"Zg==Zg==", "\"Z\" at character 5 follows the \"=\" that ends the text"},
      {"Z===", "\"=\" at character 2 stands where a character of the alphabet must"},
      {"Zm\r9v", "byte 0x0D at character 3 is not base64"},
  };
  for (const auto& [text, why] : refused) {
    std::string reason;
    EXPECT_FALSE(DecodeBase64(text, reason)) << text;
    EXPECT_EQ(reason, why);
  }
}

}  // namespace
}  // namespace tavrilon::text
