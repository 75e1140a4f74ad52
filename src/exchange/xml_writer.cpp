#include "exchange/xml_writer.hpp"

#include <algorithm>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "exchange/line_file.hpp"

#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/tables.hpp"
#include "host/gateway.hpp"
#include "host/system_messages.hpp"

namespace funkcja::exchange {
namespace {

using namespace funkcja::literals;

constexpr std::size_t kFileLine = 4999;    // a line of the file is one 5,000-character field
constexpr std::size_t kValueWatek = 3000;  // the value as the file writer reads it
constexpr std::size_t kValueTg = 5000;     // the value as the text-table writer reads it
constexpr std::size_t kCallTg = 200;       // the call as the text-table writer reads it
constexpr std::size_t kKindAndName = 100;

char ascii_lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool kind_is(std::string_view kind, std::string_view expected) {
  if (kind.size() != expected.size()) return false;
  for (std::size_t i = 0; i < kind.size(); ++i) {
    if (ascii_lower(kind[i]) != expected[i]) return false;
  }
  return true;
}

// The writer's output file is one for the whole library: calls take turns with it.
std::mutex& output_guard() {
  static std::mutex guard;
  return guard;
}

void send_call(dane::QueryTable& table, std::string_view call, gateway::Errors errors) {
  std::string statement = "call ";
  statement.append(text::clip(call));
  gateway::run(table, statement, errors);
}

}  // namespace

const std::string& XmlLines::line(std::string_view kind, std::string_view name,
                                  std::string_view value) {
  kind = text::clip(kind);
  name = text::clip(name);
  if (kind_is(kind, "element")) {
    // Most rows of a document are elements: the line is sized once and filled in place.
    value = text::clip(value);
    line_.resize(2 * name.size() + value.size() + 5);
    char* out = line_.data();
    *out++ = '<';
    out = std::copy(name.begin(), name.end(), out);
    *out++ = '>';
    out = std::copy(value.begin(), value.end(), out);
    *out++ = '<';
    *out++ = '/';
    out = std::copy(name.begin(), name.end(), out);
    *out = '>';
  } else if (kind_is(kind, "start-tag")) {
    line_.assign("<").append(name).append(">");
  } else if (kind_is(kind, "end-tag")) {
    line_.assign("</").append(name).append(">");
  } else if (kind_is(kind, "xml")) {
    line_.assign(text::clip(value));
  }
  return line_;
}

void SQL2XMLWRITER_WATEK(std::string_view call, std::string_view file_name) {
  enum Status { kWritten = 0, kNotOpened = 1, kWriteFailed = 2, kStatementFailed = 3 };
  Status status = kWritten;
  // The messages are shown, in order, once the file is free again, so a message box left
  // open never holds up another thread's export.
  std::vector<std::pair<bool, std::string>> messages;  // warning?, text
  {
    const std::lock_guard lock(output_guard());
    LineFile file(kFileLine);
    if (!file.open(std::string(text::clip(text::cut(file_name, 300))))) {
      messages.emplace_back(false, "Wystąpił błąd otwarcia pliku."_cp);
      status = kNotOpened;
    }

    dane::QueryTable& table = dane::thread_tables().XMLTABLE;
    send_call(table, call, gateway::Errors::kSilent);
    if (table.error_code() != dane::kNoError) {
      messages.emplace_back(true, table.error_message());
      status = kStatementFailed;
    }

    if (file.is_open()) {
      bool written = file.add(kXmlDeclaration);
      XmlLines lines;
      while (written && gateway::next(table)) {
        written = file.add(lines.line(text::cut(table.field(1).text, kKindAndName),
                                      text::cut(table.field(2).text, kKindAndName),
                                      text::cut(table.field(3).text, kValueWatek)));
      }
      // The export replaces the old file only when it is whole.
      if (written && status == kWritten) written = file.commit();
      if (!written) {
        messages.emplace_back(false, "Wystąpił błąd zapisu do pliku."_cp);
        status = kWriteFailed;
      }
      if (status != kWritten) file.abandon();
    }
  }
  if (status == kWritten) messages.emplace_back(false, "Wykonano eksport do pliku.");
  for (const auto& [warning, text] : messages) {
    if (warning) {
      system_messages::warning(text);
    } else {
      system_messages::information(text);
    }
  }
}

void SQL2XMLWRITER_TG(std::string_view call, std::string_view /*file_name*/) {
  dane::TextTable& txt = dane::thread_tables().TXT;
  txt.close();
  system_messages::information("1 close txt");
  if (!txt.open()) return;
  system_messages::information("1 open txt");
  txt.prepare(2);

  dane::QueryTable& table = dane::thread_tables().XMLTABLE;
  send_call(table, text::cut(call, kCallTg), gateway::Errors::kReport);
  system_messages::information("przed insertem");

  constexpr std::string_view kAddFailed = "Wystapił błąd dodawania lini."_cp;
  txt.set_line(kXmlDeclaration);
  if (!txt.add()) {
    system_messages::warning(kAddFailed);
    return;
  }
  XmlLines lines;
  while (gateway::next(table)) {
    txt.set_line(lines.line(text::cut(table.field(1).text, kKindAndName),
                            text::cut(table.field(2).text, kKindAndName),
                            text::cut(table.field(3).text, kValueTg)));
    if (!txt.add()) {
      system_messages::warning(kAddFailed);
      break;
    }
  }
  txt.close();
  table.close();
}

}  // namespace funkcja::exchange
