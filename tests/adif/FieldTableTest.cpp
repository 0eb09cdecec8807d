#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>

#include "adif/AdifTestSupport.h"
#include "adif/FieldTable.h"
#include "support/TestSupport.h"
#include "text/Text.h"

namespace tavrilon::adif {
namespace {

using test::TableOf;

TEST(FieldTable, PlacesLinesInSlotsFromZero) {
  FieldTable table = TableOf({"placeholder", "CALL", "", "band"});
  EXPECT_EQ(table.Name(1), "CALL");
  EXPECT_EQ(table.Name(2), "");
  EXPECT_EQ(table.Name(3), "band");
  EXPECT_EQ(table.FieldCount(), 4U);
  EXPECT_EQ(table.FindFieldSlot("BAND"), 3U);
  EXPECT_EQ(table.LookupFieldSlot("call"), 1U);
  EXPECT_EQ(table.SlotCount(), FieldTable::kMinimumSlots);
}

TEST(FieldTable, AnswersZeroForMissingNamesAndLineOne) {
  FieldTable table = TableOf({"placeholder", "CALL"});
  EXPECT_EQ(table.FindFieldSlot("GRIDSQUARE"), 0U);
  EXPECT_EQ(table.FindFieldSlot("PLACEHOLDER"), 0U);
  EXPECT_EQ(table.LookupFieldSlot("placeholder"), 0U);
  EXPECT_EQ(table.StandardSlot(StandardField::TxPwr), 0U);
  EXPECT_EQ(table.StandardSlot(StandardField::Call), 1U);
}

TEST(FieldTable, FirstSlotWinsForADuplicateName) {
  FieldTable table = TableOf({"CALL", "MODE", "CALL", "MODE"});
  EXPECT_EQ(table.FindFieldSlot("CALL"), 0U);    // line 1 is slot 0
  EXPECT_EQ(table.LookupFieldSlot("CALL"), 2U);  // the parser starts at slot 1
  EXPECT_EQ(table.FindFieldSlot("mode"), 1U);
}

TEST(FieldTable, AnEmptyNameMatchesTheFirstEmptySlot) {
  EXPECT_EQ(TableOf({"x", "CALL", "", "BAND"}).LookupFieldSlot(""), 2U);
  EXPECT_EQ(TableOf({"x", "CALL", "BAND"}).LookupFieldSlot(""), 3U);  // slot FieldCount
}

TEST(FieldTable, AShorterLoadLeavesOlderNamesForFindOnly) {
  FieldTable table = TableOf({"x", "CALL", "BAND", "MODE", "NAME"});
  table.LoadNames({"y", "CALL"});
  EXPECT_EQ(table.FieldCount(), 2U);
  EXPECT_EQ(table.FindFieldSlot("MODE"), 3U);
  EXPECT_EQ(table.LookupFieldSlot("MODE"), 0U);
  EXPECT_EQ(table.LookupFieldSlot("BAND"), 2U);  // slot FieldCount is searched too
}

TEST(FieldTable, GrowsToHoldALongDictionary) {
  std::vector<std::string> names{"first line"};
  for (int i = 1; i < 300; ++i) {
    names.push_back("FIELD" + std::to_string(i));
  }
  FieldTable table;
  table.LoadNames(names);
  EXPECT_EQ(table.FieldCount(), 300U);
  EXPECT_GE(table.SlotCount(), 301U);
  EXPECT_EQ(table.LookupFieldSlot("field299"), 299U);
  EXPECT_EQ(table.FindFieldSlot("FIELD150"), 150U);
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
// one, names the file, and leaves the table as it was.
TEST(FieldTable, RefusesADictionaryThatCannotServe) {
  tavrilon::test::TempDir dir;
  std::filesystem::create_directory(dir / "folder.txt");
  ASSERT_EQ(::mkfifo((dir / "fifo.txt").c_str(), 0600), 0);
  tavrilon::test::WriteFile(dir / "empty.txt", "");
  tavrilon::test::WriteFile(dir / "binary.txt", std::string("\x7f"
                                                            "ELF\0\x01\x02\xff",
                                                            8));
  tavrilon::test::WriteFile(dir / "nocall.txt", "note\nQSO_DATE\nTIME_ON\nBAND\n");
  const struct {
    const char* file;
    DictionaryLoad load;
    const char* says;
  } cases[] = {
      {"missing.txt", DictionaryLoad::Missing, ""},
      {"folder.txt", DictionaryLoad::Unusable, "is a folder"},
      {"fifo.txt", DictionaryLoad::Unusable, "is not a regular file"},  // and no hang
      {"empty.txt", DictionaryLoad::Unusable, "does not name the fields CALL"},
      {"binary.txt", DictionaryLoad::Unusable, "does not name the fields CALL"},
      {"nocall.txt", DictionaryLoad::Unusable, "does not name the fields CALL"},
  };
  for (const auto& c : cases) {
    FieldTable table;
    table.LoadNames({"note", "CALL"});
    std::string fault;
    EXPECT_EQ(LoadFieldDictionary(dir / c.file, table, fault), c.load) << c.file;
    EXPECT_NE(fault.find(c.says), std::string::npos) << c.file << ": " << fault;
    if (c.load == DictionaryLoad::Unusable) {
      EXPECT_NE(fault.find((dir / c.file).string()), std::string::npos) << fault;
    }
    EXPECT_EQ(table.FindFieldSlot("CALL"), 1U) << c.file;
  }
  EXPECT_EQ(DictionaryStopText("").substr(0, 31), "     TVADIF.txt file not found.");
  EXPECT_EQ(DictionaryStopText("X is bad."),
            "X is bad.\nTavrilon will not function properly\nwithout the latest TVADIF.txt file.");
}

TEST(FieldTable, ShippedDictionaryServesEveryPart) {
  FieldTable table;
  std::string fault;
  ASSERT_EQ(LoadFieldDictionary(tavrilon::test::ShippedDictionary(), table, fault),
            DictionaryLoad::Loaded);
  EXPECT_EQ(table.FieldCount(), 180U);  // a note, then 179 fields of ADIF 3.1.7
  table.ComputeStandardFieldSlots();
  for (std::size_t i = 0; i < kStandardFieldCount; ++i) {
    EXPECT_GT(table.StandardFieldSlots[i], 0U) << kStandardFieldNames[i];
  }
  for (std::string_view name : {"COUNTRY", "PFX", "IOTA"}) {
    EXPECT_GT(table.FindFieldSlot(name), 0U) << name;
  }
  // Names the settings upgrade erases from designs must not be offered.
  for (std::string_view name : {"JCC", "JCG", "DOK", "VE_PROV", "SUBMODE"}) {
    EXPECT_EQ(table.FindFieldSlot(name), 0U) << name;
  }
  std::set<std::string> seen;
  for (std::size_t slot = 1; slot < table.FieldCount(); ++slot) {
    EXPECT_FALSE(table.Name(slot).empty()) << slot;
    EXPECT_TRUE(seen.insert(text::AsciiUpper(table.Name(slot))).second) << table.Name(slot);
  }
}

}  // namespace
}  // namespace tavrilon::adif
