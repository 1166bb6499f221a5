// What --help and --version print. A window program has no console of its own:
// the text goes to the standard output (or error) when the caller redirected it,
// else to the console of the parent process when there is one, else into a box.
#pragma once

#include <string>

namespace corrinom::win32 {

// texte: UTF-8.
void EcritSortie(const std::string& texte, bool erreur);

}  // namespace corrinom::win32
