// The faults a hostile user tried, against the batch tool: each ends with a
// message that names the file and the reason, a status, and nothing lost.
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOldPdf = "%PDF-1.4 an older PDF the user keeps\n";

// No hidden temporary file is left beside the program, the log or the PDF
// (find lists any it finds).
bool NoTemporaryFiles(const BatchFolder& folder) {
  return folder.Shell("find . -name '.tavrilon-*' | grep .") != 0;
}

TEST(Faults, EachEndsWithAReasonAStatusAndNothingLost) {
  struct Fault {
    const char* fault;
    const char* arrange;  // shell, in a folder with log.adi (4 contacts), out.pdf, tavrilon.ini
    const char* command;
    int status;
    const char* says;           // on standard error
    const char* file = "";      // a file that must be byte for byte as before,
    const char* now = nullptr;  // or, when given, must now hold this
  };
  const Fault faults[] = {
      {"an empty PDF name", "", "labels log.adi --pdf ''", 64, "No file was named"},
      {"a PDF onto a folder", "rm out.pdf && mkdir out.pdf", "logbook log.adi --pdf out.pdf", 64,
       "it is a folder"},
      {"a read-only PDF", "chmod 400 out.pdf", "labels log.adi --pdf out.pdf", 1,
       "the file is read-only", "out.pdf"},
      // Links where the program writes: its own copies replace the link, a
      // file written through one never lands on a file the program needs.
      {"a sorted copy linked to the log, beside what a killed sort left",
       "sed -i 's/^SortFile=0/SortFile=1/' tavrilon.ini && mkdir logs && cp log.adi logs && "
       "ln -s log.adi logs/log.adi.sort && echo gone > logs/.tavrilon-99999999-1.tmp",
       "labels logs/log.adi --pdf out.pdf --design CUSTOM1", 1, "Sorting Data", "logs/log.adi"},
      {"a callbook index linked to the settings",
       "sed -i \"s|^CDdrive=.*|CDdrive=$PWD|; s/^UseQRZ=.*/UseQRZ=TRUE/\" tavrilon.ini && "
       "printf 'call,name,street,town,state,zip\\nW1AW,H Maxim,225 Main St,Newington,CT,06111\\n' "
       "> callbook.csv && ln -s tavrilon.ini tavrilon-callbook.idx",
       "labels log.adi --pdf out.pdf --design SIMPLE --style 2", 0, "Labels Submitted",
       "tavrilon.ini", "UseQRZ=TRUE"},
      {"a page linked to the settings", "ln -s tavrilon.ini log.html", "html log.adi", 1,
       "tavrilon.ini: Tavrilon needs that file", "tavrilon.ini"},
      {"an alignment page over the stored label log",
       "cp log.adi kept.adi && "
       "sed -i \"/^.QSL Labels/,/^.Log/ s|^ADIFile=.*|ADIFile=$PWD/kept.adi|\" tavrilon.ini",
       "alignment-page --pdf kept.adi", 64, "Tavrilon needs that file", "kept.adi"},
  };
  for (const Fault& f : faults) {
    SCOPED_TRACE(f.fault);
    BatchFolder folder(ContactLog(4));
    WriteFile(folder / "out.pdf", kOldPdf);
    ASSERT_EQ(folder.Run("read --count log.adi").status, 0);  // the settings file, as a user has it
    ASSERT_EQ(folder.Shell(*f.arrange ? f.arrange : ":"), 0);
    const std::string before = *f.file ? ReadFile(folder / f.file) : "";
    const BatchRun run = folder.Run(f.command);
    EXPECT_EQ(run.status, f.status) << run.err;
    EXPECT_NE(run.err.find(f.says), std::string::npos) << run.err;
    EXPECT_TRUE(f.status == 0 || run.err.find("Submitted") == std::string::npos) << run.err;
    if (f.now != nullptr) {
      EXPECT_NE(ReadFile(folder / f.file).find(f.now), std::string::npos);
    } else if (*f.file) {
      EXPECT_EQ(ReadFile(folder / f.file), before);
    }
    EXPECT_TRUE(NoTemporaryFiles(folder));
  }
}

// A run ended by SIGTERM well into the labels, while the PDF is being
// written, removes its own PDF and leaves the older one.
TEST(Faults, ASignalLeavesTheOlderPdf) {
  BatchFolder folder(ContactLog(30000));
  WriteFile(folder / "out.pdf", kOldPdf);
  const int raw = folder.Shell(
      "(./tavrilon-batch labels log.adi --pdf out.pdf 2> run.err & "
      "for i in $(seq 1200); do grep -qsxE 'Label [0-9]{3,}' run.err && break; sleep 0.05; done; "
      "kill -TERM $!; wait $!) 2>/dev/null");
  // Killed at a label past the first percent: mid-run.
  ASSERT_EQ(folder.Shell("grep -qxE 'Label [0-9]{3,}' run.err"), 0) << ReadFile(folder / "run.err");
  EXPECT_EQ(WEXITSTATUS(raw), 128 + SIGTERM);
  EXPECT_EQ(ReadFile(folder / "out.pdf"), kOldPdf);
  EXPECT_TRUE(NoTemporaryFiles(folder));
}

// A disk that fills up while the PDF is written: the run fails and says
// why, and the older PDF stays. Needs a small tmpfs, which only root mounts.
TEST(Faults, AFullDiskLeavesTheOlderPdf) {
  BatchFolder folder(ContactLog(3000));
  const fs::path disk = folder / "small";
  fs::create_directory(disk);
  if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=160k") != 0) {
    GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno)
                 << "): the full-disk case is not tried";
  }
  WriteFile(disk / "out.pdf", kOldPdf);
  const BatchRun run = folder.Run("labels log.adi --pdf small/out.pdf");
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.err.find("Printing Failed"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("small/out.pdf"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("Submitted"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFile(disk / "out.pdf"), kOldPdf);
  EXPECT_TRUE(NoTemporaryFiles(folder));
  ::umount(disk.c_str());
}

}  // namespace
}  // namespace tavrilon::test
