// The French text of an error code for the operator.
#pragma once

#include <cstdint>
#include <string>

namespace corrinom {

// The fixed table for our own codes and two network codes, else the operating
// system's text (trimmed, on one line), else "Erreur n°" and the code.
// Codes are signed: a status read as an unsigned value wraps to its negative.
std::string MessErreur(std::int32_t code);

// The Windows code, one MessErreur has a text for, of a C library error number met
// while opening or reading a file: 2 no such file, 3 path not found (a path through
// a file), 5 access denied, 206 name too long, 223 file too large, 1921 symbolic-link
// loop, ...; 0 for 0. The file reader tells a missing folder (3) from a missing
// file (2) itself, as the error number does not.
std::int32_t CodeErreurFichier(int numero);

// A system message text made one line: trailing control characters, blanks and
// full stops removed, then every line break (CR LF, or a lone CR or LF) inside
// replaced by one blank.
std::string TexteSystemeSurUneLigne(std::string texte);

}  // namespace corrinom
