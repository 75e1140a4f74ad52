#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/dane/framework.hpp"
#include "host/platform/atomic_file.hpp"

namespace funkcja::dane {
namespace {

namespace fs = std::filesystem;

class Settings : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("funkcja-settings-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(Settings, ValuesSurviveInTheFileAndCompareWithoutCase) {
  const std::string path = (dir_ / "nested" / "funkcja.ini").string();
  {
    INICLASS ini;
    ini.Init(path);
    EXPECT_FALSE(ini.FETCH("Kalendarz", "X"));
    EXPECT_TRUE(ini.UPDATE("Kalendarz", "X", "120"));
    EXPECT_TRUE(ini.UPDATE("Kalendarz", "Opis", "a=b; c\nd"));
  }
  INICLASS again;
  again.Init(path);
  EXPECT_EQ(again.FETCH("kalendarz", "x"), "120");
  EXPECT_EQ(again.FETCH("Kalendarz", "Opis"), "a=b; c d");  // one line per value
}

TEST_F(Settings, WritingLeavesNoTemporaryFilesBehind) {
  const std::string path = (dir_ / "a.ini").string();
  INICLASS ini;
  ini.Init(path);
  for (int i = 0; i < 20; ++i) ini.UPDATE("S", "k" + std::to_string(i), "v");
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir_)) {
    ++files;
    EXPECT_EQ(entry.path().filename(), "a.ini");
  }
  EXPECT_EQ(files, 1);
}

TEST_F(Settings, AFailedWriteKeepsTheOldFile) {
  fs::create_directories(dir_);
  const std::string path = (dir_ / "keep.ini").string();
  ASSERT_TRUE(platform::write_file_atomically(path, "[S]\r\nk=old\r\n"));
  // A folder where the temporary file should go makes the write fail half way.
  const fs::path blocked = dir_ / "no-such-folder" / "x.ini";
  fs::create_directories(dir_ / "no-such-folder");
  fs::permissions(dir_ / "no-such-folder", fs::perms::owner_read | fs::perms::owner_exec);
  if (::geteuid() != 0) {
    EXPECT_FALSE(platform::write_file_atomically(blocked.string(), "new"));
  }
  fs::permissions(dir_ / "no-such-folder", fs::perms::owner_all);
  std::string content;
  ASSERT_TRUE(platform::read_file(path, content));
  EXPECT_EQ(content, "[S]\r\nk=old\r\n");
  EXPECT_FALSE(platform::write_file_atomically((dir_ / "keep.ini" / "child").string(), "x"));
}

TEST_F(Settings, WithoutAPathNothingIsWritten) {
  INICLASS ini;
  ini.Init("");
  EXPECT_FALSE(ini.UPDATE("S", "k", "v"));
  EXPECT_EQ(ini.FETCH("S", "k"), "v");  // still answered from memory for this run
}

}  // namespace
}  // namespace funkcja::dane
