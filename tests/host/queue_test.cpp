// Queues through the C interface: entries of a layout through the buffer, entries of texts,
// direct access by position, and what is refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "funkcja/objects.hpp"

namespace funkcja {
namespace {

// A layout of every field type.
Group layout() {
  Group g;
  g.add_text("Q:NAZWA", 5);
  g.add_int32("Q:ILE");
  g.add_byte("Q:FLAGA");
  g.add_decimal("Q:KWOTA", 8, 2);
  g.add_date("Q:DATA");
  return g;
}

std::vector<std::string> entry_of(const Queue& q, std::size_t n, std::size_t fields) {
  std::vector<std::string> out;
  for (std::size_t f = 1; f <= fields; ++f) out.push_back(q.get(n, f));
  return out;
}

TEST(Queue, EntriesGoThroughTheBufferByPosition) {
  const Group l = layout();
  Queue q(l);
  Group buffer = q.buffer();
  EXPECT_EQ(buffer.field_count(), 5u);
  EXPECT_EQ(buffer.add_int32("X"), 0u);  // a buffer's layout is fixed
  EXPECT_EQ(buffer.field_name(4), "Q:KWOTA");

  const std::vector<std::vector<std::string>> rows = {
      {"abcdefg", "1.9", "300", "2.345", "36163"},
      {"b", "-2", "1", "x", "0"},
      {"c", "3", "2", "3", "1"},
  };
  for (const auto& r : rows) {
    for (std::size_t f = 1; f <= r.size(); ++f) buffer.set(f, r[f - 1]);
    q.append();
  }
  ASSERT_EQ(q.count(), 3u);
  EXPECT_EQ(entry_of(q, 1, 5),
            (std::vector<std::string>{"abcde", "1", "44", "2.35", "36163"}));  // converted
  EXPECT_EQ(entry_of(q, 2, 5), (std::vector<std::string>{"b", "-2", "1", "0.00", "0"}));

  // Read, change, update; delete moves the later entries up.
  ASSERT_TRUE(q.read(2));
  EXPECT_EQ(buffer.get("nazwa"), "b");
  buffer.set("ILE", "20");
  ASSERT_TRUE(q.update(2));
  EXPECT_EQ(q.get(2, 2), "20");
  ASSERT_TRUE(q.erase(1));
  EXPECT_EQ(q.count(), 2u);
  EXPECT_EQ(q.get(1, 1), "b");
  EXPECT_EQ(q.get(2, 1), "c");

  // Direct access converts too, and ignores a field the layout lacks.
  q.set(1, 4, "-7.125");
  EXPECT_EQ(q.get(1, 4), "-7.13");
  q.set(1, 6, "x");
  EXPECT_EQ(q.get(1, 6), "");
  EXPECT_EQ(q.add(), 3u);
  EXPECT_EQ(entry_of(q, 3, 5), (std::vector<std::string>{"", "0", "0", "0.00", "0"}));

  // Refusals leave everything as it was.
  buffer.set(1, "keep");
  for (const std::size_t bad : {std::size_t{0}, std::size_t{4}, std::size_t{99}}) {
    EXPECT_FALSE(q.read(bad)) << bad;
    EXPECT_FALSE(q.update(bad)) << bad;
    EXPECT_FALSE(q.erase(bad)) << bad;
    EXPECT_EQ(q.get(bad, 1), "") << bad;
  }
  EXPECT_EQ(buffer.get(1), "keep");
  EXPECT_EQ(q.count(), 3u);

  q.clear();
  EXPECT_EQ(q.count(), 0u);
  EXPECT_EQ(buffer.get(1), "");
}

TEST(Queue, AQueueOfTextsGrowsItsEntriesToTheFieldsWritten) {
  Queue q;
  EXPECT_EQ(q.buffer().field_count(), 0u);
  EXPECT_EQ(q.add(), 1u);
  q.set(1, 3, "third, of no capacity and kept as written  ");
  EXPECT_EQ(q.get(1, 3), "third, of no capacity and kept as written  ");
  EXPECT_EQ(q.get(1, 1), "");
  EXPECT_EQ(q.get(1, 4), "");
  q.set(2, 1, "no such entry");
  EXPECT_EQ(q.count(), 1u);

  // Reading an entry shapes the buffer to it; appending copies the buffer.
  ASSERT_TRUE(q.read(1));
  Group buffer = q.buffer();
  EXPECT_EQ(buffer.field_count(), 3u);
  buffer.set(1, "pierwszy");
  EXPECT_EQ(q.append(), 2u);
  EXPECT_EQ(q.get(2, 1), "pierwszy");
  EXPECT_EQ(q.get(2, 3), q.get(1, 3));
}

TEST(Queue, NullHandlesAndOwnershipAreSafe) {
  EXPECT_EQ(fk_queue_count(nullptr), 0u);
  EXPECT_EQ(fk_queue_append(nullptr), 0u);
  EXPECT_EQ(fk_queue_read(nullptr, 1), 0);
  EXPECT_EQ(fk_queue_buffer(nullptr), nullptr);
  fk_queue_free(nullptr);
  // The buffer belongs to its queue: freeing it through the group call does nothing.
  fk_queue* q = fk_queue_new();
  fk_group_free(fk_queue_buffer(q));
  EXPECT_EQ(fk_group_field_count(fk_queue_buffer(q)), 0u);
  fk_queue_free(q);
  // A moved-from wrapper owns nothing.
  Queue a;
  Queue b(std::move(a));
  EXPECT_EQ(a.handle(), nullptr);
  EXPECT_NE(b.handle(), nullptr);
}

}  // namespace
}  // namespace funkcja
