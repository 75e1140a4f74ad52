// The command-line host's view of libfunkcja: the library opened with dlopen, its procedure
// table, and a generic call that takes the arguments as the user typed them.
#pragma once

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "funkcja/funkcja.h"

namespace funkcja::cli {

using Json = nlohmann::ordered_json;

class GlobalObjects;

// Bad input from the user: reported as one line on stderr with exit code 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Host {
 public:
  // Opens the library: $FUNKCJA_LIBRARY, else ../lib/libfunkcja.so beside this program, else
  // the system's search path. Throws UsageError when it cannot be loaded.
  Host();
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  const fk_procedure& procedure(const std::string& name) const;
  std::vector<const fk_procedure*> procedures() const;
  bool exported(const char* name) const;  // the procedure's own symbol is there

  void set_global(const std::string& assignment);  // NAME=VALUE, value in UTF-8
  void open_database(const std::string& url);
  void push_answer(int button) const;
  // Forgets every queued answer, action and dialog answer, the record of what was shown and
  // the clipboard (fk_headless_reset).
  void reset_headless() const;
  // Hands the library this host's own settings manager (FUNKCJA_INIT), bound to the file that
  // $GGG:SCIEZKA_SET names; called again after that global changed, it binds the manager to
  // the new file.
  void bind_settings();
  void echo_message_boxes(bool on);

  // Calls a procedure with arguments in declaration order: strings as typed (UTF-8 text,
  // decimal numbers), JSON numbers, and for an object parameter the JSON form of a host object
  // (objects.hpp) or null; omittable trailing parameters may be left off. Returns
  // {"result": ..., "out": {"param": ...}} with texts exact and untrimmed; "out" carries the
  // in/out parameters, each object argument's state after the call and, when globals is
  // given, the process-wide lists and groups it names (set, or changed by the call).
  Json call(const fk_procedure& procedure, const std::vector<Json>& args,
            GlobalObjects* globals = nullptr) const;

  // The address of an exported C function of the library; throws UsageError when it lacks it.
  void* function(const char* name) const;

 private:
  template <class Fn>
  Fn symbol(const char* name) const;

  void* handle_ = nullptr;
  fk_iniclass* settings_ = nullptr;
  std::string settings_path_;
};

// "NAME(text text, int32 n?, queue rows?) -> text"
std::string describe(const fk_procedure& procedure);

// The object a parameter takes ("group", "queue", "browse", "errorclass", ...); empty for a
// parameter that takes none.
std::string object_kind(const fk_param& param);

// One-line JSON with a blank after every colon and comma: {"result": "x", "out": {}}.
std::string one_line(const Json& value);

// A result or out value printed on one line: texts as they are, numbers in decimal.
std::string plain(const Json& value);

}  // namespace funkcja::cli
