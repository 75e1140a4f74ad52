// The exports: SQL2XMLWRITER_WATEK writing a 100,000-row document from the embedded database
// beside a plain fwrite loop that writes the same lines to a file, and EXPORT2EXCEL of a
// 10-column list of 25,000 to 100,000 rows (rows per second should stay level as the list
// grows: the export is linear).
//
// How to read it: the time of BM_XmlWriter divided by that of BM_FwriteSameLines is the
// writer's cost against the bare file; the writer should need at most 1.5 times the time.
// BM_FwriteFormattedLines is the same loop that also builds its lines, as the writer does.
// BM_ReadRowsOnly is the part of the writer's time that the database takes to produce and hand
// over the rows, which the bare file does not pay.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "exchange/export_csv.hpp"
#include "exchange/xml_writer.hpp"
#include "host/connect.hpp"
#include "host/dane/tables.hpp"
#include "host/gateway.hpp"
#include "host/platform/folder_dialog.hpp"
#include "host/platform/message_box.hpp"
#include "host/sqlite/backend.hpp"

namespace {

constexpr int kRows = 100'000;
std::string g_dir;

std::string xml_lines() {
  std::string out = "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<Wiersze>\r\n";
  for (int n = 1; n <= kRows; ++n) out += "<Wiersz>" + std::to_string(n) + "</Wiersz>\r\n";
  return out + "</Wiersze>\r\n";
}

void BM_XmlWriter(benchmark::State& state) {
  const std::string path = g_dir + "/wiersze.xml";
  for (auto _ : state) {
    funkcja::exchange::SQL2XMLWRITER_WATEK("TG_XML_WIERSZE(100000)", path);
    funkcja::platform::headless_message_box().clear();
  }
  state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(kRows + 3),
                                                     benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_XmlWriter)->Unit(benchmark::kMillisecond)->UseRealTime();

// The database's share of the writer: the same call's rows read through the gateway into
// XMLTABLE, and nothing written.
void BM_ReadRowsOnly(benchmark::State& state) {
  funkcja::dane::QueryTable& table = funkcja::dane::thread_tables().XMLTABLE;
  for (auto _ : state) {
    funkcja::gateway::send(table, "call TG_XML_WIERSZE(100000)");
    std::size_t bytes = 0;
    while (funkcja::gateway::next(table)) bytes += table.field(3).text.size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(kRows + 3),
                                                     benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReadRowsOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// Peer: the same lines, one fwrite each, to a new file that is flushed to the disk at the end as
// the writer's is.
void BM_FwriteSameLines(benchmark::State& state) {
  const std::string path = g_dir + "/fwrite.xml";
  const std::string document = xml_lines();
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::size_t start = 0;
    while (start < document.size()) {
      const std::size_t end = document.find('\n', start) + 1;
      std::fwrite(document.data() + start, 1, end - start, f);
      start = end;
    }
    std::fflush(f);
    ::fsync(::fileno(f));
    std::fclose(f);
  }
  state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(kRows + 3),
                                                     benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_FwriteSameLines)->Unit(benchmark::kMillisecond)->UseRealTime();

// Peer that also builds each line, as the writer must: the lines are made in the loop from the
// row number into one reused buffer, then written one fwrite each, flushed to the disk at the
// end. The peer above writes lines that were made before the clock started.
void BM_FwriteFormattedLines(benchmark::State& state) {
  const std::string path = g_dir + "/fwrite-formatted.xml";
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::string line = "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n";
    std::fwrite(line.data(), 1, line.size(), f);
    line = "<Wiersze>\r\n";
    std::fwrite(line.data(), 1, line.size(), f);
    for (int n = 1; n <= kRows; ++n) {
      line.assign("<Wiersz>").append(std::to_string(n)).append("</Wiersz>\r\n");
      std::fwrite(line.data(), 1, line.size(), f);
    }
    line = "</Wiersze>\r\n";
    std::fwrite(line.data(), 1, line.size(), f);
    std::fflush(f);
    ::fsync(::fileno(f));
    std::fclose(f);
  }
  state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(kRows + 3),
                                                     benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_FwriteFormattedLines)->Unit(benchmark::kMillisecond)->UseRealTime();

// A list of state.range(0) rows and ten columns: texts, dates, amounts and whole numbers.
void BM_Export2Excel(benchmark::State& state) {
  const auto rows = static_cast<std::size_t>(state.range(0));
  funkcja::dane::Queue list;
  for (std::size_t r = 1; r <= rows; ++r) {
    const std::size_t e = list.add();
    const std::string n = std::to_string(r);
    const std::string values[10] = {"FV/" + n + "/2026", "82524", n + ".5", "Kontrahent " + n,
                                    "5269458071",        "12,50", n,        "82247",
                                    "-" + n + ".25",     "PLN"};
    for (std::size_t f = 0; f < 10; ++f) list.set(e, f + 1, values[f]);
  }
  funkcja::exchange::set_list_columns(
      1,
      "Numer\t@s20\t1\nData\t@d17\t2\nKwota\t@n-16_`2\t3\nNazwa\t@s50\t4\nNIP\t@s13\t5\n"
      "Stawka\t@s10\t6\nLp\t@n-16\t7\nTermin\t@d17\t8\nSaldo\t@n-16_`2\t9\nWaluta\t@s3\t10\n");
  const std::string path = g_dir + "/lista.csv";
  for (auto _ : state) {
    funkcja::platform::headless_folder_dialog().push_save_answer(path);
    funkcja::platform::headless_message_box().push_answer(2);
    funkcja::exchange::EXPORT2EXCEL(nullptr, &list, 1);
    funkcja::platform::headless_message_box().clear();
    funkcja::platform::headless_folder_dialog().clear();
  }
  state.counters["rows_per_s"] =
      benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Export2Excel)
    ->Arg(25'000)
    ->Arg(50'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  const auto base = std::filesystem::temp_directory_path() /
                    ("funkcja-bench-export-" + std::to_string(::getpid()));
  std::filesystem::create_directories(base);
  g_dir = base.string();
  const std::string db = g_dir + "/bench.db";
  std::string error;
  if (!funkcja::database::open("sqlite:" + db, error)) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  funkcja::dane::close_thread_connection();
  std::error_code ec;
  std::filesystem::remove_all(base, ec);
  return 0;
}
