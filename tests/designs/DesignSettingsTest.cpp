#include <sstream>

#include <gtest/gtest.h>

#include "designs/DesignSettings.h"
#include "support/TestSupport.h"

namespace tavrilon::designs {
namespace {

// The design's values and its first field's, and the keys that held no number.
std::string Shown(const CustomLabelDesign& d) {
  const DesignField& f = d.fields[0];
  const FieldCondition c = f.condition.value_or(FieldCondition{"none", true, "", "", ""});
  std::ostringstream s;
  s << "lines=" << d.multiLines << " image=" << d.printImage << d.imageHeight.value_or(-1)
    << " port=" << (d.orientation == print::Orientation::Portrait) << " grid=" << d.showGrid
    << d.shortName << " label=[" << f.label << "] cond=" << f.conditionStored << "[" << c.testField
    << (c.testsEqual ? "=" : "!=") << c.compareText << "?" << c.thenText << ":" << c.elseText
    << "] at=" << (f.continuesText ? "A" : std::to_string(f.horiz).substr(0, 4)) << "," << f.vert
    << " font=" << f.fontName << f.fontSize << " style=" << f.bold << f.italic << f.underline
    << " color=" << f.color << " rpt=" << f.repeats << " bad=";
  for (const UnreadableValue& value : d.unreadable) {
    s << value.key << "=" << value.stored << " " << value.problem << ";";
  }
  return s.str();
}

TEST(DesignSettings, StoredTextReadsAsTheRendererTakesIt) {
  // Lines of design 2's section, and what of the design shows them.
  const std::pair<const char*, const char*> cases[] = {
      {"Field1Vert=",  // empty or missing: what the start-up pass would write
       "lines=1 image=0-1 port=0 grid=00 label=[] cond=0[none=?:] at=0.00,0 font=Arial10 "
       "style=000 color=0 rpt=0 bad="},
      {"MultiLines=1.0\nPrint Image=TRUE\nImage Height=2.5\nOrientation=Port\nShortName=1",
       "lines=1 image=12.5 port=1 grid=01"},
      {"Print Image=True\nOrientation=port\nShowGrid=1.0", "image=0-1 port=0 grid=00"},
      {"Field1Horiz=a\nField1Vert=-0.5", "at=A,-0.5"},
      {"Field1FontBold=tRUE\nField1FontItalic=-1\nField1FontUnderline=0\nField1MultiRpt=1.0",
       "style=110 color=0 rpt=1 bad="},
      {"Field1MultiRpt=2", "rpt=0"},
      {"Field1Label=^^QSL\nField1Condition=|Equal|||", "label=[  QSL] cond=1[none"},  // no test
      {"Field1Condition=CALL|NotEqual|^w1aw|via^|x|y^", "cond=1[CALL!= w1aw?via :x|y ]"},
      // What cannot be used reads as the start-up value and says what is wrong with it.
      {"MultiDx=two\nField1Horiz=B\nField1FontSize=0\nField1FontBold=maybe",
       "at=0.00,0 font=Arial10 style=000 color=0 rpt=0 bad=MultiDx=two is not a number;"
       "Field1Horiz=B is neither a number nor A;Field1FontSize=0 is not a font size above 0;"
       "Field1FontBold=maybe is neither True nor False;"},
      {"Field1FontColor=16777216\nImage Width=wide",
       "bad=Image Width=wide is not a number;Field1FontColor=16777216 is not a colour from 0 to "
       "16777215;"},
  };
  for (const auto& [lines, shows] : cases) {
    const test::TempDir dir;
    test::WriteFile(dir / "tavrilon.ini", "[Custom Label Layout-2]\n" + std::string(lines) + "\n");
    settings::SettingsFile settings(dir / "tavrilon.ini");
    const std::string shown = Shown(ReadCustomLabelDesign(settings, 2));
    EXPECT_NE(shown.find(shows), std::string::npos) << lines << "\n" << shown;
  }
}

}  // namespace
}  // namespace tavrilon::designs
