#include "host/connect.hpp"

#include <filesystem>
#include <map>
#include <mutex>

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/platform/env.hpp"
#include "host/sqlite/backend.hpp"
#include "host/sqlite/polish.hpp"

namespace funkcja::database {
namespace {

using namespace funkcja::literals;

struct State {
  std::mutex mutex;
  std::map<std::string, Opener> backends;
  std::string url;  // empty: the default
};

State& state() {
  static State* s = new State;  // used by every thread until the process ends
  return *s;
}

std::string data_folder() {
  std::string folder = platform::Env::current().data_folder();
  return folder.empty() ? "." : folder;
}

struct Target {
  std::string scheme;
  std::string place;
};

bool parse(std::string_view url, Target& target, std::string& error) {
  std::string chosen = url.empty() ? default_url() : std::string(text::trim(url));
  const auto colon = chosen.find(':');
  if (colon == std::string::npos || colon == 0) {
    error =
        std::string(
            "Adres bazy danych musi mieć postać schemat:miejsce, np. sqlite:/ścieżka/baza.db: "_cp) +
        chosen;
    return false;
  }
  target.scheme = chosen.substr(0, colon);
  for (char& c : target.scheme) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  target.place = chosen.substr(colon + 1);
  if (target.place.rfind("//", 0) == 0) target.place.erase(0, 2);
  if (target.place.empty()) {
    error = std::string("Brak miejsca bazy danych w adresie: "_cp) + chosen;
    return false;
  }
  return true;
}

const Opener* backend(const std::string& scheme, std::string& error) {
  State& s = state();
  std::lock_guard lock(s.mutex);
  const auto it = s.backends.find(scheme);
  if (it == s.backends.end()) {
    error = std::string("Nieobsługiwany rodzaj bazy danych: "_cp) + scheme;
    return nullptr;
  }
  return &it->second;
}

bool make_folder_for(const Target& t) {
  if (t.scheme != "sqlite") return true;
  std::error_code ec;
  const auto parent = std::filesystem::path(t.place).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
  return !ec;
}

// Session values of a database without a host login: the demo user, company and year.
void load_default_session(dane::Connection& connection) {
  using dane::Global;
  if (dane::get_int(Global::DANE_ID_FIRMY) != 0 ||
      !text::clip(dane::get_text(Global::DANE_ID_UZYT)).empty()) {
    return;
  }
  std::string error;
  auto cursor = connection.execute(
      "select id_firmy, id_uzyt, id_uzytkownika, id_lata_obrot, data_biezaca, poczatek_roku, "
      "koniec_roku, administrator from SESJA_DOMYSLNA",
      error);
  dane::Row row;
  if (!cursor || !cursor->next(row, error) || row.size() < 8) return;
  const Global order[] = {Global::DANE_ID_FIRMY,          Global::DANE_ID_UZYT,
                          Global::DANE_ID_UZYTKOWNIKA_NR, Global::DANE_LATA_OBROTOWE,
                          Global::DANE_DATA_BIEZACA,      Global::DANE_POCZATEK_ROKU,
                          Global::DANE_KONIEC_ROKU,       Global::DANE_ADMINISTRATOR};
  for (std::size_t i = 0; i < 8; ++i) {
    if (row[i]) dane::set_text(order[i], *row[i]);
  }
}

// The embedded backend is always there; the default database is used until a host opens one.
const bool kBuiltIn = [] {
  register_backend("sqlite", [](const std::string& place, std::string& error) {
    return sqlite::open_connection(place, error);
  });
  dane::set_connection_factory([]() -> std::unique_ptr<dane::Connection> {
    Target t;
    std::string error;
    if (!parse(current_url(), t, error) || !make_folder_for(t)) return nullptr;
    const Opener* open = backend(t.scheme, error);
    return open != nullptr ? (*open)(t.place, error) : nullptr;
  });
  return true;
}();

}  // namespace

void register_backend(std::string scheme, Opener opener) {
  State& s = state();
  std::lock_guard lock(s.mutex);
  s.backends[std::move(scheme)] = std::move(opener);
}

std::string default_url() {
  return "sqlite:" + data_folder() + "/funkcja.db";
}

std::string current_url() {
  State& s = state();
  std::lock_guard lock(s.mutex);
  return s.url.empty() ? default_url() : s.url;
}

bool open(std::string_view url, std::string& error) {
  Target t;
  if (!parse(url, t, error)) return false;
  const Opener* opener = backend(t.scheme, error);
  if (opener == nullptr) return false;
  if (!make_folder_for(t)) {
    error = std::string("Nie można utworzyć folderu bazy danych: "_cp) + t.place;
    return false;
  }
  // The first connection proves the database usable (and creates a new one) before any
  // thread is switched to it.
  std::unique_ptr<dane::Connection> first = (*opener)(t.place, error);
  if (!first) return false;
  const std::string chosen = t.scheme + ":" + t.place;
  {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.url = chosen;
  }
  Opener copy = *opener;
  auto handed = std::make_shared<std::unique_ptr<dane::Connection>>(std::move(first));
  auto handed_mutex = std::make_shared<std::mutex>();
  dane::set_connection_factory([copy, place = t.place, handed, handed_mutex]() {
    {
      // The calling thread's first connection is the one already opened.
      std::lock_guard lock(*handed_mutex);
      if (*handed) return std::move(*handed);
    }
    std::string ignored;
    return copy(place, ignored);
  });
  dane::Connection* connection = dane::thread_connection();
  if (connection != nullptr) load_default_session(*connection);
  return true;
}

bool init(std::string_view url, bool force, std::string& error) {
  Target t;
  if (!parse(url, t, error)) return false;
  const Opener* opener = backend(t.scheme, error);
  if (opener == nullptr) return false;
  if (t.scheme == "sqlite") {
    const std::filesystem::path file = sqlite::cp_to_utf8(t.place);
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
      error = std::string("Nie można utworzyć bazy danych "_cp) + t.place +
              std::string(": to jest folder, a nie plik bazy danych."_cp);
      return false;
    }
    if (std::filesystem::exists(file, ec) || std::filesystem::is_symlink(file, ec)) {
      if (!force) {
        error =
            std::string("Baza danych już istnieje (użyj --force, aby ją zastąpić): "_cp) + t.place;
        return false;
      }
      // A database that another process works on is never pulled away from under it.
      if (sqlite::database_in_use(t.place, error)) return false;
      if (!sqlite::remove_database_files(t.place)) {
        error = std::string("Nie można usunąć bazy danych: "_cp) + t.place;
        return false;
      }
    }
    if (!make_folder_for(t)) {
      error = std::string("Nie można utworzyć folderu bazy danych: "_cp) + t.place;
      return false;
    }
  }
  return (*opener)(t.place, error) != nullptr;
}

}  // namespace funkcja::database
