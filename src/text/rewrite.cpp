// The replace loop of STR_REPLACE and STR_REPLACEUPPER on a gap buffer.
//
// Example, capacity 5000: text "a", find "a", replacement "ab". Every pass finds the "a" at
// position 1 again and puts "ab" in its place, so after the limit of 1000 passes the text is
// "a" followed by 1000 "b". Here every pass costs a few byte moves at the gap instead of a new
// search and a rebuild of the whole text.
//
// The buffer holds the text as two runs with a gap between them: the head (everything before
// the search point) at the front, and the rest behind the gap. Searching scans the rest; moving
// the search point moves characters across the gap; a replacement happens at the front of the
// rest, where the gap gives it room. The gap opens at the first replacement that needs it.
#include "text/rewrite.hpp"

#include <algorithm>
#include <cstring>
#include <utility>

#include "text/case.hpp"

namespace funkcja::text {
namespace {

class GapText {
 public:
  GapText(std::string_view text, std::size_t capacity) : capacity_(capacity) {
    buffer_.resize(text.size());
    rest_ = 0;
    end_ = text.size();
    if (!text.empty()) std::memcpy(buffer_.data(), text.data(), text.size());
  }

  std::size_t head() const { return head_; }
  std::string_view rest() const { return {buffer_.data() + rest_, end_ - rest_}; }

  // Moves the search point n characters forward (n <= rest().size()).
  void forward(std::size_t n) {
    if (n > 0 && head_ != rest_) std::memmove(buffer_.data() + head_, buffer_.data() + rest_, n);
    head_ += n;
    rest_ += n;
  }

  // Moves the search point n characters back (n <= head()).
  void back(std::size_t n) {
    head_ -= n;
    rest_ -= n;
    if (n > 0 && head_ != rest_) std::memmove(buffer_.data() + rest_, buffer_.data() + head_, n);
  }

  // Replaces the first `length` characters of the rest by `replacement`, then cuts the text
  // to its capacity.
  void replace_front(std::size_t length, std::string_view replacement) {
    rest_ += length;
    // Characters of the replacement that land beyond the capacity are cut at once.
    const std::size_t kept = std::min(replacement.size(), capacity_ - head_);
    if (rest_ - head_ < kept) make_room(kept);
    rest_ -= kept;
    if (kept > 0) std::memcpy(buffer_.data() + rest_, replacement.data(), kept);
    const std::size_t size = head_ + (end_ - rest_);
    if (size > capacity_) end_ -= size - capacity_;
  }

  // The text, in the buffer it was built in.
  std::string take() && {
    const std::size_t length = end_ - rest_;
    if (head_ != rest_ && length > 0) {
      std::memmove(buffer_.data() + head_, buffer_.data() + rest_, length);
    }
    buffer_.resize(head_ + length);
    return std::move(buffer_);
  }

 private:
  // Widens the gap to at least the text's size plus twice `needed`, moving the rest to the back
  // of the buffer (and growing the buffer when that is not enough). The gap shrinks by at most
  // one replacement per pass, so the moves cost no more per pass than the replacements do.
  void make_room(std::size_t needed) {
    const std::size_t length = end_ - rest_;
    const std::size_t wanted = 2 * (head_ + length + needed);
    if (buffer_.size() < wanted) {
      std::string wider(wanted, '\0');
      std::memcpy(wider.data(), buffer_.data(), head_);
      std::memcpy(wider.data() + wanted - length, buffer_.data() + rest_, length);
      buffer_.swap(wider);
    } else {
      std::memmove(buffer_.data() + buffer_.size() - length, buffer_.data() + rest_, length);
    }
    end_ = buffer_.size();
    rest_ = end_ - length;
  }

  std::string buffer_;
  std::size_t capacity_;
  std::size_t head_ = 0;  // [0, head_) is the text before the search point
  std::size_t rest_ = 0;  // [rest_, end_) is the text from the search point on
  std::size_t end_ = 0;
};

// First position of `needle` in `hay`: the first byte by memchr, the rest compared.
std::size_t find_exact(std::string_view hay, std::string_view needle) {
  if (needle.size() > hay.size()) return std::string_view::npos;
  const char* const begin = hay.data();
  const char* const last = begin + (hay.size() - needle.size());  // last possible start
  for (const char* p = begin; p <= last; ++p) {
    p = static_cast<const char*>(std::memchr(p, needle[0], static_cast<std::size_t>(last - p) + 1));
    if (p == nullptr) break;
    if (needle.size() == 1 || std::memcmp(p + 1, needle.data() + 1, needle.size() - 1) == 0) {
      return static_cast<std::size_t>(p - begin);
    }
  }
  return std::string_view::npos;
}

// First position of the upper-cased `needle` in `hay` compared by upper-case forms.
std::size_t find_ignoring_case(std::string_view hay, std::string_view needle) {
  if (needle.size() > hay.size()) return std::string_view::npos;
  const std::size_t last = hay.size() - needle.size();
  for (std::size_t i = 0; i <= last; ++i) {
    if (upper(hay[i]) != needle[0]) continue;
    std::size_t k = 1;
    while (k < needle.size() && upper(hay[i + k]) == needle[k]) ++k;
    if (k == needle.size()) return i;
  }
  return std::string_view::npos;
}

}  // namespace

std::string replace_first_repeatedly(std::string_view text, std::string_view find,
                                     std::string_view replacement, std::size_t capacity,
                                     std::size_t max_passes, Match match) {
  text = text.substr(0, std::min(text.size(), capacity));
  if (find.empty() || find.size() > text.size() || max_passes == 0) return std::string(text);
  std::string folded;
  if (match == Match::ignore_case) folded = upper(find);
  const std::string_view needle = match == Match::ignore_case ? std::string_view(folded) : find;
  replacement = replacement.substr(0, std::min(replacement.size(), capacity));

  GapText gap(text, capacity);
  for (std::size_t pass = 0; pass < max_passes; ++pass) {
    const std::string_view rest = gap.rest();
    const std::size_t at =
        match == Match::ignore_case ? find_ignoring_case(rest, needle) : find_exact(rest, needle);
    if (at == std::string_view::npos) break;
    gap.forward(at);
    gap.replace_front(needle.size(), replacement);
    // The next first occurrence starts no earlier than needle.size() - 1 characters back.
    gap.back(std::min(gap.head(), needle.size() - 1));
  }
  return std::move(gap).take();
}

}  // namespace funkcja::text
