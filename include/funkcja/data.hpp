// C++ interface: data procedures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/export.h"
#include "funkcja/types.hpp"

namespace funkcja {}  // namespace funkcja
