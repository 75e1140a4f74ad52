// `funkcja demo`: a short tour of what the library does, called through the C interface.
#pragma once

#include <ostream>

#include "host.hpp"

namespace funkcja::cli {

int demo(const Host& host, std::ostream& out);

}  // namespace funkcja::cli
