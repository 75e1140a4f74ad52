// A fresh embedded database (schema and demo data) in a temporary file for each test, with the
// demo session set: company 1, user AKOWALSKA (number 2), fiscal year 3 (2026).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "host/connect.hpp"
#include "host/dane/globals.hpp"
#include "host/dane/tables.hpp"
#include "host/platform/message_box.hpp"
#include "host/sqlite/backend.hpp"

namespace funkcja::testing {

// A path no other run uses: the process id alone repeats across runs, and a run that was
// killed may have left its files behind.
inline std::string fresh_database_path() {
  static std::atomic<int> counter{0};
  static const unsigned run = std::random_device{}();
  const auto dir = std::filesystem::temp_directory_path();
  return (dir / ("funkcja-test-" + std::to_string(::getpid()) + "-" + std::to_string(run) + "-" +
                 std::to_string(counter.fetch_add(1)) + ".db"))
      .string();
}

class DemoDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = fresh_database_path();
    sqlite::remove_database_files(path_);
    dane::reset_all();
    std::string error;
    ASSERT_TRUE(database::open("sqlite:" + path_, error)) << error;
    set_session(1, "AKOWALSKA", 2, 3);
    platform::headless_message_box().clear();
  }

  void TearDown() override {
    dane::close_thread_connection();
    dane::reset_all();
    platform::headless_message_box().clear();
    sqlite::remove_database_files(path_);
  }

  static void set_session(int company, const std::string& login, int user, int year) {
    dane::set_number(dane::Global::DANE_ID_FIRMY, company);
    dane::set_text(dane::Global::DANE_ID_UZYT, login);
    dane::set_number(dane::Global::DANE_ID_UZYTKOWNIKA_NR, user);
    dane::set_number(dane::Global::DANE_LATA_OBROTOWE, year);
  }

  // Every row of a statement run straight on the calling thread's connection, columns joined
  // by "|" (NULL as "NULL").
  static std::vector<std::string> rows(std::string_view statement) {
    std::vector<std::string> out;
    std::string error;
    auto cursor = dane::thread_connection()->execute(statement, error);
    EXPECT_TRUE(cursor) << error << "\n  in: " << statement;
    if (!cursor) return out;
    dane::Row row;
    while (cursor->next(row, error)) {
      std::string line;
      for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0) line += '|';
        line += row[i] ? *row[i] : std::string("NULL");
      }
      out.push_back(line);
    }
    EXPECT_EQ(error, "");
    return out;
  }

  static std::vector<std::string> texts(std::initializer_list<std::string_view> list) {
    return {list.begin(), list.end()};
  }

  static std::string error_of(std::string_view statement) {
    std::string error;
    auto cursor = dane::thread_connection()->execute(statement, error);
    return cursor ? std::string() : error;
  }

  static std::vector<std::string> warnings() {
    std::vector<std::string> out;
    for (const auto& box : platform::headless_message_box().shown()) out.push_back(box.text);
    return out;
  }

  std::string path_;
};

}  // namespace funkcja::testing
