#include <gtest/gtest.h>

#include "adif/FieldTable.h"
#include "designs/LabelSample.h"
#include "support/TestSupport.h"

namespace tavrilon::designs {
namespace {

// The editor shows the log's first label when there is one to show, and
// otherwise the bracketed contact with the reason.
TEST(LabelSample, TheEditorShowsTheLogsFirstLabelOrSaysWhyNot) {
  test::ProgramFolder dir;
  test::WriteFile(dir / "log.adi",
                  "<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>W1AW<EOR>\n<CALL:5>K1ABC<EOR>\n");
  test::WriteFile(dir / "empty.adi", "<EOH>\n");
  const std::string log = (dir / "log.adi").string();
  const std::string empty = (dir / "empty.adi").string();
  const std::string missing = (dir / "missing.adi").string();
  const std::string bracketed = ", so field names in brackets stand for a contact's values.";
  const struct {
    std::string log;
    bool dictionary;
    std::size_t contacts;
    const char* call;
    std::string note;  // its beginning
  } cases[] = {
      {log, true, 2, "W1AW", "The first label of " + log + "."},  // the calls that share it
      {"", true, 1, "[CALL]", "No label input file is chosen" + bracketed},
      {empty, true, 1, "[CALL]", empty + " holds no contacts" + bracketed},
      {missing, true, 1, "[CALL]", "The label file cannot be read: "},
      {log, false, 0, "", adif::DictionaryStopText("")},  // nothing to draw a contact from
  };
  for (const auto& c : cases) {
    const ShownSample shown =
        ChooseLabelSample(c.dictionary ? dir.Dictionary() : dir / "none.txt", c.log);
    ASSERT_EQ(shown.sample.contacts.size(), c.contacts) << c.log;
    if (c.contacts > 0) {
      EXPECT_EQ(shown.sample.contacts[0].StandardValue(adif::StandardField::Call), c.call);
    }
    EXPECT_EQ(shown.note.substr(0, c.note.size()), c.note) << c.log;
  }
}

}  // namespace
}  // namespace tavrilon::designs
