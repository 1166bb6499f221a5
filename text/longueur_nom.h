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

// Field 7 as the comment holds it, whatever it is ("x7" stays "x7"); empty when
// the comment has fewer than six ';'.
std::string_view ChampLongueurNom(std::string_view commentaire);

// The comment with field 7 replaced by these very bytes, as a restore puts back
// what a write replaced; unchanged when it has fewer than six ';'.
std::string RemplaceChampLongueurNom(std::string_view commentaire, std::string_view champ);

}  // namespace corrinom
