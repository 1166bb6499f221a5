// The store's name in the journal.
#include "session/nom_magasin.h"

#include <cstdlib>
#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "text/fichier.h"

namespace corrinom {

std::string NomMachine() {
#ifdef _WIN32
  // The NetBIOS name, as the system's own tools show it.
  const char* nom = std::getenv("COMPUTERNAME");
  return nom ? nom : "";
#else
  char nom[256] = {};
  if (gethostname(nom, sizeof nom - 1) != 0) return {};
  return nom;
#endif
}

std::string NomMagasinJournal(const ChoixMagasin& choix, const std::string& cheminBase) {
  if (choix.sorte != ChoixMagasin::Sorte::Systeme) {
    const std::string& chemin = cheminBase.empty() ? choix.fichier : cheminBase;
    std::error_code ec;
    const std::filesystem::path complet = std::filesystem::weakly_canonical(CheminUtf8(chemin), ec);
    return NomUtf8(ec ? std::filesystem::absolute(CheminUtf8(chemin), ec) : complet);
  }
  const std::size_t debut = choix.serveur.find_first_not_of('\\');
  if (debut != std::string::npos) return choix.serveur.substr(debut);
  return NomMachine();
}

std::string NomMagasinJournal(const ChoixMagasin& choix, const Demarrage& demarrage) {
  return NomMagasinJournal(ChoixAvecServeurComptes(choix, demarrage.serveurComptes),
                           demarrage.magasin.cheminBase);
}

}  // namespace corrinom
