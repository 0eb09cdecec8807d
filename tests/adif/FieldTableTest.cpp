#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "adif/FieldChoices.h"
#include "adif/FieldTable.h"
#include "support/TestSupport.h"

namespace tavrilon::adif {
namespace {

using test::TableOf;

// Find searches slots from 0, Lookup (the parser's) slots 1 to FieldCount, in
// capitals; a load overwrites slots and never clears them.
TEST(FieldTable, FindsFromSlotZeroAndLooksUpFromSlotOne) {
  FieldTable table = TableOf({"CALL", "MODE", "", "band", "CALL", "MODE"});
  EXPECT_EQ(table.FindFieldSlot("call"), 0U);  // line 1 is slot 0
  EXPECT_EQ(table.LookupFieldSlot("CALL"), 4U);
  EXPECT_EQ(table.LookupFieldSlot("MODE"), 1U);
  EXPECT_EQ(table.LookupFieldSlot(""), 2U);  // the first empty slot

  table.LoadNames({"y", "CALL"});
  EXPECT_EQ(table.FindFieldSlot("BAND"), 3U);
  EXPECT_EQ(table.LookupFieldSlot("band"), 0U);
  EXPECT_EQ(table.LookupFieldSlot(""), 2U);  // slot FieldCount is searched too
}

TEST(FieldTable, LoadsTheDictionaryFileTrimmed) {
  tavrilon::test::TempDir dir;
  tavrilon::test::WriteFile(dir / "tvadif.txt", "note\r\n  CALL  \r\n\r\nqso_date\rTIME_ON\n");
  FieldTable table;
  std::string fault;
  ASSERT_EQ(LoadFieldDictionary(dir / "tvadif.txt", table, fault), DictionaryLoad::Loaded) << fault;
  EXPECT_EQ(table.FieldCount(), 5U);
  EXPECT_EQ(table.Name(1), "CALL");
  EXPECT_EQ(table.Name(3), "qso_date");  // a lone CR ends a line too
}

// A dictionary that is there but cannot serve is told apart from a missing
// one, names the file, and leaves the table as it was. Why a file cannot be
// opened at all is the line reader's test.
TEST(FieldTable, RefusesADictionaryThatCannotServe) {
  tavrilon::test::TempDir dir;
  std::filesystem::create_directory(dir / "folder.txt");
  tavrilon::test::WriteFile(dir / "nocall.txt", "note\nQSO_DATE\nTIME_ON\nBAND\n");
  const char* const lacking = "does not name the fields CALL, QSO_DATE and TIME_ON";
  const std::pair<const char*, const char*> cases[] = {
      {"missing.txt", ""},
      {"folder.txt", "is a folder"},
      {"nocall.txt", lacking},
  };
  for (const auto& [file, says] : cases) {
    FieldTable table = TableOf({"note", "CALL"});
    std::string fault;
    const bool missing = *says == '\0';
    EXPECT_EQ(LoadFieldDictionary(dir / file, table, fault),
              missing ? DictionaryLoad::Missing : DictionaryLoad::Unusable)
        << file;
    EXPECT_NE(fault.find(says), std::string::npos) << file << ": " << fault;
    EXPECT_EQ(fault.find((dir / file).string()) != std::string::npos, !missing) << fault;
    EXPECT_EQ(table.FindFieldSlot("CALL"), 1U) << file;
  }
  // Its fault stands in place of the missing dictionary's first line.
  EXPECT_EQ(DictionaryStopText("X"),
            "X" + DictionaryStopText("").substr(kDictionaryMissingLines[0].size()));
}

TEST(FieldTable, ShippedDictionaryServesEveryPart) {
  FieldTable table;
  std::string fault;
  ASSERT_EQ(LoadFieldDictionary(tavrilon::test::ShippedDictionary(), table, fault),
            DictionaryLoad::Loaded);
  table.ComputeStandardFieldSlots();
  for (std::size_t i = 0; i < kStandardFieldCount; ++i) {
    EXPECT_GT(table.StandardFieldSlots[i], 0U) << kStandardFieldNames[i];
  }
  // Names the first-run designs use are offered; those the settings upgrade
  // erases from designs are not.
  for (std::string_view name : {"COUNTRY", "PFX", "IOTA", "SUBMODE"}) {
    EXPECT_GT(table.FindFieldSlot(name), 0U) << name;
  }
  for (std::string_view name : {"JCC", "JCG", "DOK", "VE_PROV"}) {
    EXPECT_EQ(table.FindFieldSlot(name), 0U) << name;
  }
}

// The first line is the dictionary's note: a field list must not offer it.
TEST(FieldTable, FieldChoicesLeaveOutTheNoteAndBlankLines) {
  tavrilon::test::TempDir dir;
  std::string fault;
  EXPECT_FALSE(ReadFieldChoices(dir / "tvadif.txt", fault));
  EXPECT_EQ(fault, DictionaryStopText(""));
  tavrilon::test::WriteFile(dir / "tvadif.txt", "note line\r\nCALL\n\n   \n  BAND \r\n\t\nmode");
  EXPECT_EQ(ReadFieldChoices(dir / "tvadif.txt", fault),
            std::vector<std::string>({"CALL", "  BAND ", "\t", "mode"}));
}

}  // namespace
}  // namespace tavrilon::adif
