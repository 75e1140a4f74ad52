#include "ui/window.hpp"
#include "frame/number_text.hpp"

#include <mutex>

#include "host/platform/env.hpp"
#include "ui/key_navigator.hpp"
#include "ui/window_backend.hpp"
#include "ui/window_threads.hpp"

namespace funkcja::ui {
namespace {

// Events and keys one input may cause before the window stops processing them: two handlers
// that keep posting to each other must not hang the thread.
constexpr int kMaxStepsPerInput = 100000;

// Keystrokes sent through the platform reach the calling thread's active window, as the system
// delivers them to the window that has the keyboard.
void route_keystrokes_to_windows() {
  static std::once_flag once;
  std::call_once(once, [] {
    platform::Env::current().route_keys([](std::int32_t code) {
      if (Window* w = active_window()) w->buffer_key(code);
    });
  });
}

bool takes_focus(const Control& c) {
  return control_type::focusable(c.type) && c.enabled && !c.hidden;
}

bool is_stop(const Control& c) {
  return takes_focus(c) && !c.skip;
}

}  // namespace

Window::Window(WindowOptions options) : options_(std::move(options)), rect_(options_.rect) {
  route_keystrokes_to_windows();
}

Window::~Window() = default;

std::int32_t Window::add(std::int32_t type, std::string_view text, Rect rect) {
  Control c;
  c.number = static_cast<std::int32_t>(controls_.size()) + 1;
  c.type = type;
  c.text = text;
  c.rect = rect;
  controls_.push_back(std::move(c));
  return controls_.back().number;
}

Control& Window::control(std::int32_t number) {
  if (number >= 1 && number <= last_control()) {
    return controls_[static_cast<std::size_t>(number - 1)];
  }
  scratch_ = Control{};
  return scratch_;
}

const Control* Window::find(std::int32_t number) const {
  if (number >= 1 && number <= last_control()) {
    return &controls_[static_cast<std::size_t>(number - 1)];
  }
  return nullptr;
}

void Window::bind_key(std::int32_t key_code, std::int32_t button) {
  key_bindings_[key_code] = button;
}

void Window::alert(std::int32_t key_code) {
  if (!alerted(key_code)) window_alerts_.push_back(key_code);
}

bool Window::alerted(std::int32_t key_code) const {
  for (const std::int32_t k : window_alerts_) {
    if (k == key_code) return true;
  }
  return false;
}

Rect Window::rect() const {
  std::lock_guard lock(shared_mutex_);
  return rect_;
}

void Window::set_rect(Rect rect) {
  std::lock_guard lock(shared_mutex_);
  rect_ = rect;
}

bool Window::maximized() const {
  std::lock_guard lock(shared_mutex_);
  return maximized_;
}

void Window::set_maximized(bool on) {
  std::lock_guard lock(shared_mutex_);
  maximized_ = on;
}

void Window::select(std::int32_t number) {
  const Control* c = find(number);
  if (c == nullptr || !takes_focus(*c)) return;
  focus_ = number;
  post(event::kSelected, number);
}

std::int32_t Window::next_stop(std::int32_t from) const {
  const std::int32_t n = last_control();
  for (std::int32_t i = 1; i <= n; ++i) {
    const std::int32_t candidate = (((from - 1 + i) % n) + n) % n + 1;
    if (is_stop(controls_[static_cast<std::size_t>(candidate - 1)])) return candidate;
  }
  return from;
}

std::int32_t Window::previous_stop(std::int32_t from) const {
  const std::int32_t n = last_control();
  for (std::int32_t i = 1; i <= n; ++i) {
    const std::int32_t candidate = (((from - 1 - i) % n) + n) % n + 1;
    if (is_stop(controls_[static_cast<std::size_t>(candidate - 1)])) return candidate;
  }
  return from;
}

void Window::buffer_key(std::int32_t key_code) {
  keyboard_.push_back(key_code);
}

void Window::post(std::int32_t event_number, std::int32_t control, std::int32_t key_code) {
  pending_.push_back({event_number, control, key_code});
}

void Window::close() {
  closed_ = true;
}

void Window::dispatch(const Pending& p) {
  event_ = p.event;
  field_ = p.field;
  keycode_ = p.key;
  keep_open_ = false;
  if (navigator_ && navigator_->TakeEvent() != 0) return;
  on_event();
  if (p.event == event::kCloseWindow && !keep_open_) closed_ = true;
}

void Window::process_pending() {
  for (int step = 0; step < kMaxStepsPerInput && !closed_; ++step) {
    if (!pending_.empty()) {
      const Pending p = pending_.front();
      pending_.pop_front();
      dispatch(p);
    } else if (!keyboard_.empty()) {
      const std::int32_t k = keyboard_.front();
      keyboard_.pop_front();
      process_key(k);
    } else {
      return;
    }
  }
}

// Moving the focus away from a control that was typed into accepts it first.
void Window::leave_focus_for(std::int32_t target, std::int32_t key_code) {
  if (Control* c = focus_ != 0 ? &control(focus_) : nullptr; c != nullptr && c->dirty) {
    c->dirty = false;
    post(event::kAccepted, focus_, key_code);
  }
  const Control* t = find(target);
  if (t == nullptr || !takes_focus(*t)) return;
  focus_ = target;
  post(event::kSelected, target, key_code);
}

// A button, check box or radio pressed: the check box toggles, the radio turns on.
void Window::press(std::int32_t number, std::int32_t key_code) {
  const Control* found = find(number);
  if (found == nullptr || !found->enabled || found->hidden) return;
  Control& c = control(number);
  if (c.type == control_type::kCheck) c.value = c.value != 0 ? 0 : 1;
  if (c.type == control_type::kRadio) c.value = 1;
  post(event::kAccepted, number, key_code);
}

namespace {

// Typing into an entry replaces its selected characters, or adds to its end.
void type_into(Control& c, std::string_view text) {
  if (c.sel_start >= 1 && c.sel_end >= c.sel_start &&
      static_cast<std::size_t>(c.sel_start) <= c.text.size() + 1) {
    const auto from = static_cast<std::size_t>(c.sel_start - 1);
    const std::size_t count =
        std::min(static_cast<std::size_t>(c.sel_end - c.sel_start + 1), c.text.size() - from);
    c.text.replace(from, count, text);
  } else {
    c.text += text;
  }
  c.sel_start = c.sel_end = 0;
  c.dirty = true;
  if (c.type == control_type::kSpin) {
    c.value = text::read_int32(c.text).optional().value_or(0);
  }
}

void erase_back(Control& c) {
  if (c.sel_start >= 1 && c.sel_end >= c.sel_start) {
    type_into(c, "");
  } else if (!c.text.empty()) {
    c.text.pop_back();
    c.dirty = true;
  }
}

}  // namespace

void Window::process_key(std::int32_t k) {
  Control* c = focus_ != 0 ? &control(focus_) : nullptr;
  if ((c != nullptr && c->traps(k)) || alerted(k)) {
    post(event::kAlertKey, focus_, k);
    return;
  }
  if (const auto bound = key_bindings_.find(k); bound != key_bindings_.end()) {
    press(bound->second, k);
    return;
  }
  const std::int32_t type = c != nullptr ? c->type : 0;
  namespace ct = control_type;
  switch (k) {
    case key::kTab:
      leave_focus_for(next_stop(focus_), k);
      return;
    case key::kShiftTab:
      leave_focus_for(previous_stop(focus_), k);
      return;
    case key::kEsc:
      post(event::kCloseWindow, 0, k);
      return;
    default:
      break;
  }
  if (c == nullptr) return;
  if (type == ct::kButton || type == ct::kCheck || type == ct::kRadio) {
    if (k == key::kEnter || k == key::kSpace) press(focus_, k);
    return;
  }
  if (ct::has_rows(type) && !ct::editable(type)) {
    const auto count = static_cast<std::int32_t>(c->rows.size());
    std::int32_t row = c->selected;
    switch (k) {
      case key::kEnter:
        post(event::kAccepted, focus_, k);
        return;
      case key::kUp:
        row = std::max(1, row - 1);
        break;
      case key::kDown:
        row = std::min(count, row + 1);
        break;
      case key::kHome:
        row = 1;
        break;
      case key::kEnd:
        row = count;
        break;
      default:
        return;
    }
    if (count > 0 && row != c->selected) {
      c->selected = row;
      post(event::kNewSelection, focus_, k);
    }
    return;
  }
  if (!ct::editable(type) || c->read_only) return;
  const bool multi_line = type == ct::kText || type == ct::kRichText;
  switch (k) {
    case key::kEnter:
      if (multi_line) {
        type_into(*c, "\r\n");
      } else if (c->dirty) {
        c->dirty = false;
        post(event::kAccepted, focus_, k);
      }
      return;
    case key::kShiftEnter:
      if (multi_line) type_into(*c, "\r\n");
      return;
    case key::kSpace:
      type_into(*c, " ");
      break;
    case key::kBackspace:
    case key::kDelete:
      erase_back(*c);
      break;
    case key::kUp:
    case key::kDown:
      if (type != ct::kSpin) return;
      c->value += k == key::kUp ? 1 : -1;
      c->text = std::to_string(c->value);
      c->dirty = true;
      post(event::kNewSelection, focus_, k);
      return;
    default:
      return;
  }
  if (c->immediate) post(event::kNewSelection, focus_, k);
}

void Window::user_key(std::int32_t key_code) {
  buffer_key(key_code);
  process_pending();
}

void Window::user_type(std::string_view text) {
  if (focus_ != 0) {
    Control& c = control(focus_);
    if (control_type::editable(c.type) && !c.read_only && c.enabled && !c.hidden) {
      type_into(c, text);
      if (c.immediate) post(event::kNewSelection, focus_);
    }
  }
  process_pending();
}

void Window::user_click(std::int32_t number) {
  const Control* c = find(number);
  if (c != nullptr && c->enabled && !c->hidden) {
    if (control_type::focusable(c->type) && number != focus_) {
      leave_focus_for(number, key::kMouseLeft);
    }
    const std::int32_t type = c->type;
    if (type == control_type::kButton || type == control_type::kCheck ||
        type == control_type::kRadio) {
      press(number, key::kMouseLeft);
    } else {
      post(event::kMouseDown, number, key::kMouseLeft);
    }
  }
  process_pending();
}

void Window::user_choose(std::int32_t row, std::int32_t column, bool twice) {
  if (focus_ != 0) {
    Control& c = control(focus_);
    if (control_type::has_rows(c.type) && row >= 1 &&
        row <= static_cast<std::int32_t>(c.rows.size())) {
      c.selected = row;
      if (column > 0) c.value = column;
      post(event::kNewSelection, focus_);
      if (twice) post(event::kAccepted, focus_, key::kMouseLeft);
    }
  }
  process_pending();
}

void Window::user_select(std::int32_t number) {
  if (number != focus_) leave_focus_for(number, 0);
  process_pending();
}

void Window::user_close() {
  post(event::kCloseWindow);
  process_pending();
}

void Window::user_timer() {
  post(event::kTimer);
  process_pending();
}

void Window::user_resize(std::int32_t width, std::int32_t height) {
  if (!options_.resizable || width <= 0 || height <= 0) return;
  Rect r = rect();
  r.width = width;
  r.height = height;
  set_rect(r);
  post(event::kSized);
  process_pending();
}

void Window::deliver_posted(std::int32_t event_number) {
  post(event_number);
  process_pending();
}

void Window::setup_navigator(KeyNavigator& /*navigator*/) {}

void Window::run() {
  if (opened_) return;
  opened_ = true;
  register_window(this);
  // The window leaves the registry and performs its close steps however the run ends.
  struct Finish {
    Window& w;
    ~Finish() {
      try {
        w.close_steps();
      } catch (...) {
      }
      unregister_window(&w);
    }
  } finish{*this};
  open_steps();
  if (focus_ == 0) {
    const std::int32_t first = next_stop(0);
    if (const Control* c = find(first); c != nullptr && is_stop(*c)) focus_ = first;
  }
  on_open();
  post(event::kOpenWindow);
  process_pending();
  if (!closed_) window_backend().run_modal(*this);
}

}  // namespace funkcja::ui
