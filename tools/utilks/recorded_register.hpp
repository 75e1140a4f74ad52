// Answers of the GUS register (BIR 1.1) in the form its public documentation gives, for the
// loopback server of the tests and the demo. Two entities are known: a company (Typ P) and a
// sole trader (Typ F, CEIDG); any other number is "not found". The company's names carry an
// ampersand, an apostrophe, a numeric character reference and the register's own "&#046;"
// texts, so the whole path from the wire to the host's group is exercised.
#pragma once

#include <string>

#include "loopback_server.hpp"

namespace utilks::recorded_register {

inline constexpr const char* kKey = "abcde12345abcde12345";
inline constexpr const char* kSid = "x7k2p9q4w1m8n3b6v5c0";

inline constexpr const char* kCompanyNip = "1234563218";
inline constexpr const char* kCompanyRegon = "012345675";
inline constexpr const char* kCompanyKrs = "0000123456";
inline constexpr const char* kTraderNip = "7791011327";
inline constexpr const char* kTraderRegon = "300001237";

struct Script {
  bool mtom = true;        // answers wrapped as MTOM (as the service sends them), else plain
  bool malformed = false;  // every answer's envelope cut short
  int delay_ms = 0;        // every answer this late
};

// The inner XML of the results, as it reads once the envelope's escaping is undone.
inline std::string company_row() {
  return "<Regon>012345675</Regon><Nip>1234563218</Nip><StatusNip/>"
         "<Nazwa>PRZEDSIĘBIORSTWO \"ŻURAW\" O'NEIL &amp; SYN SPÓŁKA Z OGRANICZONĄ "
         "ODPOWIEDZIALNOŚCIĄ</Nazwa><Wojewodztwo>MAZOWIECKIE</Wojewodztwo>"
         "<Powiat>m. st. Warszawa</Powiat><Gmina>Śródmieście</Gmina>"
         "<Miejscowosc>Warszawa</Miejscowosc><KodPocztowy>00-950</KodPocztowy>"
         "<Ulica>ul. Test-Krucza</Ulica><NrNieruchomosci>12</NrNieruchomosci>"
         "<NrLokalu>3A</NrLokalu><Typ>P</Typ><SilosID>6</SilosID>"
         "<DataZakonczeniaDzialalnosci/><MiejscowoscPoczty>Warszawa</MiejscowoscPoczty>";
}

inline std::string trader_row() {
  return "<Regon>300001237</Regon><Nip>7791011327</Nip><StatusNip/>"
         "<Nazwa>JAN KOWALSKI USŁUGI KSIĘGOWE</Nazwa><Wojewodztwo>WIELKOPOLSKIE</Wojewodztwo>"
         "<Powiat>Poznań</Powiat><Gmina>Poznań</Gmina><Miejscowosc>Poznań</Miejscowosc>"
         "<KodPocztowy>60-001</KodPocztowy><Ulica>ul. Test-Polna</Ulica>"
         "<NrNieruchomosci>5</NrNieruchomosci><NrLokalu/><Typ>F</Typ><SilosID>1</SilosID>"
         "<DataZakonczeniaDzialalnosci/><MiejscowoscPoczty>Poznań</MiejscowoscPoczty>";
}

inline std::string company_report() {
  return "<praw_regon9>012345675</praw_regon9><praw_nip>1234563218</praw_nip>"
         "<praw_statusNip/><praw_nazwa>PRZEDSIĘBIORSTWO \"ŻURAW\" O'NEIL &amp; SYN SPÓŁKA Z "
         "OGRANICZONĄ ODPOWIEDZIALNOŚCIĄ</praw_nazwa>"
         "<praw_nazwaSkrocona>&#379;URAW O'NEIL &amp; SYN SP&amp;#046; Z O&amp;#046;O&amp;#046;"
         "</praw_nazwaSkrocona><praw_numerWRejestrzeEwidencji>0000123456"
         "</praw_numerWRejestrzeEwidencji><praw_adSiedzKraj_Symbol>PL</praw_adSiedzKraj_Symbol>"
         "<praw_adSiedzKodPocztowy>00950</praw_adSiedzKodPocztowy>"
         "<praw_adSiedzNumerNieruchomosci>12</praw_adSiedzNumerNieruchomosci>"
         "<praw_adSiedzNumerLokalu>3A</praw_adSiedzNumerLokalu>"
         "<praw_numerTelefonu>226000000</praw_numerTelefonu><praw_numerFaksu/>"
         "<praw_adresEmail>BIURO@ZURAW.TEST</praw_adresEmail>"
         "<praw_adresStronyinternetowej>WWW.ZURAW.TEST</praw_adresStronyinternetowej>"
         "<praw_adSiedzKraj_Nazwa>POLSKA</praw_adSiedzKraj_Nazwa>"
         "<praw_adSiedzWojewodztwo_Nazwa>MAZOWIECKIE</praw_adSiedzWojewodztwo_Nazwa>"
         "<praw_adSiedzPowiat_Nazwa>m. st. Warszawa</praw_adSiedzPowiat_Nazwa>"
         "<praw_adSiedzGmina_Nazwa>Śródmieście</praw_adSiedzGmina_Nazwa>"
         "<praw_adSiedzMiejscowosc_Nazwa>Warszawa</praw_adSiedzMiejscowosc_Nazwa>"
         "<praw_adSiedzMiejscowoscPoczty_Nazwa>Warszawa</praw_adSiedzMiejscowoscPoczty_Nazwa>"
         "<praw_adSiedzUlica_Nazwa>ul. Test-Krucza</praw_adSiedzUlica_Nazwa>"
         "<praw_podstawowaFormaPrawna_Nazwa>OSOBA PRAWNA</praw_podstawowaFormaPrawna_Nazwa>";
}

inline std::string trader_report() {
  return "<fiz_regon9>300001237</fiz_regon9><fiz_nazwa>JAN KOWALSKI USŁUGI KSIĘGOWE</fiz_nazwa>"
         "<fiz_nazwaSkrocona/><fiz_adSiedzKraj_Symbol>PL</fiz_adSiedzKraj_Symbol>"
         "<fiz_adSiedzKodPocztowy>60001</fiz_adSiedzKodPocztowy>"
         "<fiz_adSiedzNumerNieruchomosci>5</fiz_adSiedzNumerNieruchomosci>"
         "<fiz_adSiedzNumerLokalu/><fiz_numerTelefonu>618000000</fiz_numerTelefonu>"
         "<fiz_adresEmail/><fiz_adresStronyinternetowej/>"
         "<fiz_adSiedzKraj_Nazwa>POLSKA</fiz_adSiedzKraj_Nazwa>"
         "<fiz_adSiedzWojewodztwo_Nazwa>WIELKOPOLSKIE</fiz_adSiedzWojewodztwo_Nazwa>"
         "<fiz_adSiedzPowiat_Nazwa>Poznań</fiz_adSiedzPowiat_Nazwa>"
         "<fiz_adSiedzGmina_Nazwa>Poznań</fiz_adSiedzGmina_Nazwa>"
         "<fiz_adSiedzMiejscowosc_Nazwa>Poznań</fiz_adSiedzMiejscowosc_Nazwa>"
         "<fiz_adSiedzMiejscowoscPoczty_Nazwa>Poznań</fiz_adSiedzMiejscowoscPoczty_Nazwa>"
         "<fiz_adSiedzUlica_Nazwa>ul. Test-Polna</fiz_adSiedzUlica_Nazwa>";
}

inline std::string error_data(const char* code, const char* pl, const char* en) {
  return std::string("<root><dane><ErrorCode>") + code + "</ErrorCode><ErrorMessagePl>" + pl +
         "</ErrorMessagePl><ErrorMessageEn>" + en + "</ErrorMessageEn></dane></root>";
}

inline std::string not_found() {
  return error_data("4", "Nie znaleziono podmiotu dla podanych kryteriów wyszukiwania.",
                    "No data found for the specified search criteria.");
}

inline std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '"') {
      out += "&quot;";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

inline LoopbackReply answer(const std::string& operation, const std::string& result,
                            const Script& script) {
  std::string env =
      "<s:Envelope xmlns:s=\"http://www.w3.org/2003/05/soap-envelope\" "
      "xmlns:a=\"http://www.w3.org/2005/08/addressing\"><s:Header><a:Action "
      "s:mustUnderstand=\"1\">http://CIS/BIR/PUBL/2014/07/IUslugaBIRzewnPubl/" +
      operation + "Response</a:Action></s:Header><s:Body><" + operation +
      "Response xmlns=\"http://CIS/BIR/PUBL/2014/07\"><" + operation + "Result>" + escaped(result) +
      "</" + operation + "Result></" + operation + "Response></s:Body></s:Envelope>";
  if (script.malformed) env.resize(env.size() / 2);
  LoopbackReply reply;
  reply.delay_ms = script.delay_ms;
  if (!script.mtom) {
    reply.content_type = "application/soap+xml; charset=utf-8";
    reply.body = env;
    return reply;
  }
  const std::string boundary = "uuid:6b4d3f0a-5c1e-4f2b-8a7d-9e0c1b2a3d4e+id=2";
  reply.content_type =
      "multipart/related; type=\"application/xop+xml\"; "
      "start=\"<http://tempuri.org/0>\"; boundary=\"" +
      boundary + "\"; start-info=\"application/soap+xml\"";
  reply.body = "--" + boundary +
               "\r\nContent-ID: <http://tempuri.org/0>\r\nContent-Transfer-Encoding: 8bit\r\n"
               "Content-Type: application/xop+xml;charset=utf-8;type=\"application/soap+xml\""
               "\r\n\r\n" +
               env + "\r\n--" + boundary + "--\r\n";
  return reply;
}

// The text between <tag> and </tag> in a request, or empty text.
inline std::string between(const std::string& body, const std::string& tag) {
  const std::size_t open = body.find("<" + tag + ">");
  if (open == std::string::npos) return {};
  const std::size_t from = open + tag.size() + 2;
  const std::size_t close = body.find("</" + tag + ">", from);
  return close == std::string::npos ? std::string() : body.substr(from, close - from);
}

inline LoopbackReply reply(const LoopbackRequest& request, const Script& script = {}) {
  const std::string action = between(request.body, "wsa:Action");
  const std::string operation = action.substr(action.rfind('/') + 1);
  if (operation == "Zaloguj") {
    return answer(operation, between(request.body, "ns:pKluczUzytkownika") == kKey ? kSid : "",
                  script);
  }
  if (request.header("sid") != kSid) {
    return answer(operation,
                  error_data("7",
                             "Brak sesji. Sesja wygasła lub przekazano nieprawidłowy "
                             "identyfikator sesji.",
                             "No session."),
                  script);
  }
  if (operation == "Wyloguj") return answer(operation, "true", script);
  if (operation == "DaneSzukajPodmioty") {
    const std::string nip = between(request.body, "dat:Nip");
    const std::string regon = between(request.body, "dat:Regon");
    const std::string krs = between(request.body, "dat:Krs");
    if (nip == kCompanyNip || regon == kCompanyRegon || krs == kCompanyKrs)
      return answer(operation, "<root><dane>" + company_row() + "</dane></root>", script);
    if (nip == kTraderNip || regon == kTraderRegon)
      return answer(operation, "<root><dane>" + trader_row() + "</dane></root>", script);
    return answer(operation, not_found(), script);
  }
  if (operation == "DanePobierzPelnyRaport") {
    const std::string regon = between(request.body, "ns:pRegon");
    const std::string report = between(request.body, "ns:pNazwaRaportu");
    if (regon == kCompanyRegon && report == "BIR11OsPrawna")
      return answer(operation, "<root><dane>" + company_report() + "</dane></root>", script);
    if (regon == kTraderRegon && report == "BIR11OsFizycznaDzialalnoscCeidg")
      return answer(operation, "<root><dane>" + trader_report() + "</dane></root>", script);
    return answer(operation, not_found(), script);
  }
  return {500, "", "text/plain"};
}

}  // namespace utilks::recorded_register
