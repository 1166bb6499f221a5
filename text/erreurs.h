// The French text of an error code for the operator.
#pragma once

#include <cstdint>
#include <string>

namespace corrinom {

// The fixed table for our own codes and two network codes, else the operating
// system's text (trimmed, on one line), else "Erreur n°" and the code.
// Codes are signed: a status read as an unsigned value wraps to its negative.
std::string MessErreur(std::int32_t code);

// A system message text made one line: trailing control characters, blanks and
// full stops removed, then every line break (CR LF, or a lone CR or LF) inside
// replaced by one blank.
std::string TexteSystemeSurUneLigne(std::string texte);

}  // namespace corrinom
