// The cells of a CSV export: how a value shown in a list, or a field of the shared export
// queue, is re-formatted so that a spreadsheet with Polish regional settings reads numbers,
// amounts and dates as such, and how a cell is quoted.
#pragma once

#include <string>
#include <string_view>

namespace funkcja::exchange {

// The quote of list and queue exports, and what stands for it inside a cell.
inline constexpr char kQuote = '"';
inline constexpr char kQuoteStandIn = '`';

// A value of a list column, re-formatted by the column's picture (any case):
//   a number            @N-16, then, each replacing the last: a "D17" or "D6-" picture as a
//                       date, a comma picture (a grave accent and 8, 4, 3 or 2) as a grouped
//                       number with that many decimals, an "@S" picture unchanged;
//   second character a digit and a comma in it:
//                       with 2 or 4 characters after the first comma, read with a decimal
//                       comma (a "+" and blanks dropped) and grouped with that many decimals;
//                       otherwise the first comma becomes a period;
//   anything else       unchanged.
std::string list_cell(std::string_view value, std::string_view picture,
                      std::string_view date_format);

// How a queue export writes numbers with decimals: the ordinary one with a decimal comma, the
// special one with a period and no blanks in a two-decimal amount.
enum class QueueStyle { kComma, kSpecial };

// A field of a data entry of the shared export queue (trailing blanks removed), by its
// column's picture: "@D" a date ("" and "0" empty), "@N" with the text "x" empty, "@N" @N-16,
// a grave accent and 8, 4, 3 or 2 a grouped number, "@S" unchanged, "@NB" and a value of 0
// empty; each rule that matches replaces what the ones before it gave.
std::string queue_cell(std::string_view text, std::string_view picture, QueueStyle style,
                       std::string_view date_format);

// quote + text without trailing blanks + quote, every quote inside replaced by a grave
// accent; with no quote character (a blank), the text alone.
std::string quoted_cell(std::string_view text, char quote);

// Whether text contains piece, letters compared in upper case.
bool contains_nocase(std::string_view text, std::string_view piece);

}  // namespace funkcja::exchange
