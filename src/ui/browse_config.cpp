// KONFIGURACJA_OKNA: which columns a user's browse shows and in which order. The rows of a
// user's configuration live in BROWSER_UZYTKOWNIK_KONF, one per column; a browse without rows
// uses its built-in default. For example, with nothing stored,
//
//   KONFIGURACJA_OKNA(2, 7, "")
//     -> "40R(2)|M~Id~C(0)@n-14@#3#160L(2)|M~Nazwa~C(0)@s60@#4#...@s5@#7#"
//
// and after the user hid "Nazwa" in the window (action 1), the same call leaves that column out.
#include "ui/browse_config.hpp"

#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "host/system_messages.hpp"
#include "text/procedures.hpp"
#include "ui/browse_config_cache.hpp"
#include "ui/browse_defaults.hpp"

namespace funkcja::ui {
namespace browse_config {
namespace {

constexpr std::int32_t kSettlementsBrowse = 30;

std::int32_t current_user() {
  return dane::get_int(dane::Global::DANE_ID_UZYTKOWNIKA_NR);
}

struct StoredRows {
  std::string format;
  std::vector<std::uint8_t> visibilities;
};

// The user's stored rows of the browse; a failed read is shown and counts as no rows.
StoredRows read_stored(std::int32_t browse, std::int32_t user) {
  sql::Statement s(
      "select format_kolumny, czy_aktywna from BROWSER_UZYTKOWNIK_KONF with (NOLOCK) where "
      "id_browsera=");
  s.number(browse).text(" AND id_uzytkownika=").number(user);
  s.text(" order by id_uzytkownika, id_browsera, kolejnosc");
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(t, s, gateway::Errors::kReport);
  StoredRows stored;
  while (gateway::next(t)) {
    stored.format += ';';
    stored.format += t.field(1).text;
    stored.visibilities.push_back(t.field(2).as_int32() == 1 ? kVisible : kHidden);
  }
  t.close();
  if (stored.visibilities.empty()) {
    stored.format = default_format(browse);
  } else {
    stored.format += ';';
  }
  return stored;
}

// Runs one statement of a save on the table; false, with the database's message shown, when
// it failed.
bool run_step(dane::QueryTable& t, std::string_view statement) {
  gateway::run(t, statement, gateway::Errors::kReport);
  return t.error_code() == dane::kNoError;
}

// Replaces the user's rows of the browse. The delete and the inserts run in one transaction:
// a statement that fails rolls all of them back, so the stored configuration is either the
// old one or the new one, never a part of either.
bool replace_stored(std::int32_t browse, std::int32_t user, const Config& rows) {
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  if (!run_step(t, "begin transaction")) return false;
  sql::Statement remove("delete from BROWSER_UZYTKOWNIK_KONF where id_browsera=");
  remove.number(browse).text(" AND id_uzytkownika=").number(user);
  bool ok = run_step(t, remove);
  std::int32_t number = 0;
  for (const ConfigRow& r : rows) {
    if (!ok) break;
    sql::Statement insert(
        "insert into "
        "BROWSER_UZYTKOWNIK_KONF(ID_BROWSERA,ID_UZYTKOWNIKA,KOLEJNOSC,CZY_AKTYWNA,FORMAT_KOLUMNY) "
        "values(");
    insert.number(browse).text(",").number(user).text(",").number(++number).text(",");
    insert.number(r.visibility == kVisible ? 1 : 0).text(",").quoted(r.format).text(")");
    ok = run_step(t, insert);
  }
  if (ok) ok = run_step(t, "commit transaction");
  if (!ok) gateway::send(t, "rollback transaction");
  t.close();
  return ok;
}

}  // namespace

std::string shown_name(std::int32_t browse, std::string_view name) {
  if (browse != kSettlementsBrowse) return std::string(name);
  return text::ZAMIEN_KLASYFIKACJA_TRANSAKCJA(name);
}

Config build_rows(std::int32_t browse, std::string_view stored_format,
                  const std::vector<std::uint8_t>& saved_visibilities) {
  Config rows;
  for (NamedColumn& c : split_format(stored_format)) {
    ConfigRow r;
    r.position = static_cast<std::int32_t>(rows.size()) + 1;
    r.name = shown_name(browse, c.name);
    r.format = text::cut(c.format, kFormatCapacity);
    rows.push_back(std::move(r));
  }
  if (saved_visibilities.size() == rows.size()) {
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].visibility = saved_visibilities[i];
  } else if (saved_visibilities.empty()) {
    for (ConfigRow& r : rows) {
      if (hidden_by_default(browse, r.position)) r.visibility = kHidden;
    }
  }
  return rows;
}

void take_specs(Config& rows, std::int32_t browse, std::string_view current_format) {
  const std::vector<NamedColumn> current = split_browse_format(current_format);
  for (ConfigRow& r : rows) {
    for (const NamedColumn& c : current) {
      if (text::same(shown_name(browse, c.name), r.name)) {
        r.format = text::cut(c.format, kFormatCapacity);
        break;
      }
    }
  }
}

Config load(std::uint8_t action, std::int32_t browse, std::string_view current_format,
            bool take_current, std::string* cached_form) {
  const std::int32_t user = current_user();
  ConfigCache& cache = config_cache();
  if (action == 2) {
    if (auto cached = cache.find(user, browse)) {
      if (cached_form != nullptr) *cached_form = browse_form(*cached);
      return std::move(*cached);
    }
  } else {
    cache.use_user(user);
  }
  const StoredRows stored = read_stored(browse, user);
  Config rows = build_rows(browse, stored.format, stored.visibilities);
  if (take_current) take_specs(rows, browse, current_format);
  std::string form = cache.add(user, browse, rows);
  if (cached_form != nullptr) *cached_form = std::move(form);
  return rows;
}

bool save(std::int32_t browse, const Config& rows) {
  const std::string old_form =
      config_cache().browse_form_of(current_user(), browse).value_or(std::string());
  return save(browse, rows, old_form);
}

bool save(std::int32_t browse, const Config& rows, std::string_view old_form) {
  bool ok = true;
  if (old_form != browse_form(rows)) ok = replace_stored(browse, current_user(), rows);
  config_cache().forget(browse);
  return ok;
}

}  // namespace browse_config

std::string KONFIGURACJA_OKNA(std::uint8_t action, std::int32_t browse,
                              std::string_view current_format) {
  using namespace browse_config;
  switch (action) {
    case 2:
      if (auto form = config_cache().browse_form_of(current_user(), browse)) return *form;
      return browse_form(load(action, browse, current_format, false));
    case 3: {
      // Compared with what the cache held at this call's own load: another thread may empty
      // the cache in between, and an unchanged configuration must still write nothing.
      std::string cached_form;
      const Config rows = load(action, browse, current_format, true, &cached_form);
      save(browse, rows, cached_form);
      return {};
    }
    default: {
      const bool own = action == 1;
      Config rows = load(action, browse, current_format, own);
      const bool more_defaults = split_format(default_format(browse)).size() > rows.size();
      return edit(browse, std::move(rows), own && more_defaults);
    }
  }
}

}  // namespace funkcja::ui
