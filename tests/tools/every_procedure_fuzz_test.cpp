// Every procedure in the table, called through its generic entry point with hostile arguments
// of the right kinds: random bytes (NULs, apostrophes, blanks, Polish letters), texts far past
// every capacity, extreme numbers, NaN and infinities, small and odd in/out buffers. Nothing may
// crash, overrun (the sanitizer build watches), refuse its arguments or write past a buffer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "frame/cp_literal.hpp"
#include "funkcja/funkcja.h"
#include "host/platform/message_box.hpp"
#include "support/database_fixture.hpp"
#include "support/fuzz.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;

// Procedures that change the library's state for the rest of the process.
const std::set<std::string> kLeftOut = {"FUNKCJA_INIT", "FUNKCJA_KILL"};

class Arguments {
 public:
  explicit Arguments(std::mt19937& random) : random_(random) {}

  std::string text() {
    static const std::string kFavourites =
        std::string("0123456789 '%*?,.-|;@#$\r\n\0", 27) + std::string("ĄąŁłŚśŻżÓó"_cp);
    const std::size_t lengths[] = {0, 1, 2, 10, 99, 100, 101, 255, 256, 500, 501, 3001, 8001};
    std::size_t n = lengths[pick(std::size(lengths))];
    if (n > 300 && pick(3) != 0) n = pick(300);
    std::string s(n, ' ');
    for (char& c : s) {
      c = pick(2) == 0 ? kFavourites[pick(kFavourites.size())] : static_cast<char>(pick(256));
    }
    return s;
  }

  std::int32_t number() {
    const std::int32_t edges[] = {0,
                                  1,
                                  -1,
                                  2,
                                  7,
                                  13,
                                  100,
                                  1000,
                                  36163,
                                  82541,
                                  2994626,
                                  std::numeric_limits<std::int32_t>::max(),
                                  std::numeric_limits<std::int32_t>::min()};
    return pick(4) == 0 ? static_cast<std::int32_t>(random_()) : edges[pick(std::size(edges))];
  }

  double real() {
    const double edges[] = {0.0,
                            -0.0,
                            0.005,
                            -0.004,
                            1234.56,
                            999999999999.995,
                            1e12,
                            -1e12,
                            std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::denorm_min()};
    return edges[pick(std::size(edges))];
  }

  std::size_t pick(std::size_t n) { return n == 0 ? 0 : random_() % n; }

 private:
  std::mt19937& random_;
};

class EveryProcedure : public testing::DemoDatabase {};

TEST_F(EveryProcedure, HostileArgumentsNeverCrashOrOverrun) {
  std::size_t count = 0;
  const fk_procedure* all = funkcja_procedures(&count);
  std::mt19937 random(20261206);
  Arguments make(random);
  constexpr std::size_t kGuard = 16;  // bytes past each buffer that must stay untouched
  std::size_t calls = 0;
  // Each pass calls every procedure once.
  const std::size_t passes = testing::fuzz_rounds(20);
  for (std::size_t pass = 0; pass < passes; ++pass) {
    for (std::size_t p = 0; p < count; ++p) {
      const fk_procedure& proc = all[p];
      if (kLeftOut.count(proc.name) > 0) continue;
      std::vector<std::string> texts(proc.param_count);
      std::vector<std::vector<char>> buffers(proc.param_count);
      std::vector<std::int32_t> ints(proc.param_count);
      std::vector<std::uint8_t> bytes(proc.param_count);
      std::vector<fk_value> args(proc.param_count);
      for (std::size_t i = 0; i < proc.param_count; ++i) {
        fk_value& v = args[i];
        v.kind = proc.params[i].kind;
        switch (v.kind) {
          case FK_TEXT:
            texts[i] = make.text();
            v.as.text = {texts[i].data(), texts[i].size()};
            break;
          case FK_INT32:
            v.as.i32 = make.number();
            break;
          case FK_BYTE:
            v.as.byte = static_cast<std::uint8_t>(make.pick(256));
            break;
          case FK_DOUBLE:
            v.as.dbl = make.real();
            break;
          case FK_TEXT_INOUT: {
            const std::size_t capacity =
                make.pick(4) == 0 ? 1 + make.pick(8)
                                  : (proc.params[i].capacity > 0 ? proc.params[i].capacity : 256);
            const std::string start = make.text();
            buffers[i].assign(capacity + kGuard, '\x5A');
            const std::size_t n = std::min(start.size(), capacity - 1);
            std::memcpy(buffers[i].data(), start.data(), n);
            buffers[i][n] = '\0';
            v.as.buffer = {buffers[i].data(), capacity};
            break;
          }
          case FK_INT32_INOUT:
            ints[i] = make.number();
            v.as.i32_ref = &ints[i];
            break;
          case FK_BYTE_INOUT:
            bytes[i] = static_cast<std::uint8_t>(make.pick(256));
            v.as.byte_ref = &bytes[i];
            break;
          default:
            v.as.object = nullptr;
            break;
        }
      }
      fk_value result{};
      ASSERT_EQ(proc.invoke(args.data(), &result), 0) << proc.name;
      ++calls;
      if (result.kind == FK_TEXT && result.as.text.len > 0) {
        // The result text must be readable to its end.
        volatile char last = result.as.text.ptr[result.as.text.len - 1];
        (void)last;
      }
      for (std::size_t i = 0; i < proc.param_count; ++i) {
        if (args[i].kind != FK_TEXT_INOUT) continue;
        const fk_buffer& b = args[i].as.buffer;
        EXPECT_NE(std::memchr(b.ptr, '\0', b.capacity), nullptr) << proc.name << ": unterminated";
        for (std::size_t g = 0; g < kGuard; ++g) {
          ASSERT_EQ(b.ptr[b.capacity + g], '\x5A') << proc.name << ": wrote past its buffer";
        }
      }
    }
    platform::headless_message_box().clear();
  }
  EXPECT_GT(calls, count);  // every procedure ran at least once
}

}  // namespace
}  // namespace funkcja
