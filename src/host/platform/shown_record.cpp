#include "host/platform/shown_record.hpp"

#include <cstdio>

#include "frame/cp1250.hpp"

namespace funkcja::platform {
namespace {

const char* box_kind(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kWarning:
      return "warning";
    case MessageIcon::kQuestion:
      return "question";
    default:
      return "information";
  }
}

std::size_t size_of(const std::vector<std::string>& texts) {
  std::size_t n = 0;
  for (const auto& t : texts) n += t.size() + 8;
  return n;
}

std::size_t size_of(const ShownItem& item) {
  if (const auto* box = std::get_if<ShownBox>(&item.what)) {
    return 64 + box->caption.size() + box->text.size() + size_of(box->buttons);
  }
  if (const auto* d = std::get_if<ShownDialog>(&item.what)) {
    return 64 + d->title.size() + (d->answer ? d->answer->size() : 0);
  }
  const auto& w = std::get<ShownWindow>(item.what);
  return 64 + w.key.size() + w.caption.size() + size_of(w.controls) + w.closed.size();
}

// A control's description cut to the limit at a line break (a list's rows are lines).
void cut_long_controls(std::vector<std::string>& controls) {
  for (std::string& c : controls) {
    if (c.size() <= ShownRecord::kMaxControlBytes) continue;
    const auto nl = c.rfind('\n', ShownRecord::kMaxControlBytes);
    c.resize(nl != std::string::npos ? nl : ShownRecord::kMaxControlBytes);
    c += "\n    ...";
  }
}

std::string cp1250_string(std::string_view cp1250_text) {
  return json_string(cp1250::cp1250_to_utf8(cp1250_text));
}

template <class Texts, class Convert>
std::string array(const Texts& texts, Convert convert) {
  std::string out = "[";
  for (std::size_t i = 0; i < texts.size(); ++i) out += (i > 0 ? ", " : "") + convert(texts[i]);
  return out + "]";
}

std::string item_json(const ShownItem& item) {
  if (const auto* box = std::get_if<ShownBox>(&item.what)) {
    return std::string("{\"box\": \"") + box_kind(box->icon) +
           "\", \"caption\": " + cp1250_string(box->caption) +
           ", \"text\": " + cp1250_string(box->text) +
           ", \"buttons\": " + array(box->buttons, cp1250_string) +
           ", \"answer\": " + std::to_string(box->answer) + "}";
  }
  if (const auto* d = std::get_if<ShownDialog>(&item.what)) {
    return std::string("{\"dialog\": \"") + (d->save ? "save" : "folder") +
           "\", \"title\": " + cp1250_string(d->title) +
           ", \"answer\": " + (d->answer ? cp1250_string(*d->answer) : std::string("null")) + "}";
  }
  const auto& w = std::get<ShownWindow>(item.what);
  return "{\"window\": " + cp1250_string(w.key) + ", \"caption\": " + cp1250_string(w.caption) +
         ", \"controls\": " + array(w.controls, json_string) +
         ", \"closed\": " + (w.closed.empty() ? std::string("null") : json_string(w.closed)) + "}";
}

}  // namespace

std::string json_string(std::string_view utf8) {
  std::string out = "\"";
  out.reserve(utf8.size() + 2);
  for (const char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::uint64_t ShownRecord::add(std::variant<ShownBox, ShownWindow, ShownDialog> what) {
  std::lock_guard lock(mutex_);
  items_.push_back({next_id_++, std::move(what)});
  bytes_ += size_of(items_.back());
  trim();
  return items_.empty() ? 0 : items_.back().id;
}

// Drops the oldest items beyond the limits; the newest item always stays.
void ShownRecord::trim() {
  while (items_.size() > 1 && (items_.size() > kMaxItems || bytes_ > kMaxBytes)) {
    bytes_ -= size_of(items_.front());
    items_.pop_front();
  }
}

void ShownRecord::add_box(ShownBox box) {
  add(std::move(box));
}

void ShownRecord::add_dialog(ShownDialog dialog) {
  add(std::move(dialog));
}

std::uint64_t ShownRecord::window_opened(ShownWindow window) {
  cut_long_controls(window.controls);
  return add(std::move(window));
}

void ShownRecord::window_changed(std::uint64_t id, ShownWindow window) {
  cut_long_controls(window.controls);
  std::lock_guard lock(mutex_);
  // Items are in id order: search from the newest, as the window is usually among them.
  for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
    if (it->id < id) return;
    if (it->id == id) {
      bytes_ -= size_of(*it);
      it->what = std::move(window);
      bytes_ += size_of(*it);
      trim();
      return;
    }
  }
}

std::vector<ShownItem> ShownRecord::items() const {
  std::lock_guard lock(mutex_);
  return {items_.begin(), items_.end()};
}

std::string ShownRecord::json() const {
  std::lock_guard lock(mutex_);
  std::string out = "[";
  for (std::size_t i = 0; i < items_.size(); ++i) {
    out += (i > 0 ? ", " : "") + item_json(items_[i]);
  }
  return out + "]";
}

void ShownRecord::clear() {
  std::lock_guard lock(mutex_);
  items_.clear();
  bytes_ = 0;
}

ShownRecord& shown_record() {
  static ShownRecord* instance = new ShownRecord;  // used by every thread until the process ends
  return *instance;
}

}  // namespace funkcja::platform
