// Field 7 of a TAVO user comment: the length of the last name at the start of
// the full name. The write-back replaces it, and the marks compare with what it
// would put there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corrinom {

// The comment with field 7 replaced by n; unchanged when it has fewer than six
// ';'. The ';' are the same bytes in CP1252 and UTF-8, so either text may be given.
std::string RemplaceLongueurNom(std::string_view commentaire, std::int64_t n);

}  // namespace corrinom
