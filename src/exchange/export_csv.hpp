// EXPORT2EXCEL: a list written to a CSV file in code page 1250 for a spreadsheet, then offered
// to be opened. Three sources: a browse list (its queue, and its browse object when given, whose
// whole result set is exported), the shared queue $GGG:XML_Q (list -1), and the special export
// of that queue with the settings of $GGG:SPEC_EKSPORT (list -2).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/dane/browse.hpp"
#include "host/dane/group.hpp"
#include "host/dane/queue.hpp"

namespace funkcja::exchange {

inline constexpr std::int32_t kSharedQueueExport = -1;
inline constexpr std::int32_t kSpecialExport = -2;

// One column of a list control: its heading (an empty heading is never exported), its
// display picture and the number of the queue field it shows.
struct ListColumn {
  std::string heading;
  std::string picture;
  std::size_t field = 0;
  bool operator==(const ListColumn&) const = default;
};

// The columns of list control `list` of the calling thread's current window, as the host
// describes them: one column a line, "heading<TAB>picture<TAB>field number". An empty
// description forgets the list.
void set_list_columns(std::int32_t list, std::string_view description);
std::vector<ListColumn> list_columns(std::int32_t list);
std::vector<ListColumn> parse_list_columns(std::string_view description);

// Where the lines of an export go; false when a line could not be written (the export stops).
using AddLine = std::function<bool(std::string_view line)>;

// The separator and quote of a file, and the short date format its dates take.
struct CsvFormat {
  char separator = ';';
  char quote = '"';
  std::string date_format;
};

// The lines of a list export: the headings line with the first record, then a line a record.
// Records come from the browse object when one is given (reset first, each copied into the
// queue's buffer), otherwise from the queue's entries in order. A list without described
// columns shows every field of its record, headed by the field's name ("Kolumna n" when it
// has none), a date as a date, a decimal with its places, a number whole.
bool write_list_lines(dane::Browse* browse, dane::Queue& queue, std::vector<ListColumn> columns,
                      const CsvFormat& format, const AddLine& add);

// The lines of the shared queue: entry 1 the column pictures (not written), entry 2 the
// headings, the rest data. special: the special export's rules (period decimals, the cells of
// "@N" and "@X" columns without quotes).
bool write_queue_lines(const dane::Queue& shared, bool special, const CsvFormat& format,
                       const AddLine& add);

// The special export's preparation of the shared queue: the pictures of entry 1 by its layout
// (numbered when its field 1 is "@N", else plain), and, when the settings ask to complete the
// rows, every data entry completed with the account's name from the database.
void prepare_special_export(dane::Queue& shared, const dane::Group& settings);
// The file name the special export proposes: prefix 1, prefix 2, year-month-day of the
// settings' date (no leading zeros), ".csv".
std::string special_file_name(const dane::Group& settings);

// The separator of the current user's option 30; ";" when it is blank or cannot be read.
char option_separator();

// The procedure: list is a list control's number, kSharedQueueExport or kSpecialExport.
void EXPORT2EXCEL(dane::Browse* browse, dane::Queue* queue, std::int32_t list);

}  // namespace funkcja::exchange
