#include <QAction>
#include <QComboBox>
#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"

namespace tavrilon::app {
namespace {

TEST_F(MainWindowTest, CustomLogFieldListsOfferTheDictionaryAndKeepWhatIsTyped) {
  test::WriteFile(dir_ / "tvadif.txt", "names no field\nCALL\n\n BAND \n");  // a note, then names
  StartWindow();
  session_->Settings().WriteSetting("Custom Log", "column3", "GRIDSQUARE,41,GRID,41,6");
  Find<QAction>("mnuCustom_Log_Setup")->trigger();
  QWidget* dialog = TopLevel("frmCustLog");
  ASSERT_NE(dialog, nullptr);
  const auto list = [dialog](int column) {
    return Child<QComboBox>(dialog, QStringLiteral("cboCG%1ADIF").arg(column));
  };
  for (int column = 1; column <= 21; ++column) {  // the dictionary after a blank item
    ASSERT_EQ(list(column)->count(), 3) << column;
    EXPECT_EQ(list(column)->itemText(0), QStringLiteral(" ")) << column;
    EXPECT_EQ(list(column)->itemText(2), QStringLiteral(" BAND ")) << column;
    EXPECT_TRUE(list(column)->isEditable()) << column;
  }
  EXPECT_EQ(list(1)->currentText(), QStringLiteral("QSO_DATE"));
  EXPECT_EQ(list(3)->currentText(), QStringLiteral("GRIDSQUARE"));  // not in the list
  EXPECT_EQ(list(13)->currentIndex(), 0);
  list(3)->setCurrentText(QStringLiteral("COMMENT"));
  Click(dialog, "cmdLogApply");
  EXPECT_EQ(Setting("Custom Log", "column3"), "COMMENT,41,GRID,41,6");
  EXPECT_EQ(Setting("Custom Log", "column13"), ",,,,");  // left at the blank item
}

}  // namespace
}  // namespace tavrilon::app
