// Browse objects through the C++ wrapper: a statement of the server's dialect over the demo
// database copied record by record into queues, a failing statement, and a read that fails
// halfway.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "funkcja/objects.hpp"
#include "host/dane/database.hpp"
#include "host/dane/tables.hpp"
#include "support/database_fixture.hpp"

namespace funkcja {
namespace {

using BrowseDemo = testing::DemoDatabase;

// Every record of a browse appended to a queue, as a host's list fills; the result of each
// next, in order.
std::vector<std::int32_t> fill(Browse& b, Queue& q) {
  std::vector<std::int32_t> results;
  for (;;) {
    const std::int32_t r = b.next();
    results.push_back(r);
    if (r != 0) return results;
    EXPECT_TRUE(b.copy(q));
    q.append();
  }
}

TEST_F(BrowseDemo, RecordsAreCopiedIntoAQueueOfALayout) {
  const std::string statement =
      "select id_kontrahenta, nazwa, platnik_vat, null, isnull(termin_platnosci, 0) + 0.5 "
      "from KONTRAHENT where id_firmy=1 order by id_kontrahenta";
  const auto expected = rows(
      "select id_kontrahenta, nazwa, platnik_vat from KONTRAHENT where id_firmy=1 "
      "order by id_kontrahenta");
  ASSERT_GE(expected.size(), 3u);

  Group layout;
  layout.add_int32("K:ID");
  layout.add_text("K:NAZWA", 6);
  layout.add_byte("K:VAT");
  layout.add_decimal("K:PUSTE", 5, 1);
  layout.add_decimal("K:TERMIN", 5, 0);
  layout.add_text("K:BEZ_KOLUMNY", 10);
  Queue q(layout);
  q.buffer().set(6, "stale");

  Browse b(statement);
  EXPECT_EQ(b.statement(), statement);
  EXPECT_EQ(b.next(), 33);  // nothing runs before a reset
  EXPECT_FALSE(b.copy(q));
  ASSERT_TRUE(b.reset()) << b.error();
  const auto results = fill(b, q);
  EXPECT_EQ(results.back(), 33);
  EXPECT_EQ(b.position(), expected.size());
  ASSERT_EQ(q.count(), expected.size());
  for (std::size_t n = 1; n <= q.count(); ++n) {
    const std::string& row = expected[n - 1];
    const auto bar = row.find('|'), last = row.rfind('|');
    EXPECT_EQ(q.get(n, 1), row.substr(0, bar));
    EXPECT_EQ(q.get(n, 2), row.substr(bar + 1, last - bar - 1).substr(0, 6));
    EXPECT_EQ(q.get(n, 3), row.substr(last + 1));
    EXPECT_EQ(q.get(n, 4), "0.0");  // NULL
    EXPECT_EQ(q.get(n, 6), "");     // no column: cleared
  }
  EXPECT_EQ(q.get(1, 5), "15");  // 14.5 rounded half away from zero

  // A reset starts over.
  ASSERT_TRUE(b.reset());
  EXPECT_EQ(b.position(), 0u);
  EXPECT_EQ(b.next(), 0);
  EXPECT_EQ(b.position(), 1u);
}

TEST_F(BrowseDemo, AQueueOfTextsTakesEveryColumn) {
  Browse b("select top 2 nazwa, nip, null from KONTRAHENT order by id_kontrahenta");
  Queue q;
  ASSERT_TRUE(b.reset()) << b.error();
  fill(b, q);
  ASSERT_EQ(q.count(), 2u);
  EXPECT_EQ(q.buffer().field_count(), 3u);
  EXPECT_EQ(q.get(1, 2), "5273021570");
  EXPECT_EQ(q.get(1, 3), "");
}

TEST_F(BrowseDemo, AFailingStatementFindsNoRecord) {
  Browse b("select nie_ma from TABELI_NIE_MA");
  Queue q;
  EXPECT_FALSE(b.reset());
  EXPECT_FALSE(b.error().empty());
  EXPECT_EQ(b.next(), 33);
  EXPECT_FALSE(b.copy(q));
  EXPECT_EQ(q.count(), 0u);
}

// A database whose read fails after the first row.
class FailingRead : public dane::Connection {
 public:
  std::unique_ptr<dane::Cursor> execute(std::string_view, std::string&) override {
    struct OneThenFail : dane::Cursor {
      int calls = 0;
      bool next(dane::Row& row, std::string& error) override {
        if (calls++ == 0) {
          row = {std::string("1")};
          return true;
        }
        error = "connection lost";
        return false;
      }
    };
    return std::make_unique<OneThenFail>();
  }
};

TEST(Browse, AReadThatFailsHalfwayAnswers90) {
  dane::set_connection_factory([] { return std::make_unique<FailingRead>(); });
  {
    Browse b("select x");
    ASSERT_TRUE(b.reset());
    EXPECT_EQ(b.next(), 0);
    EXPECT_EQ(b.next(), 90);
    EXPECT_EQ(b.error(), "connection lost");
    EXPECT_EQ(b.next(), 33);
  }
  dane::close_thread_connection();
  dane::set_connection_factory(nullptr);
  Browse none("select 1");
  EXPECT_FALSE(none.reset());  // no connection to be had
  EXPECT_FALSE(none.error().empty());
}

}  // namespace
}  // namespace funkcja
