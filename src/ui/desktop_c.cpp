// C export of the information desktop.
#include "frame/export.hpp"
#include "ui/desktop.hpp"

using namespace funkcja;

static_assert(FK_DESKTOP_EVENT_INDICATORS == ui::desktop::kIndicatorsEvent &&
              FK_DESKTOP_EVENT_SHORTCUTS == ui::desktop::kShortcutsEvent);

extern "C" FK_API void PULPITPROGRAMU(fk_text page_code) {
  abi::guarded_void([&] { ui::PULPITPROGRAMU(abi::in(page_code)); });
}
FK_REGISTER(PULPITPROGRAMU, "page_code");
