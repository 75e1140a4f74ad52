// The demo's company-register lookup: a contractor group filled by PODAJDANEGUS from a recorded
// register answer, served on the loopback interface, through a scripted search window.
#pragma once

#include <ostream>

#include "host.hpp"

namespace funkcja::cli {

void demo_gus(const Host& host, std::ostream& out);

}  // namespace funkcja::cli
