// The account store over Samba's libnetapi, which speaks the NetApi calls to a
// Samba (or Windows) server. The library is resolved at run time so that the
// program starts, and says what is missing, where Samba is not installed.
#pragma once

#include <memory>
#include <string>

#include "accounts/store/magasin_comptes.h"

namespace corrinom {

inline constexpr const char* kBibliothequeNetapi = "libnetapi.so.1";

// Opens a session on `choix.serveur` (empty: this machine) as `choix.utilisateur`
// with `choix.motDePasse`. Returns null and a French CP1252 text in `erreur` when
// the library cannot be loaded or initialised. The credentials are always handed
// to the library before any call, so that it never asks on the terminal.
std::unique_ptr<MagasinComptes> OuvreMagasinSamba(const ChoixMagasin& choix, std::string& erreur,
                                                  const char* bibliotheque = kBibliothequeNetapi);

}  // namespace corrinom
