#include "host/dane/globals.hpp"

#include <gtest/gtest.h>

#include <thread>

#include "funkcja/data.hpp"

namespace funkcja::dane {
namespace {

class Globals : public ::testing::Test {
 protected:
  void TearDown() override { reset_all(); }
};

TEST_F(Globals, NamesAreFoundInEverySpelling) {
  const char* spellings[] = {"$GGG:SCIEZKA_SET", "GGG_SCIEZKA_SET", "ggg:sciezka_set",
                             " $GGG:SCIEZKA_SET "};
  for (const char* s : spellings) EXPECT_EQ(find(s), Global::GGG_SCIEZKA_SET) << s;
  EXPECT_EQ(find("$DANE_ID_FIRMY"), Global::DANE_ID_FIRMY);
  EXPECT_FALSE(find("DANE_NIE_MA"));
  EXPECT_FALSE(find(""));
}

TEST_F(Globals, ValuesAreCheckedAgainstTheirType) {
  struct Case {
    const char* name;
    const char* value;
    bool accepted;
    const char* read_back;
  };
  const Case cases[] = {{"DANE_ID_FIRMY", "12", true, "12"},
                        {"DANE_ID_FIRMY", " -7 ", true, "-7"},
                        {"DANE_ID_FIRMY", "2147483648", false, nullptr},
                        {"DANE_ID_FIRMY", "12a", false, nullptr},
                        {"DANE_ID_FIRMY", "", false, nullptr},
                        {"DANE_ADMINISTRATOR", "1", true, "1"},
                        {"DANE_ADMINISTRATOR", "256", false, nullptr},
                        {"DANE_WERSJA_BAZY", "12.5", true, "12.5000"},
                        {"DANE_WERSJA_BAZY", "-0.0001", true, "-0.0001"},
                        {"DANE_WERSJA_BAZY", "1.23456", false, nullptr},
                        {"DANE_SEPARATOR_MPK", "/x", true, "/"},
                        {"DANE_DATA_BIEZACA", "82000", true, "82000"},
                        // one sign at most, directly before the digits
                        {"DANE_ID_FIRMY", "+-5", false, nullptr},
                        {"DANE_WERSJA_BAZY", "+-1.5", false, nullptr},
                        {"DANE_WERSJA_BAZY", "-", false, nullptr},
                        // a decimal comma, an empty value and a bare fraction
                        {"DANE_WERSJA_BAZY", "12,5", true, "12.5000"},
                        {"DANE_WERSJA_BAZY", "", true, "0.0000"},
                        {"DANE_WERSJA_BAZY", "-.5", true, "-0.5000"},
                        // the limits of the stored ten-thousandths
                        {"DANE_WERSJA_BAZY", "922337203685477.5807", true, "922337203685477.5807"},
                        {"DANE_WERSJA_BAZY", "922337203685477.9999", false, nullptr},
                        {"DANE_WERSJA_BAZY", "-922337203685477.9999", false, nullptr}};
  for (const Case& c : cases) {
    reset_all();
    EXPECT_EQ(set_global(c.name, c.value), c.accepted) << c.name << "=" << c.value;
    if (c.read_back) {
      EXPECT_EQ(get_global(c.name), c.read_back) << c.name;
    }
  }
}

TEST_F(Globals, TextsKeepBlanksAndAreCutToCapacity) {
  EXPECT_TRUE(set_text(Global::DANE_ID_UZYT, "  jan  "));
  EXPECT_EQ(get_text(Global::DANE_ID_UZYT), "  jan  ");
  EXPECT_TRUE(set_text(Global::GGG_PATH, std::string(400, 'p')));
  EXPECT_EQ(get_text(Global::GGG_PATH).size(), 300u);
}

TEST_F(Globals, ConcurrentWritersAndReadersSeeWholeValues) {
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t] {
      const std::string mine(50, static_cast<char>('a' + t));
      for (int i = 0; i < 2000; ++i) {
        set_text(Global::GLO_LOCALPATH, mine);
        const std::string seen = get_text(Global::GLO_LOCALPATH);
        ASSERT_EQ(seen.size(), 50u);
        ASSERT_EQ(seen.find_first_not_of(seen[0]), std::string::npos) << "torn value";
        set_number(Global::DANE_ID_FIRMY, i);
      }
    });
  }
  for (auto& th : threads) th.join();
}

}  // namespace
}  // namespace funkcja::dane
