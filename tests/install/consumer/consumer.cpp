// A C++ host of the installed library: the C++ interface over the same procedures, and the
// version. Prints "ok", or what went wrong.
#include <cstdio>
#include <cstring>
#include <string>

#include "funkcja/funkcja.h"
#include "funkcja/funkcja.hpp"

namespace {

bool check(bool ok, const char* what, const std::string& got) {
  if (!ok) std::printf("%s: %s\n", what, got.c_str());
  return ok;
}

}  // namespace

int main() {
  const std::string replaced = funkcja::STR_REPLACE("Ala ma kota", "kota", "psa");
  if (!check(replaced == "Ala ma psa", "STR_REPLACE", replaced)) return 1;
  const std::string words = funkcja::SLOWNIE(2.0);
  if (!check(words.size() == 600 && words.compare(0, 5, " dwa ") == 0, "SLOWNIE", words)) return 1;
  if (!check(funkcja::SPR_MASKA("faktura.txt", "*.txt") == 0, "SPR_MASKA", "")) return 1;
  if (!check(!funkcja::get_global("NO_SUCH_GLOBAL").has_value(), "get_global", "")) return 1;
  if (!check(std::strcmp(funkcja_version(), FUNKCJA_VERSION_STRING) == 0, "funkcja_version",
             funkcja_version())) {
    return 1;
  }
  std::printf("ok\n");
  return 0;
}
