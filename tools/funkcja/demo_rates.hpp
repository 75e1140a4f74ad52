// The demo's rate download: the day's NBP and ECB rates imported from the bundled recorded
// tables, served on the loopback interface.
#pragma once

#include <ostream>

#include "host.hpp"

namespace funkcja::cli {

void demo_rates(const Host& host, std::ostream& out);

}  // namespace funkcja::cli
