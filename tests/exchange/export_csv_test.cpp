// EXPORT2EXCEL: the exact bytes of a list, the shared queue and the special export, the save
// dialog and the question, and a file that only a whole export replaces.
#include "exchange/export_csv.hpp"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "frame/cp_literal.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/process_objects.hpp"
#include "host/platform/folder_dialog.hpp"
#include "host/platform/open_file.hpp"
#include "support/child_process.hpp"
#include "support/database_fixture.hpp"

namespace funkcja::exchange {
namespace {

namespace fs = std::filesystem;
using funkcja::testing::content_of;
using namespace funkcja::literals;

class Export : public testing::DemoDatabase {
 protected:
  void SetUp() override {
    DemoDatabase::SetUp();
    dir_ = path_ + ".d";
    fs::create_directories(dir_);
    if (::geteuid() == 0) {
      ASSERT_EQ(::chown(dir_.c_str(), 65534, 65534), 0);
    }
    platform::headless_folder_dialog().clear();
    platform::headless_file_opener().clear();
    dane::reset_process_objects();
  }
  void TearDown() override {
    set_list_columns(7, "");
    dane::reset_process_objects();
    platform::headless_folder_dialog().clear();
    platform::headless_file_opener().clear();
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
    DemoDatabase::TearDown();
  }
  std::size_t files_in_folder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }
  static void fill(dane::Queue& q, std::initializer_list<std::vector<std::string>> entries) {
    for (const auto& fields : entries) {
      const std::size_t entry = q.add();
      for (std::size_t f = 0; f < fields.size(); ++f) q.set(entry, f + 1, fields[f]);
    }
  }
  static std::string question_for(const std::string& path) {
    return "Plik eksportu " + path +
           std::string(" został utworzony. \nCzy chcesz go otworzyć ?"_cp);
  }
  fs::path dir_;
};

TEST_F(Export, AListWithoutABrowseObject) {
  set_list_columns(7, "Numer\t@s20\t1\nData\t@d17\t2\nKwota\t@n-16_`2\t3\n\t@s10\t4\n");
  dane::Queue list;
  fill(list, {{"FV/1/2026", "82524", "1234.5", "ukryte"},
              {"FV \"2\"", "82247", "12 345,50", "ukryte"},
              {"12,5", "0", "-5,1234", "ukryte"}});
  const std::string chosen = (dir_ / "Lista").string();  // no ending: .csv is appended
  platform::headless_folder_dialog().push_save_answer(chosen);
  platform::headless_message_box().push_answer(1);  // open it

  EXPORT2EXCEL(nullptr, &list, 7);

  const std::string path = chosen + ".csv";
  EXPECT_EQ(content_of(path),
            "\"Numer\";\"Data\";\"Kwota\"\r\n"
            "\"FV/1/2026\";\"07.12.2026\";\"1 234,50\"\r\n"
            "\"FV `2`\";\"05.03.2026\";\"12 345,50\"\r\n"
            "\"12.5\";\"\";\"-5,1234\"\r\n");
  const auto requests = platform::headless_folder_dialog().save_requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].title, "Zapisz jako...");
  EXPECT_EQ(requests[0].file_name, "lista.csv");
  EXPECT_EQ(requests[0].filter, "CSV|*.csv");
  EXPECT_EQ(warnings(), texts({question_for(path)}));
  EXPECT_EQ(platform::headless_file_opener().requests(), texts({path}));
  EXPECT_EQ(dane::get_text(dane::Global::GGG_PATH), dir_.string());
  EXPECT_EQ(files_in_folder(), 1u);
}

TEST_F(Export, AListFromItsBrowseObjectWithTheUsersSeparator) {
  set_session(2, "AKOWALSKA", 2, 4);  // option 30 of company 2 is ","
  set_list_columns(7, "Konto\t@s20\t1\nNazwa\t@s50\t2\nSaldo\t@n-16_`2\t3\n");
  dane::Browse browse(
      "select nr_konta, nazwa_konta, 1000.5 from WARTOSCI_KONT where id_firmy=1 and "
      "id_lata_obrot=3 and nr_konta in ('100','100-01') order by nr_konta");
  dane::Queue list;
  fill(list, {{"nie", "z", "kolejki"}});  // the queue is only the buffer here
  dane::set_text(dane::Global::GGG_PATH, dir_.string());
  platform::headless_folder_dialog().push_save_answer("konta.CSV");  // in $GGG:PATH
  platform::headless_message_box().push_answer(2);                   // do not open it

  EXPORT2EXCEL(&browse, &list, 7);

  EXPECT_EQ(content_of(dir_ / "konta.CSV"), std::string("\"Konto\",\"Nazwa\",\"Saldo\"\r\n"
                                                        "\"100\",\"Kasa\",\"1 000,50\"\r\n"
                                                        "\"100-01\",\"Kasa ") +
                                                std::string("główna"_cp) + "\",\"1 000,50\"\r\n");
  EXPECT_EQ(platform::headless_folder_dialog().save_requests().at(0).start_folder, dir_.string());
  EXPECT_TRUE(platform::headless_file_opener().requests().empty());
}

TEST_F(Export, NothingToExportOrCancelled) {
  dane::Queue empty;
  EXPORT2EXCEL(nullptr, &empty, 7);
  EXPORT2EXCEL(nullptr, &empty, kSharedQueueExport);
  EXPECT_EQ(warnings(), texts({"Brak danych do eksportu.", "Brak danych do eksportu."}));
  EXPECT_TRUE(platform::headless_folder_dialog().save_requests().empty());

  platform::headless_message_box().clear();
  dane::Queue list;
  fill(list, {{"1"}});
  EXPORT2EXCEL(nullptr, &list, 7);  // no answer queued: the dialog is cancelled
  EXPECT_EQ(platform::headless_folder_dialog().save_requests().size(), 1u);
  EXPECT_TRUE(warnings().empty());
  EXPECT_EQ(files_in_folder(), 0u);
}

TEST_F(Export, TheSharedQueue) {
  auto shared = dane::hold_queue(dane::kXmlQ);
  fill(*shared, {{"4", "@s20", "@D17", "@n-16_`2", "@NB10"},
                 {"3", "Konto", "Data", "Kwota", "nie"},
                 {"4", "201-1", "0", "1234.5", "0"},
                 {"4", "x\"y", "82524", "-2", "7"}});
  const std::string path = (dir_ / "q.csv").string();
  platform::headless_folder_dialog().push_save_answer(path);
  platform::headless_message_box().push_answer(2);

  EXPORT2EXCEL(nullptr, shared.get(), kSharedQueueExport);

  EXPECT_EQ(content_of(path),
            "\"Konto\";\"Data\";\"Kwota\"\r\n"
            "\"201-1\";\"\";\"1 234,50\";\"\"\r\n"
            "\"x`y\";\"07.12.2026\";\"-2,00\";\"7\"\r\n");
}

TEST_F(Export, TheSpecialExportCompletesItsRows) {
  {
    auto settings = dane::hold_group(dane::kSpecEksport);
    settings->set(dane::spec_eksport::kPrefiks1, "JPK_");
    settings->set(dane::spec_eksport::kPrefiks2, "KR_");
    settings->set(dane::spec_eksport::kSeparator, ",");
    settings->set(dane::spec_eksport::kCudzyslow, "'");
    settings->set(dane::spec_eksport::kUzupelnij, "1");
    settings->set(dane::spec_eksport::kData, "82524");
  }
  auto shared = dane::hold_queue(dane::kXmlQ);
  std::vector<std::string> pictures(16, "");
  pictures[0] = "15";
  pictures[1] = "@s20";
  pictures[10] = "@n-16_`2";
  std::vector<std::string> headings{"15", "Konto", "Nazwa"};
  for (int c = 3; c <= 15; ++c) headings.push_back("K" + std::to_string(c));
  std::vector<std::string> data(16, "");
  data[0] = "15";
  data[1] = "201 - 1";
  data[10] = "1234.5";
  data[14] = "0";
  data[15] = "3";
  fill(*shared, {pictures, headings, data});
  const std::string path = (dir_ / "JPK_KR_2026-12-7.csv").string();
  platform::headless_folder_dialog().push_save_answer(path);
  platform::headless_message_box().push_answer(2);

  EXPORT2EXCEL(nullptr, shared.get(), kSpecialExport);

  EXPECT_EQ(platform::headless_folder_dialog().save_requests().at(0).file_name,
            "JPK_KR_2026-12-7.csv");
  EXPECT_EQ(content_of(path),
            "'Konto','Nazwa','K3','K4','K5','K6','K7','K8','K9','K10','K11','K12','K13','K14',"
            "'K15'\r\n"
            "'201-1','Odbiorcy krajowi',NULL,NULL,NULL,NULL,NULL,NULL,,1234.50,'','','',0,3\r\n");
  // Cells of "@N" and "@X" columns, the amount's "@n-16_`2" too, go without quotes; the
  // pictures of the plain layout are stored back in entry 1.
  EXPECT_EQ(shared->get(1, dane::xml_q::pole(2)), "@S");
  EXPECT_EQ(shared->get(1, dane::xml_q::pole(14)), "@N");
  EXPECT_EQ(shared->get(1, dane::xml_q::pole(9)), "@X");
}

TEST_F(Export, AFolderThatCannotBeWrittenKeepsTheOldFile) {
  const fs::path path = dir_ / "lista.csv";
  std::ofstream(path, std::ios::binary) << "old\r\n";
  const int code = [&] {
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
      fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
      dane::Queue list;
      fill(list, {{"1"}});
      set_list_columns(7, "Numer\t@s20\t1");
      platform::headless_folder_dialog().push_save_answer(path.string());
      EXPORT2EXCEL(nullptr, &list, 7);
      // The system's error text as a warning, and no question after it.
      ::_exit(warnings() == texts({"Permission denied"}) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }();
  fs::permissions(dir_, fs::perms::owner_all);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(content_of(path), "old\r\n");
  EXPECT_EQ(files_in_folder(), 1u);
}

TEST(ExportColumns, DescribedOneALine) {
  EXPECT_EQ(
      parse_list_columns("Numer\t@s20\t1\r\n\nData\t@d17\t2\nBez pola\n"),
      (std::vector<ListColumn>{{"Numer", "@s20", 1}, {"Data", "@d17", 2}, {"Bez pola", "", 0}}));
}

}  // namespace
}  // namespace funkcja::exchange
