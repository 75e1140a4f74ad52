// The data library's objects in the command-line host: a procedure's object argument, and the
// process-wide lists and groups, given and answered as JSON.
//
//   {"group": [{"name": "KP:NAZWA", "type": "text", "size": 100, "value": "Firma"},
//              {"name": "KP:KWOTA", "type": "decimal", "size": 15, "places": 2,
//               "value": "12.50"}, ...]}
//       a record group; types text (size = capacity), int32, byte, decimal (size = digits,
//       places), date (a standard date's day number); "value" may be left out (empty or 0)
//   {"queue": {"layout": [field descriptions as in a group, without values],
//              "entries": [["Firma", "12.50"], {"KP:KWOTA": 3}, ...]}}
//       a queue; an entry gives its values by position (an array) or by field name (an
//       object); without "layout" a queue of texts
//   {"browse": "select nazwa from FIRMA"}
//       a browse object over the statement
//
// A process-wide list or group takes the library's layout; its values are given by position
// or by name: {"queue": {"entries": [[...], ...]}} replaces the list's entries,
// {"group": {"SE:SEPARATOR": ";"}} or {"group": [";", ...]} clears the group and sets those
// fields.
//
// After a call each object is answered in the form it was given in (it can be given again):
// texts and decimals as strings ("12.50"), int32, byte and date fields as numbers; a group's
// and a queue's layout as the library holds it; a process-wide group by name, a process-wide
// list without its layout.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host.hpp"

namespace funkcja::cli {

struct ObjectApi;

// Whether a JSON value is one of the object forms above (an object of one key "group",
// "queue" or "browse").
bool is_object_form(const Json& value);

// The objects that one call's arguments describe; freed when it goes.
class CallObjects {
 public:
  explicit CallObjects(const Host& host);
  ~CallObjects();
  CallObjects(const CallObjects&) = delete;
  CallObjects& operator=(const CallObjects&) = delete;

  // Builds the object that form describes and returns the handle the procedure takes. `kind`
  // is the object the parameter takes ("group", "queue", "browse"), or empty when the library
  // does not say. Throws UsageError naming `what` for a form it cannot build.
  void* make(const Json& form, const std::string& kind, const std::string& what);
  // The object's state now, in the form it was given in.
  Json state(void* handle) const;

 private:
  struct Made;
  const ObjectApi& api_;
  std::vector<std::unique_ptr<Made>> made_;
};

// The process-wide lists and groups ($GGG:XML_Q, $GGG:SPEC_EKSPORT, ...).
class GlobalObjects {
 public:
  explicit GlobalObjects(const Host& host);

  // Whether name (in any spelling the globals take) is a process-wide list or group; false,
  // too, for a library without them.
  bool knows(const std::string& name) const;
  // Replaces its content with what form gives; throws UsageError for a bad form.
  void set(const std::string& name, const Json& form);
  // Remembers the state of every list and group, to see afterwards which ones changed.
  void remember();
  // The state of each one that was set (under the name it was set by) or that changed since
  // remember() (under the library's name).
  Json changed() const;

 private:
  Json state_of(const std::string& name) const;

  const ObjectApi* api_;
  std::vector<std::string> names_;             // the library's names
  std::map<std::string, Json> before_;         // by the library's name
  std::map<std::string, std::string> set_as_;  // library's name -> the name the line used
};

}  // namespace funkcja::cli
