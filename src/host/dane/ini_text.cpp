#include "host/dane/ini_text.hpp"

#include <strings.h>

#include "frame/text_rules.hpp"

namespace funkcja::dane::ini {
namespace {

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// One line of the file: its text and its terminator ("\r\n", "\n" or none on the last line).
struct Line {
  std::string_view body;
  std::string_view end;
};

std::vector<Line> split(std::string_view content) {
  std::vector<Line> lines;
  while (!content.empty()) {
    const auto nl = content.find('\n');
    std::string_view whole = nl == std::string_view::npos ? content : content.substr(0, nl + 1);
    content.remove_prefix(whole.size());
    std::size_t body = whole.size();
    if (body > 0 && whole[body - 1] == '\n') --body;
    if (body > 0 && whole[body - 1] == '\r') --body;
    lines.push_back({whole.substr(0, body), whole.substr(body)});
  }
  return lines;
}

enum class Kind { kOther, kSection, kKey };

// What a line holds: a section header (name), a key line (key name, value) or anything else.
struct Parsed {
  Kind kind = Kind::kOther;
  std::string_view name;
  std::string_view value;
};

Parsed parse(std::string_view body) {
  const std::string_view line = text::trim(body);
  if (line.empty() || line.front() == ';') return {};
  if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
    return {Kind::kSection, text::trim(line.substr(1, line.size() - 2)), {}};
  }
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return {};
  return {Kind::kKey, text::trim(line.substr(0, eq)), line.substr(eq + 1)};
}

std::string one_line(std::string_view value) {
  std::string stored(value);
  for (char& c : stored) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return stored;
}

// The line ending the file already uses; a new file gets CR LF.
std::string_view line_ending(const std::vector<Line>& lines) {
  for (const Line& l : lines) {
    if (!l.end.empty()) return l.end;
  }
  return "\r\n";
}

}  // namespace

std::optional<std::string> find(std::string_view content, std::string_view section,
                                std::string_view key) {
  bool inside = section.empty();  // keys before any header belong to the nameless section
  for (const Line& l : split(content)) {
    const Parsed p = parse(l.body);
    if (p.kind == Kind::kSection) {
      inside = same_name(p.name, section);
    } else if (p.kind == Kind::kKey && inside && same_name(p.name, key)) {
      return std::string(p.value);
    }
  }
  return std::nullopt;
}

std::string set(std::string_view content, std::string_view section,
                const std::vector<Entry>& given) {
  // A key given twice in one change: its last value wins.
  std::vector<Entry> entries;
  for (const Entry& e : given) {
    bool repeated = false;
    for (Entry& kept : entries) {
      if (same_name(kept.key, e.key)) {
        kept.value = e.value;
        repeated = true;
      }
    }
    if (!repeated) entries.push_back(e);
  }
  const std::vector<Line> lines = split(content);
  const std::string_view eol = line_ending(lines);
  std::vector<std::optional<std::string>> replaced(lines.size());
  std::vector<bool> done(entries.size(), false);

  // Existing keys: their first line in any block of the section gets the new value.
  bool inside = section.empty();
  bool first_block_open = section.empty();
  bool first_block_seen = section.empty();
  std::size_t insert_after = 0;  // lines before the insertion point of new keys
  bool have_insert_point = section.empty();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Parsed p = parse(lines[i].body);
    if (p.kind == Kind::kSection) {
      inside = same_name(p.name, section);
      first_block_open = inside && !first_block_seen;
      if (first_block_open) {
        first_block_seen = true;
        have_insert_point = true;
        insert_after = i + 1;
      }
      continue;
    }
    if (first_block_open && !text::trim(lines[i].body).empty()) insert_after = i + 1;
    if (p.kind != Kind::kKey || !inside) continue;
    for (std::size_t e = 0; e < entries.size(); ++e) {
      if (done[e] || !same_name(p.name, entries[e].key)) continue;
      const std::string_view body = lines[i].body;
      const std::size_t eq = body.find('=');
      replaced[i] = std::string(body.substr(0, eq + 1)) + one_line(entries[e].value);
      done[e] = true;
      break;
    }
  }

  std::string added;
  for (std::size_t e = 0; e < entries.size(); ++e) {
    if (done[e]) continue;
    added.append(entries[e].key).append("=").append(one_line(entries[e].value)).append(eol);
  }

  std::string out;
  out.reserve(content.size() + added.size() + section.size() + 8);
  const auto append_line = [&](std::size_t i) {
    out.append(replaced[i] ? std::string_view(*replaced[i]) : lines[i].body);
    out.append(lines[i].end);
  };
  const auto ensure_line_end = [&] {
    if (!out.empty() && out.back() != '\n') out.append(eol);
  };
  if (!have_insert_point) {
    for (std::size_t i = 0; i < lines.size(); ++i) append_line(i);
    if (!added.empty()) {
      ensure_line_end();
      if (!lines.empty() && !text::trim(lines.back().body).empty()) out.append(eol);
      out.append("[").append(section).append("]").append(eol).append(added);
    }
    return out;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == insert_after && !added.empty()) {
      ensure_line_end();
      out.append(added);
    }
    append_line(i);
  }
  if (insert_after >= lines.size() && !added.empty()) {
    ensure_line_end();
    out.append(added);
  }
  return out;
}

}  // namespace funkcja::dane::ini
