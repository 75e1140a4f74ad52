// The cache of translations, keyed by the statement: a small map of each thread's recent
// statements in front of one process-wide map, both bounded by count and by the bytes their
// entries hold.
//
// A lookup that the thread's own map answers touches nothing another thread writes: no lock,
// no reference count, only a read of the cache's generation, which changes when the cache is
// cleared. Threads that send the same statements therefore do not slow each other down.
#include <atomic>
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

using Entries =
    std::unordered_map<std::string, std::shared_ptr<const Translation>, TextHash, std::equal_to<>>;

// Translations by statement, bounded by count and by the bytes they hold. A full cache is
// emptied and fills again with what is in use.
struct Cache {
  std::shared_mutex mutex;
  Entries entries;
  std::size_t bytes = 0;  // of every entry, as entry_bytes() counts it
  // Bumped by every clear; a thread's map made under an older generation is dropped. On a line
  // of its own: every lookup reads it, and the mutex beside it is written by every miss.
  alignas(64) std::atomic<std::uint64_t> generation{0};
};

Cache& cache() {
  static Cache* c = new Cache;  // used until the process ends, by every thread
  return *c;
}

// The calling thread's recent translations. Its entries share the translations of the
// process-wide cache, which stay alive while either map holds them.
struct ThreadCache {
  std::uint64_t generation = 0;
  Entries entries;
  std::size_t bytes = 0;
  // The last translation handed out that neither map keeps: alive until the thread's next call.
  std::shared_ptr<const Translation> last;
};

ThreadCache& thread_cache() {
  thread_local ThreadCache c;
  return c;
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

// The process-wide cache's translation of a statement, made and kept there when missing.
// A translation made while the cache was cleared (generation changed meanwhile) is not kept:
// it may predate what the clear was for.
std::shared_ptr<const Translation> shared_translation(std::string_view statement,
                                                      std::uint64_t generation) {
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
  if (c.generation.load(std::memory_order_relaxed) != generation) return made;
  if (const auto it = c.entries.find(statement); it != c.entries.end()) {
    return it->second;  // another thread's came first: one translation per statement
  }
  if (c.entries.size() >= kTranslationCacheEntries || c.bytes + bytes > kTranslationCacheBytes) {
    c.entries.clear();
    c.bytes = 0;
  }
  c.entries.emplace(std::string(statement), made);
  c.bytes += bytes;
  return made;
}

}  // namespace

const Translation& translate_cached(std::string_view statement) {
  ThreadCache& mine = thread_cache();
  const std::uint64_t generation = cache().generation.load(std::memory_order_acquire);
  if (mine.generation != generation) {
    mine.entries.clear();
    mine.bytes = 0;
    mine.generation = generation;
  }
  if (const auto it = mine.entries.find(statement); it != mine.entries.end()) {
    if (mine.last) mine.last.reset();
    return *it->second;
  }

  auto shared = shared_translation(statement, generation);
  const std::size_t bytes = entry_bytes(statement, *shared);
  if (bytes > kThreadTranslationEntryBytes) {
    mine.last = std::move(shared);
    return *mine.last;
  }
  if (mine.entries.size() >= kThreadTranslationEntries ||
      mine.bytes + bytes > kThreadTranslationBytes) {
    mine.entries.clear();
    mine.bytes = 0;
  }
  mine.last.reset();
  mine.bytes += bytes;
  return *mine.entries.emplace(std::string(statement), std::move(shared)).first->second;
}

void clear_translation_cache() {
  Cache& c = cache();
  std::unique_lock lock(c.mutex);
  c.entries.clear();
  c.bytes = 0;
  c.generation.fetch_add(1, std::memory_order_release);
}

std::size_t translation_cache_size() {
  std::shared_lock lock(cache().mutex);
  return cache().entries.size();
}

std::size_t translation_cache_bytes() {
  std::shared_lock lock(cache().mutex);
  return cache().bytes;
}

std::size_t thread_translation_cache_size() {
  return thread_cache().entries.size();
}

std::size_t thread_translation_cache_bytes() {
  return thread_cache().bytes;
}

}  // namespace funkcja::sqlite
