// The register client against recorded BIR 1.1 answers on a loopback server, and the XML it
// makes of what the register returned.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "utilks/gus_client.hpp"
#include "utilks/gus_record.hpp"
#include "utilks/gus_window.hpp"
#include "utilks/recorded_register.hpp"

namespace funkcja::testing {
namespace {

namespace gus = utilks::gus;
namespace rec = utilks::recorded_register;
using Status = gus::Outcome::Status;

class Register {
 public:
  explicit Register(rec::Script script)
      : server_([script](const utilks::LoopbackRequest& r) { return rec::reply(r, script); }) {}
  utilks::Settings settings(const std::string& key = rec::kKey, long timeout_ms = 1000) const {
    utilks::Settings s;
    s.gus_url = server_.url() + "/wsBIR/UslugaBIRzewnPubl.svc";
    s.gus_key = key;
    s.timeout_ms = timeout_ms;
    s.connect_ms = 1000;
    return s;
  }

 private:
  utilks::LoopbackServer server_;
};

TEST(GusClient, SessionSearchAndReportAgainstRecordedAnswers) {
  struct Case {
    const char* name;
    rec::Script script;
    std::string key;
    gus::SearchKind kind;
    std::string number;
    gus::Client::Login login;
    Status search;
    std::string message;  // the register's error text
    std::string name_found;
    std::string report_name;  // praw_nazwaSkrocona / fiz_nazwa of the full report
  };
  const std::string company =
      "PRZEDSIĘBIORSTWO \"ŻURAW\" O'NEIL & SYN SPÓŁKA Z OGRANICZONĄ ODPOWIEDZIALNOŚCIĄ";
  const std::string short_name = "ŻURAW O'NEIL & SYN SP&#046; Z O&#046;O&#046;";
  const std::string not_found = "Nie znaleziono podmiotu dla podanych kryteriów wyszukiwania.";
  using L = gus::Client::Login;
  const std::vector<Case> cases = {
      {"NIP found, MTOM",
       {},
       rec::kKey,
       gus::SearchKind::kNip,
       rec::kCompanyNip,
       L::kOk,
       Status::kFound,
       "",
       company,
       short_name},
      {"NIP found, plain SOAP",
       {false},
       rec::kKey,
       gus::SearchKind::kNip,
       rec::kCompanyNip,
       L::kOk,
       Status::kFound,
       "",
       company,
       short_name},
      {"REGON of a sole trader",
       {},
       rec::kKey,
       gus::SearchKind::kRegon,
       rec::kTraderRegon,
       L::kOk,
       Status::kFound,
       "",
       "JAN KOWALSKI USŁUGI KSIĘGOWE",
       "JAN KOWALSKI USŁUGI KSIĘGOWE"},
      {"KRS",
       {},
       rec::kKey,
       gus::SearchKind::kKrs,
       rec::kCompanyKrs,
       L::kOk,
       Status::kFound,
       "",
       company,
       short_name},
      {"not found",
       {},
       rec::kKey,
       gus::SearchKind::kNip,
       "7740001454",
       L::kOk,
       Status::kRegisterError,
       not_found,
       "",
       ""},
      {"bad key: empty session key",
       {},
       "zlyklucz",
       gus::SearchKind::kNip,
       rec::kCompanyNip,
       L::kRefused,
       Status::kRegisterError,
       "",
       "",
       ""},
      {"malformed answers",
       {true, true},
       rec::kKey,
       gus::SearchKind::kNip,
       rec::kCompanyNip,
       L::kFailed,
       Status::kFailed,
       "",
       "",
       ""},
      {"answers past the time-out",
       {true, false, 1500},
       rec::kKey,
       gus::SearchKind::kNip,
       rec::kCompanyNip,
       L::kFailed,
       Status::kFailed,
       "",
       "",
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Register server(c.script);
    gus::Client client(server.settings(c.key));
    ASSERT_EQ(client.login(), c.login);
    if (c.login == L::kRefused) {
      // Without a session the register refuses every search with its own text.
      const gus::Outcome o = client.search(c.kind, c.number);
      EXPECT_EQ(o.status, Status::kRegisterError);
      EXPECT_NE(o.message.find("Brak sesji"), std::string::npos);
      continue;
    }
    if (c.login != L::kOk) continue;
    const gus::Outcome found = client.search(c.kind, c.number);
    ASSERT_EQ(found.status, c.search);
    EXPECT_EQ(found.message, c.message);
    if (c.search != Status::kFound) continue;
    ASSERT_EQ(found.entities.size(), 1u);
    EXPECT_EQ(gus::value_of(found.entities[0], "Nazwa"), c.name_found);
    const gus::Outcome report = client.full_report(found.entities[0]);
    ASSERT_EQ(report.status, Status::kFound);
    const std::string reported = gus::value_of(report.entities[0], "praw_nazwaSkrocona") +
                                 gus::value_of(report.entities[0], "fiz_nazwa");
    EXPECT_EQ(reported, c.report_name);
  }
}

TEST(GusClient, ResultsAreReadFromPlainAndMultipartBodies) {
  const std::string env =
      "<s:Envelope xmlns:s=\"http://www.w3.org/2003/05/soap-envelope\"><s:Body>"
      "<ZalogujResponse xmlns=\"http://CIS/BIR/PUBL/2014/07\"><ZalogujResult>abc"
      "</ZalogujResult></ZalogujResponse></s:Body></s:Envelope>";
  const std::string mtom = "--uuid:1+id=1\r\nContent-Type: application/xop+xml\r\n\r\n" + env +
                           "\r\n--uuid:1+id=1--\r\n";
  struct Case {
    std::string body;
    std::string operation;
    std::optional<std::string> result;
  };
  const std::vector<Case> cases = {
      {env, "Zaloguj", "abc"},
      {mtom, "Zaloguj", "abc"},
      {env, "Wyloguj", std::nullopt},
      {env.substr(0, env.size() - 5), "Zaloguj", std::nullopt},
      {"<html>Service Unavailable</html>", "Zaloguj", std::nullopt},
      {"", "Zaloguj", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(gus::soap_result(c.body, c.operation), c.result) << c.body;
}

// The children of the contractor XML, in order.
std::vector<std::string> values_of(const std::string& xml) {
  std::vector<std::string> out;
  std::size_t pos = xml.find('>') + 1;
  while (true) {
    const std::size_t open = xml.find('<', pos);
    if (open == std::string::npos || xml.compare(open, 2, "</") == 0) break;
    const std::size_t start = xml.find('>', open) + 1;
    const std::size_t end = xml.find("</", start);
    out.push_back(xml.substr(start, end - start));
    pos = xml.find('>', end) + 1;
  }
  return out;
}

TEST(GusClient, ContractorXmlListsTheGroupsFieldsInOrder) {
  const auto row = gus::parse_data("<root><dane>" + rec::company_row() + "</dane></root>");
  const auto report = gus::parse_data("<root><dane>" + rec::company_report() + "</dane></root>");
  const auto trader = gus::parse_data("<root><dane>" + rec::trader_row() + "</dane></root>");
  const auto trader_report =
      gus::parse_data("<root><dane>" + rec::trader_report() + "</dane></root>");
  ASSERT_EQ(row.status, Status::kFound);
  ASSERT_EQ(report.status, Status::kFound);
  struct Case {
    const char* name;
    gus::Fields found, report;
    std::string krs;
    std::vector<std::string> values;  // UTF-8
  };
  const std::vector<Case> cases = {
      {"company with its full report",
       row.entities[0],
       report.entities[0],
       "",
       {"PRZEDSIĘBIORSTWO \"ŻURAW\" O'NEIL & SYN SPÓŁKA Z OGRANICZONĄ ODPOWIEDZIALNOŚCIĄ",
        "ŻURAW O'NEIL & SYN SP&#046; Z O&#046;O&#046;", "1234563218", "012345675", "0000123456",
        "00-950", "Warszawa", "ul. Test-Krucza", "12", "3A", "Warszawa", "Śródmieście",
        "m. st. Warszawa", "MAZOWIECKIE", "POLSKA", "226000000", "BIURO@ZURAW.TEST",
        "WWW.ZURAW.TEST"}},
      {"company without a report: the search row, the name as short name",
       row.entities[0],
       {},
       "",
       {"PRZEDSIĘBIORSTWO \"ŻURAW\" O'NEIL & SYN SPÓŁKA Z OGRANICZONĄ ODPOWIEDZIALNOŚCIĄ",
        "PRZEDSIĘBIORSTWO \"ŻURAW\" O'NEIL & SYN SPÓŁKA Z OGRANICZONĄ ODPOWIEDZIALNOŚCIĄ",
        "1234563218", "012345675", "", "00-950", "Warszawa", "ul. Test-Krucza", "12", "3A",
        "Warszawa", "Śródmieście", "m. st. Warszawa", "MAZOWIECKIE", "", "", "", ""}},
      {"sole trader searched by nothing else: NIP from the search row",
       trader.entities[0],
       trader_report.entities[0],
       "",
       {"JAN KOWALSKI USŁUGI KSIĘGOWE", "JAN KOWALSKI USŁUGI KSIĘGOWE", "7791011327", "300001237",
        "", "60-001", "Poznań", "ul. Test-Polna", "5", "", "Poznań", "Poznań", "Poznań",
        "WIELKOPOLSKIE", "POLSKA", "618000000", "", ""}},
      {"unsafe and foreign characters",
       {{"Nazwa", "A<B>C\x01\nD \xE2\x82\xAC \xE4\xB8\xAD"}, {"Regon", "1"}},
       {},
       "0000000001",
       {"A‹B>CD € ?", "A‹B>CD € ?", "", "1", "0000000001", "", "", "", "", "", "", "", "", "", "",
        "", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string xml = gus::contractor_xml(c.found, c.report, c.krs);
    EXPECT_EQ(xml.rfind("<kontrahent><nazwa>", 0), 0u) << xml;
    std::vector<std::string> expected;
    for (const auto& v : c.values) expected.push_back(gus::to_cp1250(v));
    EXPECT_EQ(values_of(xml), expected);
  }
}

TEST(GusClient, RegonCheckDigit) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"012345675", true},      {"012345678", false},      {"300001237", true},
      {"12345678512347", true}, {"12345678512348", false}, {"", false},
      {"01234567", false},      {"01234567a", false},      {"000000000", true},
  };
  for (const auto& [regon, valid] : cases) EXPECT_EQ(gus::regon_valid(regon), valid) << regon;
}

}  // namespace
}  // namespace funkcja::testing
