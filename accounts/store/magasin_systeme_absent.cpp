// Placeholder system store for builds that have none yet: says so in French.
#include "accounts/store/magasin_comptes.h"

namespace corrinom {

std::unique_ptr<MagasinComptes> OuvreMagasinSysteme(const ChoixMagasin&, std::string& erreur) {
  erreur = "La base de comptes du syst\xE8me n'est pas disponible sur cette machine.";
  return nullptr;
}

bool MagasinSystemeDemandeIdentifiants() { return false; }

}  // namespace corrinom
