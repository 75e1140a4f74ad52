// The selection bar of the library's lists: dark grey (808080) with white text while the list
// has the focus, light grey (C0C0C0) with black text otherwise. Windows call this on every
// event; the colours are changed only when they differ from the wanted ones.
#pragma once

#include <cstdint>

namespace funkcja::ui {

class Window;

// True when the colours had to be changed.
bool apply_selection_colours(Window& window, std::int32_t list);

}  // namespace funkcja::ui
