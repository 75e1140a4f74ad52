// The cells of a CSV export: list values and shared-queue fields re-formatted by their
// pictures, and quoting.
#include "exchange/export_cells.hpp"

#include <gtest/gtest.h>

namespace funkcja::exchange {
namespace {

constexpr std::string_view kDate = "dd.MM.yyyy";

TEST(ExportCells, ListValuesByPicture) {
  struct Case {
    std::string_view value, picture, out;
  } const cases[] = {
      // Numbers: @N-16 first, then the date, comma and text pictures, each replacing the last.
      {"1234.5", "@n-16_`2", "1 234,50"},
      {"1234.5", "@N-16", "1235"},
      {"1234.5", "@s20", "1234.5"},
      {"82524", "@d17", "07.12.2026"},
      {"82524", "@D6-", "07.12.2026"},
      {"0", "@d17", ""},
      {"-5.12345", "@n-16_`4", "-5,1235"},
      {"2.5", "@n-16_`8", "2,50000000"},
      {"2.5", "@n-16_`3", "2,500"},
      {"12", "@s20`2", "12"},  // @S comes last and wins
      {"7", "", "7"},
      // Texts with a decimal comma.
      {"12,5", "@s20", "12.5"},            // one decimal: the comma becomes a period
      {"12 345,50", "@s20", "12 345,50"},  // two decimals: read and grouped again
      {"12345,50", "@s20", "12 345,50"},
      {"+1234,5678", "@s20", "1 234,5678"},
      {"-5,1234", "@s20", "-5,1234"},
      {"1 234,50", "@s20", "1 234,50"},  // second character no digit: unchanged
      {"12,345", "@s20", "12.345"},
      {"12,5x", "@s20", "12,5x"},  // two decimals that are no number: unchanged
      {"12,a5", "@s20", "12,a5"},  // still no number after the repair: unchanged
      {"ABC", "@d17", "ABC"},
      {"", "@n-16_`2", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(list_cell(c.value, c.picture, kDate), c.out) << c.value << " " << c.picture;
  }
}

TEST(ExportCells, QueueFieldsByPicture) {
  struct Case {
    std::string_view text, picture;
    QueueStyle style;
    std::string_view out;
  } const cases[] = {
      {"82524", "@D17", QueueStyle::kComma, "07.12.2026"},
      {"0", "@d17", QueueStyle::kComma, ""},
      {"", "@D17", QueueStyle::kComma, ""},
      {"x", "@N12", QueueStyle::kComma, ""},
      {"x", "@n12", QueueStyle::kComma, ""},
      {"-12.6", "@N12", QueueStyle::kComma, "-13"},
      {"1234.5", "@n-16_`2", QueueStyle::kComma, "1 234,50"},
      {"1234.5", "@n-16_`2", QueueStyle::kSpecial, "1234.50"},  // no blanks after .2
      {"1234.5", "@n-16_`4", QueueStyle::kSpecial, "1 234.5000"},
      {"0", "@NB12", QueueStyle::kComma, ""},
      {"0.00", "@nb12`2", QueueStyle::kComma, ""},
      {"5", "@NB12", QueueStyle::kComma, "5"},
      {"Konto 201  ", "@S30", QueueStyle::kComma, "Konto 201"},
      {"Konto", "@X", QueueStyle::kSpecial, "Konto"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(queue_cell(c.text, c.picture, c.style, kDate), c.out) << c.text << " " << c.picture;
  }
}

TEST(ExportCells, QuotesNeverInsideACell) {
  EXPECT_EQ(quoted_cell(R"(Firma "Żuraw"   )", '"'), "\"Firma `Żuraw`\"");
  EXPECT_EQ(quoted_cell("a'b", '\''), "'a`b'");
  EXPECT_EQ(quoted_cell("12.50", ' '), "12.50");
  EXPECT_EQ(quoted_cell("", '"'), "\"\"");
}

}  // namespace
}  // namespace funkcja::exchange
