// Comparison keys shared by the matching passes (internal to the library).
#pragma once

#include <string>
#include <string_view>

namespace corrinom::detail {

// EnleveAccents, then ASCII a-z to A-Z: two texts are equal as keys exactly when
// their folded forms are equal case-insensitively (same length, same bytes otherwise).
std::string CleNom(std::string_view texte);

// Appends CleNom(texte) to sortie without building the intermediate texts.
// EnleveAccents works byte by byte, so the key is one table look-up per byte.
void AjouteCleNom(std::string& sortie, std::string_view texte);

}  // namespace corrinom::detail
