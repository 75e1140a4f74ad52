// Types shared by the C++ interface of the library.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace funkcja {

// The caller's in/out text buffer: a terminated code page 1250 text in memory the caller owns,
// with a fixed capacity that counts the terminator. A written value keeps at most
// capacity - 1 characters.
class TextBuffer {
 public:
  TextBuffer(char* data, std::size_t capacity) : data_(data), capacity_(capacity) {}
  template <std::size_t N>
  explicit TextBuffer(char (&array)[N]) : TextBuffer(array, N) {}

  std::size_t capacity() const { return capacity_; }

  // The text as it stands: up to the terminator, or the whole buffer if there is none.
  std::string_view text() const {
    if (data_ == nullptr || capacity_ == 0) return {};
    const void* end = std::memchr(data_, '\0', capacity_);
    return {data_,
            end ? static_cast<std::size_t>(static_cast<const char*>(end) - data_) : capacity_};
  }

  // Writes value cut to capacity - 1 characters and terminates it.
  void assign(std::string_view value) {
    if (data_ == nullptr || capacity_ == 0) return;
    const std::size_t n = value.size() < capacity_ - 1 ? value.size() : capacity_ - 1;
    if (n > 0) std::memmove(data_, value.data(), n);
    data_[n] = '\0';
  }

 private:
  char* data_;
  std::size_t capacity_;
};

}  // namespace funkcja
