// Four command-line hosts writing logs, options and exchange rates at once into one database
// file: every call succeeds, no row is lost and no operation number is handed out twice.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <thread>

#include "support/database_fixture.hpp"
#include "support/run_process.hpp"

namespace funkcja {
namespace {

constexpr int kProcesses = 4;
constexpr int kRounds = 100;

// One host's requests: per round a new log operation of two rows, a user-log row, its own
// option and a rate table (rounds past 28 replace a day stored earlier).
std::string requests(int process) {
  std::string lines;
  for (int round = 0; round < kRounds; ++round) {
    const std::string key = std::to_string(process * 1000 + round + 1);
    const std::string who = "P" + std::to_string(process);
    for (int row = 0; row < 2; ++row) {
      lines += R"({"proc":"LOG_DODAJ","args":[)" + key + R"(,")" + who + R"(","mp",")" +
               std::to_string(round) + R"(","","",""]})" + "\n";
    }
    lines += R"({"proc":"LOG_ADD","args":[)" + key + R"(,"D","MP",")" + who + R"("]})" + "\n";
    lines += R"({"proc":"PUTPARAMETRU","args":[)" + std::to_string(900 + process) + R"(,"v)" +
             std::to_string(round) + R"(",1]})" + "\n";
    const int day_of_month = round % 28 + 1;
    const std::string day = "2026-0" + std::to_string(process + 1) + "-" +
                            (day_of_month < 10 ? "0" : "") + std::to_string(day_of_month);
    const std::string table = "TABELA|MP" + key + "/A/NBP/2026|" + day + "\nEUR|1|4,2" +
                              std::to_string(round % 10) + "\nUSD|1|3.65";
    lines += R"({"proc":"FUNCVAY","args":[)" +
             nlohmann::json("call TG_ImportKusowWalutNBP(1,'" + table + "')").dump() + "]}\n";
  }
  return lines;
}

class ManyProcesses : public ::testing::Test {
 protected:
  void SetUp() override { path_ = testing::fresh_database_path(); }
  void TearDown() override { sqlite::remove_database_files(path_); }

  ::funkcja::testing::ProcessResult cli(std::vector<std::string> args,
                                        const std::string& input = "") {
    args.insert(args.begin(), {"--db", "sqlite:" + path_});
    return ::funkcja::testing::run_process(FUNKCJA_CLI, args, input,
                                           {"FUNKCJA_LIBRARY=" FUNKCJA_LIBRARY});
  }
  std::string value(const std::string& statement) {
    const auto r = cli({"sql", statement});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    return r.out;
  }
  std::string path_;
};

TEST_F(ManyProcesses, WriteLogsOptionsAndRatesWithoutErrorLossOrDuplicateNumber) {
  ASSERT_EQ(cli({"db", "init"}).exit_code, 0);
  for (int p = 0; p < kProcesses; ++p) {
    value(
        "insert into OPCJE_UZYTKOWNIKA (id_firmy, id_uzyt, id_opcje, nazwa_wartosci) values "
        "(1, 'AKOWALSKA', " +
        std::to_string(900 + p) + ", '')");
  }
  std::vector<::funkcja::testing::ProcessResult> results(kProcesses);
  std::vector<std::thread> hosts;
  for (int p = 0; p < kProcesses; ++p) {
    hosts.emplace_back([&, p] { results[p] = cli({"batch"}, requests(p)); });
  }
  for (auto& h : hosts) h.join();

  for (int p = 0; p < kProcesses; ++p) {
    SCOPED_TRACE("process " + std::to_string(p));
    const auto& r = results[p];
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.err, "");  // no warning: no statement failed
    EXPECT_EQ(r.out.find("error"), std::string::npos);
    EXPECT_EQ(r.out.find(R"({"result": 1,)"), std::string::npos);   // PUTPARAMETRU failed
    EXPECT_EQ(r.out.find(R"({"result": "",)"), std::string::npos);  // a rate import failed
  }
  const int operations = kProcesses * kRounds;
  EXPECT_EQ(value("select count(*), count(distinct id_operacji) from FK_LOG_1 where "
                  "miejsce_wywolania = 'mp'"),
            std::to_string(2 * operations) + "\t" + std::to_string(operations) + "\n");
  // Both rows of one operation carry its number.
  EXPECT_EQ(value("select count(*) from (select rodzaj_operacji, tekst_1 from FK_LOG_1 where "
                  "miejsce_wywolania = 'mp' group by rodzaj_operacji, tekst_1 having "
                  "count(distinct id_operacji) = 1) x"),
            std::to_string(operations) + "\n");
  EXPECT_EQ(value("select count(*) from UZYTKOWNIK_FK_LOG where modul_operacji = 'MP'"),
            std::to_string(operations) + "\n");
  EXPECT_EQ(value("select id_opcje, nazwa_wartosci from OPCJE_UZYTKOWNIKA where id_opcje >= 900 "
                  "order by id_opcje"),
            "900\tv99\n901\tv99\n902\tv99\n903\tv99\n");
  EXPECT_EQ(value("select count(*), count(distinct data_kursu) from KURSY_WALUT where "
                  "nr_tabeli like 'MP%'"),
            std::to_string(2 * kProcesses * 28) + "\t" + std::to_string(kProcesses * 28) + "\n");
}

}  // namespace
}  // namespace funkcja
