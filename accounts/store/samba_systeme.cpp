// On Linux the system's account store is Samba's, reached through libnetapi.
#include "accounts/store/samba_store.h"

namespace corrinom {

std::unique_ptr<MagasinComptes> OuvreMagasinSysteme(const ChoixMagasin& choix, std::string& erreur) {
  return OuvreMagasinSamba(choix, erreur);
}

bool MagasinSystemeDemandeIdentifiants() { return true; }

}  // namespace corrinom
