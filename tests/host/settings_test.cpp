#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

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

// A write whose temporary file cannot be made, or whose target lies under a file, fails.
TEST_F(Settings, AWriteThatCannotBeMadeFails) {
  fs::create_directories(dir_ / "locked");
  fs::permissions(dir_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
  if (::geteuid() != 0) {
    EXPECT_FALSE(platform::write_file_atomically((dir_ / "locked" / "x.ini").string(), "new"));
  }
  fs::permissions(dir_ / "locked", fs::perms::owner_all);
  ASSERT_TRUE(platform::write_file_atomically((dir_ / "keep.ini").string(), "[S]\r\nk=old\r\n"));
  EXPECT_FALSE(platform::write_file_atomically((dir_ / "keep.ini" / "child").string(), "x"));
}

TEST_F(Settings, WithoutAPathNothingIsWritten) {
  INICLASS ini;
  ini.Init("");
  EXPECT_FALSE(ini.UPDATE("S", "k", "v"));
  EXPECT_EQ(ini.FETCH("S", "k"), "v");  // still answered from memory for this run
}

std::string read_all(const std::string& path) {
  std::string content;
  platform::read_file(path, content);
  return content;
}

std::vector<std::string> folder_entries(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// Saving a value rewrites its own line after "=" and nothing else of the file.
TEST(SettingsText, ChangesOnlyTheKeysWritten) {
  struct Case {
    const char* name;
    std::string before;
    std::string section;
    std::vector<ini::Entry> entries;
    std::string after;
  };
  const Case cases[] = {
      {"comments, odd lines and blanks stay",
       "; moje okna\r\n[Okno]\r\n  XPos = 5   \r\nbez znaku\r\n\r\n",
       "okno",
       {{"xpos", "7"}},
       "; moje okna\r\n[Okno]\r\n  XPos =7\r\nbez znaku\r\n\r\n"},
      {"other sections untouched, trailing blanks kept",
       "[A]\nk=1   \n[Okno]\nXPos=1\n[B]\nKlucz=x \n",
       "Okno",
       {{"XPos", "2"}},
       "[A]\nk=1   \n[Okno]\nXPos=2\n[B]\nKlucz=x \n"},
      {"new key after the section's last line, in the file's line ending",
       "[Okno]\nXPos=1\n\n[B]\nk=2\n",
       "OKNO",
       {{"Width", "300"}},
       "[Okno]\nXPos=1\nWidth=300\n\n[B]\nk=2\n"},
      {"new section at the end, a last line without its ending finished",
       "[A]\r\nk=1",
       "Okno",
       {{"XPos", "1"}, {"YPos", "2"}},
       "[A]\r\nk=1\r\n\r\n[Okno]\r\nXPos=1\r\nYPos=2\r\n"},
      {"four keys at once, the existing one in place",
       "[Okno]\r\nHeight=9\r\n",
       "Okno",
       {{"XPos", "1"}, {"YPos", "2"}, {"Width", "3"}, {"Height", "4"}},
       "[Okno]\r\nHeight=4\r\nXPos=1\r\nYPos=2\r\nWidth=3\r\n"},
      {"empty file", "", "Okno", {{"XPos", "1"}}, "[Okno]\r\nXPos=1\r\n"},
      {"line breaks in a value become blanks",
       "[S]\nk=1\n",
       "S",
       {{"k", "a\r\nb"}},
       "[S]\nk=a  b\n"},
      {"the first of a repeated key is the one changed",
       "[S]\nk=1\n[T]\n[S]\nk=2\n",
       "s",
       {{"K", "9"}},
       "[S]\nk=9\n[T]\n[S]\nk=2\n"},
      {"a commented-out key is not the key", "[S]\n;k=1\n", "S", {{"k", "2"}}, "[S]\n;k=1\nk=2\n"},
  };
  for (const Case& c : cases) {
    const std::string after = ini::set(c.before, c.section, c.entries);
    EXPECT_EQ(after, c.after) << c.name;
    for (const ini::Entry& e : c.entries) {
      EXPECT_TRUE(ini::find(after, c.section, e.key)) << c.name << ": " << e.key;
    }
  }
}

TEST_F(Settings, SavingKeepsTheRestOfTheFileByteForByte) {
  fs::create_directories(dir_);
  const std::string path = (dir_ / "host.ini").string();
  const std::string before =
      "; ustawienia programu\r\n[Program]\r\nSciezka = C:\\FK  \r\nDziwna linia\r\n\r\n"
      "[Kalendarz]\r\nxpos=1\r\n";
  ASSERT_TRUE(platform::write_file_atomically(path, before));
  INICLASS ini;
  ini.Init(path);
  EXPECT_EQ(ini.FETCH("program", "SCIEZKA"), " C:\\FK");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(ini.UPDATE("Kalendarz", {{"XPos", "10"}, {"YPos", "20"}}));
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(read_all(path),
            "; ustawienia programu\r\n[Program]\r\nSciezka = C:\\FK  \r\nDziwna linia\r\n\r\n"
            "[Kalendarz]\r\nxpos=10\r\nYPos=20\r\n");
}

// A file that is there but cannot be read is never replaced, and the failure is reported.
TEST_F(Settings, AnUnreadableFileIsNeverReplaced) {
  struct Case {
    const char* name;
    std::function<void(const fs::path&)> make;
    std::function<bool(const fs::path&)> unchanged;
  };
  std::vector<Case> cases = {
      {"a folder in its place", [](const fs::path& p) { fs::create_directories(p / "inside"); },
       [](const fs::path& p) { return fs::is_directory(p / "inside"); }},
      {"a link that loops", [](const fs::path& p) { fs::create_symlink(p.filename(), p); },
       [](const fs::path& p) {
         return fs::is_symlink(fs::symlink_status(p)) && fs::read_symlink(p) == p.filename();
       }},
  };
  if (::geteuid() != 0) {
    cases.push_back({"no permission to read",
                     [](const fs::path& p) {
                       std::ofstream(p) << "[Program]\nKlucz=1\n";
                       fs::permissions(p, fs::perms::none);
                     },
                     [](const fs::path& p) {
                       fs::permissions(p, fs::perms::owner_all);
                       return read_all(p.string()) == "[Program]\nKlucz=1\n";
                     }});
  }
  for (const Case& c : cases) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    const fs::path path = dir_ / "host.ini";
    c.make(path);
    thread_error_status().set_error(0, "");
    ERRORCLASS errors;
    errors.Init(&thread_error_status());
    INICLASS ini;
    ini.SETERRORS(&errors);
    ini.Init(path.string());
    EXPECT_NE(errors.last_error().find(path.string()), std::string::npos) << c.name;
    errors.report(0, "");
    EXPECT_FALSE(ini.UPDATE("Kalendarz", "XPos", "1")) << c.name;
    EXPECT_NE(errors.last_error().find(path.string()), std::string::npos) << c.name;
    EXPECT_NE(thread_error_status().error_code(), 0) << c.name;
    EXPECT_EQ(ini.FETCH("Kalendarz", "XPos"), "1") << c.name;  // kept for this run
    EXPECT_TRUE(c.unchanged(path)) << c.name;
    EXPECT_EQ(folder_entries(dir_), std::vector<std::string>{"host.ini"}) << c.name;
  }
}

// Two processes that read the file before either saved: each save takes the other's values in.
TEST_F(Settings, TwoProcessesSavingAtOnceKeepEachOthersValues) {
  fs::create_directories(dir_);
  const std::string path = (dir_ / "shared.ini").string();
  ASSERT_TRUE(platform::write_file_atomically(path, "; wspólny\n"));
  constexpr int kKeys = 40;
  int go[2];
  ASSERT_EQ(::pipe(go), 0);
  std::vector<pid_t> children;
  for (const char* section : {"Pierwszy", "Drugi"}) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      INICLASS ini;
      ini.Init(path);
      char byte = 0;
      if (::read(go[0], &byte, 1) != 1) ::_exit(3);
      bool all = true;
      for (int k = 0; k < kKeys; ++k)
        all = ini.UPDATE(section, "k" + std::to_string(k), "v") && all;
      ::_exit(all ? 0 : 1);
    }
    ASSERT_GT(pid, 0);
    children.push_back(pid);
  }
  ASSERT_EQ(::write(go[1], "xx", 2), 2);
  for (const pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  ::close(go[0]);
  ::close(go[1]);
  const std::string content = read_all(path);
  EXPECT_EQ(content.rfind("; wspólny\n", 0), 0u);
  for (const char* section : {"Pierwszy", "Drugi"}) {
    for (int k = 0; k < kKeys; ++k) {
      EXPECT_EQ(ini::find(content, section, "k" + std::to_string(k)), "v") << section << k;
    }
  }
}

// Writers killed at any moment of a save leave the whole file, old or new, and the next save
// clears away the temporary files they left.
TEST_F(Settings, WritersKilledMidSaveLeaveAWholeFileAndNoTemporaryFiles) {
  fs::create_directories(dir_);
  const std::string path = (dir_ / "okna.ini").string();
  const std::string big(20000, 'x');  // a long file makes each save take a while
  ASSERT_TRUE(platform::write_file_atomically(path, "[Inne]\nDuzo=" + big + "\n"));
  std::mt19937 random(12345);
  for (int round = 0; round < 50; ++round) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      INICLASS ini;
      ini.Init(path);
      for (int n = 0;; ++n) {
        const std::string v = std::to_string(n);
        ini.UPDATE("Okno", {{"XPos", v}, {"YPos", v}, {"Width", v}, {"Height", v}});
      }
    }
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    const std::string content = read_all(path);
    ASSERT_EQ(ini::find(content, "Inne", "Duzo"), big) << round;
    const auto x = ini::find(content, "Okno", "XPos");
    if (x) {
      for (const char* key : {"YPos", "Width", "Height"}) {
        EXPECT_EQ(ini::find(content, "Okno", key), x) << round << key;
      }
    }
  }
  INICLASS ini;
  ini.Init(path);
  ASSERT_TRUE(ini.UPDATE("Okno", "XPos", "1"));
  EXPECT_EQ(folder_entries(dir_), std::vector<std::string>{"okna.ini"});
}

// A temporary file of a writer that is still running is left alone.
TEST_F(Settings, TemporaryFilesOfLiveWritersStay) {
  fs::create_directories(dir_);
  const std::string path = (dir_ / "a.ini").string();
  const std::string live = path + ".tmp" + std::to_string(::getpid()) + ".77";
  std::ofstream(live) << "w trakcie";
  std::ofstream(path + ".tmp999999999.1") << "porzucony";  // no such process
  std::ofstream(path + ".tmpx") << "not ours";
  platform::remove_stale_temporaries(path);
  EXPECT_EQ(
      folder_entries(dir_),
      (std::vector<std::string>{"a.ini.tmp" + std::to_string(::getpid()) + ".77", "a.ini.tmpx"}));
}

}  // namespace
}  // namespace funkcja::dane
