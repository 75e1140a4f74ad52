// The operation-number state of LOG_DODAJ, for a host that starts a new session (and tests).
#pragma once

namespace funkcja::lookups {

// Forgets the last operation key and number, as when the library was just loaded.
void reset_operation_numbers();

}  // namespace funkcja::lookups
