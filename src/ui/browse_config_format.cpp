#include "ui/browse_config_format.hpp"

#include "frame/text_rules.hpp"

namespace funkcja::ui::browse_config {

std::string column_name(std::string_view column) {
  const auto open = column.find('~');
  if (open == std::string_view::npos) return {};
  const auto close = column.find('~', open + 1);
  if (close == std::string_view::npos) return {};
  return std::string(text::cut(column.substr(open + 1, close - open - 1), kNameCapacity));
}

std::vector<NamedColumn> split_format(std::string_view format) {
  std::vector<NamedColumn> columns;
  std::size_t from = 0;
  while (from <= format.size()) {
    const auto end = std::min(format.find(';', from), format.size());
    const std::string_view column = format.substr(from, end - from);
    std::string name = column_name(column);
    if (!text::clip(name).empty()) columns.push_back({std::move(name), std::string(column)});
    from = end + 1;
  }
  return columns;
}

std::vector<NamedColumn> split_browse_format(std::string_view format) {
  if (format.find(';') != std::string_view::npos) return split_format(format);
  std::vector<NamedColumn> columns;
  const auto add = [&](std::string_view column) {
    std::string name = column_name(column);
    if (!text::clip(name).empty()) columns.push_back({std::move(name), std::string(column)});
  };
  // Index just past the closing mark of a run that opens at 'from', or the end of the text.
  const auto past = [&](std::size_t from, char mark) {
    const auto close = format.find(mark, from + 1);
    return close == std::string_view::npos ? format.size() : close + 1;
  };
  std::size_t start = 0;
  std::size_t at = 0;
  while (at < format.size()) {
    const char c = format[at];
    if (c == '~') {
      at = past(at, '~');
    } else if (c == '@') {
      at = past(at, '@');
      if (at < format.size() && format[at] == '#') at = past(at, '#');
      add(format.substr(start, at - start));
      start = at;
    } else {
      ++at;
    }
  }
  if (start < format.size()) add(format.substr(start));
  return columns;
}

std::string stored_form(const std::vector<std::string>& formats) {
  std::string out = ";";
  for (const std::string& s : formats) out.append(s).push_back(';');
  return out;
}

std::string browse_form(const Config& rows) {
  std::string out;
  for (const ConfigRow& r : rows) {
    if (r.visibility == kVisible) out += r.format;
  }
  if (out.size() > kResultCapacity) out.resize(kResultCapacity);
  return out;
}

std::string stored_form(const Config& rows) {
  std::vector<std::string> formats;
  formats.reserve(rows.size());
  for (const ConfigRow& r : rows) formats.push_back(r.format);
  return stored_form(formats);
}

}  // namespace funkcja::ui::browse_config
