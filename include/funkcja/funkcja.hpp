// The C++ interface of funkcja: every procedure under its own name in namespace funkcja,
// std::string_view in, std::string out. Inline code over the C interface (C++17 or later);
// link with libfunkcja.
#pragma once

#include "funkcja/banks.hpp"
#include "funkcja/browse_config.hpp"
#include "funkcja/calendar.hpp"
#include "funkcja/calendar_windows.hpp"
#include "funkcja/codepage.hpp"
#include "funkcja/data.hpp"
#include "funkcja/desktop.hpp"
#include "funkcja/exchange.hpp"
#include "funkcja/filter_rewrite.hpp"
#include "funkcja/filters.hpp"
#include "funkcja/gateway.hpp"
#include "funkcja/lifecycle.hpp"
#include "funkcja/lookups.hpp"
#include "funkcja/mask.hpp"
#include "funkcja/messages.hpp"
#include "funkcja/objects.hpp"
#include "funkcja/strings.hpp"
#include "funkcja/tree_filters.hpp"
#include "funkcja/types.hpp"
#include "funkcja/validation.hpp"
#include "funkcja/window_builder.hpp"
#include "funkcja/windows.hpp"
#include "funkcja/words.hpp"
