// Company, office and contractor lookups on the demo database: the answers of each procedure,
// hostile typed texts, and the command-line host end to end.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "funkcja/gateway.hpp"
#include "funkcja/lookups.hpp"
#include "host/dane/globals.hpp"
#include "lookups/procedures.hpp"
#include "support/database_fixture.hpp"
#include "support/run_process.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using dane::Global;

class CompanyLookups : public testing::DemoDatabase {
 protected:
  void SetUp() override {
    DemoDatabase::SetUp();
    lookups::forget_closed_vat_periods();
  }
  void TearDown() override {
    lookups::forget_closed_vat_periods();
    DemoDatabase::TearDown();
  }
  static std::string company(const std::string& type) {
    std::string name, street, town;
    USTAL_DANE_FIRMY(type, name, street, town);
    return name + "|" + street + "|" + town;
  }
  static std::string address(const std::string& kind, int id) {
    std::string town = "stale", street = "stale";
    GET_ADRES_KONTRAHENTA_VAX(kind, id, town, street);
    return street + "|" + town;
  }
  static std::string nip_pesel(const std::string& kind, int id) {
    std::string nip = "stale", pesel = "stale";
    GET_NIP_PESEL_KONTRAHENTA_VAX(kind, id, nip, pesel);
    return nip + "|" + pesel;
  }
  static std::string n(int value) { return std::to_string(value); }
};

struct Case {
  const char* what;
  std::function<void()> setup;  // session changes before the call
  std::function<std::string()> call;
  std::string_view expected;
  std::size_t messages = 0;  // message boxes the call shows
};

TEST_F(CompanyLookups, AnswersOnTheDemoDatabase) {
  const auto none = [] {};
  const auto set = [](Global g, std::int64_t v) { return [=] { dane::set_number(g, v); }; };
  const auto as_user = [](const char* login) {
    return [=] { dane::set_text(Global::DANE_ID_UZYT, login); };
  };
  const std::string_view no_right = "Nie posiadasz uprawnień do wykonania tej operacji."_cp;
  const std::vector<Case> cases = {
      // The company: newest address of the type, full name by the user's option 69.
      {"street, house and flat", none, [] { return company("S"); },
       "Przedsiębiorstwo Handlowo-Usługowe ŻURAW Spółka z ograniczoną odpowiedzialnością|ul. "
       "Długa 5/3|00-238 Warszawa"_cp},
      {"empty type is S", none, [] { return company(""); },
       "Przedsiębiorstwo Handlowo-Usługowe ŻURAW Spółka z ograniczoną odpowiedzialnością|ul. "
       "Długa 5/3|00-238 Warszawa"_cp},
      {"no street: town and house", as_user("JNOWAK"), [] { return company("K"); },
       "PHU Żuraw Sp. z o.o.|Wola 12|01-388 Warszawa"_cp},
      {"street containing UL", set(Global::DANE_ID_FIRMY, 2), [] { return company("S"); },
       "Biuro Rachunkowe Bilans s.c.|Ulica Polna 17|90-001 Łódź"_cp},
      {"no address of the type", none, [] { return company("Z"); },
       "Przedsiębiorstwo Handlowo-Usługowe ŻURAW Spółka z ograniczoną odpowiedzialnością||"_cp},
      {"payment form by number", none, [] { return GETFORMAPLATNOSCI(0, 3, 0, "", ""); },
       "przelew 30 dni"},
      {"unknown payment form gives the first text", none,
       [] { return GETFORMAPLATNOSCI(0, 99, 0, "brak   ", "x"); }, "brak"},
      // Offices.
      {"office name and address", none, [] { return GET_NAZWA_ADRES_URZEDU(1, 1); },
       "Urząd Skarbowy Warszawa-Śródmieście  ul. Lindleya 14 02-013  Warszawa"_cp},
      {"office name", none, [] { return GET_NAZWA_ADRES_URZEDU(0, 3); },
       "Urząd Skarbowy Łódź-Bałuty"_cp},
      {"office of another kind", none, [] { return GET_NAZWA_ADRES_URZEDU(2, 1); }, ""},
      {"tax office of the company", none, [] { return USTAL_URZAD_SKARBOWY(0, 82523, 0); }, "1"},
      {"tax office through the link", none, [] { return USTAL_URZAD_SKARBOWY(0, 82523, 2); }, "2"},
      {"tax office upper-cased", none, [] { return USTAL_URZAD_SKARBOWY(1, 82523, 0); },
       "URZĄD SKARBOWY WARSZAWA-ŚRÓDMIEŚCIE  UL. LINDLEYA 14 02-013  WARSZAWA"_cp},
      {"tax office code", none, [] { return USTAL_URZAD_SKARBOWY(2, 82523, 0); }, "1438"},
      {"tax office, other mode", none, [] { return USTAL_URZAD_SKARBOWY(3, 82523, 0); }, ""},
      {"no tax office", set(Global::DANE_ID_FIRMY, 3),
       [] { return USTAL_URZAD_SKARBOWY(0, 82523, 0); }, "0"},
      {"tax office in force on a date", [] { EXECSQL("update FIRMA set id_us=0"); },
       [] { return USTAL_URZAD_SKARBOWY(0, 82523, 0) + USTAL_URZAD_SKARBOWY(0, 82183, 0); }, "21"},
      // Contractors, employees, offices.
      {"contractor NIP", none, [] { return nip_pesel("K", 1); }, "5273021570|"},
      {"contractor PESEL, kind clipped and upper-cased", none, [] { return nip_pesel("k  ", 7); },
       "|72030512345"},
      {"employee", none, [] { return nip_pesel("P", 2); }, "6345145478|78120398761"},
      {"unknown kind", none, [] { return nip_pesel("U", 1); }, "|"},
      {"id 0", none, [] { return nip_pesel("K", 0); }, "|"},
      {"contractor address", none, [] { return address("K", 1); }, "ul. Staszica 6A|14-260 Lubawa"},
      {"office address", none, [] { return address("u", 3); }, "ul. Smugowa 10/12|91-433 Łódź"_cp},
      {"employee's newest address", none, [] { return address("P", 1); },
       "ul. Słoneczna 7|05-500 Piaseczno"_cp},
      {"employee's flat", none, [] { return address("P", 3); }, "ul. Długa 5/3|00-238 Warszawa"_cp},
      {"missing contractor", none, [] { return address("K", 999); }, "|"},
      // Periods.
      {"period closed up to the date", none, [] { return n(SPR_ZAMKNIETY_OKRES(3, 82214)); }, "1"},
      {"open period", none, [] { return n(SPR_ZAMKNIETY_OKRES(3, 82215)); }, "0"},
      {"closed year", none, [] { return n(SPR_ZAMKNIETY_OKRES(1, 82000)); }, "2"},
      {"VAT periods before any reload", none,
       [] { return n(SPR_ZAMKNIETY_OKRES_VAT(82184, 0)) + n(SPR_ZAMKNIETY_OKRES_VAT(82215, 0)); },
       "11"},
      {"VAT periods after a reload", none,
       [] {
         std::string out = n(SPR_ZAMKNIETY_OKRES_VAT(82184, 1));  // the reload comes first
         for (int date : {82215, 82216, 0}) out += n(SPR_ZAMKNIETY_OKRES_VAT(date, 0));
         return out;
       },
       "0011"},
      {"VAT periods of another company", set(Global::DANE_ID_FIRMY, 2),
       [] { return n(SPR_ZAMKNIETY_OKRES_VAT(82184, 1)); }, "1"},
      // Rights.
      {"right granted", none, [] { return n(SPR_UPRAWNIENIA("KSIEGOWANIE  ")); }, "0"},
      {"right refused", none, [] { return n(SPR_UPRAWNIENIA("ZAMKNIECIE_ROKU")); }, "1", 1},
      {"no function", as_user("JNOWAK"), [] { return n(SPR_UPRAWNIENIA("   ")); }, "0"},
      {"administrator", set(Global::DANE_ADMINISTRATOR, 2),
       [] { return n(SPR_UPRAWNIENIA("ZAMKNIECIE_ROKU")); }, "0"},
      {"menu right refused, shown", none,
       [] { return n(UPRAWNIENIA_MENU_SPR("ZAMKNIECIE_ROKU", 1)); }, "0", 1},
      {"menu right refused, quiet", none,
       [] { return n(UPRAWNIENIA_MENU_SPR("ZAMKNIECIE_ROKU", 0)); }, "0"},
      {"menu right granted", none, [] { return n(UPRAWNIENIA_MENU_SPR("KSIEGOWANIE", 1)); }, "1"},
      {"menu, administrator", set(Global::DANE_ADMINISTRATOR, 1),
       [] { return n(UPRAWNIENIA_MENU_SPR("ZAMKNIECIE_ROKU", 1)); }, "1"},
      // Hidden settlements.
      {"not DURAX", none, [] { return n(SPR_UKRYJ_ROZRACHUNEK_VAY(3, 3, "202-1")); }, "0"},
      {"hidden by document type", set(Global::GGG_ISDURAX, 1),
       [] { return n(SPR_UKRYJ_ROZRACHUNEK_VAY(3, 3, "")); }, "1"},
      {"hidden by synthetic account", set(Global::GGG_ISDURAX, 1),
       [] {
         return n(SPR_UKRYJ_ROZRACHUNEK_VAY(3, 1, "202-1")) +
                n(SPR_UKRYJ_ROZRACHUNEK_VAY(3, 1, "201-1")) +
                n(SPR_UKRYJ_ROZRACHUNEK_VAY(3, 1, "20")) +
                n(SPR_UKRYJ_ROZRACHUNEK_VAY(2, 1, "202"));
       },
       "1000"},
      // VAT.
      {"VAT view", none,
       [] {
         return VAT_VIEW_USTAL_NAZWE(0, "S") + " " + VAT_VIEW_USTAL_NAZWE(0, "W") + " " +
                VAT_VIEW_USTAL_NAZWE(1, "S") + ".";
       },
       "VAT_VIEW VAT_VIEW_MK_ALL ."},
      {"VAT view, cash method", set(Global::GGG_METODA_KASOWA_PRN, 1),
       [] {
         return VAT_VIEW_USTAL_NAZWE(0, "S") + " " + VAT_VIEW_USTAL_NAZWE(0, "Z ") + " " +
                VAT_VIEW_USTAL_NAZWE(0, "U") + " " + VAT_VIEW_USTAL_NAZWE(0, "W");
       },
       "VAT_VIEW_MK VAT_VIEW_MK VAT_VIEW VAT_VIEW_MK_ALL"},
      {"reverse-charge groups", none,
       [] {
         std::string out;
         for (int g : {135, 136, 137, 138, 139, 140, 141, 170, 171, 172, 176, 0})
           out += n(VATGRUPAODWROTNEOBCIAZENIE(g));
         return out;
       },
       "011110110110"},
      // Budget classification.
      {"classification all empty", none,
       [] { return SPR_KLASYFIKACJA_BUDZETOWA("", "", "", "", ""); }, ""},
      {"classification in the dictionaries", none,
       [] { return SPR_KLASYFIKACJA_BUDZETOWA("W", "600", "60016", "4210", "0001"); }, ""},
      {"unknown section", none, [] { return SPR_KLASYFIKACJA_BUDZETOWA("W", "999", "x", "", ""); },
       "1Dział klasyfikacji budżetowej nie istnieje w słowniku."_cp},
      {"blank section is checked", none,
       [] { return SPR_KLASYFIKACJA_BUDZETOWA("W", " ", "", "", ""); },
       "1Dział klasyfikacji budżetowej nie istnieje w słowniku."_cp},
      {"unknown chapter", none, [] { return SPR_KLASYFIKACJA_BUDZETOWA("W", "600", "6", "", ""); },
       "2Rozdział klasyfikacji budżetowej nie istnieje w słowniku."_cp},
      {"paragraph of another type", none,
       [] { return SPR_KLASYFIKACJA_BUDZETOWA("D", "", "", "4210", ""); },
       "3Paragraf klasyfikacji budżetowej nie istnieje w słowniku."_cp},
      {"position of another company", set(Global::DANE_ID_FIRMY, 2),
       [] { return SPR_KLASYFIKACJA_BUDZETOWA("W", "", "", "", "0001"); },
       "5Subanalityka klasyfikacji budżetowej nie istnieje w słowniku."_cp},
      // Cost-centre paths.
      {"three ids", none, [] { return MPK_NAZWA_DRZEWKO("1-2-3-"); }, "ZARZĄD - PROD - HALA-A"_cp},
      {"last id without separator", none, [] { return MPK_NAZWA_DRZEWKO("1-2-3  "); },
       "ZARZĄD - PROD"_cp},
      {"empty token, repeated id, missing id", none, [] { return MPK_NAZWA_DRZEWKO("1--1-99-4-"); },
       "ZARZĄD - ZARZĄD - SPRZ"_cp},
      {"another separator", [] { dane::set_text(Global::DANE_SEPARATOR_MPK, "/"); },
       [] { return MPK_NAZWA_DRZEWKO("2/3/1-"); }, "PROD - HALA-A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dane::reset_all();
    set_session(1, "AKOWALSKA", 2, 3);
    lookups::forget_closed_vat_periods();
    platform::headless_message_box().clear();
    c.setup();
    EXPECT_EQ(c.call(), c.expected);
    EXPECT_EQ(warnings().size(), c.messages);
    if (c.messages == 1) {
      EXPECT_EQ(warnings()[0], no_right);
    }
  }
}

// Typed texts reach the database as the texts they are: never part of the statement, never a
// failed statement.
TEST_F(CompanyLookups, HostileTextsStayTexts) {
  std::string every_byte;
  for (int b = 1; b <= 0xFF; ++b) every_byte += static_cast<char>(b);
  const std::vector<std::string> hostile = {"O'Brien",
                                            "x' or '1'='1",
                                            "'",
                                            "''; drop table FIRMA; --",
                                            every_byte,
                                            std::string(5000, '\''),
                                            std::string(5000, 'x')};
  dane::set_number(Global::GGG_ISDURAX, 1);
  const std::string_view firm =
      "Przedsiębiorstwo Handlowo-Usługowe ŻURAW Spółka z ograniczoną odpowiedzialnością||"_cp;
  for (const std::string& h : hostile) {
    SCOPED_TRACE(h.substr(0, 40));
    platform::headless_message_box().clear();
    EXPECT_EQ(company(h), firm);
    // An unknown form falls back to the first text: it came through the statement whole.
    EXPECT_EQ(GETFORMAPLATNOSCI(0, 99, 0, h, h), std::string(funkcja::text::clip_to(h, 50)));
    EXPECT_EQ(SPR_UPRAWNIENIA(h), 0);  // unknown functions are allowed
    EXPECT_EQ(UPRAWNIENIA_MENU_SPR(h, 1), 1);
    EXPECT_EQ(SPR_UKRYJ_ROZRACHUNEK_VAY(3, 1, h), 0);
    EXPECT_EQ(SPR_KLASYFIKACJA_BUDZETOWA(h, "", "", "", h),
              "5Subanalityka klasyfikacji budżetowej nie istnieje w słowniku."_cp);
    EXPECT_EQ(SPR_KLASYFIKACJA_BUDZETOWA(h, "600", h, "", ""),
              "2Rozdział klasyfikacji budżetowej nie istnieje w słowniku."_cp);
    EXPECT_EQ(SPR_KLASYFIKACJA_BUDZETOWA(h, "", "", h, ""),
              "3Paragraf klasyfikacji budżetowej nie istnieje w słowniku."_cp);
    EXPECT_EQ(MPK_NAZWA_DRZEWKO("1-" + h + "-2-"), "ZARZĄD - PROD"_cp);
    EXPECT_EQ(VAT_VIEW_USTAL_NAZWE(0, h), "VAT_VIEW");
    EXPECT_EQ(nip_pesel(h, 1), "|");
    // The user's login is spliced too.
    dane::set_text(Global::DANE_ID_UZYT, h);
    EXPECT_EQ(UPRAWNIENIA_MENU_SPR("ZAMKNIECIE_ROKU", 0), 1);
    set_session(1, "AKOWALSKA", 2, 3);
    EXPECT_EQ(warnings(), std::vector<std::string>{}) << "no database error, no refusal";
  }
  EXPECT_EQ(rows("select count(*) from FIRMA"), std::vector<std::string>{"2"});
}

// The closed VAT periods are one list for the process: threads that reload it while others
// read it never see a half-filled list.
TEST_F(CompanyLookups, ClosedVatPeriodsSharedByThreads) {
  ASSERT_EQ(SPR_ZAMKNIETY_OKRES_VAT(82184, 1), 0);
  std::atomic<int> wrong{0};
  const auto worker = [&](bool reloads) {
    for (int i = 0; i < 100; ++i) {
      if (SPR_ZAMKNIETY_OKRES_VAT(82243, reloads ? 1 : 0) != 0) ++wrong;
      if (SPR_ZAMKNIETY_OKRES_VAT(82244, 0) != 1) ++wrong;
    }
    dane::close_thread_connection();
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) threads.emplace_back(worker, t % 2 == 0);
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(wrong, 0);
}

TEST(CompanyLookupsCli, TaxOfficeEndToEnd) {
  const std::string path = testing::fresh_database_path();
  const auto r = testing::run_process(
      FUNKCJA_CLI, {"--db", "sqlite:" + path, "call", "USTAL_URZAD_SKARBOWY", "1", "82523", "0"},
      "", {"FUNKCJA_LIBRARY=" FUNKCJA_LIBRARY});
  sqlite::remove_database_files(path);
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "URZĄD SKARBOWY WARSZAWA-ŚRÓDMIEŚCIE  UL. LINDLEYA 14 02-013  WARSZAWA\n");
}

}  // namespace
}  // namespace funkcja
