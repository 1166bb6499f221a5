// How the journal names the store a run writes to, so that a restore can tell
// whether a journal belongs to the store it is given.
#pragma once

#include <string>

#include "accounts/store/magasin_comptes.h"
#include "session/demarrage.h"

namespace corrinom {

// The server's name (without leading backslashes) for the system's store, the
// machine's own name when no server is named, the base's full path for an
// embedded base (the demo's temporary copy included: `cheminBase`).
std::string NomMagasinJournal(const ChoixMagasin& choix, const std::string& cheminBase = {});

// The store start-up opened for `choix`.
std::string NomMagasinJournal(const ChoixMagasin& choix, const Demarrage& demarrage);

// This machine's name (UTF-8), empty when the system will not say.
std::string NomMachine();

}  // namespace corrinom
