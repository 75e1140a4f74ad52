// What the embedded web browser of a window holds: the pages it visited with the one it shows,
// and whether it keeps script errors to itself. The history behaves as a browser's: going back
// and forward moves along it, and opening a new page after going back drops the pages ahead.
//
//   BrowserState b;
//   b.navigate("https://a.example/  ");  // "https://a.example/" (trailing blanks removed)
//   b.navigate("https://b.example/");
//   b.back();                            // shows a again, b is ahead
//   b.navigate("https://c.example/");    // b is gone: the history is a, c
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace funkcja::ui {

struct BrowserState {
  // The oldest pages go first beyond this many, so a desktop left open for days stays small.
  static constexpr std::size_t kHistoryLimit = 100;

  std::vector<std::string> history;  // addresses, oldest first (code page 1250)
  std::int32_t position = 0;         // the page shown, 1-based; 0 before the first page
  // Counts every page load (a new page, back, forward, refresh), so that whoever draws the
  // browser sees a reload of the same address as a change.
  std::int32_t loads = 0;
  bool silent = false;  // script errors are not shown as dialogs

  // The address shown; empty before the first page.
  const std::string& address() const;
  bool can_go_back() const { return position > 1; }
  bool can_go_forward() const { return position < static_cast<std::int32_t>(history.size()); }

  // Each returns true when a page is loaded, false when there was nothing to do. navigate()
  // ignores an address that is empty once its trailing blanks are removed; the address of the
  // page shown loads it again without a new history entry.
  bool navigate(std::string_view address);
  bool back();
  bool forward();
  bool refresh();

  bool operator==(const BrowserState&) const = default;
};

}  // namespace funkcja::ui
