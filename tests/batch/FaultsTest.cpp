// The faults a hostile user tried, against the batch tool: each ends with a
// message that names the file and the reason, a status, and nothing lost.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>

#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOldPdf = "%PDF-1.4 an older PDF the user keeps\n";

std::string Contacts(int count, std::string_view lineEnd = "\n") {
  std::string log = "Faults\n<EOH>\n";
  for (int i = 0; i < count; ++i) {
    log += "<CALL:4>ZZ" + std::to_string(10 + i % 90) + "<QSO_DATE:8>20240105<TIME_ON:4>" +
           std::to_string(1400 + i) + "<BAND:3>20m<EOR>";
    log += lineEnd;
  }
  return log;
}

struct Fault {
  const char* fault;
  std::function<void(const fs::path&)> arrange;  // the folder holds log.adi (3 contacts)
  const char* command;
  int status;
  const char* says;     // on standard error
  const char* kept;     // a file that must be byte-for-byte as before, or ""
  const char* written;  // a file that must now hold `holding`, or ""
  const char* holding;
};

void Write(const fs::path& path, std::string_view content) {
  WriteFile(path, content);
}

// Hidden temporary files beside the program, the log and the PDF.
std::vector<std::string> TemporaryFiles(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.path().filename().string().starts_with(".tavrilon-")) {
      names.push_back(entry.path().filename().string());
    }
  }
  return names;
}

TEST(Faults, EachEndsWithAReasonAStatusAndNothingLost) {
  const Fault faults[] = {
      {"a PDF over the settings file",
       {},
       "labels log.adi --pdf tavrilon.ini",
       64,
       "Tavrilon needs that file",
       "tavrilon.ini",
       "",
       ""},
      {"a PDF over the dictionary",
       {},
       "labels log.adi --pdf ./tvadif.txt",
       64,
       "Tavrilon needs that file",
       "tvadif.txt",
       "",
       ""},
      {"an empty PDF name", {}, "labels log.adi --pdf ''", 64, "No file was named", "", "", ""},
      {"a PDF into a missing folder",
       {},
       "labels log.adi --pdf gone/out.pdf",
       64,
       "the folder gone does not exist",
       "",
       "",
       ""},
      {"a PDF onto a folder",
       [](const fs::path& f) {
         fs::remove(f / "out.pdf");
         fs::create_directory(f / "out.pdf");
       },
       "logbook log.adi --pdf out.pdf", 64, "it is a folder", "", "", ""},
      {"a PDF onto a device",
       {},
       "labels log.adi --pdf /dev/full",
       64,
       "is not a regular file",
       "",
       "",
       ""},
      {"a read-only PDF",
       [](const fs::path& f) {
         Write(f / "out.pdf", kOldPdf);
         fs::permissions(f / "out.pdf", fs::perms::owner_read);
       },
       "labels log.adi --pdf out.pdf", 1, "the file is read-only", "out.pdf", "", ""},
      {"a log without contacts", [](const fs::path& f) { Write(f / "log.adi", "<EOH>\n"); },
       "labels log.adi --pdf out.pdf", 1, "holds no contacts; nothing was printed", "out.pdf", "",
       ""},
      {"a range without contacts",
       {},
       "logbook log.adi --pdf out.pdf --begin 20250101",
       1,
       "holds no contacts in the chosen range; nothing was printed",
       "out.pdf",
       "",
       ""},
      {"a log that is a folder", [](const fs::path& f) { fs::create_directory(f / "dir.adi"); },
       "labels dir.adi --pdf out.pdf", 1, "dir.adi: is a folder", "out.pdf", "", ""},
      {"a log that is a FIFO", [](const fs::path& f) { ::mkfifo((f / "fifo.adi").c_str(), 0600); },
       "logbook fifo.adi --pdf out.pdf", 1, "fifo.adi: is not a regular file", "out.pdf", "", ""},
      {"a dictionary that is a FIFO",
       [](const fs::path& f) {
         fs::remove(f / "tvadif.txt");
         ::mkfifo((f / "tvadif.txt").c_str(), 0600);
       },
       "read log.adi", 2, "tvadif.txt: is not a regular file", "", "", ""},
      {"an empty dictionary", [](const fs::path& f) { Write(f / "tvadif.txt", ""); },
       "html log.adi", 2, "does not name the fields CALL, QSO_DATE and TIME_ON", "", "", ""},
      {"settings that are a FIFO",
       [](const fs::path& f) {
         fs::remove(f / "tavrilon.ini");
         ::mkfifo((f / "tavrilon.ini").c_str(), 0600);
       },
       "read --count log.adi", 0, "tavrilon.ini: is not a regular file", "", "", ""},
      {"settings linked to a device",
       [](const fs::path& f) {
         fs::remove(f / "tavrilon.ini");
         fs::create_symlink("/dev/null", f / "tavrilon.ini");
       },
       "read --count log.adi", 0, "tavrilon.ini: is not a regular file", "", "", ""},
      {"empty settings", [](const fs::path& f) { Write(f / "tavrilon.ini", ""); },
       "read --count log.adi", 0, "", "", "tavrilon.ini", "LabelLayOut=DEFAULT"},
      {"settings behind a byte-order mark",
       [](const fs::path& f) { Write(f / "tavrilon.ini", "\xEF\xBB\xBF[Globals]\nMyCall=W1AW\n"); },
       "html log.adi", 0, "", "", "log.html", "W1AW Logbook"},
      {"a time with a colon", [](const fs::path& f) { Write(f / "log.adi", Contacts(4)); },
       "logbook log.adi --pdf out.pdf --begin 20240105 --end 20240105 --end-time 14:02", 0,
       "Printing Complete -> 3 QSOs", "", "", ""},
      {"several contacts on one line, CR line ends",
       [](const fs::path& f) {
         Write(f / "log.adi", "<EOH>\r" + Contacts(4, "").substr(13) + "\r");
       },
       "labels log.adi --pdf out.pdf", 0, "4 Labels Submitted to the Printer", "", "", ""},
      {"leftovers of a killed run",
       [](const fs::path& f) {
         Write(f / ".tavrilon-99999999-1.tmp", "left by a process long gone");
       },
       "read --count log.adi", 0, "", "", "", ""},
  };
  for (const Fault& f : faults) {
    SCOPED_TRACE(f.fault);
    BatchFolder folder;
    Write(folder / "log.adi", Contacts(3));
    Write(folder / "out.pdf", kOldPdf);
    ASSERT_EQ(folder.Run("read --count log.adi").status, 0);  // the settings file, as a user has it
    if (f.arrange) {
      f.arrange(folder.path());
    }
    const std::string kept = *f.kept ? ReadFile(folder / f.kept) : "";
    const BatchRun run = folder.Run(f.command);
    EXPECT_EQ(run.status, f.status) << run.err;
    EXPECT_NE(run.err.find(f.says), std::string::npos) << run.err;
    if (f.status != 0) {
      EXPECT_EQ(run.err.find("Submitted"), std::string::npos) << run.err;
    }
    if (*f.kept) {
      EXPECT_EQ(ReadFile(folder / f.kept), kept);
    }
    if (*f.written) {
      EXPECT_NE(ReadFile(folder / f.written).find(f.holding), std::string::npos);
    }
    EXPECT_EQ(TemporaryFiles(folder.path()), std::vector<std::string>{});
  }
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// A log that does not end a record within 64 MiB stops the run where the
// record began, and no half page is left.
TEST(Faults, ARecordWithoutAnEndStopsTheRun) {
  BatchFolder folder;
  Write(folder / "log.adi",
        "<EOH>\n<CALL:4>ZZ10<EOR>\n<COMMENT:1>" + std::string(65 << 20, 'x') + "\n");
  const BatchRun run = folder.Run("html log.adi");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(folder / "log.html"));
  EXPECT_EQ(TemporaryFiles(folder.path()), std::vector<std::string>{});
}

// A run ended by SIGTERM removes its own PDF and leaves the older one.
TEST(Faults, ASignalLeavesTheOlderPdf) {
  BatchFolder folder;
  Write(folder / "log.adi", Contacts(30000));
  Write(folder / "out.pdf", kOldPdf);
  ASSERT_EQ(folder.Run("read --count log.adi").status, 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const int err = ::open((folder / "run.err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (::chdir(folder.path().c_str()) != 0 || err < 0 || ::dup2(err, 2) < 0) {
      ::_exit(126);
    }
    ::execl("./tavrilon-batch", "tavrilon-batch", "labels", "log.adi", "--pdf", "out.pdf",
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  // Well into the labels: the PDF is being written.
  bool seen = false;
  for (int wait = 0; wait < 1200 && !seen; ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    seen = ReadFile(folder / "run.err").find("Label 500\n") != std::string::npos;
  }
  ::kill(child, SIGTERM);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(seen) << ReadFile(folder / "run.err");
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_EQ(ReadFile(folder / "out.pdf"), kOldPdf);
  EXPECT_EQ(TemporaryFiles(folder.path()), std::vector<std::string>{});
}

// A disk that fills up while the PDF is written: the run fails and says
// why, and the older PDF stays. Needs a small tmpfs, which only root mounts.
TEST(Faults, AFullDiskLeavesTheOlderPdf) {
  BatchFolder folder;
  const fs::path disk = folder / "small";
  fs::create_directory(disk);
  if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=160k") != 0) {
    GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno)
                 << "): the full-disk case is not tried";
  }
  Write(disk / "out.pdf", kOldPdf);
  Write(folder / "log.adi", Contacts(3000));
  const BatchRun run = folder.Run("labels log.adi --pdf small/out.pdf");
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.err.find("Printing Failed"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("small/out.pdf"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("Submitted"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFile(disk / "out.pdf"), kOldPdf);
  EXPECT_EQ(TemporaryFiles(disk), std::vector<std::string>{});
  ::umount(disk.c_str());
}

}  // namespace
}  // namespace tavrilon::test
