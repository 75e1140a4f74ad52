#include "host/dane/process_objects.hpp"

#include <memory>
#include <optional>

#include "frame/text_rules.hpp"

namespace funkcja::dane {
namespace {

struct FieldDef {
  const char* name;
  FieldType type;
  std::uint32_t size;
};

std::vector<FieldSpec> specs(std::initializer_list<FieldDef> defs) {
  std::vector<FieldSpec> out;
  for (const FieldDef& d : defs) out.push_back({d.name, d.type, d.size, 0});
  return out;
}

std::vector<FieldSpec> xml_q_layout() {
  std::vector<FieldSpec> out{{"XQ:ILOSC", FieldType::kInt32, 0, 0}};
  for (std::size_t i = 1; i <= xml_q::kColumns; ++i) {
    out.push_back({"XQ:POLE" + std::to_string(i), FieldType::kText, 255, 0});
  }
  return out;
}

// One row per object: its name, whether it is a list, and its layout. A new list or group is
// one more row here.
struct Definition {
  std::string_view name;
  bool is_list;
  std::vector<FieldSpec> (*layout)();
};

const Definition kDefinitions[] = {
    {kFiltrDrzewoUni, true,
     [] {
       return specs({{"FDU:NAZWA_GALEZI", FieldType::kText, 100},
                     {"FDU:IKONA", FieldType::kByte, 0},
                     {"FDU:POZIOM", FieldType::kInt32, 0},
                     {"FDU:LP", FieldType::kInt32, 0},
                     {"FDU:POLE_FILTR", FieldType::kText, 50},
                     {"FDU:WART_POLA", FieldType::kText, 50},
                     {"FDU:WARUNEK", FieldType::kText, 3}});
     }},
    {kOpisPrn, true,
     [] {
       return specs({{"OPN:OPIS", FieldType::kText, 150}});
     }},
    {kXmlQ, true, xml_q_layout},
    {kSpecEksport, false,
     [] {
       return specs({{"SE:PREFIKS1", FieldType::kText, 100},
                     {"SE:PREFIKS2", FieldType::kText, 100},
                     {"SE:SEPARATOR", FieldType::kText, 1},
                     {"SE:CUDZYSLOW", FieldType::kText, 1},
                     {"SE:UZUPELNIJ", FieldType::kByte, 0},
                     {"SE:DATA", FieldType::kText, 20}});
     }},
    // The budget dictionaries and the account structure: one line per row of the statements
    // that fill them (ui/budget_dictionaries.cpp), in the order of their columns.
    {"$GGG:KARTOTEKA_U", true,
     [] {
       return specs({{"KU:ID_KARTOTEKI_POZ", FieldType::kInt32, 0},
                     {"KU:ID_KARTOTEKI", FieldType::kInt32, 0},
                     {"KU:KOD_KARTOTEKI", FieldType::kText, 50},
                     {"KU:POLE1", FieldType::kText, 255},
                     {"KU:POLE2N", FieldType::kText, 30},
                     {"KU:ID_KARTOTEKI_P2", FieldType::kInt32, 0},
                     {"KU:AKTYWNOSC", FieldType::kInt32, 0},
                     {"KU:AKTYWNOSC_OD", FieldType::kDate, 0},
                     {"KU:AKTYWNOSC_DO", FieldType::kDate, 0},
                     {"KU:LP", FieldType::kInt32, 0},
                     {"KU:PRZEZNACZENIE_PREDEF", FieldType::kText, 30},
                     {"KU:PRZEZNACZENIE_STATUS", FieldType::kInt32, 0},
                     {"KU:SYMBOL_KARTOTEKI", FieldType::kText, 50}});
     }},
    {"$GGG:STRUKTURA_KONTA", true,
     [] {
       return specs({{"SK:ID_KARTOTEKI", FieldType::kInt32, 0},
                     {"SK:SYMBOL_KARTOTEKI", FieldType::kText, 50},
                     {"SK:NAZWA_KARTOTEKI", FieldType::kText, 255},
                     {"SK:ANALITYKA_TYP", FieldType::kInt32, 0},
                     {"SK:ANALITYKA_DLUGOSC", FieldType::kInt32, 0},
                     {"SK:TYP", FieldType::kText, 1},
                     {"SK:NR_KONTA", FieldType::kText, 50},
                     {"SK:LP", FieldType::kInt32, 0}});
     }},
};
constexpr std::size_t kCount = std::size(kDefinitions);

// The globals' name rule: "$" dropped, ":" as "_", ASCII letters in upper case, blanks around
// ignored.
std::string name_key(std::string_view name) {
  std::string key;
  for (const char c : text::trim(name)) {
    if (c == '$') continue;
    key.push_back(c == ':' ? '_' : (c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c));
  }
  return key;
}

struct Slot {
  std::recursive_mutex guard;
  std::unique_ptr<Queue> queue;
  std::unique_ptr<Group> group;
};

struct Store {
  Slot slots[kCount];
  Store() {
    for (std::size_t i = 0; i < kCount; ++i) {
      const Definition& d = kDefinitions[i];
      Slot& s = slots[i];
      if (d.is_list) {
        s.queue = std::make_unique<Queue>(d.layout());
        s.queue->share(&s.guard);
      } else {
        s.group = std::make_unique<Group>(d.layout());
        s.group->fix_layout();
        s.group->set_guard(&s.guard);
      }
    }
  }
};

Store& store() {
  static Store* instance = new Store;  // shared by every thread until the process ends
  return *instance;
}

std::optional<std::size_t> index_of(std::string_view name) {
  const std::string key = name_key(name);
  for (std::size_t i = 0; i < kCount; ++i) {
    if (name_key(kDefinitions[i].name) == key) return i;
  }
  return std::nullopt;
}

}  // namespace

Queue* process_queue(std::string_view name) {
  const auto i = index_of(name);
  return i ? store().slots[*i].queue.get() : nullptr;
}

Group* process_group(std::string_view name) {
  const auto i = index_of(name);
  return i ? store().slots[*i].group.get() : nullptr;
}

Held<Queue> hold_queue(std::string_view name) {
  const auto i = index_of(name);
  if (!i || !store().slots[*i].queue) return {};
  Slot& s = store().slots[*i];
  return Held<Queue>(s.queue.get(), s.guard);
}

Held<Group> hold_group(std::string_view name) {
  const auto i = index_of(name);
  if (!i || !store().slots[*i].group) return {};
  Slot& s = store().slots[*i];
  return Held<Group>(s.group.get(), s.guard);
}

std::vector<std::string> process_object_names() {
  std::vector<std::string> names;
  for (const Definition& d : kDefinitions) names.push_back(name_key(d.name));
  return names;
}

void reset_process_objects() {
  for (Slot& s : store().slots) {
    const std::lock_guard lock(s.guard);
    if (s.queue) s.queue->clear();
    if (s.group) s.group->clear();
  }
}

}  // namespace funkcja::dane
