#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "app/FieldPropertyPanel.h"
#include "app/MainWindowFixture.h"
#include "designs/DesignKeys.h"

namespace tavrilon::app {
namespace {

constexpr const char* kDesign = "Custom Label Layout-1";

class FieldPropertyPanelTest : public ::testing::Test {
 protected:
  FieldPropertyPanelTest() {
    for (const auto& [key, value] : {std::pair{"Field3ADIF", "CALL"},
                                     {"Field3Label", "QSL"},
                                     {"Field3Horiz", "1"},
                                     {"Field3FontSize", "12.0"}}) {
      settings_.WriteSetting(kDesign, key, value);
    }
    panel_.show();
  }
  // The design's keys that differ from `before`, as "key=value".
  QStringList Changed(const designs::DesignKeys& before) {
    QStringList changed;
    const designs::DesignKeys now = designs::ReadDesignKeys(settings_, 1);
    for (std::size_t i = 0; i < now.size(); ++i) {
      if (now[i] != before[i]) {
        changed << QString::fromStdString(now[i].key + "=" + now[i].value);
      }
    }
    return changed;
  }

  test::ProgramFolder dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  test::ScriptedDesktop desktop_;
  FieldPropertyPanel panel_{settings_, 1, {"CALL", "NAME"}, desktop_};
};

TEST_F(FieldPropertyPanelTest, ShowingAFieldWritesNothing) {
  const std::string file = test::ReadFile(dir_ / "tavrilon.ini");
  QSignalSpy edited(&panel_, &FieldPropertyPanel::FieldEdited);
  EXPECT_FALSE(panel_.isEnabled());
  for (const int field : {16, 3}) {
    panel_.ShowField(field);
  }
  panel_.Reload();
  EXPECT_TRUE(panel_.isEnabled());
  EXPECT_EQ(Child<QLabel>(&panel_, "propTitle")->text(), QStringLiteral("Field 3"));
  EXPECT_EQ(Child<QComboBox>(&panel_, "propAdif")->currentText(), QStringLiteral("CALL"));
  EXPECT_EQ(Child<QComboBox>(&panel_, "propSize")->currentText(), QStringLiteral("12"));
  EXPECT_EQ(test::ReadFile(dir_ / "tavrilon.ini"), file);
  EXPECT_EQ(edited.count(), 0);
}

// Each edit writes its own key only: the size stored as "12.0" stays so.
TEST_F(FieldPropertyPanelTest, AnEditWritesItsKeyAloneAndNamesTheBoxTypedIn) {
  panel_.ShowField(3);
  desktop_.colourAnswers = {QColor(0, 0, 255)};
  const auto type = [](const char* text) {
    return [text](QWidget* box) { QTest::keyClicks(box, text); };
  };
  const auto click = [](QWidget* box) { qobject_cast<QAbstractButton*>(box)->click(); };
  const struct {
    const char* control;
    std::function<void(QWidget*)> edit;
    const char* changed;
    const char* typing;
  } edits[] = {
      {"propLabel", type(" via"), "Field3Label=QSL via", "propLabel"},
      {"propHoriz", type("5"), "Field3Horiz=15", "propHoriz"},
      {"propAlign", [](QWidget* list) { QTest::keyClick(list, Qt::Key_Down); },
       "Field3Align=Center", ""},
      {"propBold", click, "Field3FontBold=True", ""},
      {"propColour", click, "Field3FontColor=16711680", ""},
  };
  for (const auto& e : edits) {
    const designs::DesignKeys before = designs::ReadDesignKeys(settings_, 1);
    QSignalSpy edited(&panel_, &FieldPropertyPanel::FieldEdited);
    e.edit(Child<QWidget>(&panel_, e.control));
    EXPECT_EQ(Changed(before), QStringList{e.changed}) << e.control;
    ASSERT_FALSE(edited.isEmpty()) << e.control;
    EXPECT_EQ(edited.last(), (QList<QVariant>{3, QString::fromLatin1(e.typing)})) << e.control;
  }
}

}  // namespace
}  // namespace tavrilon::app
