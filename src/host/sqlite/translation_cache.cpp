// The process-wide cache of translations, keyed by the statement and bounded by count and by
// the bytes its entries hold.
#include <mutex>
#include <shared_mutex>
#include <unordered_map>

#include "host/sqlite/translator.hpp"

namespace funkcja::sqlite {
namespace {

struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// Translations by statement, bounded by count and by the bytes they hold. A full cache is
// emptied and fills again with what is in use.
struct Cache {
  std::shared_mutex mutex;
  std::unordered_map<std::string, std::shared_ptr<const Translation>, TextHash, std::equal_to<>>
      entries;
  std::size_t bytes = 0;  // of every entry, as entry_bytes() counts it
};

Cache& cache() {
  static Cache* c = new Cache;  // used until the process ends, by every thread
  return *c;
}

// What an entry holds: the statement, its translation and the bookkeeping around them.
std::size_t entry_bytes(std::string_view statement, const Translation& t) {
  constexpr std::size_t kOverhead = 128;  // node, control block, string headers
  std::size_t n = kOverhead + statement.size() + t.sql.size() + t.error.size();
  if (t.call) {
    n += t.call->name.size();
    for (const CallArg& a : t.call->args) n += sizeof(CallArg) + a.text.size();
  }
  return n;
}

}  // namespace

std::shared_ptr<const Translation> translate_cached(std::string_view statement) {
  Cache& c = cache();
  {
    std::shared_lock lock(c.mutex);
    const auto it = c.entries.find(statement);
    if (it != c.entries.end()) return it->second;
  }
  auto made = std::make_shared<const Translation>(translate(statement));
  const std::size_t bytes = entry_bytes(statement, *made);
  if (bytes > kTranslationCacheEntryBytes) return made;  // used once or seldom: not kept
  std::unique_lock lock(c.mutex);
  if (c.entries.find(statement) != c.entries.end()) return made;  // another thread's is kept
  if (c.entries.size() >= kTranslationCacheEntries || c.bytes + bytes > kTranslationCacheBytes) {
    c.entries.clear();
    c.bytes = 0;
  }
  c.entries.emplace(std::string(statement), made);
  c.bytes += bytes;
  return made;
}

void clear_translation_cache() {
  std::unique_lock lock(cache().mutex);
  cache().entries.clear();
  cache().bytes = 0;
}

std::size_t translation_cache_size() {
  std::shared_lock lock(cache().mutex);
  return cache().entries.size();
}

std::size_t translation_cache_bytes() {
  std::shared_lock lock(cache().mutex);
  return cache().bytes;
}

}  // namespace funkcja::sqlite
