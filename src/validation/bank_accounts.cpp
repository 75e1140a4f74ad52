// The bank accounts of contractors (owner type "K"), employees ("P") and of the third kind
// ("U"), read from their views through FUNCVAY. On the demo database:
//
//   RACHUNEK_BANKOWY_CHECK(7, 1, "K")    -> 7   (account 7 belongs to contractor 1)
//   RACHUNEK_BANKOWY_CHECK(7, 2, "K")    -> 0
//   RACHUNEK_BANKOWY_GET(1, 1, "K", 1)   -> "25 1020 1026 8603 9547 6200 7532"
//   RACHUNEK_BANKOWY_GET(0, 1, "K", 0)   -> "<domyślny>"
//   RACHUNEK_BANKOWY_DEFAULT(1, "K", 0)  -> "1" (contractor 1's default account)
//   RACHUNEK_BANKOWY_DEFAULT(1, "K", 1)  -> "25102010268603954762007532"
//
// The owner type is compared, never spliced: a type other than K, P or U sends no statement.
#include <string>

#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "validation/account_number.hpp"
#include "validation/procedures.hpp"

namespace funkcja::validation {
namespace {

using namespace funkcja::literals;

constexpr std::size_t kResultCapacity = 100;

enum class Owner { kNone, kContractor, kEmployee, kThird };

// Case-sensitive, trailing blanks ignored; every other text owns no accounts.
Owner owner_of(std::string_view type) {
  const std::string_view t = text::clip(type);
  if (t == "K") return Owner::kContractor;
  if (t == "P") return Owner::kEmployee;
  if (t == "U") return Owner::kThird;
  return Owner::kNone;
}

std::string_view view_of(Owner owner) {
  switch (owner) {
    case Owner::kContractor:
      return "RACHUNEK_BANKOWY_K_VIEW";
    case Owner::kEmployee:
      return "RACHUNEK_BANKOWY_P_VIEW";
    case Owner::kThird:
      return "RACHUNEK_BANKOWY_U_VIEW";
    case Owner::kNone:
      break;
  }
  return {};
}

// The text FUNCVAY reads as a whole number; an empty or unreadable text is 0.
std::int32_t whole(std::string_view value) {
  return text::read_int32(value).optional().value_or(0);
}

// "select <column> from  <view> with (nolock) where ID_RACHUNKU = <account> AND
// ID_KARTOTEKI =  <owner>": the column of one account of one owner.
std::string owned_account(std::string_view column, Owner owner, std::int32_t account,
                          std::int32_t owner_id) {
  sql::Statement s("select ");
  s.text(column).text(" from  ").text(view_of(owner)).text(" with (nolock) where ID_RACHUNKU = ");
  s.number(account).text(" AND ID_KARTOTEKI =  ").number(owner_id);
  return gateway::FUNCVAY(s);
}

}  // namespace

std::int32_t RACHUNEK_BANKOWY_CHECK(std::int32_t account, std::int32_t owner_id,
                                    std::string_view type) {
  const Owner owner = owner_of(type);
  if (owner == Owner::kNone) return 0;
  return whole(owned_account("ID_RACHUNKU", owner, account, owner_id));
}

std::string RACHUNEK_BANKOWY_GET(std::int32_t account, std::int32_t owner_id, std::string_view type,
                                 std::uint8_t grouped) {
  if (account == 0) return std::string("<domyślny>"_cp);
  const Owner owner = owner_of(type);
  if (owner == Owner::kNone) return {};
  std::string number(
      text::cut(owned_account("NUMER_RACHUNKU_ALL", owner, account, owner_id), kResultCapacity));
  if (grouped != 0 && is_account_number(text::clip(number)))
    return account_display_form(text::clip(number));
  return number;
}

std::string RACHUNEK_BANKOWY_DEFAULT(std::int32_t owner_id, std::string_view type,
                                     std::uint8_t number_wanted) {
  const Owner owner = owner_of(type);
  std::int32_t id = 0;
  if (owner == Owner::kContractor) {
    sql::Statement s(
        "select a.ID_RACHUNKU from KONTRAHENT a with (nolock) inner join RACHUNEK_BANKOWY_K_VIEW "
        "b with (nolock) on a.ID_RACHUNKU = b.ID_RACHUNKU where a.ID_KONTRAHENTA =  ");
    id = whole(gateway::FUNCVAY(s.number(owner_id)));
  } else if (owner == Owner::kEmployee) {
    sql::Statement s(
        "select a.ID_RACHUNKU from PRACOWNIK a with (nolock) inner join RACHUNEK_BANKOWY_P_VIEW "
        "b with (nolock) on a.ID_RACHUNKU = b.ID_RACHUNKU where a.ID_PRACOWNIKA =  ");
    id = whole(gateway::FUNCVAY(s.number(owner_id)));
  }
  if (number_wanted == 0 || id == 0) return text::int_text(id);

  sql::Statement s("select NUMER_RACHUNKU_ALL from ");
  s.text(view_of(owner)).text(" with (nolock) where ID_RACHUNKU =  ").number(id);
  return std::string(text::cut(gateway::FUNCVAY(s), kResultCapacity));
}

}  // namespace funkcja::validation
