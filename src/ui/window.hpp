// A window of the library: numbered controls with their properties, the events it reacts to,
// the keyboard focus, its own keyboard buffer, and a modal run on the calling thread.
//
// Every window is written once against this class. A window procedure derives from Window,
// adds its controls in the constructor, reacts to events in on_event() (reading event(),
// field() and keycode() as they stand), and calls run(), which performs the open steps, hands
// the window to the backend's modal loop and performs the close steps when it closes:
//
//   class Question : public Window {
//    public:
//     Question() : Window({"Pytanie", "Program"}) {
//       ok_ = add(control_type::kButton, "OK");
//     }
//     bool confirmed = false;
//    protected:
//     void on_event() override {
//       if (event() == event::kAccepted && field() == ok_) { confirmed = true; close(); }
//     }
//    private:
//     std::int32_t ok_ = 0;
//   };
//
// The backend (headless script driver, or a toolkit) feeds the user's input through the
// user_* functions; each one queues the events it causes and processes them, with any keys
// that arrived in the keyboard buffer meanwhile, before it returns.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.hpp"

namespace funkcja::ui {

class KeyNavigator;

struct WindowOptions {
  WindowOptions() = default;
  WindowOptions(std::string window_key, std::string window_caption)
      : key(std::move(window_key)), caption(std::move(window_caption)) {}

  std::string key;      // the window procedure's name: settings section, error manager
  std::string caption;  // code page 1250
  Rect rect;
  bool remember_position = true;  // restore and save position and size under key
  bool resizable = false;
  bool visible = true;
};

class Window {
 public:
  explicit Window(WindowOptions options);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // ---- Building ----
  // Adds a control; its number is the next one, starting at 1.
  std::int32_t add(std::int32_t type, std::string_view text = {}, Rect rect = {});
  // The control of that number; a number that does not exist gives a scratch control that
  // belongs to no window, so a wrong number never touches another control.
  Control& control(std::int32_t number);
  const Control* find(std::int32_t number) const;
  std::int32_t first_control() const { return controls_.empty() ? 0 : 1; }
  std::int32_t last_control() const { return static_cast<std::int32_t>(controls_.size()); }
  const std::deque<Control>& controls() const { return controls_; }

  // A key that presses a button wherever the focus is (F10 for the confirm button).
  void bind_key(std::int32_t key_code, std::int32_t button);
  // A key that raises the alert-key event in every control of the window.
  void alert(std::int32_t key_code);
  bool alerted(std::int32_t key_code) const;

  // ---- The window's own properties ----
  const std::string& key() const { return options_.key; }
  const std::string& caption() const { return options_.caption; }
  void set_caption(std::string_view caption) { options_.caption = caption; }
  bool remember_position() const { return options_.remember_position; }
  bool resizable() const { return options_.resizable; }
  bool visible() const { return options_.visible; }
  // Position and size may be read and set from any thread (the application frame is sized
  // from the windows of other threads).
  Rect rect() const;
  void set_rect(Rect rect);
  bool maximized() const;
  void set_maximized(bool on);
  std::int32_t timer() const { return timer_; }
  void set_timer(std::int32_t hundredths) { timer_ = hundredths; }

  // ---- Current event ----
  std::int32_t event() const { return event_; }
  std::int32_t field() const { return field_; }
  std::int32_t keycode() const { return keycode_; }
  std::int32_t focus() const { return focus_; }
  KeyNavigator* navigator() { return navigator_.get(); }

  // ---- Acting on the window ----
  // Gives a control the focus and raises its selected event.
  void select(std::int32_t number);
  // The natural next and previous stops after a control: the following (preceding) control,
  // in number order and wrapping round, that takes the focus and is enabled and shown. The
  // control itself when there is no other.
  std::int32_t next_stop(std::int32_t from) const;
  std::int32_t previous_stop(std::int32_t from) const;
  // A key into the window's keyboard buffer, processed as if typed once the current event is
  // done.
  void buffer_key(std::int32_t key_code);
  // Queues an event for this window; it is processed after the current one.
  void post(std::int32_t event_number, std::int32_t control = 0, std::int32_t key_code = 0);
  // Ends the modal run once the current event is done.
  void close();
  // Called while handling the close-window event: the window stays open.
  void keep_open() { keep_open_ = true; }
  bool closed() const { return closed_; }
  bool opened() const { return opened_; }

  // ---- The embedded web browser (a control of type kBrowser) ----
  // Each loads a page in the browser control and has the backend show it; false, and nothing
  // loaded, when the control is not a browser or there is nowhere to go (BrowserState).
  bool browser_navigate(std::int32_t browser, std::string_view address);
  bool browser_back(std::int32_t browser);
  bool browser_forward(std::int32_t browser);
  bool browser_refresh(std::int32_t browser);

  // ---- The user's input, from the backend ----
  void user_key(std::int32_t key_code);
  void user_type(std::string_view text);  // into the focused control
  void user_click(std::int32_t number);   // left mouse button
  // A row of the focused list; column (from 1) picks a cell of a list that shows cells and
  // goes to the list's value; twice is a double click, which also accepts the row.
  void user_choose(std::int32_t row, std::int32_t column = 0, bool twice = false);
  void user_select(std::int32_t number);  // focus moved by the user to a control
  void user_close();                      // the close box
  void user_timer();                      // one tick of the window's timer
  void user_resize(std::int32_t width, std::int32_t height);
  void deliver_posted(std::int32_t event_number);  // an event posted from another thread
  // Processes queued events and buffered keys until none is left or the window closed.
  void process_pending();

  // Runs the window modally on the calling thread: open steps, the backend's loop until the
  // window closes, close steps. A window runs once.
  void run();
  // Closes at once, without the close-window event: the last resort of a backend whose input
  // is exhausted and whose window refuses to close.
  void force_close() { closed_ = true; }

 protected:
  // Called once, after the open steps and before the open-window event.
  virtual void on_open() {}
  // Every event, after the keyboard navigator had its turn.
  virtual void on_event() {}
  // Between constructing the keyboard navigator and its Init: exclude controls, add explicit
  // tab stops.
  virtual void setup_navigator(KeyNavigator& navigator);

 private:
  struct Pending {
    std::int32_t event = 0;
    std::int32_t field = 0;
    std::int32_t key = 0;
  };
  void dispatch(const Pending& p);
  void process_key(std::int32_t key_code);
  void leave_focus_for(std::int32_t target, std::int32_t key_code);
  void press(std::int32_t number, std::int32_t key_code);
  void open_steps();
  void close_steps();

  WindowOptions options_;
  mutable std::mutex shared_mutex_;  // guards rect and maximized
  Rect rect_;
  bool maximized_ = false;
  std::deque<Control> controls_;
  Control scratch_;
  std::map<std::int32_t, std::int32_t> key_bindings_;
  std::vector<std::int32_t> window_alerts_;
  std::int32_t timer_ = 0;

  std::int32_t event_ = 0;
  std::int32_t field_ = 0;
  std::int32_t keycode_ = 0;
  std::int32_t focus_ = 0;
  std::deque<Pending> pending_;
  std::deque<std::int32_t> keyboard_;
  bool closed_ = false;
  bool opened_ = false;
  bool keep_open_ = false;
  std::unique_ptr<KeyNavigator> navigator_;
};

}  // namespace funkcja::ui
