#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "settings/IniDocument.h"

namespace tavrilon::settings {
namespace {

using namespace std::string_view_literals;

TEST(IniDocument, GivesBackAnyTextItDidNotChange) {
  for (std::string_view text : {""sv, "[a]\r\nk=v\r\n"sv, "[a]\nk=v"sv, "[a]\nk=v\r"sv, "x=y\n[a"sv,
                                "; c\n\n [a] \n k = v \nno equals\n[A]\nk=w\n"sv,
                                "\0[\xff]=\n\r\r\n\n"sv, "\xEF\xBB\xBF[a]\nk=v\n"sv}) {
    EXPECT_EQ(IniDocument(text).Serialize(), text);
  }
}

TEST(IniDocument, Get) {
  const struct {
    const char* why;
    std::string_view text, section, key;
    std::optional<std::string> expected;
  } cases[] = {
      {"names ignore case", "[Log]\nADIFile=a.adi\n", "log", "adifile", "a.adi"},
      {"blanks around names and value", " [ Log ] \n  ADIFile  =  a b  \n", "Log", "ADIFile",
       "a b"},
      {"present but empty", "[Log]\nk=\n", "Log", "k", ""},
      {"missing key", "[Log]\nk=v\n", "Log", "j", std::nullopt},
      {"first key wins", "[Log]\nk=1\nK=2\n", "Log", "k", "1"},
      {"first section wins", "[Log]\na=1\n[LOG]\nk=2\n", "Log", "k", std::nullopt},
      {"keys before any section belong to none", "k=v\n[Log]\n", "Log", "k", std::nullopt},
      {"comment", "[Log]\n ;k=v\n", "Log", ";k", std::nullopt},
      {"later equals signs are value", "[Log]\nk=a=b\n", "Log", "k", "a=b"},
      {"CR LF", "[Log]\r\nk=v\r\n", "Log", "k", "v"},
      {"text after the bracket", "[Log] ; old\nk=v\n", "Log", "k", "v"},
      {"a bracket left open", "[Log\nk=v\n", "Log", "k", std::nullopt},
      {"a byte-order mark first", "\xEF\xBB\xBF[Log]\nk=v\n", "Log", "k", "v"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IniDocument(c.text).Get(c.section, c.key), c.expected) << c.why;
  }
}

TEST(IniDocument, Set) {
  const struct {
    const char* why;
    std::string_view before, section, key, after;
  } cases[] = {
      {"in place, keeping the key's spelling and line end", "[Log]\r\n  AdiFile = old \r\n;c\r\n",
       "LOG", "ADIFile", "[Log]\r\n  AdiFile = new\r\n;c\r\n"},
      {"after the last key, not after comments", "[a]\nk=1\n; c\n\n[b]\n", "a", "j",
       "[a]\nk=1\nj=new\n; c\n\n[b]\n"},
      {"right after a section without keys", "[a]\n; c\n", "a", "j", "[a]\nj=new\n; c\n"},
      {"a new section at the end, with the file's line ends", "x\r\n[a]\r\nk=1\r\n", "b", "j",
       "x\r\n[a]\r\nk=1\r\n[b]\r\nj=new\r\n"},
      {"a new key where the file had no last line end", "[a]\nk=1", "a", "j", "[a]\nk=1\nj=new"},
      {"a last line ending in CR alone", "[a]\nk=1\r", "a", "j", "[a]\nk=1\r\nj=new"},
      {"an empty file", "", "a", "k", "[a]\nk=new\n"},
      {"the first of two equal sections", "[a]\nk=1\n[A]\nk=2\n", "a", "k",
       "[a]\nk=new\n[A]\nk=2\n"},
  };
  for (const auto& c : cases) {
    IniDocument document(c.before);
    EXPECT_TRUE(document.Set(c.section, c.key, "new")) << c.why;
    EXPECT_EQ(document.Serialize(), c.after) << c.why;
    EXPECT_EQ(document.Get(c.section, c.key), "new") << c.why;
  }
}

// Each refusal says why: a printer's name, say, is a key of its own.
TEST(IniDocument, RefusesWhatWouldNotReadBack) {
  const std::string_view refused[][4] = {{"a\n", "k", "v", "line break"},
                                         {"a]", "k", "v", "holds \"]\""},
                                         {"a", "HP=2", "v", "\"HP=2\" holds \"=\""},
                                         {"a", " ;k", "v", "as a comment"},
                                         {"a", "[k", "v", "begins with \"[\""},
                                         {"a", "k", "v\r", "line break"}};
  for (const auto& [section, key, value, why] : refused) {
    IniDocument document("[a]\nk=1\n");
    EXPECT_FALSE(document.Set(section, key, value)) << section << "/" << key << "/" << value;
    EXPECT_EQ(document.Serialize(), "[a]\nk=1\n");
    EXPECT_NE(WhyNotStorable(section, key, value).find(why), std::string::npos) << why;
  }
  EXPECT_EQ(WhyNotStorable("a", "HP[2]", "x=[y]"), "");
}

}  // namespace
}  // namespace tavrilon::settings
