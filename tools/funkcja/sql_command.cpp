#include "sql_command.hpp"

#include <dlfcn.h>

#include <iostream>

#include "edges.hpp"

namespace funkcja::cli {
namespace {

// The library that the host has loaded, reached by name through the dynamic loader: its
// procedure table gives an address inside it, and the loader the open library at that address.
class Library {
 public:
  explicit Library(const Host& host) {
    Dl_info info{};
    const auto* any = host.procedures().empty() ? nullptr : host.procedures().front();
    if (any == nullptr || ::dladdr(reinterpret_cast<void*>(any->invoke), &info) == 0 ||
        info.dli_fname == nullptr) {
      throw UsageError("cannot find the loaded library");
    }
    handle_ = ::dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    if (handle_ == nullptr) throw UsageError("cannot find the loaded library");
  }
  ~Library() { ::dlclose(handle_); }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  template <class Fn>
  Fn get(const char* name) const {
    void* address = ::dlsym(handle_, name);
    if (address == nullptr) throw UsageError(std::string("this library build has no ") + name);
    return reinterpret_cast<Fn>(address);
  }

 private:
  void* handle_ = nullptr;
};

fk_text as_text(const std::string& s) {
  return fk_text{s.data(), s.size()};
}

}  // namespace

int db_command(const Host& host, const std::string& url, const std::vector<std::string>& words) {
  if (words.empty() || words[0] != "init") throw UsageError("db: usage: db init [--force]");
  bool force = false;
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (words[i] != "--force") throw UsageError("db init: unknown option '" + words[i] + "'");
    force = true;
  }
  const Library lib(host);
  const std::string place = to_cp1250(url, "--db");
  if (lib.get<int (*)(fk_text, int32_t)>("fk_database_init")(as_text(place), force ? 1 : 0) == 0) {
    std::cerr << "funkcja: " << to_utf8(lib.get<fk_text (*)()>("fk_database_error")()) << '\n';
    return 1;
  }
  const std::string shown =
      url.empty() ? to_utf8(lib.get<fk_text (*)()>("fk_database_url")()) : url;
  std::cout << "Utworzono bazę danych " << shown << '\n';
  return 0;
}

int sql_command(const Host& host, const std::vector<std::string>& words) {
  if (words.size() != 1) throw UsageError("sql: give the statement as one argument");
  const Library lib(host);
  const std::string statement = to_cp1250(words[0], "sql");
  const int ok = lib.get<int (*)(fk_text)>("fk_sql_run")(as_text(statement));
  const std::string output = to_utf8(lib.get<fk_text (*)()>("fk_sql_output")());
  if (ok == 0) {
    std::cerr << "funkcja: " << output << '\n';
    return 1;
  }
  std::cout << output;
  return 0;
}

}  // namespace funkcja::cli
