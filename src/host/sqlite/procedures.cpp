// Stored procedures and server functions of the embedded database. Each reads and writes the
// tables the way the server's own procedure does for the library:
//
//   CALL SZUKAJ_KONTA(1,3,'201-1',1)                      -> 0 (found in the chart of accounts)
//   CALL USTAL_PRAWO_DOSTEPU_ZASOB (1,3,'AKOWALSKA','K','851') -> 2 (locked against posting)
//   select dbo.TG_GetFormaPlatnosci(1,1,2,0,'','')          -> przelew 30 dni
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>
#include <new>
#include <set>

#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "frame/standard_date.hpp"
#include "frame/text_rules.hpp"
#include "host/sqlite/decimal.hpp"
#include "host/sqlite/polish.hpp"
#include "host/sqlite/session.hpp"
#include "host/sqlite/xml_writer_procedures.hpp"

namespace funkcja::sqlite {
namespace {

using namespace funkcja::literals;

using Args = std::vector<CallArg>;

void need(const Args& a, std::size_t count, std::string_view procedure) {
  if (a.size() < count) {
    throw ProcedureError(std::string("Procedura "_cp) + std::string(procedure) + " oczekuje " +
                         std::to_string(count) + std::string(" argumentów."_cp));
  }
}

std::string text_of(const Args& a, std::size_t i) {
  return i < a.size() ? std::string(text::clip(a[i].as_text())) : std::string();
}
std::int64_t int_of(const Args& a, std::size_t i) {
  return i < a.size() ? a[i].as_integer() : 0;
}

dane::Row row(std::initializer_list<std::string> cells) {
  dane::Row r;
  for (const auto& c : cells) r.emplace_back(c);
  return r;
}

bool is_administrator(Session& s, const std::string& login) {
  return s.value("SELECT administrator FROM UZYTKOWNIK_FK WHERE identyfikator = ?1", {login})
             .value_or("0") == "1";
}

// SZUKAJ_KONTA(company, year, account, mode): 0 when the account is in the chart, else 1;
// then the account and its name.
Rows szukaj_konta(Session& s, const Args& a) {
  need(a, 3, "SZUKAJ_KONTA");
  const std::string account = std::string(text::trim(a[2].as_text()));
  const Rows found = s.query(
      "SELECT nr_konta, nazwa_konta FROM WARTOSCI_KONT WHERE id_firmy = ?1 AND id_lata_obrot = ?2 "
      "AND nr_konta = ?3",
      {int_of(a, 0), int_of(a, 1), account});
  if (found.empty()) return {row({"1", account, ""})};
  return {row({"0", *found[0][0], found[0][1].value_or("")})};
}

// USTAL_PRAWO_DOSTEPU_ZASOB(company, year, login, kind, resource): the user's right; an
// administrator and a resource without an entry are allowed (1).
Rows prawo_zasob(Session& s, const Args& a) {
  need(a, 5, "USTAL_PRAWO_DOSTEPU_ZASOB");
  const std::string login = text_of(a, 2);
  if (is_administrator(s, login)) return {row({"1"})};
  const auto right = s.value(
      "SELECT prawo FROM UPRAWNIENIA_ZASOB WHERE id_firmy = ?1 AND id_lata_obrot = ?2 AND "
      "id_uzyt = ?3 AND rodzaj_zasobu = ?4 AND zasob = ?5",
      {int_of(a, 0), int_of(a, 1), login, text_of(a, 3), text_of(a, 4)});
  return {row({right.value_or("1")})};
}

// USTAL_PRAWO_DOSTEPU_FUNKCJA(company, login, function): 1 allowed, 0 not.
Rows prawo_funkcja(Session& s, const Args& a) {
  need(a, 3, "USTAL_PRAWO_DOSTEPU_FUNKCJA");
  const std::string login = text_of(a, 1);
  if (is_administrator(s, login)) return {row({"1"})};
  const auto right = s.value(
      "SELECT prawo FROM UPRAWNIENIA_FUNKCJA WHERE id_firmy = ?1 AND id_uzyt = ?2 AND funkcja = ?3",
      {int_of(a, 0), login, text_of(a, 2)});
  return {row({right.value_or("1")})};
}

// OBLICZ_OBROTY_DLA_KONTA(company, year, date, currency, account, flag, 0): turnovers of the
// account and its sub-accounts from the start of the year to the month of date.
// Columns: 1 turnover Dr, 2 turnover Cr, 3 account, 4 opening Dr, 5 opening Cr,
// 6 balance Dr, 7 balance Cr. Amounts are summed as exact decimals, each stored amount read
// from its decimal spelling, and shown with two decimals rounded half away from zero.
Rows obroty_dla_konta(Session& s, const Args& a) {
  need(a, 5, "OBLICZ_OBROTY_DLA_KONTA");
  const std::string account = std::string(text::trim(a[4].as_text()));
  const Rows amounts = s.query(
      "SELECT bo_wn, bo_ma, obroty_wn, obroty_ma FROM OBROTY_I_SALDA "
      "WHERE id_firmy = ?1 AND id_lata_obrot = ?2 AND data_okresu <= ?3 AND sym_waluty = ?4 AND "
      "(nr_konta = ?5 OR substr(nr_konta, 1, length(?5) + 1) = ?5 || '-')",
      {int_of(a, 0), int_of(a, 1), int_of(a, 2), text_of(a, 3), account});
  const auto too_large = [] {
    return ProcedureError(std::string("OBLICZ_OBROTY_DLA_KONTA: suma kwot jest za duża."_cp));
  };
  const auto add = [&](const Decimal& x, const Decimal& y) {
    const auto sum = x.plus(y);
    if (!sum) throw too_large();
    return *sum;
  };
  Decimal v[4];
  for (const auto& r : amounts) {
    for (std::size_t i = 0; i < 4 && i < r.size(); ++i) {
      if (!r[i]) continue;
      auto d = Decimal::parse(*r[i]);
      if (!d) {  // a large or tiny stored real is spelled "1.0e+20"
        if (const auto x = text::read_real(*r[i])) d = Decimal::from_double(*x);
      }
      if (!d) {
        throw ProcedureError(std::string("OBLICZ_OBROTY_DLA_KONTA: nieprawidłowa kwota '"_cp) +
                             *r[i] + "'.");
      }
      v[i] = add(v[i], *d);
    }
  }
  const Decimal balance = add(add(v[0], v[2]), add(v[1], v[3]).negated());
  const auto amount = [&](const Decimal& x) {
    const auto cents = x.rounded(2);
    if (!cents) throw too_large();
    return cents->text();
  };
  const bool debit = !balance.is_negative();
  return {
      row({amount(v[2]), amount(v[3]), account, amount(v[0]), amount(v[1]),
           amount(debit ? balance : Decimal()), amount(debit ? Decimal() : balance.negated())})};
}

// USTAL_NAZWE_KONTA(company, year, account): (1, account, name) when the account exists.
Rows nazwa_konta(Session& s, const Args& a) {
  need(a, 3, "USTAL_NAZWE_KONTA");
  const std::string account = std::string(text::trim(a[2].as_text()));
  const auto name = s.value(
      "SELECT nazwa_konta FROM WARTOSCI_KONT WHERE id_firmy = ?1 AND id_lata_obrot = ?2 AND "
      "nr_konta = ?3",
      {int_of(a, 0), int_of(a, 1), account});
  if (!name) return {};
  return {row({"1", account, *name})};
}

// OBSLUGA_KONFIG_BROW(company, login, browse, mode, tree name): bookkeeping of the user's
// saved filter trees. Mode 1 (before saving a new tree or loading one): no tree is the
// default any more. Mode 2 (before overwriting a tree): its branches go, and no tree is the
// default. Mode 3 (after loading a tree): that tree becomes the default.
Rows konfig_brow(Session& s, const Args& a) {
  need(a, 5, "OBSLUGA_KONFIG_BROW");
  const std::vector<Param> owner = {int_of(a, 0), text_of(a, 1), int_of(a, 2)};
  const std::string name = text_of(a, 4);
  switch (int_of(a, 3)) {
    case 1:
      s.exec(
          "UPDATE BROWSER_KONFIG SET domyslny = 0 WHERE id_firmy = ?1 AND id_uzyt = ?2 AND "
          "id_browsera = ?3",
          owner);
      break;
    case 2:
      s.exec(
          "DELETE FROM BROWSER_KONFIG WHERE id_firmy = ?1 AND id_uzyt = ?2 AND id_browsera = ?3 "
          "AND nazwa_drzewa = ?4",
          {owner[0], owner[1], owner[2], name});
      s.exec(
          "UPDATE BROWSER_KONFIG SET domyslny = 0 WHERE id_firmy = ?1 AND id_uzyt = ?2 AND "
          "id_browsera = ?3",
          owner);
      break;
    case 3:
      s.exec(
          "UPDATE BROWSER_KONFIG SET domyslny = CASE WHEN nazwa_drzewa = ?4 THEN 1 ELSE 0 END "
          "WHERE id_firmy = ?1 AND id_uzyt = ?2 AND id_browsera = ?3",
          {owner[0], owner[1], owner[2], name});
      break;
    default:
      throw ProcedureError(std::string("OBSLUGA_KONFIG_BROW: nieznany tryb "_cp) +
                           std::to_string(int_of(a, 3)) + ".");
  }
  return {};
}

// Rate table text of the utility library, one item per line (CR LF or LF):
//   TABELA|235/A/NBP/2026|2026-12-04
//   EUR|1|4,2312
//   USD|1|3.6589
// The import stores the rates of that day and returns the day as a standard date. A day that
// is already stored is refused with a message containing "uzupełniona", unless flag is 1,
// which replaces it.
Rows import_kursow(Session& s, const Args& a, std::string_view source) {
  need(a, 2, source == "NBP" ? "TG_ImportKusowWalutNBP" : "TG_ImportKusowWalutECB");
  const std::int64_t flag = int_of(a, 0);
  const std::string body = a[1].as_text();
  std::vector<std::string_view> lines;
  std::string_view rest = body;
  while (!rest.empty()) {
    const auto nl = rest.find('\n');
    std::string_view line = rest.substr(0, nl);
    rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    if (!line.empty()) lines.push_back(line);
  }
  const auto fields = [](std::string_view line) {
    std::vector<std::string> out;
    while (true) {
      const auto bar = line.find('|');
      out.emplace_back(text::trim(line.substr(0, bar)));
      if (bar == std::string_view::npos) break;
      line.remove_prefix(bar + 1);
    }
    return out;
  };
  const std::string bad =
      std::string("Nieprawidłowy format tabeli kursów "_cp) + std::string(source) + ".";
  if (lines.empty()) throw ProcedureError(bad);
  const auto head = fields(lines[0]);
  if (head.size() != 3 || head[0] != "TABELA" || head[2].size() != 10) throw ProcedureError(bad);
  int y = 0, m = 0, d = 0;
  if (std::sscanf(head[2].c_str(), "%4d-%2d-%2d", &y, &m, &d) != 3) throw ProcedureError(bad);
  const auto day = date::from_civil(y, m, d);
  if (!day) throw ProcedureError(bad);
  const auto stored =
      s.value("SELECT count(*) FROM KURSY_WALUT WHERE zrodlo = ?1 AND data_kursu = ?2",
              {std::string(source), static_cast<std::int64_t>(*day)});
  if (stored.value_or("0") != "0") {
    if (flag != 1) {
      throw ProcedureError(std::string("Tabela kursów "_cp) + std::string(source) +
                           std::string(" z dnia "_cp) + head[2] +
                           std::string(" została już uzupełniona."_cp));
    }
    s.exec("DELETE FROM KURSY_WALUT WHERE zrodlo = ?1 AND data_kursu = ?2",
           {std::string(source), static_cast<std::int64_t>(*day)});
  }
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto f = fields(lines[i]);
    if (f.size() != 3 || f[0].size() != 3) throw ProcedureError(bad);
    const auto value = text::read_real(f[2], text::NumberRules{.comma_is_point = true});
    const auto units = text::read_whole(f[1]);
    if (!value || !(*value > 0) || !units || *units <= 0) throw ProcedureError(bad);
    s.exec(
        "INSERT INTO KURSY_WALUT (zrodlo, nr_tabeli, data_kursu, sym_waluty, przelicznik, kurs) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
        {std::string(source), head[1], static_cast<std::int64_t>(*day), upper_text(f[0]), *units,
         *value});
  }
  return {row({std::to_string(*day)})};
}

// TG_LogNowaOperacja(company, user number, login, day, kind, place, text 1 to 4): the first
// row of a new operation of the log FK_LOG_1, under the next free operation number, which it
// returns. Taking the number and writing the row happen in one write transaction, so two
// processes never take the same number.
Rows log_nowa_operacja(Session& s, const Args& a) {
  need(a, 10, "TG_LogNowaOperacja");
  const std::int64_t highest = std::clamp<std::int64_t>(
      std::strtoll(
          s.value("SELECT ifnull(max(id_operacji), 0) FROM FK_LOG_1").value_or("0").c_str(),
          nullptr, 10),
      INT32_MIN, INT32_MAX);
  const std::int64_t number = highest < INT32_MAX ? highest + 1 : highest;
  s.exec(
      "INSERT INTO FK_LOG_1 (id_firmy, id_uzytkownika_n, id_uzytkownika, id_operacji, "
      "data_operacji, rodzaj_operacji, miejsce_wywolania, tekst_1, tekst_2, tekst_3, tekst_4, "
      "tekst_5) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, '')",
      {int_of(a, 0), int_of(a, 1), a[2].as_text(), number, int_of(a, 3), a[4].as_text(),
       a[5].as_text(), a[6].as_text(), a[7].as_text(), a[8].as_text(), a[9].as_text()});
  return {row({std::to_string(number)})};
}

// TG_XML_KONTRAHENCI(company): the company's contractors as rows of an XML document for the
// XML writer (line kind, tag, value).
Rows xml_kontrahenci(Session& s, const Args& a) {
  Rows out;
  out.push_back(row({"start-tag", "Kontrahenci", ""}));
  const Rows list = s.query(
      "SELECT nazwa, nip, miejscowosc FROM KONTRAHENT WHERE id_firmy = ?1 ORDER BY nazwa COLLATE "
      "PL",
      {int_of(a, 0)});
  for (const auto& r : list) {
    out.push_back(row({"start-tag", "Kontrahent", ""}));
    out.push_back(row({"element", "Nazwa", r[0].value_or("")}));
    out.push_back(row({"element", "NIP", r[1].value_or("")}));
    out.push_back(row({"element", "Miejscowosc", r[2].value_or("")}));
    out.push_back(row({"end-tag", "Kontrahent", ""}));
  }
  out.push_back(row({"end-tag", "Kontrahenci", ""}));
  return out;
}

struct NoCase {
  bool operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return upper_cp(static_cast<unsigned char>(x)) < upper_cp(static_cast<unsigned char>(y));
    });
  }
};

const std::map<std::string, StoredProcedure, NoCase>& procedures() {
  static const std::map<std::string, StoredProcedure, NoCase> all = {
      {"SZUKAJ_KONTA", szukaj_konta},
      {"USTAL_PRAWO_DOSTEPU_ZASOB", prawo_zasob},
      {"USTAL_PRAWO_DOSTEPU_FUNKCJA", prawo_funkcja},
      {"OBLICZ_OBROTY_DLA_KONTA", obroty_dla_konta},
      {"USTAL_NAZWE_KONTA", nazwa_konta},
      {"OBSLUGA_KONFIG_BROW", konfig_brow},
      {"TG_ImportKusowWalutNBP",
       [](Session& s, const Args& a) { return import_kursow(s, a, "NBP"); }},
      {"TG_ImportKusowWalutECB",
       [](Session& s, const Args& a) { return import_kursow(s, a, "ECB"); }},
      {"TG_XML_KONTRAHENCI", xml_kontrahenci},
      {"TG_LogNowaOperacja", log_nowa_operacja},
      {"TG_XML_DEKLARACJA", xml_deklaracja},
      {"TG_XML_WIERSZE", xml_wiersze},
  };
  return all;
}

// ---- server functions (dbo.NAME) ----

std::string arg_text(sqlite3_value* v) {
  const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
  return p != nullptr
             ? utf8_to_cp(std::string_view(p, static_cast<std::size_t>(sqlite3_value_bytes(v))))
             : std::string();
}

void result_text(sqlite3_context* ctx, std::string_view cp1250) {
  const std::string utf8 = cp_to_utf8(cp1250);
  sqlite3_result_text(ctx, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

// Nothing may unwind through the database's own frames: whatever a server function throws
// becomes the statement's error, always with a message.
template <class Body>
void guarded(sqlite3_context* ctx, Body&& body) {
  const auto report = [ctx](std::string_view cp1250) {
    try {
      const std::string utf8 = cp_to_utf8(cp1250);
      sqlite3_result_error(ctx, utf8.c_str(), static_cast<int>(utf8.size()));
    } catch (...) {
      sqlite3_result_error_nomem(ctx);
    }
  };
  try {
    body();
  } catch (const std::bad_alloc&) {
    report("Za mało pamięci na wynik funkcji serwera."_cp);
  } catch (const std::exception& e) {
    report(*e.what() != '\0' ? std::string_view(e.what()) : "Błąd funkcji serwera."_cp);
  } catch (...) {
    report("Błąd funkcji serwera."_cp);
  }
}

std::string payment_form(Session& s, std::int64_t form) {
  const Rows r =
      s.query("SELECT nazwa, termin FROM FK_FORMA_PLATNOSCI WHERE id_formy_platnosci = ?1", {form});
  if (r.empty()) return {};
  std::string name = r[0][0].value_or("");
  const std::string days = r[0][1].value_or("0");
  if (days != "0" && !days.empty()) name += " " + days + " dni";
  return name;
}

// dbo.TG_GetFormaPlatnosci(company, kind, first, second, first text, second text): the name of
// a payment form with its term. Kind 0: form number first; kind 1: the form of contractor
// first; kind 2: the form of document first. When none is found: first text.
void fn_forma_platnosci(sqlite3_context* ctx, int, sqlite3_value** argv) {
  guarded(ctx, [&] {
    Session s(sqlite3_context_db_handle(ctx));
    const std::int64_t kind = sqlite3_value_int64(argv[1]);
    const std::int64_t first = sqlite3_value_int64(argv[2]);
    std::int64_t form = 0;
    if (kind == 0) {
      form = first;
    } else if (kind == 1) {
      form = std::strtoll(
          s.value("SELECT id_formy_platnosci FROM KONTRAHENT WHERE id_kontrahenta = ?1", {first})
              .value_or("0")
              .c_str(),
          nullptr, 10);
    } else if (kind == 2) {
      form = std::strtoll(
          s.value("SELECT id_formy_platnosci FROM NAG_DOK WHERE id_nag_dok = ?1", {first})
              .value_or("0")
              .c_str(),
          nullptr, 10);
    }
    std::string name = payment_form(s, form);
    if (name.empty()) name = text::clip(arg_text(argv[4]));
    result_text(ctx, text::cut(name, 50));
  });
}

// dbo.TG_GetKontrahentDokument(document, name, tax numbers, address, bank account): the
// document's contractor, each flag adding one line (CR LF between lines).
void fn_kontrahent_dokument(sqlite3_context* ctx, int, sqlite3_value** argv) {
  guarded(ctx, [&] {
    Session s(sqlite3_context_db_handle(ctx));
    const Rows r = s.query(
        "SELECT k.nazwa, k.nazwa_pelna, k.nip, k.pesel, k.ulica_lokal, k.kod_pocztowy, "
        "k.miejscowosc, ifnull(b.NUMER_RACHUNKU_ALL, '') FROM NAG_DOK n JOIN KONTRAHENT k ON "
        "k.id_kontrahenta = n.id_kontrahenta LEFT JOIN RACHUNEK_BANKOWY b ON b.ID_RACHUNKU = "
        "k.ID_RACHUNKU WHERE n.id_nag_dok = ?1",
        {static_cast<std::int64_t>(sqlite3_value_int64(argv[0]))});
    if (r.empty()) {
      result_text(ctx, "Brak kontrahenta na dokumencie"_cp);
      return;
    }
    const auto f = [&](std::size_t i) { return r[0][i].value_or(""); };
    std::vector<std::string> lines;
    const bool full = sqlite3_value_int64(argv[1]) != 0 && !f(1).empty();
    lines.push_back(full ? f(1) : f(0));
    if (sqlite3_value_int64(argv[2]) != 0) {
      lines.push_back(!f(2).empty() ? "NIP: " + f(2) : "PESEL: " + f(3));
    }
    if (sqlite3_value_int64(argv[3]) != 0) lines.push_back(f(4) + ", " + f(5) + " " + f(6));
    if (sqlite3_value_int64(argv[4]) != 0 && !f(7).empty()) lines.push_back("Rachunek: " + f(7));
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) out += "\r\n";
      out += lines[i];
    }
    result_text(ctx, out);
  });
}

// dbo.AZ_Func_SMSDane(company, day): the company's registered address as of day, for the SMS
// service: street, zipCode, companyName, vatNumber, city.
constexpr const char* kSmsDane =
    "SELECT CASE WHEN a.ULICA <> '' THEN a.ULICA || ' ' || a.NR_DOMU || CASE WHEN a.NR_LOKALU <> "
    "'' "
    "THEN '/' || a.NR_LOKALU ELSE '' END ELSE a.MIEJSCOWOSC || ' ' || a.NR_DOMU END AS street, "
    "a.KOD_POCZTOWY AS zipCode, f.nazwa AS companyName, f.nip AS vatNumber, a.POCZTA AS city "
    "FROM FIRMA f LEFT OUTER JOIN ADRESY_FIRMY a ON a.id_firmy = f.id_firmy AND a.typ_adresu = 'S' "
    "AND a.data_od = (SELECT max(x.data_od) FROM ADRESY_FIRMY x WHERE x.id_firmy = f.id_firmy AND "
    "x.typ_adresu = 'S' AND x.data_od <= ?2) WHERE f.id_firmy = ?1";

}  // namespace

const StoredProcedure* find_procedure(std::string_view name) {
  const auto& all = procedures();
  const auto it = all.find(std::string(name));
  return it == all.end() ? nullptr : &it->second;
}

std::vector<std::string> procedure_names() {
  std::vector<std::string> names;
  for (const auto& [name, procedure] : procedures()) names.push_back(name);
  return names;
}

bool procedure_only_reads(std::string_view name) {
  static const std::set<std::string, NoCase> readers = {
      "SZUKAJ_KONTA",      "USTAL_PRAWO_DOSTEPU_ZASOB", "USTAL_PRAWO_DOSTEPU_FUNKCJA",
      "USTAL_NAZWE_KONTA", "OBLICZ_OBROTY_DLA_KONTA",   "TG_XML_KONTRAHENCI"};
  return readers.count(std::string(name)) != 0 || xml_document_procedure(name);
}

bool register_server_objects(sqlite3* db) {
  static std::once_flag tables;
  std::call_once(tables, [] { register_table_function("AZ_Func_SMSDane", kSmsDane); });
  return sqlite3_create_function_v2(db, "TG_GetFormaPlatnosci", 6, SQLITE_UTF8, nullptr,
                                    fn_forma_platnosci, nullptr, nullptr, nullptr) == SQLITE_OK &&
         sqlite3_create_function_v2(db, "TG_GetKontrahentDokument", 5, SQLITE_UTF8, nullptr,
                                    fn_kontrahent_dokument, nullptr, nullptr, nullptr) == SQLITE_OK;
}

}  // namespace funkcja::sqlite
