// The desktop's tiles and the page each one opens. With FUNKCJA_DESKTOP_URL set, for example
// to "https://uslugi.example.pl/pulpit", the tile "Sklep internetowy" opens
// "https://uslugi.example.pl/pulpit?opr=wib"; without it, the news come from the common folder
// and the other service tiles show a page saying that the service is not configured.
#include <algorithm>
#include <array>

#include "frame/cp1250.hpp"
#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/gateway.hpp"
#include "host/platform/env.hpp"
#include "host/platform/file_address.hpp"
#include "host/sql_text.hpp"
#include "ui/desktop.hpp"

namespace funkcja::ui::desktop {
namespace {

using namespace funkcja::literals;
using dane::Global;

constexpr std::array<Tile, 11> kTiles = {{
    {TileKind::kService, "akt", "Aktualności"_cp, "~pulpit_aktualnosci.ico",
     "Aktualności producenta programu."_cp},
    {TileKind::kIndicators, "", "Kluczowe wskaźniki"_cp, "~pulpit_wskazniki.ico",
     "Kluczowe wskaźniki firmy."_cp},
    {TileKind::kShortcuts, "", "Moje skróty"_cp, "~pulpit_skroty.ico",
     "Moje skróty do funkcji programu."_cp},
    {TileKind::kService, "wpr", "Strona producenta"_cp, "~pulpit_producent.ico",
     "Strona internetowa producenta programu."_cp},
    {TileKind::kService, "wab", "Wyszukiwarka partnerów"_cp, "~pulpit_partnerzy.ico",
     "Znajdź partnera handlowego producenta."_cp},
    {TileKind::kService, "zbr", "Znajdź biuro rachunkowe"_cp, "~pulpit_biura.ico",
     "Wyszukiwarka biur rachunkowych."_cp},
    {TileKind::kService, "wib", "Sklep internetowy"_cp, "~pulpit_sklep.ico",
     "Sklep internetowy producenta."_cp},
    {TileKind::kService, "zde", "Usługi telekomunikacyjne"_cp, "~pulpit_telefon.ico",
     "Oferta operatora telekomunikacyjnego."_cp},
    {TileKind::kService, "ihd", "Zgłoszenia serwisowe"_cp, "~pulpit_zgloszenia.ico",
     "Zgłoś sprawę do pomocy technicznej."_cp},
    {TileKind::kService, "sms", "Powiadomienia SMS"_cp, "~pulpit_sms.ico",
     "Wysyłanie powiadomień SMS."_cp},
    {TileKind::kClose, "", "Zamknij pulpit informacyjny"_cp, "~pulpit_zamknij.ico",
     "Zamknij pulpit."_cp},
}};

constexpr std::string_view kNewsFile = "Aktualnosci\\aktualnosci.html";
constexpr std::string_view kOfflineNewsFile = "Aktualnosci\\offline.html";

std::string lower_ascii(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string query_value(std::string_view cp1250_text) {
  return platform::percent_encoded(cp1250::cp1250_to_utf8(text::trim(cp1250_text)));
}

// "&street=...&zipCode=...&companyName=...&vatNumber=...&city=..." of the current company
// today; nothing when the company has no data.
std::string sms_keys() {
  sql::Statement s("select * from dbo.AZ_Func_SMSDane(");
  s.number(dane::get_int(Global::DANE_ID_FIRMY)).text(", ").number(platform::today()).text(")");
  dane::QueryTable& t = dane::thread_tables().VAX_FK;
  gateway::run(t, s);
  std::string keys;
  if (gateway::next(t)) {
    static constexpr std::array<std::string_view, 5> kKeys = {"street", "zipCode", "companyName",
                                                              "vatNumber", "city"};
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
      keys += "&" + std::string(kKeys[i]) + "=" +
              query_value(t.field(static_cast<std::int32_t>(i + 1)).as_text());
    }
  }
  t.close();
  return keys;
}

std::string html_escaped(std::string_view utf8) {
  std::string out;
  for (const char c : utf8) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// The page is a file for the browser, so it is written in UTF-8, as its header says.
std::string not_configured_html(const Tile& tile) {
  const std::string title = html_escaped(cp1250::cp1250_to_utf8(tile.title));
  return "<!DOCTYPE html>\n<html lang=\"pl\"><head><meta charset=\"utf-8\"><title>" + title +
         "</title></head>\n<body style=\"font-family: 'Segoe UI', sans-serif; margin: 2em\">\n"
         "<h1>" +
         title +
         "</h1>\n"
         "<p>Usługa nie jest skonfigurowana: program nie zna adresu usług producenta.</p>\n"
         "<p>Administrator podaje ten adres w zmiennej środowiskowej FUNKCJA_DESKTOP_URL.</p>\n"
         "</body></html>\n";
}

}  // namespace

std::span<const Tile> tiles() {
  return kTiles;
}

const Tile& first_tile(std::string_view page_code) {
  const std::string code = lower_ascii(text::clip(page_code));
  const auto all = tiles();
  const auto found = std::find_if(all.begin(), all.end(), [&](const Tile& t) {
    return t.kind == TileKind::kService && !code.empty() && t.code == code;
  });
  return found != all.end() ? *found : all.front();
}

std::string service_address() {
  const auto value = platform::Env::current().environment("FUNKCJA_DESKTOP_URL");
  return std::string(text::clip(value.value_or("")));
}

Page local_news() {
  const std::string common = dane::get_text(Global::GGG_PROGCOMMONTEMIX);
  platform::Env& env = platform::Env::current();
  const std::string news = platform::folder_file(common, kNewsFile);
  for (const std::string& path : {news, platform::folder_file(common, kOfflineNewsFile)}) {
    if (env.read_file(path).outcome == platform::FileRead::kRead) {
      return {platform::file_address(path), {}};
    }
  }
  return {{}, news};
}

std::string not_configured_page(const Tile& tile) {
  const std::string html = not_configured_html(tile);
  platform::Env& env = platform::Env::current();
  std::string folder(text::clip(dane::get_text(Global::GLO_LOCALPATH)));
  if (folder.empty()) folder = env.data_folder();
  if (!folder.empty()) {
    const std::string path =
        platform::folder_file(folder, "pulpit_bez_uslugi_" + std::string(tile.code) + ".html");
    if (env.write_file(path, html, 0644)) return platform::file_address(path);
  }
  return "data:text/html;charset=utf-8," + platform::percent_encoded(html);
}

Page service_page(const Tile& tile) {
  const std::string base = service_address();
  if (base.empty()) {
    if (tile.code == "akt") return local_news();
    return {not_configured_page(tile), {}};
  }
  std::string address = base + "?opr=" + std::string(tile.code);
  if (tile.code == "sms") address += sms_keys();
  return {address, {}};
}

}  // namespace funkcja::ui::desktop
