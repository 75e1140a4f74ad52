// The SQL-to-XML writer: its lines, the exact bytes of the file, and a file that only a whole
// export replaces, also when two threads write at once.
#include "exchange/xml_writer.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "frame/cp_literal.hpp"
#include "host/dane/tables.hpp"
#include "support/child_process.hpp"
#include "support/database_fixture.hpp"

namespace funkcja::exchange {
namespace {

namespace fs = std::filesystem;
using funkcja::testing::content_of;
using funkcja::testing::in_child;
using namespace funkcja::literals;

TEST(XmlLines, EachKindOfRow) {
  struct Row {
    std::string_view kind, name, value, line;
  } const rows[] = {
      {"bogus", "A", "1", ""},  // no line built yet: an empty line
      {"start-tag", "Deklaracja", "x", "<Deklaracja>"},
      {"element", "Kwota", "12.50", "<Kwota>12.50</Kwota>"},
      {"ELEMENT", "KodFormularza", "VAT-7", "<KodFormularza>VAT-7</KodFormularza>"},
      {"Element", "Opis", "A & B < C", "<Opis>A & B < C</Opis>"},  // nothing escaped
      {"komentarz", "X", "Y", "<Opis>A & B < C</Opis>"},           // the line before again
      {"xml", "ignored", "<P a=\"1\"/>", "<P a=\"1\"/>"},
      {"element  ", "Pusty  ", "   ", "<Pusty></Pusty>"},
      {"End-Tag", "Deklaracja", "", "</Deklaracja>"},
  };
  XmlLines lines;
  for (const auto& r : rows) EXPECT_EQ(lines.line(r.kind, r.name, r.value), r.line) << r.kind;
}

class XmlWriter : public testing::DemoDatabase {
 protected:
  void SetUp() override {
    DemoDatabase::SetUp();
    dir_ = path_ + ".d";
    fs::create_directories(dir_);
    if (::geteuid() == 0) {
      ASSERT_EQ(::chown(dir_.c_str(), 65534, 65534), 0);
    }
    file_ = (dir_ / "deklaracja.xml").string();
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
    DemoDatabase::TearDown();
  }
  static void write(const std::string& p, const std::string& content) {
    std::ofstream(p, std::ios::binary) << content;
  }
  std::size_t files_in_folder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }
  static std::string declaration() {
    return std::string(
               "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n"
               "<Deklaracja>\r\n<Naglowek>\r\n"
               "<KodFormularza>VAT-7</KodFormularza>\r\n"
               "<WariantFormularza>22</WariantFormularza>\r\n"
               "<Rok>2026</Rok>\r\n<Miesiac>12</Miesiac>\r\n</Naglowek>\r\n"
               "<Podmiot1>\r\n<NIP>5269458071</NIP>\r\n<PelnaNazwa>") +
           std::string(
               "Przedsiębiorstwo Handlowo-Usługowe ŻURAW Spółka z ograniczoną "
               "odpowiedzialnością"_cp) +
           "</PelnaNazwa>\r\n</Podmiot1>\r\n<PozycjeSzczegolowe>\r\n<P_19>12.50</P_19>\r\n"
           "<P_20>2.88</P_20>\r\n</PozycjeSzczegolowe>\r\n<Pouczenia>1</Pouczenia>\r\n"
           "</Deklaracja>\r\n";
  }
  static std::string rows_document(int count) {
    std::string out = "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<Wiersze>\r\n";
    for (int n = 1; n <= count; ++n) out += "<Wiersz>" + std::to_string(n) + "</Wiersz>\r\n";
    return out + "</Wiersze>\r\n";
  }
  fs::path dir_;
  std::string file_;
};

TEST_F(XmlWriter, WritesTheDeclarationExactlyAndReplacesAnOldFile) {
  write(file_, std::string(100000, 'o'));
  SQL2XMLWRITER_WATEK("TG_XML_DEKLARACJA(1,3)   ", file_);
  EXPECT_EQ(content_of(file_), declaration());
  EXPECT_EQ(warnings(), texts({"Wykonano eksport do pliku."}));
  EXPECT_EQ(files_in_folder(), 1u);
}

TEST_F(XmlWriter, AFailedStatementKeepsTheOldFile) {
  write(file_, "old\r\n");
  SQL2XMLWRITER_WATEK("TG_XML_DEKLARACJA(99,3)", file_);
  const auto shown = warnings();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("99"), std::string::npos) << shown[0];  // the server's message only
  EXPECT_EQ(content_of(file_), "old\r\n");
  EXPECT_EQ(files_in_folder(), 1u);
}

TEST_F(XmlWriter, AReadOnlyFolderKeepsTheOldFile) {
  write(file_, "old\r\n");
  const int code = in_child(
      [&] {
        fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
        SQL2XMLWRITER_WATEK("TG_XML_DEKLARACJA(1,3)", file_);
        const auto shown = warnings();
        return !shown.empty() && shown[0] == "Wystąpił błąd otwarcia pliku."_cp &&
               shown.back() != "Wykonano eksport do pliku.";
      },
      /*unprivileged=*/true);
  fs::permissions(dir_, fs::perms::owner_all);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(content_of(file_), "old\r\n");
  EXPECT_EQ(files_in_folder(), 1u);
}

TEST_F(XmlWriter, AFullDiskKeepsTheOldFileAndNoTemporary) {
  write(file_, "old\r\n");
  const int code = in_child([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
    SQL2XMLWRITER_WATEK("TG_XML_WIERSZE(100000)", file_);
    return warnings() == texts({"Wystąpił błąd zapisu do pliku."_cp});
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(content_of(file_), "old\r\n");
  EXPECT_EQ(files_in_folder(), 1u);
}

TEST_F(XmlWriter, OverlappingCallsNeverInterleave) {
  // Two threads write different documents to the same file at once, twice over: the file is
  // always one of them whole.
  for (int round = 0; round < 2; ++round) {
    std::thread rows([&] {
      SQL2XMLWRITER_WATEK("TG_XML_WIERSZE(20000)", file_);
      dane::close_thread_connection();
    });
    std::thread declaration_writer([&] {
      SQL2XMLWRITER_WATEK("TG_XML_DEKLARACJA(1,3)", file_);
      dane::close_thread_connection();
    });
    rows.join();
    declaration_writer.join();
    const std::string written = content_of(file_);
    EXPECT_TRUE(written == rows_document(20000) || written == declaration())
        << written.substr(0, 200);
    EXPECT_EQ(files_in_folder(), 1u);
  }
  EXPECT_EQ(warnings(), texts({"Wykonano eksport do pliku.", "Wykonano eksport do pliku.",
                               "Wykonano eksport do pliku.", "Wykonano eksport do pliku."}));
}

TEST_F(XmlWriter, IntoTheTextTableWithItsProgressMessages) {
  dane::thread_tables().TXT.set_file_name(file_);
  write(file_, "old\r\n");
  SQL2XMLWRITER_TG("TG_XML_DEKLARACJA(1,3)", "ignored.xml");
  EXPECT_EQ(content_of(file_), declaration());
  EXPECT_EQ(warnings(), texts({"1 close txt", "1 open txt", "przed insertem"}));
  EXPECT_FALSE(dane::thread_tables().XMLTABLE.is_open());

  // A file the table cannot create: it ends at once, silently, the file as it was.
  platform::headless_message_box().clear();
  dane::thread_tables().TXT.set_file_name(file_ + "/x.xml");  // a file in the folder's place
  SQL2XMLWRITER_TG("TG_XML_DEKLARACJA(1,3)", "");
  EXPECT_EQ(warnings(), texts({"1 close txt"}));
  dane::thread_tables().TXT.set_file_name("");
}

}  // namespace
}  // namespace funkcja::exchange
