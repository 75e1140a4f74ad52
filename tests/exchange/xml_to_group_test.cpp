#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "exchange/xml_screen.hpp"
#include "exchange/xml_to_group.hpp"
#include "frame/cp_literal.hpp"
#include "host/dane/group.hpp"
#include "host/platform/message_box.hpp"
#include "support/fuzz.hpp"

namespace funkcja::exchange {
namespace {

using namespace funkcja::literals;
using dane::FieldSpec;
using dane::FieldType;
using dane::Group;

const std::string kLoadFailed("Błąd ładowania definicji XML!"_cp);
const std::string kInitFailed("Błąd inicjacji obiektu XMLDOC!"_cp);

// Three text fields whose names run against their order: Y, Z, X.
Group three_fields() {
  return Group({{"P:Y", FieldType::kText, 20},
                {"P:Z", FieldType::kText, 20},
                {"P:X", FieldType::kText, 20}});
}

Group company() {
  return Group({{"KP:NAZWA", FieldType::kText, 30},
                {"KP:MIASTO", FieldType::kText, 5},
                {std::string("ŻÓŁW"_cp), FieldType::kText, 10},
                {"T:ILE", FieldType::kInt32},
                {"T:KWOTA", FieldType::kDecimal, 10, 2},
                {"T:DATA", FieldType::kDate},
                {"T:FLAGA", FieldType::kByte}});
}

std::vector<std::string> values(const Group& group) {
  std::vector<std::string> out;
  for (std::size_t n = 1; n <= group.field_count(); ++n) out.push_back(group.get(n));
  return out;
}

// A group whose every field holds something, to see that a refused text leaves it as it was.
Group filled(Group group) {
  for (std::size_t n = 1; n <= group.field_count(); ++n) group.set(n, "7");
  return group;
}

std::vector<std::string> shown_texts() {
  std::vector<std::string> texts;
  for (const auto& box : platform::headless_message_box().shown()) texts.push_back(box.text);
  return texts;
}

class XmlToGroup : public ::testing::Test {
 protected:
  void SetUp() override { platform::headless_message_box().clear(); }
  void TearDown() override { platform::headless_message_box().clear(); }
};

TEST_F(XmlToGroup, FillsByPositionAndByName) {
  struct Case {
    const char* xml;  // UTF-8
    std::uint8_t positional;
    bool company;  // else three_fields()
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"<a><x>1</x><y>2</y></a>", 1, false, {"1", "2", ""}},
      {"<a><x>1</x><y>2</y></a>", 0, false, {"2", "", "1"}},
      {"<a><x>1</x><y>2</y></a>", 2, false, {"2", "", "1"}},
      // Surplus elements by position are ignored; by name unknown ones are, and the last of
      // two that name one field wins.
      {"<a><x>1</x><y>2</y><z>3</z><w>4</w></a>", 1, false, {"1", "2", "3"}},
      {"<a><w>4</w><X>1</X><x>5</x></a>", 0, false, {"", "", "5"}},
      // By position every child node counts: a comment takes field 1 and leaves it cleared.
      {"<a><!--k--><x>1</x><![CDATA[c<&]]></a>", 1, false, {"", "1", "c<&"}},
      {"<a>t<?pi v?><x>1</x></a>", 1, false, {"t", "", "1"}},
      {"<a>t<y>1</y><![CDATA[c]]></a>", 0, false, {"1", "", ""}},
      // An element's value is its first child's, when that child has one.
      {"<a><x><y>1</y></x><x><!--k--></x><x><?p d?>e</x></a>", 1, false, {"", "k", "d"}},
      {"<a><x/><x></x><x>  </x></a>", 1, false, {"", "", ""}},
      {"<a><x>b<![CDATA[c]]></x><x><![CDATA[c]]>b</x></a>", 1, false, {"b", "c", ""}},
      // Text of blanks between elements is no node.
      {"<a>\n  <x>1</x>\r\n\t<y>2</y>\n</a>", 1, false, {"1", "2", ""}},
      // Entities and character references; a character the code page lacks becomes "?".
      {"<a><x>A&amp;B &lt;&gt;&quot;&apos;</x><y>1&#046;5</y><z>&#x4E2D;&#261;</z></a>",
       1,
       false,
       {"A&B <>\"'", "1.5", "?ą"}},
      // A declared encoding is ignored; Polish letters in names and values, names in any case.
      {"<?xml version=\"1.0\" encoding=\"UTF-16\"?>"
       "<r><nazwa>Zakład Łódź</nazwa><MiAsTo>Kraków-Nowa Huta</MiAsTo><żółw>Źdźbło</żółw></r>",
       0,
       true,
       {"Zakład Łódź", "Krakó", "Źdźbło", "0", "0.00", "0", "0"}},
      // A ":" in an element name is part of the name, not a prefix.
      {"<r xmlns:kp=\"urn:kp\"><kp:nazwa>v</kp:nazwa><NAZWA>w</NAZWA></r>",
       0,
       true,
       {"w", "", "", "0", "0.00", "0", "0"}},
      // Typed fields take the text by the runtime's rules.
      {"<r><ile>12.7</ile><kwota>3.455</kwota><data>36163</data><flaga>300</flaga></r>",
       0,
       true,
       {"", "", "", "12", "3.46", "36163", "44"}},
      {"<r><ile>x</ile><kwota/><data>-</data></r>", 0, true, {"", "", "", "0", "0.00", "0", "0"}},
  };
  for (const Case& c : cases) {
    Group group = filled(c.company ? company() : three_fields());
    std::vector<std::string> expected;
    for (const std::string& value : c.expected) {
      expected.push_back(cp1250::utf8_to_cp1250(value).text);
    }
    XMLDOGRUPY(cp1250::utf8_to_cp1250(c.xml).text, group, c.positional);
    EXPECT_EQ(values(group), expected) << c.xml << " positional " << int{c.positional};
    EXPECT_TRUE(shown_texts().empty()) << c.xml;
  }
}

std::string nested(std::size_t depth) {
  std::string xml;
  for (std::size_t i = 0; i < depth; ++i) xml += "<e>";
  for (std::size_t i = 0; i < depth; ++i) xml += "</e>";
  return xml;
}

TEST_F(XmlToGroup, HostileTextIsRefusedQuicklyAndLeavesTheGroup) {
  const std::string laughs =
      "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">"
      "<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
      "<!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">"
      "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">]>"
      "<a><x>&lol3;</x></a>";
  const std::string cases[] = {
      "",
      "   ",
      "text",
      "<a><x>1</x>",
      "<a><x>1</y></a>",
      "<a/><b/>",
      "<a/>tail",
      "<a>x & y</a>",
      "<a>&nbsp;</a>",
      "<a>&#0;</a>",
      "<a>&#xD800;</a>",
      "<a>&#;</a>",
      "<a b=\"<\"/>",
      std::string("<a>\x01</a>"),
      std::string("<a>x\0y</a>", 10),
      "<a>]]></a>",
      "<a><!-- x -- y --></a>",
      "<a><?xml version=\"1.0\"?></a>",
      "<a><![CDATA[x</a>",
      "<![CDATA[x]]><a/>",
      laughs,
      "<!DOCTYPE a SYSTEM \"file:///etc/passwd\"><a>&ext;</a>",
      "<!DOCTYPE a><a/>",
      "<a><!DOCTYPE a></a>",
      "<a><x>" + std::string(10'000'000, 'x') + "</x></a>",
      "<a><x>" + std::string(kMaxXmlBytes - 13, 'x') + "</x></a>",  // one byte over
      nested(kMaxXmlDepth + 1),
      nested(500'000),  // just under the size limit
  };
  for (const std::string& xml : cases) {
    platform::headless_message_box().clear();
    Group group = filled(three_fields());
    const auto start = std::chrono::steady_clock::now();
    XMLDOGRUPY(xml, group, 1);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const std::string label = xml.substr(0, 60) + " (" + std::to_string(xml.size()) + " bytes)";
    EXPECT_EQ(shown_texts(), std::vector<std::string>{kLoadFailed}) << label;
    EXPECT_EQ(values(group), values(filled(three_fields()))) << label;
    EXPECT_LT(elapsed, std::chrono::seconds(2)) << label;
  }
}

TEST_F(XmlToGroup, TheLimitsThemselvesAreAccepted) {
  const std::string cases[] = {
      nested(kMaxXmlDepth),
      "<a><x>" + std::string(kMaxXmlBytes - 14, 'x') + "</x></a>",
  };
  for (const std::string& xml : cases) {
    Group group = filled(three_fields());
    XMLDOGRUPY(xml, group, 1);
    EXPECT_TRUE(shown_texts().empty()) << xml.size();
    EXPECT_EQ(values(group)[2], "") << xml.size();  // cleared, so the text was taken
  }
}

void* refuse(std::size_t) {
  return nullptr;
}

TEST_F(XmlToGroup, NoMemoryForTheDocumentShowsTheInitMessage) {
  pugi::set_memory_management_functions(refuse, std::free);
  std::string xml = "<a>";
  for (int i = 0; i < 100; ++i) xml += "<x>1</x>";
  Group group = filled(three_fields());
  XMLDOGRUPY(xml + "</a>", group, 1);
  pugi::set_memory_management_functions(std::malloc, std::free);
  EXPECT_EQ(shown_texts(), std::vector<std::string>{kInitFailed});
  EXPECT_EQ(values(group), values(filled(three_fields())));
}

// Random damage to a document: never a crash; either the group is filled with no message, or
// exactly one message and the group as it was.
TEST_F(XmlToGroup, DamagedDocumentsFillOrAreRefusedWhole) {
  const std::string source =
      "<?xml version=\"1.0\"?><r a='1'><!--c--><x>1&amp;2</x><y><![CDATA[<y>]]></y>"
      "<?p d?><z>&#261;</z></r>";
  const char pieces[] = "<>/&;#!?-[]'\"= xyz\xB9";
  testing::FuzzRandom random(11);
  const std::size_t rounds = testing::fuzz_rounds(3000);
  for (std::size_t round = 0; round < rounds; ++round) {
    std::string xml = source;
    for (std::size_t edits = 1 + random.below(3); edits > 0; --edits) {
      const std::size_t at = random.below(xml.size());
      switch (random.below(3)) {
        case 0:
          xml.erase(at, 1 + random.below(4));
          break;
        case 1:
          xml.insert(at, 1, pieces[random.below(sizeof(pieces) - 1)]);
          break;
        default:
          xml[at] = pieces[random.below(sizeof(pieces) - 1)];
          break;
      }
    }
    platform::headless_message_box().clear();
    Group group = filled(three_fields());
    XMLDOGRUPY(xml, group, static_cast<std::uint8_t>(round % 2));
    const auto shown = shown_texts();
    if (!shown.empty()) {
      EXPECT_EQ(shown, std::vector<std::string>{kLoadFailed}) << "round " << round << ": " << xml;
      EXPECT_EQ(values(group), values(filled(three_fields()))) << "round " << round;
    }
  }
}

}  // namespace
}  // namespace funkcja::exchange
