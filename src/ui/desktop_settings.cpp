// The desktop's two settings as the current user's options in the current company: "tak" or
// "nie". An option row that the user does not have yet is added when the desktop saves, since
// an update alone would drop the user's choice without a word.
#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/tables.hpp"
#include "host/gateway.hpp"
#include "host/sql_text.hpp"
#include "lookups/procedures.hpp"
#include "lookups/session.hpp"
#include "ui/desktop.hpp"

namespace funkcja::ui::desktop {
namespace {

// The stored value; nothing when the user has no row of the option.
std::optional<bool> stored(std::int32_t option) {
  const std::string value(text::clip(lookups::GETPARAMETRU(option)));
  if (value == "tak") return true;
  if (value == "nie") return false;
  return std::nullopt;
}

bool has_row(std::int32_t option) {
  sql::Statement s("select count(*) from OPCJE_UZYTKOWNIKA where id_firmy=");
  s.number(lookups::company()).text(" AND id_uzyt=").quoted(lookups::user_login());
  s.text(" AND id_opcje=").number(option);
  return text::read_int32(text::clip(gateway::FUNCVAY(s))).optional().value_or(0) > 0;
}

bool save(std::int32_t option, bool on) {
  const std::string_view value = on ? "tak" : "nie";
  if (has_row(option)) return lookups::PUTPARAMETRU(option, value, 1) == 0;
  sql::Statement s(
      "insert into OPCJE_UZYTKOWNIKA (id_firmy, id_uzyt, id_opcje, nazwa_wartosci) values (");
  s.number(lookups::company()).text(", ").quoted(lookups::user_login()).text(", ");
  s.number(option).text(", ").quoted(value).text(")");
  gateway::EXECVAX(s);
  return dane::thread_tables().VAX_FK.error_code() == dane::kNoError;
}

}  // namespace

Settings read_settings() {
  Settings settings;
  settings.hide_after_choice = stored(kHideAfterChoiceOption).value_or(settings.hide_after_choice);
  settings.start_after_login = stored(kStartAfterLoginOption).value_or(settings.start_after_login);
  return settings;
}

bool save_settings(const Settings& settings) {
  const bool hide = save(kHideAfterChoiceOption, settings.hide_after_choice);
  const bool start = save(kStartAfterLoginOption, settings.start_after_login);
  return hide && start;
}

}  // namespace funkcja::ui::desktop
