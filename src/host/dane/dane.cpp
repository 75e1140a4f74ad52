#include "host/dane/dane.hpp"

namespace funkcja::dane {

void DataLibrary::DANE_INIT(ERRORCLASS* errors, INICLASS* settings) {
  std::lock_guard lock(mutex_);
  ++state_.init_calls;
  state_.errors = errors;
  state_.settings = settings;
  state_.running = true;
}

void DataLibrary::DANE_KILL() {
  std::lock_guard lock(mutex_);
  ++state_.kill_calls;
  state_.running = false;
}

DataLibrary::State DataLibrary::state() const {
  std::lock_guard lock(mutex_);
  return state_;
}

DataLibrary& data_library() {
  static DataLibrary* instance = new DataLibrary;  // shared by every thread until exit
  return *instance;
}

}  // namespace funkcja::dane
