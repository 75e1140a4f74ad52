#include "host/platform/env.hpp"

#include <atomic>
#include <mutex>

namespace funkcja::platform {
namespace {

// The Env in use when one was installed; nullptr while the headless one is in use.
std::atomic<Env*> installed{nullptr};

// Owns the installed Env; the pointer above is what readers load.
struct Installed {
  std::mutex mutex;
  std::unique_ptr<Env> env;
};

Installed& owner() {
  static Installed* instance = new Installed;  // lives until the process ends
  return *instance;
}

}  // namespace

Env::~Env() = default;

std::unique_ptr<ReplacingFile> Env::replace_file(const std::string& path, int& error) {
  return ReplacingFile::open(path, error);
}

std::unique_ptr<SharedLibrary> Env::load_library(const std::string& path) {
  return SharedLibrary::open(path);
}

Env& Env::current() {
  if (Env* env = installed.load(std::memory_order_acquire); env != nullptr) return *env;
  return headless();
}

std::unique_ptr<Env> Env::install(std::unique_ptr<Env> env) {
  Installed& o = owner();
  std::lock_guard lock(o.mutex);
  installed.store(env.get(), std::memory_order_release);
  std::swap(o.env, env);
  return env;
}

}  // namespace funkcja::platform
