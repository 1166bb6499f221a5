// The demo account base, built into the program.
#include "accounts/store/base_demo.h"

#include <cstddef>

#include "accounts/store/magasin_sqlite.h"
#include "accounts/tsv_comptes.h"

namespace corrinom {

// Generated at build time from resources/demo/comptes.tsv.
extern const unsigned char kDonneesDemo[];
extern const std::size_t kTailleDonneesDemo;

std::string_view DonneesDemo() {
  return {reinterpret_cast<const char*>(kDonneesDemo), kTailleDonneesDemo};
}

bool EcritBaseDemo(const std::string& chemin, std::string& erreur) {
  std::vector<CompteBase> comptes;
  if (!ImporteTsv(DonneesDemo(), comptes, erreur)) {
    erreur = "Les donn\xE9" "es de la base de d\xE9monstration sont invalides. " + erreur;
    return false;
  }
  std::unique_ptr<MagasinSqlite> base = MagasinSqlite::OuvreOuCree(chemin, erreur);
  return base && base->ajoute(comptes, erreur);
}

}  // namespace corrinom
