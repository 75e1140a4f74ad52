// The system clipboard, as text. The headless implementation keeps the text in memory, shared
// by every thread of the process as the system's clipboard would be.
#pragma once

#include <mutex>
#include <string>
#include <string_view>

namespace funkcja::platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void set_text(std::string_view text) = 0;  // code page 1250
  virtual std::string text() const = 0;
};

class HeadlessClipboard : public Clipboard {
 public:
  void set_text(std::string_view text) override;
  std::string text() const override;

 private:
  mutable std::mutex mutex_;
  std::string text_;
};

Clipboard& clipboard();
void set_clipboard(Clipboard* clipboard);  // nullptr: back to the headless one
HeadlessClipboard& headless_clipboard();

}  // namespace funkcja::platform
