#include <gtest/gtest.h>

#include "designs/DesignHistory.h"
#include "designs/DesignKeys.h"
#include "support/TestSupport.h"

namespace tavrilon::designs {
namespace {

DesignKeys With(std::string value) {
  return {{"Field1Horiz", std::move(value)}};
}

TEST(DesignHistory, StepsBackAndForthAndForgetsTheWayForwardAfterAChange) {
  DesignHistory history(With("0"));
  history.Changed(With("0"));  // nothing changed: no step
  EXPECT_FALSE(history.CanUndo());
  history.Changed(With("0.5"));
  history.Changed(With("0.51"));
  EXPECT_EQ(history.Undo(), With("0.5"));
  EXPECT_EQ(history.Undo(), With("0"));
  EXPECT_FALSE(history.Undo());
  EXPECT_EQ(history.Redo(), With("0.5"));
  history.Changed(With("1"));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.Undo(), With("0.5"));
}

TEST(DesignHistory, KeystrokesInOneBoxAreOneStep) {
  DesignHistory history(With(""));
  history.Changed(With("1"), "txtName");
  history.Changed(With("12"), "txtName");
  history.Changed(With("123"), "txtMultiDx");
  EXPECT_EQ(history.Undo(), With("12"));
  EXPECT_EQ(history.Undo(), With(""));
  // After an undo, typing in the same box again begins a step of its own.
  history.Changed(With("9"), "txtName");
  history.Changed(With("98"), "txtName");
  EXPECT_EQ(history.Undo(), With(""));
}

TEST(DesignKeys, AllKeysOfADesignAreReadWrittenAndJudged) {
  test::TempDir dir;
  settings::SettingsFile settings(dir / "tavrilon.ini");
  EXPECT_EQ(DesignKeyNames().size(), 10U + 15 * 14);
  DesignKeys keys = ReadDesignKeys(settings, 3);
  EXPECT_FALSE(HoldsDesign(keys));
  for (auto& [key, value] : keys) {
    if (key == "Field15Align") {
      value = "Center";
    } else if (key == "Field2Condition") {
      value = "|Equal|||";  // the options dialog's "none": holds nothing
    }
  }
  EXPECT_FALSE(HoldsDesign(keys));
  ASSERT_TRUE(WriteDesignKeys(settings, 3, keys));
  EXPECT_EQ(ReadDesignKeys(settings, 3), keys);
  EXPECT_EQ(settings.ReadSetting("Custom Label Layout-3", "Field1ADIF", "<missing>"), "<missing>");
  keys.front().value = "Club";  // a name alone is a design, but lays out nothing
  EXPECT_TRUE(HoldsDesign(keys));
  EXPECT_FALSE(HoldsLayout(keys));
  keys[DesignKeyNames().size() - 14].value = "CALL";  // Field15ADIF
  EXPECT_TRUE(HoldsLayout(keys));
}

}  // namespace
}  // namespace tavrilon::designs
