// The lexer of the server's dialect: blanks and comments skipped, N'...' read as '...',
// [names] and "names" as identifiers, variables (@) and a few operators refused.
#pragma once

#include <string_view>
#include <vector>

#include "host/sqlite/tsql_tokens.hpp"

namespace funkcja::sqlite::tsql {

// The tokens of a statement, ending with kEnd; throws Failure on what cannot be read.
std::vector<Token> tokenize(std::string_view s);

}  // namespace funkcja::sqlite::tsql
