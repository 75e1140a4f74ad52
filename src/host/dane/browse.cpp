#include "host/dane/browse.hpp"

#include "frame/cp_literal.hpp"
#include "host/dane/tables.hpp"

namespace funkcja::dane {

using namespace funkcja::literals;

bool Browse::reset() {
  cursor_.reset();
  fetched_ = false;
  position_ = 0;
  error_.clear();
  Connection* connection = thread_connection();
  if (connection == nullptr) {
    error_ = "Brak połączenia z bazą danych."_cp;
    return false;
  }
  cursor_ = connection->execute(statement_, error_);
  if (!cursor_) {
    if (error_.empty()) error_ = "Błąd polecenia SQL."_cp;
    return false;
  }
  return true;
}

std::int32_t Browse::next() {
  fetched_ = false;
  if (!cursor_) return kNoMoreRows;
  std::string error;
  if (!cursor_->next(row_, error)) {
    cursor_.reset();
    if (error.empty()) return kNoMoreRows;
    error_ = std::move(error);
    return kDatabaseError;
  }
  fetched_ = true;
  ++position_;
  return kNoError;
}

bool Browse::copy(Queue& queue) const {
  if (!fetched_) return false;
  if (queue.of_texts()) queue.shape_buffer(row_.size());
  Group& buffer = queue.buffer();
  for (std::size_t i = 1; i <= buffer.field_count(); ++i) {
    const bool has_value = i <= row_.size() && row_[i - 1];
    buffer.set(i, has_value ? std::string_view(*row_[i - 1]) : std::string_view());
  }
  return true;
}

}  // namespace funkcja::dane
