// The process-wide lists and groups: found in every spelling, of the layouts their users need,
// safe when many threads fill them at once; and the procedure table names the objects a
// procedure takes.
#include "host/dane/process_objects.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "frame/cp_literal.hpp"
#include "funkcja/objects.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;

class ProcessObjects : public ::testing::Test {
 protected:
  void TearDown() override { dane::reset_process_objects(); }
};

TEST_F(ProcessObjects, AreFoundInEverySpellingWithTheirLayouts) {
  struct Case {
    std::vector<const char*> spellings;
    bool is_list;
    std::vector<const char*> fields;  // names looked up, in order
    std::size_t field_count;
  };
  const Case cases[] = {
      {{"$GGG:FILTR_DRZEWO_UNI", "GGG_FILTR_DRZEWO_UNI", " ggg:filtr_drzewo_uni "},
       true,
       {"NAZWA_GALEZI", "IKONA", "POZIOM", "LP", "POLE_FILTR", "WART_POLA", "WARUNEK"},
       7},
      {{"$DANE_OPIS_PRN", "DANE_OPIS_PRN", "dane_opis_prn"}, true, {"OPIS"}, 1},
      {{"$GGG:XML_Q", "GGG_XML_Q", "ggg_xml_q"}, true, {"ILOSC", "POLE1", "POLE20"}, 21},
      {{"$GGG:SPEC_EKSPORT", "GGG_SPEC_EKSPORT"},
       false,
       {"PREFIKS1", "PREFIKS2", "SEPARATOR", "CUDZYSLOW", "UZUPELNIJ", "DATA"},
       6},
  };
  for (const Case& c : cases) {
    for (const char* name : c.spellings) {
      Group g = c.is_list ? global_queue(name).buffer() : global_group(name);
      ASSERT_TRUE(g.handle() != nullptr) << name;
      EXPECT_EQ(c.is_list, global_queue(name).handle() != nullptr) << name;
      EXPECT_EQ(g.field_count(), c.field_count) << name;
      EXPECT_EQ(g.add_text("X", 1), 0u) << name;  // layouts are fixed
    }
    Group g = c.is_list ? global_queue(c.spellings[0]).buffer() : global_group(c.spellings[0]);
    std::size_t previous = 0;
    for (const char* field : c.fields) {
      const std::size_t n = g.find(field);
      EXPECT_GT(n, previous) << field;
      previous = n;
    }
  }
  EXPECT_EQ(global_queue("$GGG:SPEC_EKSPORT").handle(), nullptr);
  EXPECT_EQ(global_group("$GGG:XML_Q").handle(), nullptr);
  EXPECT_EQ(global_queue("GGG_NIE_MA").handle(), nullptr);
  EXPECT_EQ(global_object_names(),
            "GGG_FILTR_DRZEWO_UNI\nDANE_OPIS_PRN\nGGG_XML_Q\nGGG_SPEC_EKSPORT\nGGG_KARTOTEKA_U\n"
            "GGG_STRUKTURA_KONTA\n");
  // The library's own objects are never freed by the host's free calls.
  fk_queue_free(fk_global_queue(fk_cstr("$GGG:XML_Q")));
  fk_group_free(fk_global_group(fk_cstr("$GGG:SPEC_EKSPORT")));
  EXPECT_EQ(global_group("$GGG:SPEC_EKSPORT").field_count(), 6u);
}

TEST_F(ProcessObjects, TreeLinesKeepTheirTypes) {
  Queue tree = global_queue("$GGG:FILTR_DRZEWO_UNI");
  Group line = tree.buffer();
  line.set("FDU:NAZWA_GALEZI",
           "A branch name longer than the hundred characters of its field: "
           "0123456789012345678901234567890123456789012345678901234567890");
  line.set("FDU:IKONA", "257");
  line.set("FDU:POZIOM", "2.7");
  line.set("FDU:WARUNEK", "<>=!");
  tree.append();
  EXPECT_EQ(tree.get(1, dane::filtr_drzewo::kNazwaGalezi).size(), 100u);
  EXPECT_EQ(tree.get(1, dane::filtr_drzewo::kIkona), "1");
  EXPECT_EQ(tree.get(1, dane::filtr_drzewo::kPoziom), "2");
  EXPECT_EQ(tree.get(1, dane::filtr_drzewo::kWarunek), "<>=");
}

// Eight threads fill every list and the group at once, through the C interface and through a
// held lock, while others read; every entry arrives whole.
TEST_F(ProcessObjects, EightThreadsFillTheListsAtOnce) {
  constexpr int kThreads = 8;
  constexpr int kEntries = 200;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t] {
      fk_queue* opis = fk_global_queue(fk_cstr("$DANE_OPIS_PRN"));
      fk_queue* xml = fk_global_queue(fk_cstr("GGG_XML_Q"));
      fk_group* field_spec = fk_global_group(fk_cstr("$GGG:SPEC_EKSPORT"));
      for (int i = 0; i < kEntries; ++i) {
        const std::string tag = std::to_string(t) + ":" + std::to_string(i);
        // One call each: an entry added and written field by field.
        const size_t n = fk_queue_add(opis);
        fk_queue_set(opis, n, 1, fk_cstr(tag.c_str()));
        // Several steps under the list's lock: buffer, then append.
        {
          auto held = dane::hold_queue(dane::kXmlQ);
          held->buffer().set(dane::xml_q::kIlosc, std::to_string(t));
          held->buffer().set(dane::xml_q::pole(1), tag);
          held->append();
        }
        fk_group_set(field_spec, 1, fk_cstr(tag.c_str()));
        (void)fk_group_get(field_spec, 1);
        (void)fk_queue_count(xml);
      }
    });
  }
  for (auto& th : threads) th.join();

  auto xml = dane::hold_queue("$GGG:XML_Q");
  ASSERT_EQ(xml->count(), static_cast<std::size_t>(kThreads * kEntries));
  std::set<std::string> seen;
  for (std::size_t n = 1; n <= xml->count(); ++n) {
    const std::string tag = xml->get(n, dane::xml_q::pole(1));
    EXPECT_EQ(tag.substr(0, tag.find(':')), xml->get(n, dane::xml_q::kIlosc)) << n;
    seen.insert(tag);
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kThreads * kEntries));
  auto opis = dane::hold_queue(dane::kOpisPrn);
  EXPECT_EQ(opis->count(), static_cast<std::size_t>(kThreads * kEntries));
}

TEST(ProcedureTable, NamesTheObjectEachParameterTakes) {
  struct Case {
    const char* procedure;
    std::vector<const char*> objects;  // per parameter; nullptr for none
  };
  const Case cases[] = {
      {"USTAWIKONYDRZEWA", {nullptr, "queue", nullptr}},
      {"USTAW4IKONYBROWSERA", {"popup", nullptr}},
      {"FUNKCJA_INIT", {"errorclass", "iniclass"}},
      {"STR_REPLACE", {nullptr, nullptr, nullptr}},
  };
  for (const Case& c : cases) {
    const fk_procedure* p = funkcja_find_procedure(c.procedure);
    ASSERT_NE(p, nullptr) << c.procedure;
    ASSERT_EQ(p->param_count, c.objects.size()) << c.procedure;
    for (std::size_t i = 0; i < p->param_count; ++i) {
      const char* want = c.objects[i];
      const char* got = p->params[i].object;
      if (want == nullptr) {
        EXPECT_EQ(got, nullptr) << c.procedure << " " << i;
      } else {
        ASSERT_NE(got, nullptr) << c.procedure << " " << i;
        EXPECT_STREQ(got, want) << c.procedure << " " << i;
        EXPECT_EQ(p->params[i].kind, FK_OBJECT);
      }
    }
  }
}

}  // namespace
}  // namespace funkcja
