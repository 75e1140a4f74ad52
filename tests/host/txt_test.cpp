// The text table TXT: lines written through its file manager's calls, each failing as a file
// would, and a file that is replaced only by a whole, successful export.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

#include "funkcja/objects.hpp"
#include "host/dane/tables.hpp"
#include "support/child_process.hpp"
#include "support/database_fixture.hpp"

namespace funkcja::dane {
namespace {

namespace fs = std::filesystem;
using funkcja::testing::content_of;
using funkcja::testing::in_child;

void write(const fs::path& p, const std::string& content) {
  std::ofstream(p, std::ios::binary) << content;
}

class TxtTable : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testing::fresh_database_path() + ".d";
    fs::create_directories(dir_);
    if (::geteuid() == 0) {
      // The unprivileged child writes here too.
      ASSERT_EQ(::chown(dir_.c_str(), 65534, 65534), 0);
    }
    file_ = dir_ / "out.xml";
  }
  void TearDown() override {
    table().close();
    table().set_file_name("");
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
  }
  static TextTable& table() { return thread_tables().TXT; }
  // Only the target itself in the folder: no temporary file left behind.
  std::size_t files_in_folder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }
  bool add(std::string_view line) {
    table().set_line(line);
    return table().add();
  }
  fs::path dir_;
  fs::path file_;
};

TEST_F(TxtTable, WritesTheLinesAddedBetweenOpenAndClose) {
  write(file_, "an older, longer file that must not show through\r\n");
  funkcja::Txt::set_file_name(file_.string());
  EXPECT_EQ(funkcja::Txt::file_name(), file_.string());
  ASSERT_TRUE(table().close());
  ASSERT_TRUE(table().open()) << table().error_message();
  ASSERT_TRUE(table().prepare(2));
  ASSERT_TRUE(add("<?xml version=\"1.0\" encoding=\"windows-1250\"?>"));
  ASSERT_TRUE(add("<a>1 & 2</a>   "));       // trailing blanks are not written
  ASSERT_TRUE(add(std::string(3100, 'x')));  // cut to the record's 3,001 characters
  EXPECT_EQ(content_of(file_), "an older, longer file that must not show through\r\n");
  ASSERT_TRUE(table().close());
  EXPECT_EQ(content_of(file_),
            "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n"
            "<a>1 & 2</a>\r\n" +
                std::string(3001, 'x') + "\r\n");
  EXPECT_EQ(files_in_folder(), 1u);
  EXPECT_EQ(funkcja::Txt::error_code(), 0);
}

TEST_F(TxtTable, OpeningFailsAsCreatingTheFileWould) {
  fs::create_directories(dir_ / "folder.xml");
  fs::create_directories(dir_ / "locked");
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown((dir_ / "locked").c_str(), 65534, 65534), 0);
  }
  write(dir_ / "locked" / "out.xml", "old");
  fs::permissions(dir_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
  struct Case {
    fs::path path;
    std::int32_t code;
  };
  const Case cases[] = {{dir_ / "missing" / "out.xml", kPathNotFound},
                        {dir_ / "folder.xml", kAccessDenied},
                        {dir_ / "locked" / "out.xml", kAccessDenied},
                        {"", kPathNotFound}};
  for (const Case& c : cases) {
    const int exit = in_child(
        [&] {
          table().set_file_name(c.path.string());
          return !table().open() && table().error_code() == c.code &&
                 !table().error_message().empty() && !table().add() &&
                 table().error_code() == kFileNotOpen;
        },
        /*unprivileged=*/true);
    EXPECT_EQ(exit, 0) << c.path;
  }
  EXPECT_EQ(content_of(dir_ / "locked" / "out.xml"), "old");
  EXPECT_FALSE(fs::exists(dir_ / "missing"));
}

TEST_F(TxtTable, AFileIsReplacedOnlyByAWholeExport) {
  write(file_, "old\r\n");
  table().set_file_name(file_.string());
  // A close without adds leaves the file as it was.
  ASSERT_TRUE(table().open());
  ASSERT_TRUE(table().prepare(2));
  ASSERT_TRUE(table().close());

  EXPECT_EQ(content_of(file_), "old\r\n");

  // A failed add (the file-size limit of the process reached) leaves the old file, and so does
  // a close whose rename the folder refuses.
  const int add_failed = in_child([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, 64};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
    table().set_file_name(file_.string());
    if (!table().open() || !add("short")) return false;
    if (add(std::string(100, 'y')) || table().error_code() != kFileSystemError) return false;
    return table().close() && content_of(file_) == "old\r\n";
  });
  EXPECT_EQ(add_failed, 0);
  EXPECT_EQ(files_in_folder(), 1u);
  const int close_failed = in_child(
      [&] {
        table().set_file_name(file_.string());
        if (!table().open() || !add("new")) return false;
        fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
        const bool closed = table().close();
        fs::permissions(dir_, fs::perms::owner_all);
        return !closed && table().error_code() == kAccessDenied && content_of(file_) == "old\r\n";
      },
      /*unprivileged=*/true);
  EXPECT_EQ(close_failed, 0);
  EXPECT_EQ(content_of(file_), "old\r\n");
}

TEST_F(TxtTable, EachThreadHasItsOwnFileName) {
  funkcja::Txt::set_file_name(file_.string());
  std::string other = "unset";
  std::thread([&] { other = funkcja::Txt::file_name(); }).join();
  EXPECT_EQ(other, "");
  EXPECT_EQ(funkcja::Txt::file_name(), file_.string());
}

}  // namespace
}  // namespace funkcja::dane
