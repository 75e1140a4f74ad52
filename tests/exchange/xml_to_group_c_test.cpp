#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/cp_literal.hpp"
#include "funkcja/exchange.hpp"
#include "funkcja/funkcja.h"
#include "host/platform/message_box.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;

class XmlToGroupC : public ::testing::Test {
 protected:
  void SetUp() override { platform::headless_message_box().clear(); }
  void TearDown() override { platform::headless_message_box().clear(); }
};

// The host's side: a group built through the C interface, filled through the procedure table's
// entry as a generic host calls it, then through the C++ wrapper.
TEST_F(XmlToGroupC, TheProcedureTableAndTheWrapperFillAHostsGroup) {
  const fk_procedure* p = funkcja_find_procedure("XMLDOGRUPY");
  ASSERT_NE(p, nullptr);
  ASSERT_EQ(p->param_count, 3u);
  EXPECT_EQ(p->result, FK_NONE);
  EXPECT_EQ(p->params[1].kind, FK_OBJECT);
  EXPECT_STREQ(p->params[1].object, "group");
  EXPECT_EQ(p->params[2].kind, FK_BYTE);
  EXPECT_TRUE(p->params[2].omittable);

  Group group;
  group.add_text("A:PIERWSZE", 10);
  group.add_int32("A:DRUGIE");
  group.add_text("A:TRZECIE", 10);
  group.set(3, "stare");
  const std::string xml = "<a><x>1</x><y>2</y></a>";
  fk_value args[3]{};
  args[0].kind = FK_TEXT;
  args[0].as.text = fk_text{xml.data(), xml.size()};
  args[1].kind = FK_OBJECT;
  args[1].as.object = group.handle();
  args[2].kind = FK_BYTE;
  args[2].as.byte = 1;
  fk_value result{};
  ASSERT_EQ(p->invoke(args, &result), 0);
  EXPECT_EQ(group.get(1), "1");
  EXPECT_EQ(group.get(2), "2");
  EXPECT_EQ(group.get(3), "");

  XMLDOGRUPY("<r><trzecie>Łąka</trzecie></r>"_cp, group);
  EXPECT_EQ(group.get(1), "");
  EXPECT_EQ(group.get(3), "Łąka"_cp);

  // A process-wide group is filled like the host's own.
  Group settings = Group::borrow(fk_global_group(fk_cstr("$GGG:SPEC_EKSPORT")));
  ASSERT_GE(settings.field_count(), 1u);
  const std::string first = settings.field_name(1);
  const std::string name = first.substr(first.find(':') + 1);
  XMLDOGRUPY("<r><" + name + ">1</" + name + "></r>", settings);
  EXPECT_FALSE(settings.get(1).empty());
  settings.clear();
  EXPECT_TRUE(platform::headless_message_box().shown().empty());
}

TEST_F(XmlToGroupC, ANullGroupDoesNothing) {
  ::XMLDOGRUPY(fk_cstr("<a><x>1</x></a>"), nullptr, 1);
  ::XMLDOGRUPY(fk_cstr("<a>"), nullptr, 0);
  EXPECT_TRUE(platform::headless_message_box().shown().empty());
}

}  // namespace
}  // namespace funkcja
