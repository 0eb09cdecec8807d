#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "callbook/Callbook.h"
#include "support/TestSupport.h"

namespace tavrilon::callbook {

namespace {

using test::WriteFile;

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\r\n";
  }
  return text;
}

// The sample of the FCC files' notes, with the quirks of the real files.
void WriteUsFiles(const test::TempDir& dir) {
  WriteFile(dir / "EN.dat",
            CrLfLines({
                "EN|9900101|||W1AAA|L|L09900101|SAMPLE, ALICE Q|ALICE|Q|SAMPLE|||||12 EXAMPLE "
                "LN|TESTVILLE|CT|06001|||000|0099000101|I||||||",
                "EN|9900102|||W1AAB|L|L09900102|Fakename, Robert|Robert||Fakename|JR||||400 "
                "Placeholder Rd|Mocktown|MA|01001|||000|0099000102|I||||||",
                "EN|9900103|||K1AAC|L|L09900103|DOE, "
                "JANE|JANE||DOE||||||NOWHERE|NH|03001|77||000|0099000103|I||||||",
                "EN|9900106|||W1AAF|L|L09900106|Testville Amateur Radio Club||||||||55 Club House "
                "Rd|TESTVILLE|CT|06001||c/o ALICE Q SAMPLE|000|0099000106|B||||||",
                "EN|9900107|||AB1AAG|L|L09900107|PLACEHOLDER, "
                "PAT|PAT||PLACEHOLDER|SR|||||MOCKTOWN|RI|02801|1234||000|0099000107|I||||||",
                "EN|9900109|||K1AAI|L|L09900109|DUMMY, DAN|DAN||DUMMY|||||8 Synthetic St|Fiction "
                "City|ME|04001|||000|0099000109|I||||||",
                "EN|9900001|||W1AAA|L|L09900001|OLDHOLDER, OSCAR|OSCAR||OLDHOLDER|||||7 Former "
                "Rd|Pastville|CT|06002|||000|0099000001|I||||||",
                // A contact of W1AAA's licence, not its holder.
                "EN|9900101|||W1AAA|CL|L09900101|CONTACT, CARL|CARL||CONTACT|||||1 Other "
                "St|Elsewhere|CT|06009|||000|0099000101|I||||||",
                "EN|9900111|||W1AAK|L|L09900111|Hills | Dales Radio Club||||||||2 Mast "
                "Rd|A\xF1"
                "asco|PR|00610|||000|0099000111|B||||||",
                "EN|9900112|||N1AAL|L|L09900112|LONG, LEE|LEE||LONG|||||77 Long",
                "Road|Testville|CT|06001|||000|0099000112|I||||||",
                "EN|9900113|||KB1AAM|L|L09900113|OLDFORMAT, OLGA|OLGA||OLDFORMAT|||||5 Legacy "
                "Ln|Oldtown|CT|06003||c/o someone|000|0099000113|I|||",
                "EN|9900114|||W1AAN|L|L09900114|SHORT, SAM",
                // A second active holder of W1AAB, granted earlier, read later.
                "EN|9900115|||W1AAB|L|L09900115|EARLIER, ED|ED||EARLIER|||||1 Old "
                "St|Mocktown|MA|01002|||000|0099000115|I||||||",
                "",
            }));
  std::string hd;
  for (const char* head : {"9900101|||W1AAA|A|HA|03/01/2020", "9900102|||W1AAB|A|HA|05/05/2018",
                           "9900103|||K1AAC|A|HA|01/10/2022", "9900106|||W1AAF|A|HA|09/09/2016",
                           "9900107|||AB1AAG|E|HA|04/04/2012", "9900109|||K1AAI|A|HA|11/11/2021",
                           "9900001|||W1AAA|E|HA|01/01/2005", "9900111|||W1AAK|A|HA|01/01/2021",
                           "9900112|||N1AAL|A|HA|01/01/2021", "9900113|||KB1AAM|A|HA|01/01/2021",
                           "9900114|||W1AAN|A|HA|01/01/2021", "9900115|||W1AAB|A|HA|01/01/2010"}) {
    hd += "HD|" + std::string(head) + "|" + std::string(51, '|') + "\r\n";
  }
  WriteFile(dir / "HD.dat", hd);
}

void WriteOtherLists(const test::TempDir& dir) {
  // Columns are found by name: city and address_line change places here.
  WriteFile(dir / "amateur_delim.txt",
            CrLfLines({"callsign;first_name;surname;city;address_line;prov_cd;postal_code;qual_a;"
                       "qual_b;qual_c;qual_d;qual_e;club_name;club_name_2;club_address;club_city;"
                       "club_prov_cd;club_postal_code",
                       "VE3AAA;Marie;Tremblay;Montr\xE9"
                       "al;123 Rue Principale;QC;H2X 1Y4;A;B;;;;;;;;;",
                       "VE3CLB;;;;;;;A;;;;;Ottawa Valley;Radio Club;1 Antenna Way;Kanata;ON;K2K "
                       "2K2"}));
  WriteFile(dir / "CALLBOOK.CSV",
            CrLfLines({"call,name,street,town,state,postal code",
                       "k1aai,\"Dan \"\"Danny\"\" Dummy\",\"8 Synthetic St, Apt 3\",Fiction "
                       "City,ME,04001",
                       // Cut at 256 bytes, this name would end in half a character.
                       "DL1LNG," + std::string(255, 'x') + "\xC3\xA9,,,,"}));
}

// The name of `call`'s address; empty when it is not found.
std::string NameOf(const Callbook& callbook, std::string_view call) {
  return callbook.Find(call).value_or(StationAddress{}).name;
}

TEST(Callbook, FindsTheActiveHoldersOfEveryList) {
  test::TempDir dir;
  WriteUsFiles(dir);
  WriteOtherLists(dir);
  Callbook callbook;
  std::int64_t lastDone = -1, lastTotal = 0;
  const CallbookOpening opening =
      callbook.Open(dir.path(), [&](std::int64_t done, std::int64_t total) {
        EXPECT_GE(done, lastDone);
        lastDone = done;
        lastTotal = total;
      });
  ASSERT_TRUE(opening.ok) << opening.failure;
  EXPECT_EQ(lastDone, lastTotal);
  EXPECT_EQ(opening.notice, "");
  // Name|street|town|state|postal code|attention; empty when not found. Not
  // W1AAA's former holder, nor the contact of its licence.
  const std::pair<const char*, const char*> stations[] = {
      {"W1AAA", "ALICE Q SAMPLE|12 EXAMPLE LN|TESTVILLE|CT|06001|"},
      {"W1AAB", "Robert Fakename JR|400 Placeholder Rd|Mocktown|MA|01001|"},
      {"K1AAC", "JANE DOE|PO BOX 77|NOWHERE|NH|03001|"},
      {"W1AAF",
       "Testville Amateur Radio Club|55 Club House Rd|TESTVILLE|CT|06001|c/o ALICE Q SAMPLE"},
      {"AB1AAG", ""},  // expired
      {"K1AAI", "Dan \"Danny\" Dummy|8 Synthetic St, Apt 3|Fiction City|ME|04001|"},
      {"W1AAK", "Hills | Dales Radio Club|2 Mast Rd|A\u00F1asco|PR|00610|"},
      {"N1AAL", "LEE LONG|77 Long Road|Testville|CT|06001|"},
      {"KB1AAM", "OLGA OLDFORMAT|5 Legacy Ln|Oldtown|CT|06003|c/o someone"},
      {"W1AAN", ""},  // too few fields
      {"VE3AAA", "Marie Tremblay|123 Rue Principale|Montr\u00E9al|QC|H2X 1Y4|"},
      {"VE3CLB", "Ottawa Valley Radio Club|1 Antenna Way|Kanata|ON|K2K 2K2|"},
      {" w1aaa ", "ALICE Q SAMPLE|12 EXAMPLE LN|TESTVILLE|CT|06001|"},
      {"VE3/W1AAA", "ALICE Q SAMPLE|12 EXAMPLE LN|TESTVILLE|CT|06001|"},
  };
  for (const auto& [call, address] : stations) {
    const auto found = callbook.Find(call);
    EXPECT_EQ(found ? found->name + '|' + found->street + '|' + found->town + '|' + found->state +
                          '|' + found->postalCode + '|' + found->attention
                    : "",
              address)
        << call;
  }
  EXPECT_EQ(NameOf(callbook, "DL1LNG"), std::string(255, 'x'));
}

std::string IndexPath(const test::TempDir& dir) {
  return (dir / "tavrilon-callbook.idx").string();
}

// File times move in clock ticks of up to 10 ms: a write within the tick of
// the one before would leave them as they were.
void WaitForTheClock() {
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

// Opens the folder in `callbook`; true when it was indexed again.
bool Indexed(const test::TempDir& dir, Callbook& callbook) {
  bool indexed = false;
  const CallbookOpening opening =
      callbook.Open(dir.path(), [&](std::int64_t, std::int64_t) { indexed = true; });
  EXPECT_TRUE(opening.ok) << opening.failure;
  EXPECT_TRUE(callbook.Find("K1AAC"));
  return indexed;
}

bool Indexed(const test::TempDir& dir) {
  Callbook callbook;
  return Indexed(dir, callbook);
}

TEST(Callbook, KeepsItsIndexUntilADataFileChanges) {
  test::TempDir dir;
  WriteUsFiles(dir);
  EXPECT_TRUE(Indexed(dir));
  EXPECT_FALSE(Indexed(dir));
  WriteOtherLists(dir);  // a file added
  EXPECT_TRUE(Indexed(dir));
  WriteFile(dir / "amateur_delim.txt", "callsign;surname\r\nVE3AAA;Other\r\n");  // one changed
  EXPECT_TRUE(Indexed(dir));

  // Edited in place to the same size, its modification time put back, while
  // a callbook holds the older index open.
  Callbook callbook;
  EXPECT_FALSE(Indexed(dir, callbook));
  struct stat before {};
  ASSERT_EQ(::stat((dir / "amateur_delim.txt").c_str(), &before), 0);
  WaitForTheClock();
  WriteFile(dir / "amateur_delim.txt", "callsign;surname\r\nVE3AAA;Otter\r\n");
  const timespec times[] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "amateur_delim.txt").c_str(), times, 0), 0);
  EXPECT_TRUE(Indexed(dir, callbook));
  EXPECT_EQ(NameOf(callbook, "VE3AAA"), "Otter");
}

TEST(Callbook, IndexesAgainOverADamagedIndex) {
  test::TempDir dir;
  WriteUsFiles(dir);
  EXPECT_TRUE(Indexed(dir));
  const std::string whole = test::ReadFile(IndexPath(dir));
  const auto replaced = [&whole](std::size_t at, const std::string& bytes) {
    return std::string(whole).replace(at, bytes.size(), bytes);
  };
  const std::string damaged[] = {
      "",  // cut short
      whole.substr(0, whole.size() - 1),
      replaced(8, "\x7F"),                  // another version
      replaced(whole.size() - 20, "\xFF"),  // a byte of a record
      replaced(whole.size() - 1,
               std::string(1, static_cast<char>(whole.back() ^ 1))),  // the last one
  };
  for (const std::string& index : damaged) {
    WriteFile(IndexPath(dir), index);
    EXPECT_TRUE(Indexed(dir)) << index.size();
    EXPECT_EQ(test::ReadFile(IndexPath(dir)), whole) << index.size();
  }
  // Damaged in place while a callbook holds it open: its next opening checks it again.
  Callbook callbook;
  EXPECT_FALSE(Indexed(dir, callbook));
  WaitForTheClock();
  WriteFile(IndexPath(dir), replaced(whole.size() - 20, "\xFF"));
  EXPECT_TRUE(Indexed(dir, callbook));
  EXPECT_EQ(test::ReadFile(IndexPath(dir)), whole);
}

TEST(Callbook, SaysWhyAFolderHoldsNoUsableCallbook) {
  test::TempDir dir;
  const std::string folder = dir.path().string();
  // Each case adds its file to those before it; the last, a part of the US
  // files, is told of although another list is there.
  const struct {
    std::filesystem::path opened;
    const char* adds;
    std::string failure;
  } cases[] = {
      {dir / "missing", nullptr, folder + "/missing: No such file or directory"},
      {dir.path(), nullptr,
       "No callbook file (EN.dat with HD.dat, amateur_delim.txt, callbook.csv) is in " + folder +
           "."},
      {dir.path(), "amateur_delim.txt",
       "The callbook in " + folder + " was found, but cannot be used: " + folder +
           "/amateur_delim.txt: its first line names no \"callsign\" column."},
      {dir.path(), "en.dat",
       "en.dat is in " + folder + " but HD.dat, which says which licences are active, is not."},
  };
  for (const auto& c : cases) {
    if (c.adds != nullptr) {
      WriteFile(dir / c.adds, "");
    }
    const CallbookOpening opening = Callbook().Open(c.opened, nullptr);
    EXPECT_FALSE(opening.ok);
    EXPECT_EQ(opening.failure, c.failure);
  }
}

TEST(Callbook, WorksFromMemoryWhenTheIndexCannotBeWritten) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "root may write and read any file";
  }
  test::TempDir dir;
  WriteUsFiles(dir);
  Callbook callbook;
  ::chmod(dir.path().c_str(), 0555);
  const CallbookOpening opening = callbook.Open(dir.path(), nullptr);
  ASSERT_TRUE(opening.ok) << opening.failure;
  EXPECT_EQ(opening.notice, "The callbook's index cannot be kept: " + IndexPath(dir) +
                                ": Permission denied. The callbook is read from memory this time "
                                "and indexed again at its next opening.");
  EXPECT_EQ(callbook.Find("K1AAC").value_or(StationAddress{}).street, "PO BOX 77");
}

}  // namespace
}  // namespace tavrilon::callbook
