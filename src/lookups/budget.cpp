// Budget classification and cost-centre paths. SPR_KLASYFIKACJA_BUDZETOWA checks a section,
// chapter, paragraph and position against their dictionaries and names the first that is
// missing ("2Rozdział ..."; the leading digit tells the host which part failed);
// MPK_NAZWA_DRZEWKO turns a path of cost-centre ids such as "1-2-3-" into "ZARZĄD - PROD -
// HALA-A".
#include <charconv>
#include <optional>
#include <utility>
#include <vector>

#include "frame/cp_literal.hpp"
#include "host/dane/globals.hpp"
#include "host/sql_text.hpp"
#include "lookups/procedures.hpp"
#include "lookups/session.hpp"
#include "lookups/values.hpp"

namespace funkcja::lookups {
namespace {

using namespace funkcja::literals;

constexpr std::size_t kPathNameCapacity = 150;
constexpr std::size_t kCostCentreCodeCapacity = 30;
constexpr std::size_t kParagraphLength = 3;

bool in_dictionary(const sql::Statement& s) {
  return number_of(gateway::FUNCVAY(s)) == 1;
}

// A cost-centre id as the path spells it, or nothing when the token is not a whole number (it
// then names no centre and is never sent to the database).
std::optional<std::int32_t> centre_id(std::string_view token) {
  std::int32_t id = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), id);
  if (error != std::errc() || end != token.data() + token.size()) return std::nullopt;
  return id;
}

}  // namespace

std::string SPR_KLASYFIKACJA_BUDZETOWA(std::string_view type, std::string_view section,
                                       std::string_view chapter, std::string_view paragraph,
                                       std::string_view position) {
  if (!section.empty()) {
    sql::Statement s("select 1 from BT_DZIAL where symbol = ");
    s.quoted(section);
    if (!in_dictionary(s))
      return std::string("1Dział klasyfikacji budżetowej nie istnieje w słowniku."_cp);
  }
  if (!chapter.empty()) {
    sql::Statement s("select 1 from BT_ROZDZIAL where symbol = ");
    s.quoted(chapter);
    if (!in_dictionary(s))
      return std::string("2Rozdział klasyfikacji budżetowej nie istnieje w słowniku."_cp);
  }
  if (!paragraph.empty()) {
    sql::Statement s("select 1 from BT_PARAGRAF where symbol = ");
    s.quoted(text::cut(paragraph, kParagraphLength)).text(" AND typ = ").quoted(type);
    if (!in_dictionary(s))
      return std::string("3Paragraf klasyfikacji budżetowej nie istnieje w słowniku."_cp);
  }
  if (!position.empty()) {
    sql::Statement s("select 1 from BT_POZYCJA where symbol = ");
    s.quoted(position).text(" AND id_firmy =").number(company());
    if (!in_dictionary(s))
      return std::string("5Subanalityka klasyfikacji budżetowej nie istnieje w słowniku."_cp);
  }
  return {};
}

std::string MPK_NAZWA_DRZEWKO(std::string_view path) {
  const char separator = static_cast<char>(dane::get_number(dane::Global::DANE_SEPARATOR_MPK));
  path = text::clip(path);
  std::vector<std::pair<std::int32_t, std::string>> known;  // for this call only
  dane::QueryTable& t = dane::thread_tables().ZAPYTANIESQL;
  std::string result;
  bool first = true;
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] != separator) continue;
    const std::string_view token = path.substr(start, i - start);
    start = i + 1;
    if (token.empty()) continue;
    const std::optional<std::int32_t> id = centre_id(token);
    if (!id) continue;
    const std::string* code = nullptr;
    for (const auto& [known_id, known_code] : known)
      if (known_id == *id) code = &known_code;
    if (code == nullptr) {
      sql::Statement s(
          "select id_mpk_slownik_drzewo, kod from MPK_SLOWNIK_DRZEWO where "
          "id_mpk_slownik_drzewo=");
      s.number(*id);
      gateway::send(t, s);
      if (!gateway::next(t)) continue;  // no such centre: nothing to show for it
      known.emplace_back(t.field(1).as_int32(),
                         std::string(text::clip_to(t.field(2).text, kCostCentreCodeCapacity)));
      code = &known.back().second;
    }
    if (!first) result += " - ";
    first = false;
    result += *code;
  }
  return std::string(text::cut(result, kPathNameCapacity));
}

}  // namespace funkcja::lookups
