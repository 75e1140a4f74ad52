// Bank account numbers, the accounts of contractors, employees and offices, and the bank
// register, on a fresh demo database: the statements sent, what they read back, hostile texts,
// the clipboard, and the command-line host end to end.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <climits>
#include <string>
#include <vector>

#include "frame/cp_literal.hpp"
#include "funkcja/banks.hpp"
#include "funkcja/gateway.hpp"
#include "host/dane/tables.hpp"
#include "host/platform/env.hpp"
#include "support/database_fixture.hpp"
#include "support/run_process.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;

class Banks : public testing::DemoDatabase {
 protected:
  static void exec(const std::string& statement) { rows(statement); }
  static std::string vay_statement() { return dane::thread_tables().VAY_FK.statement(); }
  static std::string vax_statement() { return dane::thread_tables().VAX_FK.statement(); }
  // Changes the file behind the library's back, as a damaged database would be.
  void raw(const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }
};

// Texts that would end a literal, carry a statement of their own, or strain a buffer.
std::vector<std::string> hostile_texts() {
  std::string every_byte;
  for (int c = 1; c <= 0xFF; ++c) every_byte += static_cast<char>(c);
  return {"'",        "x' or '1'='1",         "K'; delete from BANKI; --",
          every_byte, std::string(5000, 'K'), std::string(5000, '\'')};
}

TEST(GrupujRachBank, OnlyA26DigitNumberIsGrouped) {
  const std::string long_text = std::string(150, '7');
  const struct {
    std::string in, out;
  } cases[] = {
      {"12345678901234567890123456", "12 3456 7890 1234 5678 9012 3456"},
      {"12345678901234567890123456   ", "12 3456 7890 1234 5678 9012 3456"},  // field padding
      {"1234567890123456789012345", "1234567890123456789012345"},
      {"123456789012345678901234567", "123456789012345678901234567"},
      {"12-3456789012345678901234", "12-3456789012345678901234"},
      {"12 3456 7890 1234 5678 9012 3456", "12 3456 7890 1234 5678 9012 3456"},
      {" 2345678901234567890123456", " 2345678901234567890123456"},
      // numeric to a loose test, but no account number
      {"+2345678901234567890123456", "+2345678901234567890123456"},
      {"1234567890123456789012345.", "1234567890123456789012345."},
      {"PL12345678901234567890123456", "PL12345678901234567890123456"},
      {"", ""},
      {long_text, long_text.substr(0, 100)},
  };
  for (const auto& c : cases) EXPECT_EQ(GRUPUJ_RACH_BANK(c.in), c.out) << c.in;
}

TEST_F(Banks, AccountLookupsSendTheirStatementsAndReadTheViews) {
  const std::string k = "select ID_RACHUNKU from  RACHUNEK_BANKOWY_K_VIEW with (nolock) where ";
  const struct {
    std::int32_t account, owner;
    std::string type;
    std::int32_t found;
    std::string statement;  // empty: none sent
  } checks[] = {
      {7, 1, "K", 7, k + "ID_RACHUNKU = 7 AND ID_KARTOTEKI =  1"},
      {7, 2, "K", 0, k + "ID_RACHUNKU = 7 AND ID_KARTOTEKI =  2"},
      {1, 1, "K  ", 1, k + "ID_RACHUNKU = 1 AND ID_KARTOTEKI =  1"},
      {5, 1, "K", 0, k + "ID_RACHUNKU = 5 AND ID_KARTOTEKI =  1"},  // an employee's account
      {-1, INT_MIN, "K", 0, k + "ID_RACHUNKU = -1 AND ID_KARTOTEKI =  -2147483648"},
      {5, 1, "P", 5,
       "select ID_RACHUNKU from  RACHUNEK_BANKOWY_P_VIEW with (nolock) where ID_RACHUNKU = 5 AND "
       "ID_KARTOTEKI =  1"},
      {9, 3, "U", 9,
       "select ID_RACHUNKU from  RACHUNEK_BANKOWY_U_VIEW with (nolock) where ID_RACHUNKU = 9 AND "
       "ID_KARTOTEKI =  3"},
      {1, 1, "k", 0, ""},
      {1, 1, "KP", 0, ""},
      {1, 1, "", 0, ""},
  };
  for (const auto& c : checks) {
    EXECVAY("select 'none sent'");
    EXPECT_EQ(RACHUNEK_BANKOWY_CHECK(c.account, c.owner, c.type), c.found) << c.type << c.account;
    EXPECT_EQ(vay_statement(), c.statement.empty() ? "select 'none sent'" : c.statement);
  }

  const struct {
    std::int32_t account, owner;
    std::string type;
    std::uint8_t grouped;
    std::string number;
  } gets[] = {
      {1, 1, "K", 1, "25 1020 1026 8603 9547 6200 7532"},
      {1, 1, "K", 0, "25102010268603954762007532"},
      {5, 1, "P", 2, "88 1140 2004 9261 2652 0642 7928"},
      {9, 3, "U", 0, "39101000008471954061358952"},
      {21, 6, "K", 1, "67 1050 1445 0000 0071 2198 1287"},  // stored grouped: as stored
      {1, 2, "K", 1, ""},
      {1, 1, "P", 1, ""},
      {1, 1, "X", 1, ""},
      {0, 1, "K", 1, std::string("<domyślny>"_cp)},
      {0, 77, "X", 0, std::string("<domyślny>"_cp)},
  };
  for (const auto& c : gets)
    EXPECT_EQ(RACHUNEK_BANKOWY_GET(c.account, c.owner, c.type, c.grouped), c.number)
        << c.type << c.account;
  RACHUNEK_BANKOWY_GET(1, 1, "K", 1);
  EXPECT_EQ(vay_statement(),
            "select NUMER_RACHUNKU_ALL from  RACHUNEK_BANKOWY_K_VIEW with (nolock) where "
            "ID_RACHUNKU = 1 AND ID_KARTOTEKI =  1");

  const struct {
    std::int32_t owner;
    std::string type;
    std::uint8_t number_wanted;
    std::string result;
  } defaults[] = {
      {1, "K", 0, "1"},
      {1, "K", 1, "25102010268603954762007532"},
      {6, "K", 1, "67 1050 1445 0000 0071 2198 1287"},
      {4, "K", 0, "0"},  // no default account
      {4, "K", 1, "0"},
      {99, "K", 1, "0"},
      {1, "P", 0, "5"},
      {2, "P", 1, "73105014454452907845474855"},
      {3, "P", 1, "0"},  // her only account is not her default
      {1, "U", 0, "0"},
      {1, "U", 1, "0"},
      {1, "k", 1, "0"},
  };
  for (const auto& c : defaults)
    EXPECT_EQ(RACHUNEK_BANKOWY_DEFAULT(c.owner, c.type, c.number_wanted), c.result)
        << c.type << c.owner;

  RACHUNEK_BANKOWY_DEFAULT(2, "K", 1);
  EXPECT_EQ(vay_statement(),
            "select NUMER_RACHUNKU_ALL from RACHUNEK_BANKOWY_K_VIEW with (nolock) where "
            "ID_RACHUNKU =  2");
  RACHUNEK_BANKOWY_DEFAULT(2, "P", 0);
  EXPECT_EQ(vay_statement(),
            "select a.ID_RACHUNKU from PRACOWNIK a with (nolock) inner join "
            "RACHUNEK_BANKOWY_P_VIEW b with (nolock) on a.ID_RACHUNKU = b.ID_RACHUNKU where "
            "a.ID_PRACOWNIKA =  2");
  // A default that names an account of another kind is no default.
  exec("update KONTRAHENT set ID_RACHUNKU = 5 where id_kontrahenta = 4");
  EXPECT_EQ(RACHUNEK_BANKOWY_DEFAULT(4, "K", 1), "0");
  EXPECT_TRUE(warnings().empty());
}

TEST_F(Banks, NbpIsFoundByNumberThenPrefixThenName) {
  const struct {
    const char* change;
    std::int32_t id;
    const char* last_statement;
  } steps[] = {
      {"", 1, "select id_banku from BANKI where numer_banku = '10100000'"},
      {"delete from BANKI where id_banku = 1; insert into BANKI values (21, '10101023', "
       "'NBP O/O', 'Oddział Okręgowy')",
       21, "select id_banku from BANKI where Substring(numer_banku,1,3)= '101'"},
      {"delete from BANKI where id_banku = 21; insert into BANKI values (22, '99999999', "
       "'nbp', '')",
       22,
       "select id_banku from BANKI where upper(symbol) like '%NBP%' OR upper(nazwa) like "
       "'%NARODOWY%' OR upper(nazwa) like '%NBP%'"},
      {"update BANKI set symbol = 'X', nazwa = 'Narodowy Bank' where id_banku = 22", 22, nullptr},
      {"delete from BANKI where id_banku = 22", 0, nullptr},
  };
  for (const auto& s : steps) {
    std::string_view change = s.change;
    while (!change.empty()) {  // one statement at a time
      const auto end = change.find("; ");
      exec(std::string(change.substr(0, end)));
      change = end == std::string_view::npos ? std::string_view() : change.substr(end + 2);
    }
    EXPECT_EQ(GETBANKNBP("x"), s.id) << s.change;
    if (s.last_statement != nullptr) {
      EXPECT_EQ(vax_statement(), s.last_statement) << s.change;
    }
  }
  raw("DROP TABLE BANKI");  // every statement fails: no bank, and no message
  EXPECT_EQ(GETBANKNBP("x"), 0);
  EXPECT_EQ(GETNAZWABANKU("x", 4), "");
  EXPECT_TRUE(warnings().empty());
}

TEST_F(Banks, BankNameOrItsSymbol) {
  exec("insert into BANKI values (30, '16001462', 'BNP Paribas', '')");
  exec("insert into BANKI values (31, '19401076', 'CA', '   ')");
  exec("insert into BANKI values (32, '11111111', 'L', '" + std::string(250, 'n') + "')");
  exec("insert into BANKI values (33, '22222222', '', '')");
  const struct {
    std::int32_t bank;
    std::string name;
  } cases[] = {{4, std::string("ING Bank Śląski S.A."_cp)},
               {30, "BNP Paribas"},
               {31, "CA"},
               {32, std::string(200, 'n')},
               {33, ""},
               {999, ""},
               {-4, ""}};
  for (const auto& c : cases) EXPECT_EQ(GETNAZWABANKU("x", c.bank), c.name) << c.bank;
  EXPECT_EQ(vax_statement(), "select symbol, nazwa from BANKI where id_banku=-4");
}

TEST_F(Banks, HostileTextsSendNothingAndChangeNothing) {
  for (const std::string& h : hostile_texts()) {
    const std::string label = h.substr(0, 20);
    EXECVAY("select 'none sent'");
    EXPECT_EQ(RACHUNEK_BANKOWY_CHECK(1, 1, h), 0) << label;
    EXPECT_EQ(RACHUNEK_BANKOWY_GET(1, 1, h, 1), "") << label;
    EXPECT_EQ(RACHUNEK_BANKOWY_DEFAULT(1, h, 1), "0") << label;
    EXPECT_EQ(vay_statement(), "select 'none sent'") << label;
    EXPECT_EQ(RACHUNEK_BANKOWY_GET(0, 1, h, 1), std::string("<domyślny>"_cp)) << label;
    EXPECT_EQ(GRUPUJ_RACH_BANK(h), h.substr(0, 100)) << label;
    EXPECT_EQ(GETBANKNBP(h), 1) << label;
    EXPECT_EQ(GETNAZWABANKU(h, 3), "mBank S.A.") << label;
  }
  EXPECT_EQ(rows("select count(*) from BANKI"), texts({"6"}));
  EXPECT_EQ(rows("select count(*) from RACHUNEK_BANKOWY"), texts({"11"}));
  EXPECT_TRUE(warnings().empty());
}

// An Env whose clipboard holds a fixed text.
class FixedClipboard : public platform::EnvWrapper {
 public:
  explicit FixedClipboard(std::string text)
      : EnvWrapper(platform::Env::headless()), text_(std::move(text)) {}
  std::string clipboard_text() override { return text_; }

 private:
  std::string text_;
};

TEST(NumerKontaWklej, PastesOnlyA26DigitNumberThatDiffers) {
  const std::string number = "12345678901234567890123456";
  const std::string check = "12", rest = "345678901234567890123456";
  struct Case {
    std::string clipboard, check_in, rest_in;
    std::uint8_t pasted;
  };
  const Case cases[] = {
      {"PL12 3456 7890 1234 5678 9012 3456", "", "", 1},
      {"PL12 3456 7890 1234 5678 9012 3456", check, rest, 0},  // already there
      {number, "12 ", rest + "  ", 0},                         // trailing blanks do not differ
      {number, "99", rest, 1},
      {number, check, "0", 1},
      {"12-3456-7890-1234-5678-9012-3456\r\n", "", "", 1},
      {number + std::string(3000, ' '), "", "", 1},
      {"", "ab", "cd", 0},
      {"     ", "ab", "cd", 0},
      {number + "7", "ab", "cd", 0},
      {"konto " + number + " z dnia 2026-12-07", "ab", "cd", 0},
      {std::string(1990, 'x') + number, "ab", "cd", 0},  // only the first 2000 characters count
  };
  std::vector<Case> all(std::begin(cases), std::end(cases));
  for (const std::string& h : hostile_texts()) all.push_back({h, "ab", "cd", 0});
  for (const auto& c : all) {
    platform::ScopedEnv env(std::make_unique<FixedClipboard>(c.clipboard));
    char check_field[3] = {}, rest_field[25] = {};
    c.check_in.copy(check_field, sizeof check_field - 1);
    c.rest_in.copy(rest_field, sizeof rest_field - 1);
    const std::string label = c.clipboard.substr(0, 40);
    EXPECT_EQ(::NUMER_KONTA_WKLEJ(fk_buffer{check_field, sizeof check_field},
                                  fk_buffer{rest_field, sizeof rest_field}),
              c.pasted)
        << label;
    EXPECT_EQ(std::string(check_field), c.pasted ? check : c.check_in.substr(0, 2)) << label;
    EXPECT_EQ(std::string(rest_field), c.pasted ? rest : c.rest_in.substr(0, 24)) << label;
  }
}

TEST(NumerKontaWklej, ThroughTheHeadlessClipboardIntoSmallAndLargeFields) {
  platform::Env::current().set_clipboard_text("PL61 1090 1014 0000 0712 1981 2874");
  std::string check = "00", rest = "old number that is longer than twenty-four";
  EXPECT_EQ(NUMER_KONTA_WKLEJ(check, rest), 1);
  EXPECT_EQ(check, "61");
  EXPECT_EQ(rest, "109010140000071219812874");
  EXPECT_EQ(NUMER_KONTA_WKLEJ(check, rest), 0);
  // Fields smaller than their parts keep what fits.
  char one[2] = {}, ten[11] = {};
  EXPECT_EQ(::NUMER_KONTA_WKLEJ(fk_buffer{one, sizeof one}, fk_buffer{ten, sizeof ten}), 1);
  EXPECT_EQ(std::string(one), "6");
  EXPECT_EQ(std::string(ten), "1090101400");
  platform::Env::current().set_clipboard_text("");
}

TEST(BanksCli, GroupsAnAccountAndFindsTheNbpOnAFreshDatabase) {
  const std::string path = testing::fresh_database_path();
  const std::vector<std::string> env = {"FUNKCJA_LIBRARY=" FUNKCJA_LIBRARY};
  const auto cli = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"--db", "sqlite:" + path});
    return testing::run_process(FUNKCJA_CLI, args, "", env);
  };
  auto r = cli({"db", "init"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  r = cli({"call", "GRUPUJ_RACH_BANK", "12345678901234567890123456"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "12 3456 7890 1234 5678 9012 3456\n");
  r = cli({"call", "GETBANKNBP", "x"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "1\n");
  r = cli({"call", "RACHUNEK_BANKOWY_GET", "0", "1", "K", "1"});
  EXPECT_EQ(r.out, "<domyślny>\n");  // back in UTF-8 at the edge
  sqlite::remove_database_files(path);
}

}  // namespace
}  // namespace funkcja
