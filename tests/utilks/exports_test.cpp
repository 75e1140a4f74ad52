// The utility library's rate exports, called as the host calls them, against recorded answers
// on a loopback server: each case gives the rate text, "01" or "02".
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "utilks/recorded_tables.hpp"
#include "utilks_test_support.hpp"

namespace funkcja::testing {
namespace {

using utilks::LoopbackReply;

class UtilityLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    handle_ = dlopen((std::string(utility_library_folder()) + "/TEMIXutilKS.so").c_str(),
                     RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
  }
  void TearDown() override {
    if (handle_ != nullptr) dlclose(handle_);
  }

  // Calls an export: with no argument when day is empty.
  std::string call(const std::string& name, const std::string& day = {}) {
    void* fn = dlsym(handle_, name.c_str());
    EXPECT_NE(fn, nullptr) << name;
    if (fn == nullptr) return {};
    const char* answer = day.empty()
                             ? reinterpret_cast<const char* (*)()>(fn)()
                             : reinterpret_cast<const char* (*)(const char*)>(fn)(day.c_str());
    return answer != nullptr ? answer : "(null)";
  }

  void* handle_ = nullptr;
};

std::string nbp_table(const std::string& day, const std::string& number, const std::string& rates) {
  return R"([{"table":"A","no":")" + number + R"(","effectiveDate":")" + day + R"(","rates":[)" +
         rates + "]}]";
}

const std::string kTwoRates = R"j({"currency":"dolar amerykański","code":"USD","mid":3.6589},)j"
                              R"j({"currency":"forint (Węgry)","code":"HUF","mid":0.011078})j";

std::string ecb_file(const std::vector<std::pair<std::string, std::string>>& days) {
  std::string body =
      R"(<?xml version="1.0" encoding="UTF-8"?><gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01" xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref"><gesmes:subject>Reference rates</gesmes:subject><Cube>)";
  for (const auto& [day, cubes] : days) body += "<Cube time='" + day + "'>" + cubes + "</Cube>";
  return body + "</Cube></gesmes:Envelope>";
}

const std::string kEcbRates =
    "<Cube currency='USD' rate='1.1564'/><Cube currency='PLN' rate='4.2312'/>";

struct Case {
  const char* name;
  const char* function;
  const char* day;  // empty: the latest-table export
  std::map<std::string, LoopbackReply> replies;
  const char* expected;
  std::vector<std::string> asked;  // the paths requested, in order
};

TEST_F(UtilityLibrary, AnswersEachRecordedAnswerWithTheTextOrStatus) {
  const std::string nbp_ok = "TABELA|50/A/NBP/2017|2017-03-15\nUSD|1|3.6589\nHUF|1|0.011078\n";
  const std::string ecb_ok = "TABELA||2017-03-15\nUSD|1|1.1564\nPLN|1|4.2312\n";
  const std::vector<Case> cases = {
      {"nbp latest",
       "PobierzKursyNBPwartosc",
       "",
       {{"/nbp/?format=json", {200, nbp_table("2017-03-15", "50/A/NBP/2017", kTwoRates)}}},
       nbp_ok.c_str(),
       {"/nbp/?format=json"}},
      {"nbp day: YYMMDD asks for that day",
       "PobierzKursyNBPwartoscNaDzien",
       "170315",
       {{"/nbp/2017-03-15/?format=json",
         {200, nbp_table("2017-03-15", "50/A/NBP/2017", kTwoRates)}}},
       nbp_ok.c_str(),
       {"/nbp/2017-03-15/?format=json"}},
      {"nbp day without a table (404)",
       "PobierzKursyNBPwartoscNaDzien",
       "170318",
       {},
       "02",
       {"/nbp/2017-03-18/?format=json"}},
      {"nbp latest never says 02", "PobierzKursyNBPwartosc", "", {}, "01", {"/nbp/?format=json"}},
      {"nbp server error",
       "PobierzKursyNBPwartoscNaDzien",
       "170315",
       {{"/nbp/2017-03-15/?format=json", {500, "Internal Server Error", "text/plain"}}},
       "01",
       {"/nbp/2017-03-15/?format=json"}},
      {"nbp bad request",
       "PobierzKursyNBPwartosc",
       "",
       {{"/nbp/?format=json", {400, "400 BadRequest - Błędny zakres dat", "text/plain"}}},
       "01",
       {"/nbp/?format=json"}},
      {"nbp malformed json",
       "PobierzKursyNBPwartosc",
       "",
       {{"/nbp/?format=json", {200, R"([{"table":"A","no":"50/A/NBP/2017",)"}}},
       "01",
       {"/nbp/?format=json"}},
      {"nbp html instead of json",
       "PobierzKursyNBPwartosc",
       "",
       {{"/nbp/?format=json", {200, "<html><body>maintenance</body></html>", "text/html"}}},
       "01",
       {"/nbp/?format=json"}},
      {"nbp table of another day",
       "PobierzKursyNBPwartoscNaDzien",
       "170315",
       {{"/nbp/2017-03-15/?format=json",
         {200, nbp_table("2017-03-14", "49/A/NBP/2017", kTwoRates)}}},
       "01",
       {"/nbp/2017-03-15/?format=json"}},
      {"nbp table without rates",
       "PobierzKursyNBPwartosc",
       "",
       {{"/nbp/?format=json", {200, nbp_table("2017-03-15", "50/A/NBP/2017", "")}}},
       "01",
       {"/nbp/?format=json"}},
      {"nbp rate not a number",
       "PobierzKursyNBPwartosc",
       "",
       {{"/nbp/?format=json",
         {200, nbp_table("2017-03-15", "50/A/NBP/2017", R"({"code":"USD","mid":"3,65"})")}}},
       "01",
       {"/nbp/?format=json"}},
      {"nbp apostrophe in a currency's name is not carried",
       "PobierzKursyNBPwartosc",
       "",
       {{"/nbp/?format=json",
         {200, nbp_table("2017-03-15", "50/A/NBP/2017",
                         R"({"currency":"dolar O'Brien","code":"USD","mid":3.6589})")}}},
       "TABELA|50/A/NBP/2017|2017-03-15\nUSD|1|3.6589\n",
       {"/nbp/?format=json"}},
      {"nbp apostrophe in the table number",
       "PobierzKursyNBPwartosc",
       "",
       {{"/nbp/?format=json", {200, nbp_table("2017-03-15", "50'); drop table x; --", kTwoRates)}}},
       "01",
       {"/nbp/?format=json"}},
      {"nbp apostrophe in a code",
       "PobierzKursyNBPwartosc",
       "",
       {{"/nbp/?format=json",
         {200, nbp_table("2017-03-15", "50/A/NBP/2017", R"({"code":"US'","mid":3.6589})")}}},
       "01",
       {"/nbp/?format=json"}},
      {"nbp day text not a date", "PobierzKursyNBPwartoscNaDzien", "170230", {}, "01", {}},
      {"nbp day text too short", "PobierzKursyNBPwartoscNaDzien", "17031", {}, "01", {}},
      {"ecb latest",
       "PobierzKursyECBwartosc",
       "",
       {{"/ecb/eurofxref-daily.xml", {200, ecb_file({{"2017-03-15", kEcbRates}}), "text/xml"}}},
       ecb_ok.c_str(),
       {"/ecb/eurofxref-daily.xml"}},
      {"ecb day among the last 90",
       "PobierzKursyECBwartoscNaDzien",
       "2017-03-15",
       {{"/ecb/eurofxref-hist-90d.xml",
         {200, ecb_file({{"2017-03-16", kEcbRates}, {"2017-03-15", kEcbRates}}), "text/xml"}}},
       ecb_ok.c_str(),
       {"/ecb/eurofxref-hist-90d.xml"}},
      {"ecb weekend among the last 90",
       "PobierzKursyECBwartoscNaDzien",
       "2017-03-18",
       {{"/ecb/eurofxref-hist-90d.xml",
         {200, ecb_file({{"2017-03-20", kEcbRates}, {"2017-03-17", kEcbRates}}), "text/xml"}}},
       "02",
       {"/ecb/eurofxref-hist-90d.xml"}},
      {"ecb older day from the whole history",
       "PobierzKursyECBwartoscNaDzien",
       "2017-03-15",
       {{"/ecb/eurofxref-hist-90d.xml", {200, ecb_file({{"2026-12-07", kEcbRates}}), "text/xml"}},
        {"/ecb/eurofxref-hist.xml",
         {200, ecb_file({{"2026-12-07", kEcbRates}, {"2017-03-15", kEcbRates}}), "text/xml"}}},
       ecb_ok.c_str(),
       {"/ecb/eurofxref-hist-90d.xml", "/ecb/eurofxref-hist.xml"}},
      {"ecb day before the first table",
       "PobierzKursyECBwartoscNaDzien",
       "1998-12-31",
       {{"/ecb/eurofxref-hist-90d.xml", {200, ecb_file({{"2026-12-07", kEcbRates}}), "text/xml"}},
        {"/ecb/eurofxref-hist.xml", {200, ecb_file({{"1999-01-04", kEcbRates}}), "text/xml"}}},
       "02",
       {"/ecb/eurofxref-hist-90d.xml", "/ecb/eurofxref-hist.xml"}},
      {"ecb malformed xml",
       "PobierzKursyECBwartosc",
       "",
       {{"/ecb/eurofxref-daily.xml", {200, "<gesmes:Envelope><Cube><Cube time=", "text/xml"}}},
       "01",
       {"/ecb/eurofxref-daily.xml"}},
      {"ecb rate with an apostrophe",
       "PobierzKursyECBwartosc",
       "",
       {{"/ecb/eurofxref-daily.xml",
         {200, ecb_file({{"2017-03-15", R"(<Cube currency="USD" rate="1.15'64"/>)"}}),
          "text/xml"}}},
       "01",
       {"/ecb/eurofxref-daily.xml"}},
      {"ecb file missing",
       "PobierzKursyECBwartoscNaDzien",
       "2017-03-15",
       {},
       "01",
       {"/ecb/eurofxref-hist-90d.xml"}},
      {"ecb server error",
       "PobierzKursyECBwartosc",
       "",
       {{"/ecb/eurofxref-daily.xml", {503, "Service Unavailable", "text/plain"}}},
       "01",
       {"/ecb/eurofxref-daily.xml"}},
      {"ecb day text in the NBP form", "PobierzKursyECBwartoscNaDzien", "170315", {}, "01", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordedServer server(c.replies);
    PointedAt pointed(server.url());
    EXPECT_EQ(call(c.function, c.day), c.expected);
    EXPECT_EQ(server.requests(), c.asked);
  }
}

TEST_F(UtilityLibrary, GivesUpOnASlowOrAbsentServerWith01) {
  const std::string body = nbp_table("2017-03-15", "50/A/NBP/2017", kTwoRates);
  {
    RecordedServer slow({{"/nbp/?format=json", {200, body, "application/json", 3000}}});
    PointedAt pointed(slow.url(), 300);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(call("PobierzKursyNBPwartosc"), "01");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2500));
  }
  std::string closed_url;
  {
    RecordedServer gone({});
    closed_url = gone.url();
  }
  PointedAt pointed(closed_url);
  EXPECT_EQ(call("PobierzKursyNBPwartosc"), "01");
  EXPECT_EQ(call("PobierzKursyECBwartoscNaDzien", "2017-03-15"), "01");
}

TEST_F(UtilityLibrary, TurnsTheBundledTablesIntoRateText) {
  utilks::LoopbackServer server(&utilks::recorded::reply);
  PointedAt pointed(server.url());
  const std::string nbp = call("PobierzKursyNBPwartosc");
  EXPECT_EQ(nbp.substr(0, nbp.find('\n')), "TABELA|236/A/NBP/2026|2026-12-07");
  EXPECT_NE(nbp.find("\nEUR|1|4.2312\n"), std::string::npos);
  EXPECT_NE(nbp.find("\nHUF|1|0.011078\n"), std::string::npos);
  EXPECT_EQ(std::count(nbp.begin(), nbp.end(), '\n'), 16);
  EXPECT_EQ(call("PobierzKursyECBwartoscNaDzien", "2026-12-05"), "02");  // a Saturday
  EXPECT_EQ(call("PobierzKursyECBwartoscNaDzien", "2026-12-04"),
            "TABELA||2026-12-04\nUSD|1|1.1549\nPLN|1|4.2297\n");
}

}  // namespace
}  // namespace funkcja::testing
