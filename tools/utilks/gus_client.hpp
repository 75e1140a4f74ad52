// The company register of GUS (BIR 1.1, the REGON service): SOAP 1.2 over HTTPS.
//
//   Zaloguj(key)                    -> the session key, sent as the "sid" header from then on;
//                                      empty when the service refuses the user key
//   DaneSzukajPodmioty(Nip|Regon|Krs) -> <root><dane>Regon, Nip, Nazwa, Wojewodztwo, Powiat,
//                                      Gmina, Miejscowosc, KodPocztowy, Ulica, NrNieruchomosci,
//                                      NrLokalu, Typ, SilosID, MiejscowoscPoczty ...</dane></root>
//   DanePobierzPelnyRaport(regon, report) -> <root><dane>praw_regon9, praw_nazwa, ...</dane>
//   Wyloguj(session key)
//
// Each answer holds the operation's result as text in <Operation>Result (the data as escaped
// XML); the service sends it either as a plain SOAP envelope or wrapped as MTOM (a multipart
// body whose root part is the envelope). A search or report that finds nothing answers with
// <dane><ErrorCode>4</ErrorCode><ErrorMessagePl>Nie znaleziono podmiotu...</ErrorMessagePl>.
//
// All texts here are UTF-8, as the service sends them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings.hpp"

namespace utilks::gus {

enum class SearchKind { kNip, kRegon, kKrs };

// One entity as the register lists it: its elements' names and texts, in the register's order.
using Fields = std::vector<std::pair<std::string, std::string>>;

// The text of the element of that name, or empty text.
std::string value_of(const Fields& fields, std::string_view name);

struct Outcome {
  enum class Status {
    kFound,
    kRegisterError,  // the register answered with an error (e.g. nothing found): message
    kFailed,         // no answer, or one that cannot be read
  };
  Status status = Status::kFailed;
  std::string message;  // the register's own text for kRegisterError
  std::vector<Fields> entities;
};

// The result text of an operation's answer, plain or MTOM; nothing when the body holds no
// envelope with that result.
std::optional<std::string> soap_result(std::string_view body, std::string_view operation);
// The entities (or the register's error) of a result's XML.
Outcome parse_data(std::string_view data);
// The full report that describes an entity of the search's Typ and SilosID; empty when the
// register gives no report for it.
std::string report_name(const Fields& found);

// One session with the register. Not copyable; logs out when it ends.
class Client {
 public:
  explicit Client(Settings settings) : settings_(std::move(settings)) {}
  ~Client();
  Client(const Client&) = delete;
  Client& operator=(const Client&) = delete;

  enum class Login { kOk, kRefused, kFailed };
  Login login();
  Outcome search(SearchKind kind, std::string_view number);
  // The full report of an entity the search found.
  Outcome full_report(const Fields& found);
  void logout();

 private:
  // The result text of one operation, or nothing on a transport or format failure.
  std::optional<std::string> call(std::string_view operation, std::string_view body_xml);

  Settings settings_;
  std::string sid_;
};

}  // namespace utilks::gus
