#include "gus_window.hpp"

#include <memory>
#include <optional>
#include <vector>

#include "funkcja_api.hpp"
#include "gus_client.hpp"
#include "gus_record.hpp"

namespace utilks::gus {
namespace {

// Texts of the window and its warnings (UTF-8 here, code page 1250 on screen).
constexpr const char* kCaption = "Wyszukiwanie podmiotu w rejestrze GUS";
constexpr const char* kBadNip = "Nieprawidłowy numer NIP.";
constexpr const char* kBadRegon = "Nieprawidłowy numer REGON.";
constexpr const char* kBadKrs = "Nieprawidłowy numer KRS.";
constexpr const char* kRefused = "Rejestr GUS nie przyjął klucza użytkownika.";
constexpr const char* kNoAnswer = "Brak odpowiedzi z rejestru GUS. Spróbuj ponownie później.";
constexpr const char* kNothingChosen = "Wybierz podmiot z listy.";

fk_text text_of(const std::string& s) {
  return fk_text{s.data(), s.size()};
}

std::string string_of(fk_text t) {
  return t.ptr != nullptr ? std::string(t.ptr, t.len) : std::string();
}

// The characters of s that are not blanks or dashes, if all of them are digits.
std::optional<std::string> digits_of(std::string_view s) {
  std::string out;
  for (const char c : s) {
    if (c == ' ' || c == '-') continue;
    if (c < '0' || c > '9') return std::nullopt;
    out.push_back(c);
  }
  return out;
}

struct SearchWindow {
  explicit SearchWindow(const FunkcjaApi& functions) : api(functions) {}

  const FunkcjaApi& api;
  fk_window* window = nullptr;
  std::int32_t nip = 0, regon = 0, krs = 0, entry = 0, search = 0, list = 0, cancel = 0, choose = 0;
  std::vector<Fields> found;
  std::string searched_krs;
  std::string chosen;  // the result, code page 1250

  void warn(const char* utf8) const { warn_text(to_cp1250(utf8)); }
  void warn_text(const std::string& cp1250) const { api.msg_ost(text_of(cp1250)); }

  std::int32_t add(std::int32_t type, const char* utf8, std::int32_t x, std::int32_t y,
                   std::int32_t w, std::int32_t h) {
    return api.window_add(window, type, text_of(to_cp1250(utf8)), x, y, w, h);
  }

  void build() {
    add(FK_CONTROL_PROMPT, "Szukaj według:", 8, 8, 60, 10);
    nip = add(FK_CONTROL_RADIO, "NIP", 72, 8, 40, 10);
    regon = add(FK_CONTROL_RADIO, "REGON", 116, 8, 48, 10);
    krs = add(FK_CONTROL_RADIO, "KRS", 168, 8, 40, 10);
    add(FK_CONTROL_PROMPT, "Numer:", 8, 24, 60, 10);
    entry = add(FK_CONTROL_ENTRY, "", 72, 22, 120, 12);
    search = add(FK_CONTROL_BUTTON, "Szukaj", 198, 21, 50, 14);
    list = add(FK_CONTROL_LIST, "", 8, 42, 344, 130);
    api.window_set_columns(window, list, text_of(to_cp1250("Nazwa\tREGON\tNIP\tMiejscowość")));
    cancel = add(FK_CONTROL_BUTTON, "Anuluj", 226, 182, 50, 18);
    add(FK_CONTROL_PROMPT, "Esc", 278, 186, 16, 10);
    choose = add(FK_CONTROL_BUTTON, "Wybierz", 296, 182, 50, 18);
    add(FK_CONTROL_PROMPT, "F10", 348, 186, 16, 10);
    api.window_set_value(window, nip, 1);
    api.window_bind_key(window, FK_KEY_F10, choose);
    api.window_focus(window, entry);
  }

  // The number to send for the chosen kind, or nothing (and a warning) when it fails its check.
  std::optional<std::string> number(SearchKind& kind) const {
    const std::string typed = string_of(api.window_text(window, entry));
    if (api.window_value(window, regon) == 1) {
      kind = SearchKind::kRegon;
      auto d = digits_of(typed);
      if (d && regon_valid(*d)) return d;
      warn(kBadRegon);
    } else if (api.window_value(window, krs) == 1) {
      kind = SearchKind::kKrs;
      auto d = digits_of(typed);
      if (d && !d->empty() && d->size() <= 10) return std::string(10 - d->size(), '0') + *d;
      warn(kBadKrs);
    } else {
      kind = SearchKind::kNip;
      std::string cleaned = string_of(api.oczysc_nip(text_of(typed)));
      if (cleaned.rfind("PL", 0) == 0) cleaned.erase(0, 2);  // the EU VAT form of a Polish NIP
      auto d = digits_of(cleaned);
      if (d && d->size() == 10 && api.spr_nip(text_of(*d)) == 1) return d;
      warn(kBadNip);
    }
    return std::nullopt;
  }

  void show_found() {
    api.window_clear_rows(window, list);
    for (const Fields& f : found) {
      const std::string row = value_of(f, "Nazwa") + "\t" + value_of(f, "Regon") + "\t" +
                              value_of(f, "Nip") + "\t" + value_of(f, "Miejscowosc");
      api.window_add_row(window, list, text_of(to_cp1250(row)));
    }
    if (!found.empty()) api.window_set_value(window, list, 1);
  }

  void run_search() {
    SearchKind kind = SearchKind::kNip;
    const auto wanted = number(kind);
    if (!wanted) return;
    found.clear();
    show_found();
    Client client(current_settings());
    const Client::Login login = client.login();
    if (login != Client::Login::kOk) {
      warn(login == Client::Login::kRefused ? kRefused : kNoAnswer);
      return;
    }
    Outcome outcome = client.search(kind, *wanted);
    if (outcome.status == Outcome::Status::kRegisterError) {
      warn_text(to_cp1250(outcome.message));
    } else if (outcome.status == Outcome::Status::kFailed) {
      warn(kNoAnswer);
    } else {
      found = std::move(outcome.entities);
      searched_krs = kind == SearchKind::kKrs ? *wanted : std::string();
      show_found();
    }
  }

  // The chosen row's data, with its full report where the register gives one; the search row
  // alone when it does not.
  bool take_chosen() {
    const std::int32_t row = api.window_value(window, list);
    if (row < 1 || static_cast<std::size_t>(row) > found.size()) {
      warn(kNothingChosen);
      return false;
    }
    const Fields& entity = found[static_cast<std::size_t>(row) - 1];
    Fields report;
    Client client(current_settings());
    if (client.login() == Client::Login::kOk) {
      Outcome outcome = client.full_report(entity);
      if (outcome.status == Outcome::Status::kFound) report = std::move(outcome.entities.front());
    }
    chosen = contractor_xml(entity, report, searched_krs);
    return true;
  }

  // 1 closes the window.
  int pressed(std::int32_t control) {
    if (control == 0 || control == cancel) return 1;
    if (control == search) {
      run_search();
      return 0;
    }
    if (control == choose || control == list) return take_chosen() ? 1 : 0;
    return 0;
  }

  static int handler(fk_window*, std::int32_t control, std::int32_t, void* user) {
    try {
      return static_cast<SearchWindow*>(user)->pressed(control);
    } catch (...) {
      return 0;  // nothing may unwind into the window layer
    }
  }
};

}  // namespace

bool regon_valid(std::string_view d) {
  static constexpr int kWeights9[] = {8, 9, 2, 3, 4, 5, 6, 7};
  static constexpr int kWeights14[] = {2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8};
  const int* weights = nullptr;
  if (d.size() == 9) weights = kWeights9;
  if (d.size() == 14) weights = kWeights14;
  if (weights == nullptr) return false;
  int sum = 0;
  for (std::size_t i = 0; i + 1 < d.size(); ++i) {
    if (d[i] < '0' || d[i] > '9') return false;
    sum += (d[i] - '0') * weights[i];
  }
  const char last = d.back();
  return last >= '0' && last <= '9' && sum % 11 % 10 == last - '0';
}

std::string run_search_window() {
  const FunkcjaApi* api = funkcja_api();
  if (api == nullptr) return {};
  const std::string caption = to_cp1250(kCaption);
  std::unique_ptr<fk_window, decltype(api->window_free)> window(
      api->window_new(text_of(std::string("PobierzGUSokno")), text_of(caption), 360, 210),
      api->window_free);
  if (!window) return {};
  SearchWindow w(*api);
  w.window = window.get();
  w.build();
  api->window_set_handler(window.get(), &SearchWindow::handler, &w);
  api->window_run(window.get(), nullptr);
  return w.chosen;
}

}  // namespace utilks::gus
