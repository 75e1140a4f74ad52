#include "exchange/export_csv.hpp"

#include <algorithm>
#include <cerrno>
#include <map>
#include <optional>
#include <system_error>

#include "exchange/export_cells.hpp"
#include "exchange/line_file.hpp"
#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "frame/standard_date.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/handles.hpp"
#include "host/dane/process_objects.hpp"
#include "host/dane/tables.hpp"
#include "host/gateway.hpp"
#include "host/platform/env.hpp"
#include "host/sql_text.hpp"
#include "host/system_messages.hpp"
#include "text/picture.hpp"

namespace funkcja::exchange {
namespace {

using namespace funkcja::literals;

constexpr std::size_t kLineCapacity = 50000;  // a line of the file is one 50,000-character field
constexpr std::size_t kValueCapacity = 200;   // a list value as the export reads it
constexpr std::size_t kPathCapacity = 300;    // $GGG:PATH

std::map<std::int32_t, std::vector<ListColumn>>& thread_lists() {
  thread_local std::map<std::int32_t, std::vector<ListColumn>> lists;
  return lists;
}

// One line of cells: the separator between cells.
class CsvLine {
 public:
  explicit CsvLine(char separator) : separator_(separator) {}
  void add(std::string_view cell) {
    if (cells_++ > 0) line_ += separator_;
    line_ += cell;
  }
  const std::string& text() const { return line_; }

 private:
  char separator_;
  std::string line_;
  std::size_t cells_ = 0;
};

// The number of columns an entry of the shared queue exports: its count, at most 20.
std::size_t columns_of(const dane::Queue& shared, std::size_t entry) {
  const std::int64_t count = shared.get_number(entry, dane::xml_q::kIlosc);
  return count < 0 ? 0
                   : std::min<std::size_t>(static_cast<std::size_t>(count), dane::xml_q::kColumns);
}

std::string field_text(const dane::Group& settings, std::size_t field) {
  return std::string(text::clip(settings.get(field)));
}

bool ends_with_csv(std::string_view name) {
  if (name.size() < 4) return false;
  std::string end(name.substr(name.size() - 4));
  for (char& c : end) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return end == ".csv";
}

// The special export's column layout, by its entry 1.
struct SpecialLayout {
  bool numbered = false;
  std::size_t account() const { return numbered ? 2 : 1; }
  std::size_t name() const { return numbered ? 3 : 2; }
  std::size_t first_x() const { return numbered ? 4 : 3; }
  std::size_t first_null() const { return numbered ? 4 : 3; }
  std::size_t last_null() const { return numbered ? 9 : 8; }
  std::size_t first_n() const { return numbered ? 15 : 14; }
};

// The name of an account from the database; nothing when no row comes back.
std::optional<std::string> account_name(std::string_view account) {
  dane::QueryTable& table = dane::thread_tables().VAY_FK;
  sql::Statement call("CALL USTAL_NAZWE_KONTA(");
  call.number(dane::get_int(dane::Global::DANE_ID_FIRMY))
      .text(",")
      .number(dane::get_int(dane::Global::DANE_LATA_OBROTOWE))
      .text(",")
      .quoted(account)
      .text(")");
  gateway::send(table, call);
  std::optional<std::string> name;
  if (gateway::next(table) && table.field_count() >= 3) name = table.field(3).as_text();
  table.close();
  return name;
}

// The chosen file, or nothing when the user cancelled: the save dialog opens in $GGG:PATH, and
// the folder of the file chosen becomes the next one.
std::optional<std::string> choose_file(const std::string& proposal) {
  platform::SaveFileRequest request;
  request.title = "Zapisz jako...";
  request.start_folder = text::clip(dane::get_text(dane::Global::GGG_PATH));
  request.file_name = proposal;
  request.filter = "CSV|*.csv";
  auto chosen = platform::Env::current().choose_save_file(request);
  if (!chosen || text::clip(*chosen).empty()) return std::nullopt;
  std::string path(text::clip(*chosen));
  // A bare name is in the folder the dialog opened in.
  if (path.front() != '/' && !request.start_folder.empty()) {
    path = request.start_folder + (request.start_folder.back() == '/' ? "" : "/") + path;
  }
  if (const auto slash = path.rfind('/'); slash != std::string::npos) {
    dane::set_text(dane::Global::GGG_PATH,
                   text::cut(path.substr(0, slash == 0 ? 1 : slash), kPathCapacity));
  }
  if (!ends_with_csv(path)) path += ".csv";
  return path;
}

// The columns of a list the host has not described: every field of the record, headed by its
// name (or "Kolumna n"), shown by its type.
std::vector<ListColumn> columns_of_record(const dane::Group& record) {
  std::vector<ListColumn> columns;
  for (std::size_t f = 1; f <= record.field_count(); ++f) {
    const dane::FieldSpec& field = record.field_spec(f);
    ListColumn column;
    column.heading = dane::Group::key_of(field.name);
    if (column.heading.empty()) column.heading = "Kolumna " + std::to_string(f);
    column.field = f;
    switch (field.type) {
      case dane::FieldType::kDate:
        column.picture = "@d17";
        break;
      case dane::FieldType::kDecimal:
        column.picture = field.places == 0 ? "@n-16" : "@n-16_`" + std::to_string(field.places);
        break;
      case dane::FieldType::kInt32:
      case dane::FieldType::kByte:
        column.picture = "@n-16";
        break;
      case dane::FieldType::kText:
        column.picture = "@s" + std::to_string(field.size > 0 ? field.size : 255);
        break;
    }
    columns.push_back(std::move(column));
  }
  return columns;
}

void warn_file_error(int error) {
  system_messages::warning(std::system_category().message(error != 0 ? error : EIO));
}

}  // namespace

std::vector<ListColumn> parse_list_columns(std::string_view description) {
  std::vector<ListColumn> columns;
  while (!description.empty()) {
    const auto end = description.find('\n');
    std::string_view line = description.substr(0, end);
    description = end == std::string_view::npos ? std::string_view() : description.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    ListColumn column;
    const auto tab1 = line.find('\t');
    column.heading = line.substr(0, tab1);
    if (tab1 != std::string_view::npos) {
      const auto rest = line.substr(tab1 + 1);
      const auto tab2 = rest.find('\t');
      column.picture = rest.substr(0, tab2);
      if (tab2 != std::string_view::npos) {
        const auto field = text::read_int32(rest.substr(tab2 + 1));
        column.field = field && *field > 0 ? static_cast<std::size_t>(*field) : 0;
      }
    }
    columns.push_back(std::move(column));
  }
  return columns;
}

void set_list_columns(std::int32_t list, std::string_view description) {
  auto columns = parse_list_columns(description);
  if (columns.empty()) {
    thread_lists().erase(list);
  } else {
    thread_lists()[list] = std::move(columns);
  }
}

std::vector<ListColumn> list_columns(std::int32_t list) {
  const auto found = thread_lists().find(list);
  return found != thread_lists().end() ? found->second : std::vector<ListColumn>();
}

bool write_list_lines(dane::Browse* browse, dane::Queue& queue, std::vector<ListColumn> columns,
                      const CsvFormat& format, const AddLine& add) {
  if (browse != nullptr) browse->reset();
  for (std::size_t record = 1;; ++record) {
    if (browse != nullptr) {
      if (browse->next() != dane::kNoError || !browse->copy(queue)) break;
    } else if (!queue.read(record)) {
      break;
    }
    if (record == 1 && columns.empty()) columns = columns_of_record(queue.buffer());
    CsvLine headings(format.separator);
    CsvLine data(format.separator);
    for (const ListColumn& column : columns) {
      if (text::clip(column.heading).empty()) continue;
      if (record == 1) headings.add(quoted_cell(column.heading, format.quote));
      const std::string value(text::cut(queue.buffer().get(column.field), kValueCapacity));
      data.add(quoted_cell(list_cell(value, column.picture, format.date_format), format.quote));
    }
    if (record == 1 && !add(headings.text())) return false;
    if (!add(data.text())) return false;
  }
  return true;
}

bool write_queue_lines(const dane::Queue& shared, bool special, const CsvFormat& format,
                       const AddLine& add) {
  const QueueStyle style = special ? QueueStyle::kSpecial : QueueStyle::kComma;
  std::vector<std::string> pictures(dane::xml_q::kColumns + 1);
  for (std::size_t entry = 1; entry <= shared.count(); ++entry) {
    const std::size_t count = columns_of(shared, entry);
    if (entry == 1) {
      for (std::size_t c = 1; c <= dane::xml_q::kColumns; ++c) {
        pictures[c] = shared.get(1, dane::xml_q::pole(c));
      }
      continue;
    }
    CsvLine line(format.separator);
    for (std::size_t c = 1; c <= count; ++c) {
      const std::string field = shared.get(entry, dane::xml_q::pole(c));
      if (entry == 2) {
        line.add(quoted_cell(field, format.quote));
        continue;
      }
      const bool bare =
          special && (contains_nocase(pictures[c], "@N") || contains_nocase(pictures[c], "@X"));
      line.add(quoted_cell(queue_cell(field, pictures[c], style, format.date_format),
                           bare ? ' ' : format.quote));
    }
    if (!add(line.text())) return false;
  }
  return true;
}

void prepare_special_export(dane::Queue& shared, const dane::Group& settings) {
  if (shared.count() == 0) return;
  SpecialLayout layout;
  layout.numbered = text::clip(shared.get(1, dane::xml_q::pole(1))) == "@N";
  const auto pole = dane::xml_q::pole;
  shared.set(1, pole(layout.name()), "@S");
  shared.set(1, pole(layout.first_n()), "@N");
  shared.set(1, pole(layout.first_n() + 1), "@N");
  for (std::size_t c = layout.first_x(); c <= 9; ++c) shared.set(1, pole(c), "@X");

  if (settings.get_number(dane::spec_eksport::kUzupelnij) != 1) return;
  for (std::size_t entry = 3; entry <= shared.count(); ++entry) {
    for (std::size_t c = layout.first_null(); c <= layout.last_null(); ++c) {
      shared.set(entry, pole(c), "NULL");
    }
    for (const std::size_t c : {layout.first_n(), layout.first_n() + 1}) {
      const std::string field = shared.get(entry, pole(c));
      const auto value = text::read_decimal(text::clip(field));  // views into field
      if (value && text::to_units(*value, 8).optional().value_or(1) == 0)
        shared.set(entry, pole(c), "");
    }
    std::string account;
    for (const char ch : shared.get(entry, pole(layout.account()))) {
      if (ch != ' ') account += ch;
    }
    shared.set(entry, pole(layout.account()), account);
    if (const auto name = account_name(account)) shared.set(entry, pole(layout.name()), *name);
  }
}

std::string special_file_name(const dane::Group& settings) {
  std::string name = field_text(settings, dane::spec_eksport::kPrefiks1) +
                     field_text(settings, dane::spec_eksport::kPrefiks2);
  const auto day = text::read_int32(field_text(settings, dane::spec_eksport::kData));
  const auto civil = date::to_civil(day ? *day : 0).value_or(date::Civil{0, 0, 0});
  name += std::to_string(civil.year) + "-" + std::to_string(civil.month) + "-" +
          std::to_string(civil.day) + ".csv";
  return name;
}

char option_separator() {
  sql::Statement query("select nazwa_wartosci from OPCJE_UZYTKOWNIKA where id_uzyt=");
  query.quoted(text::clip(dane::get_text(dane::Global::DANE_ID_UZYT)))
      .text(" AND id_firmy=")
      .number(dane::get_int(dane::Global::DANE_ID_FIRMY))
      .text(" AND id_opcje=30");
  const char separator =
      text::one_char(gateway::first_value(dane::thread_tables().VAX_FK, query, 1));
  return separator == text::kBlank ? ';' : separator;
}

void EXPORT2EXCEL(dane::Browse* browse, dane::Queue* queue, std::int32_t list) {
  {
    const auto lock = dane::hold(queue);
    if (queue == nullptr || queue->count() == 0) {
      system_messages::information("Brak danych do eksportu.");
      return;
    }
  }

  CsvFormat format;
  format.date_format = text::short_date_format();
  std::string proposal = "lista.csv";
  if (list == kSpecialExport) {
    auto shared = dane::hold_queue(dane::kXmlQ);
    auto settings = dane::hold_group(dane::kSpecEksport);
    prepare_special_export(*shared, *settings);
    proposal = special_file_name(*settings);
  }

  const auto path = choose_file(proposal);
  if (!path) return;

  format.separator = option_separator();
  if (list == kSpecialExport) {
    auto settings = dane::hold_group(dane::kSpecEksport);
    const char separator = text::one_char(settings->get(dane::spec_eksport::kSeparator));
    format.separator = separator == text::kBlank ? ';' : separator;
    format.quote = text::one_char(settings->get(dane::spec_eksport::kCudzyslow));
  }

  LineFile file(kLineCapacity);
  if (!file.open(*path)) {
    warn_file_error(file.error());
    return;
  }
  const AddLine add = [&file](std::string_view line) { return file.add(line); };
  bool written = false;
  if (list == kSharedQueueExport || list == kSpecialExport) {
    auto shared = dane::hold_queue(dane::kXmlQ);
    written = write_queue_lines(*shared, list == kSpecialExport, format, add);
  } else {
    const auto lock = dane::hold(queue);
    written = write_list_lines(browse, *queue, list_columns(list), format, add);
  }
  if (!written || !file.commit()) {
    file.abandon();
    warn_file_error(file.error());
    return;
  }

  // The runtime's "|" that starts the question's second line is a line end here.
  const std::string text =
      "Plik eksportu " + *path + std::string(" został utworzony. \nCzy chcesz go otworzyć ?"_cp);
  if (system_messages::question(text, "&Tak|&Nie", 1) == 1) {
    platform::Env::current().open_with_system_program(*path);
  }
}

}  // namespace funkcja::exchange
