// The running library's version, for hosts that check it against the headers they were built
// with.
#include "frame/export.hpp"
#include "funkcja/version.h"

extern "C" FK_API const char* funkcja_version(void) {
  return FUNKCJA_VERSION_STRING;
}
