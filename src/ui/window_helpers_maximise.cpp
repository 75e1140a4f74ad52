// Sizing a window to fill the application frame. The frame is the first window of the thread
// $GGG:WATEKAPP; the window takes its width less the side margins and its height less the
// caption, the ribbon or toolbar band and the bottom margin, and stands at (0, 0).
#include <algorithm>
#include <cstdint>
#include <limits>

#include "host/dane/globals.hpp"
#include "host/platform/env.hpp"
#include "ui/procedures.hpp"
#include "ui/window.hpp"
#include "ui/window_threads.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::ui;
using dane::Global;

constexpr std::int32_t kRibbonHeight = 70;
constexpr std::int32_t kRibbonHeightLargeIcons = 62;
constexpr std::int32_t kToolbarHeight = 28;

bool is_one(Global g) {
  return dane::get_int(g) == 1;
}

}  // namespace

std::uint8_t MAKSYMALIZUJ() {
  Window* w = active_window();
  if (w == nullptr) return 0;
  if (!is_one(Global::GGG_MAKSYMALIZACJA_ROVAN) &&
      !is_one(Global::GGG_MAKSYMALIZACJA_ROVAN_BEZWARUNKOWO)) {
    return 0;
  }
  // The unconditional switch acts once.
  if (is_one(Global::GGG_MAKSYMALIZACJA_ROVAN_BEZWARUNKOWO)) {
    dane::set_number(Global::GGG_MAKSYMALIZACJA_ROVAN_BEZWARUNKOWO, 0);
  }
  // Sizes are worked out in 64 bits, so no margin can overflow them. A negative margin counts
  // as none: the window never grows past the frame by a margin.
  const auto margin = [](Global g) { return std::max<std::int64_t>(0, dane::get_int(g)); };
  platform::Env& env = platform::Env::current();
  const auto metric = [&env](std::int32_t index) { return env.system_metric(index); };
  const std::int64_t f = std::int64_t{metric(platform::kMetricSizingFrame)} - 4;
  const std::int64_t height_margin = margin(Global::GGG_MAKSYMALIZACJA_MARG_WYS) + f;
  const std::int64_t width_margin =
      margin(Global::GGG_MAKSYMALIZACJA_MARG_SZER) + f + (f > 1 ? 8 : 6);
  const std::int64_t caption = metric(platform::kMetricCaption);
  std::int64_t band = 0;
  if (dane::get_int(Global::GLO_RIBBONOFF) == 0) {
    band = metric(platform::kMetricIconWidth) > 32 ? kRibbonHeightLargeIcons : kRibbonHeight;
  } else if (is_one(Global::GGG_PARAMETR_UZ_TOOLBAR)) {
    band = kToolbarHeight;
  }
  // Without a frame window the application fills the screen.
  const Rect frame = frame_rect(dane::get_int(Global::GGG_WATEKAPP), true)
                         .value_or(Rect{0, 0, metric(platform::kMetricScreenWidth),
                                        metric(platform::kMetricScreenHeight)});
  const std::int64_t tall = std::int64_t{frame.height} - height_margin - caption - band;
  const std::int64_t wide = std::int64_t{frame.width} - width_margin;
  constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
  // A frame too small to hold the window, or metrics past any real screen.
  if (wide <= 0 || tall <= 0 || wide > kLargest || tall > kLargest) return 0;
  const auto width = static_cast<std::int32_t>(wide);
  const auto height = static_cast<std::int32_t>(tall);
  const Rect now = w->rect();
  if (now == Rect{0, 0, width, height}) return 2;
  w->set_rect({0, 0, width, height});
  w->post(event::kSized);
  return 1;
}

void MAKSYMALIZACJAOFF() {
  Window* w = active_window();
  if (w == nullptr || !is_one(Global::GGG_MAKSYMALIZACJA_ROVAN) || !w->maximized()) return;
  w->set_maximized(false);
  const std::int32_t notify = dane::get_int(Global::DANE_WATKI);
  if (notify > 0) post_event(notify, event::kMaximized);
}

}  // namespace funkcja::ui
