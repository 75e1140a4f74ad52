// POBIERZKURSYNBP and POBIERZKURSYECB end to end: the built utility library fetching recorded
// tables from a loopback server into the embedded database, and a stand-in library (through
// the platform's library loader) for what the real one never returns.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "frame/cp_literal.hpp"
#include "frame/standard_date.hpp"
#include "host/platform/env.hpp"
#include "host/platform/shown_record.hpp"
#include "support/database_fixture.hpp"
#include "ui/rates_import.hpp"
#include "utilks/recorded_tables.hpp"
#include "utilks_test_support.hpp"

namespace funkcja::testing {
namespace {

using namespace funkcja::literals;
using platform::MessageIcon;
using utilks::LoopbackReply;

const std::int32_t kMarch15 = *date::from_civil(2017, 3, 15);
const std::int32_t kDecember7 = *date::from_civil(2026, 12, 7);

// A stand-in utility library: each export answers a fixed text and remembers its argument;
// exports named in `missing` are absent.
struct StandIn {
  static inline std::string answer;
  static inline std::string argument;
  static inline int calls = 0;
  static const char* latest() {
    ++calls;
    argument.clear();
    return answer.c_str();
  }
  static const char* on_day(const char* day) {
    ++calls;
    argument = day;
    return answer.c_str();
  }
};

class StandInLibrary : public platform::SharedLibrary {
 public:
  explicit StandInLibrary(std::vector<std::string> missing) : missing_(std::move(missing)) {}
  void* symbol(const char* name) override {
    for (const auto& m : missing_)
      if (m == name) return nullptr;
    const std::string n = name;
    if (n == "PobierzKursyNBPwartosc" || n == "PobierzKursyECBwartosc")
      return reinterpret_cast<void*>(&StandIn::latest);
    if (n == "PobierzKursyNBPwartoscNaDzien" || n == "PobierzKursyECBwartoscNaDzien")
      return reinterpret_cast<void*>(&StandIn::on_day);
    return nullptr;
  }

 private:
  std::vector<std::string> missing_;
};

class StandInEnv : public platform::EnvWrapper {
 public:
  explicit StandInEnv(std::vector<std::string> missing)
      : EnvWrapper(platform::Env::headless()), missing_(std::move(missing)) {}
  std::unique_ptr<platform::SharedLibrary> load_library(const std::string& path) override {
    loaded.push_back(path);
    return std::make_unique<StandInLibrary>(missing_);
  }
  static inline std::vector<std::string> loaded;

 private:
  std::vector<std::string> missing_;
};

class RateImport : public DemoDatabase {
 protected:
  void SetUp() override {
    DemoDatabase::SetUp();
    dane::set_text(dane::Global::GLO_LOCALPATH, utility_library_folder());
    platform::shown_record().clear();
  }

  static std::uint8_t run(bool ecb, std::uint8_t flag, std::int32_t& day) {
    return ecb ? ui::POBIERZKURSYECB(flag, day) : ui::POBIERZKURSYNBP(flag, day);
  }

  static std::vector<std::string> stored(const char* source, std::int32_t day) {
    return rows(
        "SELECT nr_tabeli, sym_waluty, przelicznik, kurs FROM KURSY_WALUT WHERE zrodlo = '" +
        std::string(source) + "' AND data_kursu = " + std::to_string(day) + " ORDER BY sym_waluty");
  }

  static std::vector<platform::MessageBoxRequest> boxes() {
    return platform::headless_message_box().shown();
  }

  // The progress windows that were shown, by procedure name, with their controls.
  static std::vector<platform::ShownWindow> progress_windows() {
    std::vector<platform::ShownWindow> out;
    for (const auto& item : platform::shown_record().items())
      if (const auto* w = std::get_if<platform::ShownWindow>(&item.what)) out.push_back(*w);
    return out;
  }
};

const std::string kNbpBody =
    R"j([{"table":"A","no":"50/A/NBP/2017","effectiveDate":"2017-03-15","rates":[)j"
    R"j({"currency":"dolar amerykański","code":"USD","mid":4.0538},)j"
    R"j({"currency":"euro","code":"EUR","mid":4.3021},)j"
    R"j({"currency":"forint (Węgry)","code":"HUF","mid":0.013893}]}])j";
const std::string kEcbBody =
    R"(<?xml version="1.0" encoding="UTF-8"?><gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01" xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref"><Cube>)"
    R"(<Cube time="2017-03-15"><Cube currency="USD" rate="1.0608"/><Cube currency="PLN" rate="4.3021"/></Cube>)"
    R"(</Cube></gesmes:Envelope>)";

struct Case {
  const char* name;
  bool ecb;
  std::int32_t day;  // asked
  std::map<std::string, LoopbackReply> replies;
  std::uint8_t result;
  std::int32_t day_after;
  MessageIcon icon;          // of the one box, when message is set
  std::string_view message;  // empty: no box
};

TEST_F(RateImport, EachAnswerOfTheServiceGivesItsResultAndMessage) {
  const std::vector<Case> cases = {
      {"nbp latest",
       false,
       0,
       {{"/nbp/?format=json", {200, kNbpBody}}},
       1,
       kMarch15,
       MessageIcon::kInformation,
       ""},
      {"nbp day",
       false,
       kMarch15,
       {{"/nbp/2017-03-15/?format=json", {200, kNbpBody}}},
       1,
       kMarch15,
       MessageIcon::kInformation,
       ""},
      {"ecb latest",
       true,
       0,
       {{"/ecb/eurofxref-daily.xml", {200, kEcbBody, "text/xml"}}},
       1,
       kMarch15,
       MessageIcon::kInformation,
       ""},
      {"ecb day",
       true,
       kMarch15,
       {{"/ecb/eurofxref-hist-90d.xml", {200, kEcbBody, "text/xml"}}},
       1,
       kMarch15,
       MessageIcon::kInformation,
       ""},
      {"nbp no table that day",
       false,
       kMarch15 + 3,
       {},
       0,
       kMarch15 + 3,
       MessageIcon::kInformation,
       "Na dzień 18.03.2017 brak kursów walut w banku NBP."_cp},
      {"ecb no table that day",
       true,
       kMarch15 + 1,
       {{"/ecb/eurofxref-hist-90d.xml", {200, kEcbBody, "text/xml"}}},
       0,
       kMarch15 + 1,
       MessageIcon::kInformation,
       "Na dzień 2017-03-16 brak kursów walut w banku ECB."_cp},
      {"nbp latest server error",
       false,
       0,
       {{"/nbp/?format=json", {500, "Internal Server Error", "text/plain"}}},
       0,
       0,
       MessageIcon::kWarning,
       "Błąd wykonania funkcji pobrania kursów walut z NBP."_cp},
      {"nbp day server error",
       false,
       kMarch15,
       {{"/nbp/2017-03-15/?format=json", {500, "Internal Server Error", "text/plain"}}},
       0,
       kMarch15,
       MessageIcon::kWarning,
       "Błąd wykonania funkcji pobrania kursów walut na dzień z NBP."_cp},
      {"ecb latest malformed",
       true,
       0,
       {{"/ecb/eurofxref-daily.xml", {200, "<Cube><Cube time='2017", "text/xml"}}},
       0,
       0,
       MessageIcon::kWarning,
       "Błąd wykonania funkcji pobrania kursów walut z ECB."_cp},
      {"ecb day slow",
       true,
       kMarch15,
       {{"/ecb/eurofxref-hist-90d.xml", {200, kEcbBody, "text/xml", 2000}}},
       0,
       kMarch15,
       MessageIcon::kWarning,
       "Błąd wykonania funkcji pobrania kursów walut na dzień z banku ECB."_cp},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rows("DELETE FROM KURSY_WALUT WHERE data_kursu = " + std::to_string(kMarch15));
    platform::headless_message_box().clear();
    platform::shown_record().clear();
    RecordedServer server(c.replies);
    PointedAt pointed(server.url(), 400);
    std::int32_t day = c.day;
    EXPECT_EQ(run(c.ecb, 0, day), c.result);
    EXPECT_EQ(day, c.day_after);
    const auto shown = boxes();
    if (c.message.empty()) {
      EXPECT_TRUE(shown.empty());
    } else if (shown.size() == 1) {
      EXPECT_EQ(shown[0].text, c.message);
      EXPECT_EQ(shown[0].icon, c.icon);
    } else {
      ADD_FAILURE() << shown.size() << " boxes";
    }
    const auto windows = progress_windows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].key, c.ecb ? "POBIERZKURSYECB" : "POBIERZKURSYNBP");
    EXPECT_EQ(windows[0].caption, "");
    EXPECT_FALSE(windows[0].closed.empty());
  }
}

TEST_F(RateImport, StoresExactlyTheTableServed) {
  RecordedServer server({{"/nbp/?format=json", {200, kNbpBody}},
                         {"/ecb/eurofxref-daily.xml", {200, kEcbBody, "text/xml"}}});
  PointedAt pointed(server.url());
  std::int32_t day = 0;
  ASSERT_EQ(ui::POBIERZKURSYNBP(0, day), 1);
  EXPECT_EQ(stored("NBP", kMarch15),
            texts({"50/A/NBP/2017|EUR|1|4.3021", "50/A/NBP/2017|HUF|1|0.013893",
                   "50/A/NBP/2017|USD|1|4.0538"}));
  day = 0;
  ASSERT_EQ(ui::POBIERZKURSYECB(0, day), 1);
  EXPECT_EQ(stored("ECB", kMarch15), texts({"|PLN|1|4.3021", "|USD|1|1.0608"}));
  EXPECT_TRUE(boxes().empty());
}

TEST_F(RateImport, RatesAlreadyStoredAskWhetherToFetchAgain) {
  utilks::LoopbackServer server(&utilks::recorded::reply);
  PointedAt pointed(server.url());
  std::int32_t day = 0;
  ASSERT_EQ(ui::POBIERZKURSYNBP(0, day), 1);
  ASSERT_EQ(day, kDecember7);
  const auto first = stored("NBP", kDecember7);
  EXPECT_EQ(first.size(), 15u);
  dane::set_text(dane::Global::GLO_MSG_TXT_PYT, "Pytanie programu");
  for (const auto& [answer, result] : {std::pair{1, 2}, std::pair{2, 0}}) {
    SCOPED_TRACE(answer);
    platform::headless_message_box().clear();
    platform::headless_message_box().push_answer(answer);
    std::int32_t again = kDecember7;
    EXPECT_EQ(ui::POBIERZKURSYNBP(0, again), result);
    EXPECT_EQ(again, kDecember7);
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text,
              "Tabela kursów NBP z dnia 2026-12-07 została już uzupełniona."
              " Czy chcesz ponownie pobrać kursy walut na dany dzień ?"_cp);
    EXPECT_EQ(shown[0].caption, "Pytanie programu");
    EXPECT_EQ(shown[0].icon, MessageIcon::kQuestion);
    EXPECT_EQ(shown[0].buttons, texts({"&Tak", "&Nie"}));
    EXPECT_EQ(shown[0].default_button, 1);
  }
  EXPECT_EQ(stored("NBP", kDecember7), first);
  // Flag 1 replaces the stored table.
  day = 0;
  EXPECT_EQ(ui::POBIERZKURSYNBP(1, day), 1);
  EXPECT_EQ(stored("NBP", kDecember7), first);
}

TEST_F(RateImport, AMissingLibraryOrExportWarnsOnceAndSendsNothing) {
  struct Missing {
    const char* name;
    std::vector<std::string> exports;  // absent from the stand-in; empty: no library at all
    bool ecb;
    std::int32_t day;
    std::string_view message;
  };
  const std::vector<Missing> cases = {
      {"no library", {}, false, 0, "Wystąpił błąd podczas ładowania biblioteki TEMIXutilKS.dll"_cp},
      {"nbp latest export",
       {"PobierzKursyNBPwartosc"},
       false,
       0,
       "Wystąpił błąd podczas uruchamiania funkcji importu kursów walut z banku NBP."_cp},
      {"nbp day export",
       {"PobierzKursyNBPwartoscNaDzien"},
       false,
       kMarch15,
       "Wystąpił błąd podczas uruchamiania funkcji importu kursów walut z banku NBP."_cp},
      {"ecb day export",
       {"PobierzKursyECBwartoscNaDzien"},
       true,
       kMarch15,
       "Wystąpił błąd podczas uruchamiania funkcji importu kursów walut z banku ECB."_cp},
  };
  for (const Missing& c : cases) {
    SCOPED_TRACE(c.name);
    platform::headless_message_box().clear();
    StandIn::calls = 0;
    std::unique_ptr<platform::ScopedEnv> env;
    if (c.exports.empty()) {
      dane::set_text(dane::Global::GLO_LOCALPATH, "/nonexistent/folder  ");
    } else {
      dane::set_text(dane::Global::GLO_LOCALPATH, utility_library_folder());
      env = std::make_unique<platform::ScopedEnv>(std::make_unique<StandInEnv>(c.exports));
    }
    RecordedServer server({});
    PointedAt pointed(server.url());
    std::int32_t day = c.day;
    EXPECT_EQ(run(c.ecb, 0, day), 0);
    EXPECT_EQ(day, c.day);
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, c.message);
    EXPECT_EQ(shown[0].icon, MessageIcon::kWarning);
    EXPECT_TRUE(server.requests().empty());
    EXPECT_EQ(StandIn::calls, 0);
    EXPECT_EQ(rows("SELECT count(*) FROM KURSY_WALUT"), texts({"5"}));
  }
}

TEST_F(RateImport, HandsTheLibrariesTextOnAsTheStatusesSay) {
  struct Answer {
    const char* name;
    bool ecb;
    std::int32_t day;
    std::string answer;
    std::uint8_t result;
    std::string argument;  // what the day export received
    std::string_view message;
  };
  const std::vector<Answer> cases = {
      {"nbp day text", false, kMarch15, "01", 0, "170315",
       "Błąd wykonania funkcji pobrania kursów walut na dzień z NBP."_cp},
      {"ecb day text", true, kMarch15, "02  ", 0, "2017-03-15",
       "Na dzień 2017-03-15 brak kursów walut w banku ECB."_cp},
      {"nbp 02 on the latest table is rate data", false, 0, "02", 0, "",
       "Nieprawidłowy format tabeli kursów NBP."_cp},
      {"empty text ends silently", false, kMarch15, "", 0, "170315", ""},
      {"blank text ends silently", true, 0, "   ", 0, "", ""},
      {"a foreign library's apostrophe cannot end the statement", false, 0,
       "TABELA|1'); DELETE FROM KURSY_WALUT; --|2017-03-15\nUSD|1|4.05\n", 1, "", ""},
  };
  StandInEnv::loaded.clear();
  platform::ScopedEnv env(std::make_unique<StandInEnv>(std::vector<std::string>{}));
  for (const Answer& c : cases) {
    SCOPED_TRACE(c.name);
    rows("DELETE FROM KURSY_WALUT WHERE data_kursu = " + std::to_string(kMarch15));
    platform::headless_message_box().clear();
    StandIn::answer = c.answer;
    StandIn::argument.clear();
    std::int32_t day = c.day;
    EXPECT_EQ(run(c.ecb, 0, day), c.result);
    EXPECT_EQ(StandIn::argument, c.argument);
    std::vector<std::string> expected;
    if (!c.message.empty()) expected.emplace_back(c.message);
    EXPECT_EQ(warnings(), expected);
    EXPECT_EQ(
        rows("SELECT count(*) FROM KURSY_WALUT WHERE data_kursu <> " + std::to_string(kMarch15)),
        texts({"5"}));
  }
  EXPECT_EQ(stored("NBP", kMarch15), texts({"1'); DELETE FROM KURSY_WALUT; --|USD|1|4.05"}));
  ASSERT_FALSE(StandInEnv::loaded.empty());
  EXPECT_EQ(StandInEnv::loaded[0], std::string(utility_library_folder()) + "/TEMIXutilKS.so");
}

}  // namespace
}  // namespace funkcja::testing
