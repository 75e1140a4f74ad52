#include "gus_client.hpp"

#include <pugixml.hpp>

#include "http_get.hpp"

namespace utilks::gus {
namespace {

constexpr std::string_view kActionBase = "http://CIS/BIR/PUBL/2014/07/IUslugaBIRzewnPubl/";

// Text placed inside an element of the request.
std::string escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

std::string envelope(std::string_view url, std::string_view operation, std::string_view body) {
  std::string s;
  s += R"(<soap:Envelope xmlns:soap="http://www.w3.org/2003/05/soap-envelope")";
  s += R"( xmlns:ns="http://CIS/BIR/PUBL/2014/07")";
  s += R"( xmlns:dat="http://CIS/BIR/PUBL/2014/07/DataContract">)";
  s += R"(<soap:Header xmlns:wsa="http://www.w3.org/2005/08/addressing">)";
  s += "<wsa:To>" + escaped(url) + "</wsa:To>";
  s += "<wsa:Action>" + std::string(kActionBase) + std::string(operation) + "</wsa:Action>";
  s += "</soap:Header><soap:Body>";
  s += body;
  s += "</soap:Body></soap:Envelope>";
  return s;
}

std::string_view local_name(std::string_view name) {
  const std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// The envelope inside a body: the body itself, or the root part of an MTOM multipart body,
// whose envelope is sent as plain XML between the part's headers and the next boundary.
std::string_view envelope_in(std::string_view body) {
  std::size_t start = std::string_view::npos;
  std::size_t name_end = 0;
  for (std::size_t lt = body.find('<'); lt != std::string_view::npos; lt = body.find('<', lt + 1)) {
    const std::size_t end = body.find_first_of(" \t\r\n/>", lt + 1);
    if (end == std::string_view::npos) break;
    if (local_name(body.substr(lt + 1, end - lt - 1)) == "Envelope") {
      start = lt;
      name_end = end;
      break;
    }
  }
  if (start == std::string_view::npos) return {};
  const std::string closing =
      "</" + std::string(body.substr(start + 1, name_end - start - 1)) + ">";
  const std::size_t close = body.find(closing, name_end);
  if (close == std::string_view::npos) return {};
  return body.substr(start, close + closing.size() - start);
}

pugi::xml_node find_local(const pugi::xml_node& from, std::string_view name) {
  return from.find_node([name](const pugi::xml_node& n) {
    return n.type() == pugi::node_element && local_name(n.name()) == name;
  });
}

}  // namespace

std::string value_of(const Fields& fields, std::string_view name) {
  for (const auto& [n, v] : fields) {
    if (n == name) return v;
  }
  return {};
}

std::optional<std::string> soap_result(std::string_view body, std::string_view operation) {
  const std::string_view env = envelope_in(body);
  if (env.empty()) return std::nullopt;
  pugi::xml_document doc;
  if (!doc.load_buffer(env.data(), env.size(), pugi::parse_default, pugi::encoding_utf8))
    return std::nullopt;
  const pugi::xml_node result = find_local(doc, std::string(operation) + "Result");
  if (!result) return std::nullopt;
  return std::string(result.text().get());
}

Outcome parse_data(std::string_view data) {
  Outcome out;
  pugi::xml_document doc;
  if (!doc.load_buffer(data.data(), data.size(), pugi::parse_default, pugi::encoding_utf8))
    return out;
  const pugi::xml_node root = doc.document_element();
  for (const pugi::xml_node& dane : root.children("dane")) {
    if (dane.child("ErrorCode")) {
      out.status = Outcome::Status::kRegisterError;
      out.message = dane.child_value("ErrorMessagePl");
      if (out.message.empty()) out.message = dane.child_value("ErrorMessageEn");
      out.entities.clear();
      return out;
    }
    Fields fields;
    for (const pugi::xml_node& e : dane.children()) {
      if (e.type() == pugi::node_element) fields.emplace_back(e.name(), e.text().get());
    }
    out.entities.push_back(std::move(fields));
  }
  if (!out.entities.empty()) out.status = Outcome::Status::kFound;
  return out;
}

std::string report_name(const Fields& found) {
  const std::string type = value_of(found, "Typ");
  if (type == "P") return "BIR11OsPrawna";
  if (type == "LP") return "BIR11JednLokalnaOsPrawnej";
  if (type == "LF") return "BIR11JednLokalnaOsFizycznej";
  if (type != "F") return {};
  const std::string silo = value_of(found, "SilosID");
  if (silo == "1") return "BIR11OsFizycznaDzialalnoscCeidg";
  if (silo == "2") return "BIR11OsFizycznaDzialalnoscRolnicza";
  if (silo == "3") return "BIR11OsFizycznaDzialalnoscPozostala";
  if (silo == "4") return "BIR11OsFizycznaDzialalnoscSkreslonaDo20141108";
  return {};
}

Client::~Client() {
  try {
    logout();
  } catch (...) {
  }
}

std::optional<std::string> Client::call(std::string_view operation, std::string_view body_xml) {
  std::vector<std::string> headers = {
      "Content-Type: application/soap+xml; charset=utf-8; action=\"" + std::string(kActionBase) +
          std::string(operation) + "\"",
      "Expect:"};
  if (!sid_.empty()) headers.push_back("sid: " + sid_);
  const HttpAnswer a =
      http_post(settings_.gus_url, envelope(settings_.gus_url, operation, body_xml), headers,
                settings_.timeout_ms, settings_.connect_ms);
  if (!a.received || a.status != 200) return std::nullopt;
  return soap_result(a.body, operation);
}

Client::Login Client::login() {
  const auto sid =
      call("Zaloguj", "<ns:Zaloguj><ns:pKluczUzytkownika>" + escaped(settings_.gus_key) +
                          "</ns:pKluczUzytkownika></ns:Zaloguj>");
  if (!sid) return Login::kFailed;
  const std::size_t first = sid->find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return Login::kRefused;
  sid_ = sid->substr(first, sid->find_last_not_of(" \t\r\n") - first + 1);
  return Login::kOk;
}

Outcome Client::search(SearchKind kind, std::string_view number) {
  const char* element = kind == SearchKind::kNip     ? "Nip"
                        : kind == SearchKind::kRegon ? "Regon"
                                                     : "Krs";
  const std::string parameter =
      std::string("<dat:") + element + ">" + escaped(number) + "</dat:" + element + ">";
  const auto data =
      call("DaneSzukajPodmioty", "<ns:DaneSzukajPodmioty><ns:pParametryWyszukiwania>" + parameter +
                                     "</ns:pParametryWyszukiwania></ns:DaneSzukajPodmioty>");
  return data ? parse_data(*data) : Outcome{};
}

Outcome Client::full_report(const Fields& found) {
  const std::string report = report_name(found);
  if (report.empty()) return {};
  const auto data = call("DanePobierzPelnyRaport",
                         "<ns:DanePobierzPelnyRaport><ns:pRegon>" +
                             escaped(value_of(found, "Regon")) + "</ns:pRegon><ns:pNazwaRaportu>" +
                             report + "</ns:pNazwaRaportu></ns:DanePobierzPelnyRaport>");
  return data ? parse_data(*data) : Outcome{};
}

void Client::logout() {
  if (sid_.empty()) return;
  call("Wyloguj", "<ns:Wyloguj><ns:pIdentyfikatorSesji>" + escaped(sid_) +
                      "</ns:pIdentyfikatorSesji></ns:Wyloguj>");
  sid_.clear();
}

}  // namespace utilks::gus
