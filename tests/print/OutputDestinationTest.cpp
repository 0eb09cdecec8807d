#include <gtest/gtest.h>

#include "print/OutputDestination.h"
#include "support/TestSupport.h"

namespace tavrilon::print {
namespace {

// A write goes where the target's links lead, so that is what is checked.
TEST(OutputDestination, NeverReplacesTheLogOrAProtectedFileByAnyNameOrLink) {
  namespace fs = std::filesystem;
  test::TempDir dir;
  test::WriteFile(dir / "mylog.adi", "<EOH>\n");
  test::WriteFile(dir / "tavrilon.ini", "[Globals]\n");
  fs::create_directory(dir / "real");
  const struct {
    const char* target;
    const char* linkTo;  // nullptr: no link
    const char* fault;   // nullptr: may be written
  } cases[] = {
      {"sub/../mylog.adi", nullptr, "cannot be written over the log"},
      {"log.pdf", "mylog.adi", "cannot be written over the log"},
      {"ini.pdf", "tavrilon.ini", "tavrilon.ini: Tavrilon needs that file"},
      {"chain.pdf", "real/../ini.pdf", "tavrilon.ini: Tavrilon needs that file"},
      {"idx.pdf", "cache.idx", "cache.idx: Tavrilon needs that file"},  // not made yet
      {"gone.pdf", "gone/out.pdf", "gone does not exist"},              // the folder it leads into
      {"elsewhere.pdf", "real/out.pdf", nullptr},
  };
  for (const auto& c : cases) {
    if (c.linkTo) {
      fs::create_symlink(c.linkTo, dir / c.target);
    }
    const auto fault = OutputDestinationFault(dir / c.target, dir / "mylog.adi",
                                              {dir / "tavrilon.ini", dir / "cache.idx"});
    EXPECT_EQ(fault.has_value(), c.fault != nullptr) << c.target << ": " << fault.value_or("");
    if (fault && c.fault) {
      EXPECT_NE(fault->find(c.fault), std::string::npos) << *fault;
    }
  }
}

}  // namespace
}  // namespace tavrilon::print
