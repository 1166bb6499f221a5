#include "reconcile/etat.h"

#include <utility>

namespace corrinom {

LigneCompte LigneCompte::Libre(std::string login, std::string nom, std::string prenoms,
                               std::string dateNaiss) {
  LigneCompte ligne;
  ligne.login = std::move(login);
  ligne.sousItems.reserve(kSousItemsAttache);
  ligne.sousItems.push_back(std::move(nom));
  ligne.sousItems.push_back(std::move(prenoms));
  ligne.sousItems.push_back(std::move(dateNaiss));
  ligne.marque = Marque::NePasChanger;
  return ligne;
}

int Compteurs::de(Marque marque) const {
  switch (marque) {
    case Marque::NePasChanger: return nePasChanger;
    case Marque::DejaBon: return dejaBon;
    case Marque::ModificationMineure: return modificationsMineures;
    case Marque::ModificationImportante: return modificationsImportantes;
  }
  return 0;
}

const std::string& LigneCompte::sousItem(std::size_t i) const {
  static const std::string vide;
  return i < sousItems.size() ? sousItems[i] : vide;
}

void AttachePersonne(LigneCompte& ligne, std::string nom, std::string prenoms,
                     std::string dateNaiss) {
  // A row always carries its first three sub-items; pad a malformed one so that the
  // person lands at positions 3, 4 and 5 and nowhere else.
  if (ligne.sousItems.size() < kSousItemsLibre) ligne.sousItems.resize(kSousItemsLibre);
  ligne.sousItems.push_back(std::move(nom));
  ligne.sousItems.push_back(std::move(prenoms));
  ligne.sousItems.push_back(std::move(dateNaiss));
}

void DetachePersonne(LigneCompte& ligne) {
  if (ligne.sousItems.size() > kSousItemsLibre) ligne.sousItems.resize(kSousItemsLibre);
}

}  // namespace corrinom
