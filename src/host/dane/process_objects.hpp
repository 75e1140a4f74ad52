// The data library's process-wide lists and groups: one instance of each for the whole
// process, shared by every thread. Each has its own lock; the C interface takes it around
// every call, and a procedure of the library holds it with hold_queue()/hold_group() for the
// whole of its work on the object, so other threads never see a half-done change. A procedure
// that needs two of them takes them in the order of process_object_names().
#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "host/dane/group.hpp"
#include "host/dane/queue.hpp"

namespace funkcja::dane {

inline constexpr std::string_view kFiltrDrzewoUni = "$GGG:FILTR_DRZEWO_UNI";
inline constexpr std::string_view kOpisPrn = "$DANE_OPIS_PRN";
inline constexpr std::string_view kXmlQ = "$GGG:XML_Q";
inline constexpr std::string_view kSpecEksport = "$GGG:SPEC_EKSPORT";

// Field numbers of a line of $GGG:FILTR_DRZEWO_UNI (the tree of the open browse).
namespace filtr_drzewo {
inline constexpr std::size_t kNazwaGalezi = 1;  // text 100
inline constexpr std::size_t kIkona = 2;        // byte
inline constexpr std::size_t kPoziom = 3;       // int32
inline constexpr std::size_t kLp = 4;           // int32
inline constexpr std::size_t kPoleFiltr = 5;    // text 50
inline constexpr std::size_t kWartPola = 6;     // text 50
inline constexpr std::size_t kWarunek = 7;      // text 3
}  // namespace filtr_drzewo

// $DANE_OPIS_PRN: one description line of up to 150 characters per entry.
namespace opis_prn {
inline constexpr std::size_t kOpis = 1;
}  // namespace opis_prn

// $GGG:XML_Q: the number of columns used, then 20 texts of up to 255 characters.
namespace xml_q {
inline constexpr std::size_t kIlosc = 1;
inline constexpr std::size_t kColumns = 20;
constexpr std::size_t pole(std::size_t column) {  // column 1..20
  return 1 + column;
}
}  // namespace xml_q

// $GGG:SPEC_EKSPORT: the settings of the special export.
namespace spec_eksport {
inline constexpr std::size_t kPrefiks1 = 1;   // text 100: file-name prefix 1
inline constexpr std::size_t kPrefiks2 = 2;   // text 100: file-name prefix 2
inline constexpr std::size_t kSeparator = 3;  // text 1
inline constexpr std::size_t kCudzyslow = 4;  // text 1: the quote
inline constexpr std::size_t kUzupelnij = 5;  // byte: 1 = complete the data rows
inline constexpr std::size_t kData = 6;       // text 20: a standard date's day number
}  // namespace spec_eksport

// A process-wide object with its lock held for as long as this lives; empty for an unknown
// name.
template <class T>
class Held {
 public:
  Held() = default;
  Held(T* object, std::recursive_mutex& guard) : lock_(guard), object_(object) {}
  explicit operator bool() const { return object_ != nullptr; }
  T& operator*() const { return *object_; }
  T* operator->() const { return object_; }
  T* get() const { return object_; }

 private:
  std::unique_lock<std::recursive_mutex> lock_;
  T* object_ = nullptr;
};

// By name in any spelling the globals accept ("$GGG:XML_Q", "GGG_XML_Q", "ggg:xml_q").
Held<Queue> hold_queue(std::string_view name);
Held<Group> hold_group(std::string_view name);

// The objects themselves, for the C interface (which locks each call through their guard);
// nullptr for an unknown name.
Queue* process_queue(std::string_view name);
Group* process_group(std::string_view name);

// The names by the globals' rule ("GGG_XML_Q"), lists first, in the order locks are taken.
std::vector<std::string> process_object_names();

// Every list emptied and every group cleared (tests; a new session).
void reset_process_objects();

}  // namespace funkcja::dane
