#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "files/ReplacingFile.h"
#include "settings/SettingsFile.h"
#include "support/TestSupport.h"

namespace tavrilon::settings {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
  fs::path path_ = dir_ / "tavrilon.ini";
};

TEST_F(SettingsFileTest, ReadsBackWhatWasWrittenTrimmedAndWhole) {
  SettingsFile settings(path_);
  EXPECT_EQ(settings.ReadSetting("Log", "ADIFile", "none"), "none");
  EXPECT_FALSE(fs::exists(path_));
  const std::string longValue(2000, 'x');
  EXPECT_TRUE(settings.WriteSetting(" Log ", "  ADIFile  ", "  my log.adi  "));
  EXPECT_TRUE(settings.WriteSetting("Log", "Long", longValue));
  EXPECT_EQ(test::ReadFile(path_), "[ Log ]\nADIFile=my log.adi\nLong=" + longValue + "\n");
  SettingsFile fresh(path_);
  EXPECT_EQ(fresh.ReadSetting("Log", "Long", ""), longValue);
  // Text that is not UTF-8 is Windows-1252.
  test::WriteFile(path_,
                  "[Return Label]\nLine1=Stra\xDF"
                  "e 1\n");
  EXPECT_EQ(fresh.ReadSetting("Return Label", "Line1", ""), "Stra\u00DFe 1");
}

// The whole file is replaced, keeping its mode; its link stays a link.
TEST_F(SettingsFileTest, ReplacesTheWholeFileKeepingItsModeAndLink) {
  test::WriteFile(path_, "; mine\n[Globals]\nMyCall=DL1ABC\n");
  fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  struct stat before {};
  ASSERT_EQ(::stat(path_.c_str(), &before), 0);
  EXPECT_TRUE(SettingsFile(path_).WriteSetting("Globals", "Version", "1.0"));
  struct stat after {};
  ASSERT_EQ(::stat(path_.c_str(), &after), 0);
  EXPECT_NE(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(test::ReadFile(path_), "; mine\n[Globals]\nMyCall=DL1ABC\nVersion=1.0\n");

  fs::create_directory(dir_ / "real");
  fs::create_symlink("real/settings.ini", dir_ / "link.ini");
  // What a killed run left is removed where a file is begun, but not by the
  // settings file, written on every click: the start does that once.
  const fs::path killed = dir_ / "real" / ".tavrilon-99999999-1.tmp";
  test::WriteFile(killed, "as big as the log");
  EXPECT_TRUE(SettingsFile(dir_ / "link.ini").WriteSetting("Globals", "MyCall", "DL1ABC"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.ini"));
  EXPECT_EQ(test::ReadFile(dir_ / "real" / "settings.ini"), "[Globals]\nMyCall=DL1ABC\n");
  EXPECT_TRUE(fs::exists(killed));

  // The program's own copies replace a link in their place instead.
  files::ReplacingFile copy(dir_ / "link.ini", files::ReplacingFile::Links::Replace);
  ASSERT_TRUE(copy.Open());
  copy.Write("sorted");
  ASSERT_TRUE(copy.Commit(false));
  EXPECT_EQ(test::ReadFile(dir_ / "link.ini"), "sorted");
  EXPECT_EQ(test::ReadFile(dir_ / "real" / "settings.ini"), "[Globals]\nMyCall=DL1ABC\n");
  files::ReplacingFile follow(dir_ / "real" / "settings.ini");
  ASSERT_TRUE(follow.Open());
  EXPECT_FALSE(fs::exists(killed));
}

// Only a regular file that may be written is replaced; anything else is
// refused with a reason, never hangs, and stays as it was.
TEST_F(SettingsFileTest, WriteWhereNoFileMayBeMadeFailsAndSaysWhy) {
  test::WriteFile(dir_ / "file", "");
  test::WriteFile(dir_ / "readonly.ini", "[Globals]\nMyCall=W1AW\n");
  fs::permissions(dir_ / "readonly.ini", fs::perms::owner_read | fs::perms::group_read);
  ASSERT_EQ(::mkfifo((dir_ / "fifo.ini").c_str(), 0600), 0);
  const struct {
    fs::path path;
    const char* reason;
  } cases[] = {{dir_ / "file" / "tavrilon.ini", "Not a directory"},
               {dir_ / "readonly.ini", "the file is read-only"},
               {dir_ / "fifo.ini", "is not a regular file"}};
  for (const auto& c : cases) {
    SettingsFile settings(c.path);
    EXPECT_FALSE(settings.WriteSetting("Globals", "MyCall", "DL1ABC")) << c.path;
    EXPECT_FALSE(settings.WriteSetting("Globals", "Version", "1.0"));
    ASSERT_TRUE(settings.FirstWriteError());
    EXPECT_EQ(settings.FirstWriteError()->path, c.path);
    EXPECT_NE(settings.FirstWriteError()->reason.find(c.reason), std::string::npos)
        << settings.FirstWriteError()->reason;
  }
  EXPECT_EQ(test::ReadFile(dir_ / "readonly.ini"), "[Globals]\nMyCall=W1AW\n");
  EXPECT_TRUE(fs::is_fifo(dir_ / "fifo.ini"));
  // A folder that is missing is made, as the configuration folder is.
  SettingsFile made(dir_ / "config" / "tavrilon" / "tavrilon.ini");
  EXPECT_TRUE(made.WriteSetting("Globals", "MyCall", "DL1ABC"));
}

// A file size limit makes the write fail as a full disk would.
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit limit = old;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);
  }
  rlimit old{};
};

TEST_F(SettingsFileTest, FailedWriteLeavesTheOldFileAndValue) {
  const std::string old = "[Globals]\nMyCall=DL1ABC\n";
  test::WriteFile(path_, old);
  SettingsFile settings(path_);
  ASSERT_EQ(settings.ReadSetting("Globals", "MyCall", ""), "DL1ABC");
  {
    const FileSizeLimit limit(old.size() + 8);
    EXPECT_FALSE(settings.WriteSetting("Globals", "MyCall", "DL1ABC/PORTABLE"));
  }
  ASSERT_TRUE(settings.FirstWriteError());
  EXPECT_EQ(settings.FirstWriteError()->reason, "File too large");
  EXPECT_EQ(test::ReadFile(path_), old);
  EXPECT_EQ(settings.ReadSetting("Globals", "MyCall", ""), "DL1ABC");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), {}), 1) << "a temporary file left";
}

TEST_F(SettingsFileTest, ReadsAndWritesSeeEditsFromOutside) {
  SettingsFile settings(path_);
  ASSERT_TRUE(settings.WriteSetting("Globals", "MyCall", "DL1ABC"));
  ASSERT_EQ(settings.ReadSetting("Globals", "MyCall", ""), "DL1ABC");

  // Same size, same file: only the time tells, to the nanosecond. The edit
  // is dated explicitly: within one clock tick the two writes would share it.
  const fs::file_time_type written = fs::last_write_time(path_);
  test::WriteFile(path_, "[Globals]\nMyCall=DL9XYZ\n");
  fs::last_write_time(path_, written + std::chrono::nanoseconds(1));
  EXPECT_EQ(settings.ReadSetting("Globals", "MyCall", ""), "DL9XYZ");

  test::WriteFile(path_, "; by hand\n[Globals]\nMyCall=DL9XYZ\n");
  EXPECT_TRUE(settings.WriteSetting("Globals", "Version", "1.0"));
  EXPECT_EQ(test::ReadFile(path_), "; by hand\n[Globals]\nMyCall=DL9XYZ\nVersion=1.0\n");
}

TEST(SettingsBatch, WritesReachTheDiskTogether) {
  test::TempDir dir;
  SettingsFile settings(dir / "tavrilon.ini");
  SettingsBatch batch(settings);
  EXPECT_TRUE(settings.WriteSetting("Globals", "MyCall", "W1AW"));
  SettingsBatch inner(settings);  // as a dialog's Apply holds the custom log's
  EXPECT_TRUE(settings.WriteSetting("Log", "LogLayOut", "CUSTOM"));
  EXPECT_TRUE(inner.Close());
  EXPECT_FALSE(std::filesystem::exists(dir / "tavrilon.ini"));
  EXPECT_EQ(settings.ReadSetting("Globals", "mycall", ""), "W1AW");  // reads see the batch
  EXPECT_TRUE(batch.Close());
  EXPECT_EQ(test::ReadFile(dir / "tavrilon.ini"),
            "[Globals]\nMyCall=W1AW\n[Log]\nLogLayOut=CUSTOM\n");
}

}  // namespace
}  // namespace tavrilon::settings
