#include "host/dane/tables.hpp"

#include <gtest/gtest.h>

#include <map>
#include <thread>

namespace funkcja::dane {
namespace {

// A database that answers "rows N" with N rows of ("i", "text i", "i.5") and fails anything
// else with the statement in its message; it records every statement it receives.
class ScriptedConnection : public Connection {
 public:
  explicit ScriptedConnection(std::vector<std::string>* log) : log_(log) {}
  std::unique_ptr<Cursor> execute(std::string_view statement, std::string& error) override {
    log_->emplace_back(statement);
    if (statement.rfind("rows ", 0) != 0) {
      error = "syntax error near '" + std::string(statement) + "'";
      return nullptr;
    }
    struct Rows : Cursor {
      int left, next_row = 1;
      explicit Rows(int n) : left(n) {}
      bool next(Row& row, std::string&) override {
        if (left-- <= 0) return false;
        const std::string i = std::to_string(next_row++);
        row = {i + ".5", "text " + i, std::nullopt, "extra"};
        return true;
      }
    };
    return std::make_unique<Rows>(std::stoi(std::string(statement.substr(5))));
  }

 private:
  std::vector<std::string>* log_;
};

class Tables : public ::testing::Test {
 protected:
  void SetUp() override {
    set_connection_factory([this] { return std::make_unique<ScriptedConnection>(&log_); });
  }
  void TearDown() override {
    close_thread_connection();
    set_connection_factory(nullptr);
  }
  std::vector<std::string> log_;
};

TEST_F(Tables, RowsArriveInOrderThenTheReadSetsTheErrorCode) {
  QueryTable& t = thread_tables().ZAPYTANIESQL;
  t.close();
  t.open(0x22);
  t.clear_record();
  t.set_statement("rows 3");
  ASSERT_EQ(t.error_code(), kNoError);
  std::vector<std::string> seen;
  for (t.next(); t.error_code() == kNoError; t.next()) {
    seen.push_back(t.field(1).as_text() + "|" + t.field(2).as_text() + "|" + t.field(3).text);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"1.50|text 1|", "2.50|text 2|", "3.50|text 3|"}));
  EXPECT_EQ(t.error_code(), kNoMoreRows);
  EXPECT_EQ(t.field(1).as_int32(), 3);  // the record keeps the last row
}

TEST_F(Tables, FailedStatementKeepsTheDatabasesMessage) {
  QueryTable& t = thread_tables().VAY_FK;
  t.close();
  t.open(0x22);
  t.set_statement("selec 1");
  EXPECT_EQ(t.error_code(), kDatabaseError);
  EXPECT_EQ(t.error_message(), "syntax error near 'selec 1'");
  t.next();
  EXPECT_NE(t.error_code(), kNoError);  // a failed statement has no rows
}

// The single-value fields' cuts are checked through FUNCVAY and FUNCVAZ.
TEST_F(Tables, TextFieldsAreCutToTheirCapacity) {
  QueryTable& t = thread_tables().VAY_FK;
  t.field(2).assign(std::string(600, 'b'));
  EXPECT_EQ(t.field(2).text.size(), 255u);
}

TEST_F(Tables, DecimalFieldsRoundHalfAwayFromZeroAndReadUnreadableAsZero) {
  struct Case {
    const char* column;
    const char* text;
    std::int32_t whole;
  };
  const Case cases[] = {{"12.345", "12.35", 12}, {"-12.345", "-12.35", -12},
                        {"0.004", "0.00", 0},    {"7", "7.00", 7},
                        {"abc", "0.00", 0},      {"", "0.00", 0},
                        {"1e5", "0.00", 0},      {" 42 ", "42.00", 42},
                        {"-0.5", "-0.50", 0},    {"99999999999", "99999999999.00", 2147483647}};
  Field f = Field::Decimal(2);
  for (const Case& c : cases) {
    f.assign(c.column);
    EXPECT_EQ(f.as_text(), c.text) << c.column;
    EXPECT_EQ(f.as_int32(), c.whole) << c.column;
  }
}

TEST_F(Tables, EachThreadHasItsOwnTablesAndConnection) {
  QueryTable& mine = thread_tables().VAX_FK;
  mine.close();
  mine.open(0x22);
  mine.set_statement("rows 2");
  mine.next();
  ASSERT_EQ(mine.field(2).text, "text 1");

  const QueryTable* theirs = nullptr;
  std::string their_statement = "unset";
  std::thread other([&] {
    QueryTable& t = thread_tables().VAX_FK;
    theirs = &t;
    their_statement = t.statement();
    t.open(0x22);
    t.set_statement("rows 5");
    t.next();
    t.next();
  });
  other.join();
  EXPECT_NE(theirs, &mine);
  EXPECT_EQ(their_statement, "");  // nothing of this thread's statement is visible there
  mine.next();                     // this thread's rows go on where they were
  EXPECT_EQ(mine.field(2).text, "text 2");
}

TEST_F(Tables, WithoutADatabaseAStatementFails) {
  set_connection_factory(nullptr);
  close_thread_connection();
  QueryTable& t = thread_tables().ZAPYTANIESQL1;
  t.open(0x22);
  t.set_statement("rows 1");
  EXPECT_EQ(t.error_code(), kDatabaseError);
  EXPECT_FALSE(t.error_message().empty());
}

}  // namespace
}  // namespace funkcja::dane
