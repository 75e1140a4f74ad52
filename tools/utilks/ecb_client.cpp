#include "ecb_client.hpp"

#include <cstring>
#include <optional>
#include <pugixml.hpp>
#include <vector>

#include "http_get.hpp"
#include "rate_table.hpp"
#include "settings.hpp"

namespace utilks {
namespace {

// The element's name without its namespace prefix.
std::string_view local_name(const pugi::xml_node& n) {
  std::string_view name = n.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

struct Days {
  std::vector<RateTable> tables;  // in the file's order
  bool well_formed = false;
};

// Every day's Cube of a file. A file that is not XML, or a day with a value outside its form,
// makes the whole file unusable.
Days read_days(const std::string& body) {
  Days out;
  pugi::xml_document doc;
  if (!doc.load_buffer(body.data(), body.size())) return out;
  const pugi::xml_node root = doc.document_element();
  for (pugi::xml_node outer : root.children()) {
    if (local_name(outer) != "Cube") continue;
    for (pugi::xml_node day : outer.children()) {
      if (local_name(day) != "Cube" || !day.attribute("time")) continue;
      RateTable t;
      t.day = day.attribute("time").value();
      if (!valid_day(t.day)) return out;
      for (pugi::xml_node c : day.children()) {
        if (local_name(c) != "Cube") continue;
        t.rates.push_back({c.attribute("currency").value(), 1, c.attribute("rate").value()});
      }
      if (!rate_text(t)) return out;
      out.tables.push_back(std::move(t));
    }
  }
  out.well_formed = !out.tables.empty();
  return out;
}

std::optional<Days> fetch_days(const std::string& file) {
  const Settings s = current_settings();
  const HttpAnswer a = http_get(s.ecb_url + "/" + file, s.timeout_ms, s.connect_ms);
  if (!a.received || a.status != 200) return std::nullopt;
  Days d = read_days(a.body);
  if (!d.well_formed) return std::nullopt;
  return d;
}

// The day's table of a file: its text, "02" when the file covers the day but lists no table
// for it, nothing when the day lies before the file's first day.
std::optional<std::string> day_in(const Days& d, std::string_view day) {
  std::string earliest = d.tables.front().day;
  for (const RateTable& t : d.tables) {
    if (t.day == day) return *rate_text(t);
    if (t.day < earliest) earliest = t.day;
  }
  if (day >= earliest) return std::string(kNoTable);
  return std::nullopt;
}

}  // namespace

std::string ecb_latest() {
  const auto d = fetch_days("eurofxref-daily.xml");
  if (!d) return kFailed;
  return *rate_text(d->tables.front());
}

std::string ecb_on_day(std::string_view day) {
  if (!valid_day(day)) return kFailed;
  const auto recent = fetch_days("eurofxref-hist-90d.xml");
  if (!recent) return kFailed;
  if (auto text = day_in(*recent, day)) return *text;
  const auto all = fetch_days("eurofxref-hist.xml");
  if (!all) return kFailed;
  if (auto text = day_in(*all, day)) return *text;
  return kNoTable;  // before the first published day
}

}  // namespace utilks
