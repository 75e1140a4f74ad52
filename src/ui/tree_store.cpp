#include "ui/tree_store.hpp"

#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"

namespace funkcja::ui::tree {
namespace {

// "where id_firmy=1 AND id_browsera=24 AND id_uzyt='AKOWALSKA'"
sql::Statement& where_owner(sql::Statement& s, const Owner& o) {
  s.text(" where id_firmy=").number(o.company).text(" AND id_browsera=").number(o.browse);
  s.text(" AND id_uzyt=").quoted(o.login);
  return s;
}

// Fields 1 to 7 of the record in the order of a branch line.
Branch branch_of_record(dane::QueryTable& t, bool clip_value) {
  Branch b;
  b.name = std::string(text::clip(t.field(1).as_text()));
  b.icon = t.field(2).as_int32();
  if (b.icon == 0) b.icon = 1;
  b.level = t.field(3).as_int32();
  b.order = t.field(4).as_int32();
  b.field = std::string(text::clip(t.field(5).as_text()));
  b.value = t.field(6).as_text();
  if (clip_value) b.value = std::string(text::clip(b.value));
  b.condition = std::string(text::clip(t.field(7).as_text()));
  return b;
}

constexpr std::string_view kBranchColumns =
    "select nazwa_galezi, ikona, poziom, lp, pole_filtr, wart_pola, warunek";

bool one_row(const sql::Statement& s) {
  return text::read_int32(text::clip(gateway::FUNCVAY(s))).optional().value_or(0) == 1;
}

}  // namespace

Owner session_owner(std::int32_t browse) {
  return {dane::get_int(dane::Global::DANE_ID_FIRMY),
          std::string(text::clip(dane::get_text(dane::Global::DANE_ID_UZYT))),
          stored_browse(browse)};
}

Loaded load_default(const Owner& owner) {
  sql::Statement s(kBranchColumns);
  s.text(", nazwa_drzewa from BROWSER_KONFIG");
  where_owner(s, owner).text(
      " AND domyslny=1 order by id_firmy, id_browsera, id_uzyt, domyslny, lp");
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(t, s);
  Loaded out;
  while (gateway::next(t)) {
    out.branches.push_back(branch_of_record(t, false));
    out.name = std::string(text::clip(t.field(8).as_text()));
  }
  t.close();
  return out;
}

std::vector<Branch> load_named(const Owner& owner, std::string_view name) {
  sql::Statement s(kBranchColumns);
  s.text(" from BROWSER_KONFIG");
  where_owner(s, owner).text(" AND nazwa_drzewa=").quoted(text::clip(name));
  s.text(" order by id_firmy, id_browsera, id_uzyt, nazwa_drzewa, lp");
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(t, s);
  std::vector<Branch> out;
  while (gateway::next(t)) out.push_back(branch_of_record(t, true));
  t.close();
  return out;
}

std::vector<std::string> saved_names(const Owner& owner) {
  sql::Statement s("select nazwa_drzewa from BROWSER_KONFIG");
  where_owner(s, owner).text(" group by nazwa_drzewa order by nazwa_drzewa");
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(t, s);
  std::vector<std::string> out;
  while (gateway::next(t)) out.emplace_back(text::clip(t.field(1).as_text()));
  t.close();
  return out;
}

bool has_saved_trees(const Owner& owner) {
  sql::Statement s("select 1 from BROWSER_KONFIG");
  return one_row(where_owner(s, owner));
}

bool tree_exists(const Owner& owner, std::string_view name) {
  sql::Statement s("select 1 from BROWSER_KONFIG");
  where_owner(s, owner).text(" AND nazwa_drzewa=").quoted(text::clip(name));
  return one_row(s);
}

void maintain(const Owner& owner, std::int32_t mode, std::string_view name) {
  sql::Statement s("CALL OBSLUGA_KONFIG_BROW(");
  s.number(owner.company).text(",").quoted(owner.login).text(",").number(owner.browse);
  s.text(",").number(mode).text(",").quoted(text::clip(name)).text(")");
  gateway::EXECVAX(s);
  dane::thread_tables().VAX_FK.close();
}

std::size_t write_tree(const Owner& owner, std::string_view name,
                       const std::vector<Branch>& branches) {
  std::size_t written = 0;
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  for (std::size_t i = 1; i < branches.size(); ++i) {  // the root is never stored
    const Branch& b = branches[i];
    sql::Statement s(
        "insert into BROWSER_KONFIG (id_firmy, id_browsera, id_uzyt, nazwa_drzewa, lp, ikona, "
        "nazwa_galezi, poziom, pole_filtr, wart_pola, warunek, zakres_d, zakres_g, domyslny) "
        "values (");
    s.number(owner.company).text(",").number(owner.browse).text(",").quoted(owner.login);
    s.text(",").quoted(text::clip(name)).text(",").number(b.order).text(",");
    s.number(b.icon == 0 ? 1 : b.icon).text(",").quoted(text::clip(b.name)).text(",");
    s.number(b.level).text(",").quoted(text::clip(b.field)).text(",");
    s.quoted(text::clip(b.value)).text(",").quoted(text::clip(b.condition)).text(",0,0,1)");
    gateway::run(t, s, gateway::Errors::kReport);
    if (t.error_code() == dane::kNoError) ++written;
  }
  t.close();
  return written;
}

}  // namespace funkcja::ui::tree
