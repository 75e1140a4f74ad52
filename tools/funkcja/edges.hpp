// Text at the command line's edges: UTF-8 on the terminal and in JSON, code page 1250 inside
// the library. The conversion is the library's own (fk_cp1250_to_utf8, fk_utf8_to_cp1250),
// bound once when the host opens the library.
#pragma once

#include <string>
#include <string_view>

#include "funkcja/funkcja.h"

namespace funkcja::cli {

class Host;

// Binds the conversions to the library that host opened; called by the Host itself.
void bind_edges(const Host& host);

std::string to_utf8(std::string_view cp1250);
std::string to_utf8(fk_text cp1250);

// The code page 1250 form of typed text; throws UsageError naming `what` and the offending
// byte when the text is not UTF-8 or holds a character outside code page 1250.
std::string to_cp1250(const std::string& utf8, const std::string& what);

}  // namespace funkcja::cli
