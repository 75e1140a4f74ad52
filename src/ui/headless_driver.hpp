// The headless backend: runs each window's modal loop from a script of user actions, one per
// line, and records what every window showed after each step.
//
//   key F10          a key (names as ui::key::parse reads them: Esc, Enter, Tab, Shift+Tab ...)
//   type TEXT        text typed into the focused control
//   click TEXT       the button (or check box) whose text is TEXT; "&" may be left out
//   choose N         row N of the focused list (choose N C: row N, column C of a grid)
//   double N         a double click on row N of the focused list (double N C: on a grid cell)
//   select N         the focus to control N
//   mouse N          a left click on control N
//   timer            one tick of the window's timer
//   size W H         the user resizes the window
//   close            the window's close box
//
// A browser control's page loads are written to the transcript as they happen ("  * #9 browser
// navigate "https://..."), several in one step included; its description shows the address it
// shows and its place in the history.
//
// Every window is also kept in the record of what was shown (host/platform/shown_record.hpp):
// its controls as they stood after the last step and the step that closed it.
//
// The script is shared by the whole process and read in order by whichever window runs. When
// it runs out, the window is answered as if Esc were pressed; a window that stays open after
// Esc is closed through its close box, and one that refuses even that is closed by force, so a
// run always ends.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.hpp"
#include "ui/window_backend.hpp"

namespace funkcja::ui {

struct Action {
  enum class Kind { kKey, kType, kClick, kChoose, kDouble, kSelect, kMouse, kTimer, kSize, kClose };
  Kind kind = Kind::kKey;
  std::int32_t number = 0;  // key code, row, control, width
  std::int32_t second = 0;  // height, column
  std::string text;         // typed text or button text (code page 1250)
  std::string line;         // the action as written
};

// One script line; nothing (and a reason in error) when it is not an action.
std::optional<Action> parse_action(std::string_view line, std::string& error);

// A window as it stood after a step.
struct WindowSnapshot {
  std::string key;
  std::string caption;
  Rect rect;
  std::int32_t focus = 0;
  bool closed = false;
  std::string step;  // "open", or the action's line
  std::vector<Control> controls;

  const Control* control(std::int32_t number) const;
  // The first control whose text is this one ("&" ignored).
  const Control* by_text(std::string_view text) const;
};

class HeadlessDriver : public WindowBackend {
 public:
  void run_modal(Window& window) override;
  void page_load(Window& window, std::int32_t browser, PageLoad why) override;

  void push(Action action);
  // Parses and queues one line; false (nothing queued) when it is not an action. Blank lines
  // and lines starting with "#" are accepted and ignored.
  bool push_line(std::string_view line, std::string* error = nullptr);
  std::size_t pending_actions() const;
  // Forgets the script, the snapshots and the transcript.
  void clear();

  // Prints each window and each step to stderr as it happens (the command-line host).
  void set_echo(bool on);
  // What every window showed, step by step, in UTF-8.
  std::string transcript() const;
  std::vector<WindowSnapshot> history() const;
  // Called on the window's thread after it opened and after each step.
  void set_observer(std::function<void(const Window&, const WindowSnapshot&)> observer);

 private:
  std::optional<Action> next_action();
  void record(const Window& window, std::string_view step, bool full, std::uint64_t& shown_id,
              std::string_view closed_by = {});

  mutable std::mutex mutex_;
  std::deque<Action> script_;
  std::deque<WindowSnapshot> history_;
  std::string transcript_;
  std::map<const Window*, std::string> page_loads_;  // since the window's last snapshot
  bool echo_ = false;
  std::function<void(const Window&, const WindowSnapshot&)> observer_;
};

HeadlessDriver& headless_driver();

// A control on one line, as transcripts show it: #3 button "Wykonaj" disabled (focus).
std::string describe_control(const Control& control, bool focused);

}  // namespace funkcja::ui
