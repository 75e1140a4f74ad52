// Writing a whole file so that a failure never leaves a half-written file where a good one
// stood: the content goes to a temporary file beside the target, which is flushed and then
// renamed into place.
#pragma once

#include <string>
#include <string_view>

namespace funkcja::platform {

// Writes content to path through a temporary file and a rename; creates missing parent
// folders. False (and the old file untouched) on any failure.
bool write_file_atomically(const std::string& path, std::string_view content);

// The whole content of a file; nothing when it cannot be read.
bool read_file(const std::string& path, std::string& content);

}  // namespace funkcja::platform
