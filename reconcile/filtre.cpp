#include "reconcile/filtre.h"

#include "reconcile/cles.h"

namespace corrinom {

bool MarqueRetenue(ChoixMarques choix, Marque marque) {
  switch (choix) {
    case ChoixMarques::Tous:
      return true;
    case ChoixMarques::NePasChanger:
      return marque == Marque::NePasChanger;
    case ChoixMarques::DejaBons:
      return marque == Marque::DejaBon;
    case ChoixMarques::Mineures:
      return marque == Marque::ModificationMineure;
    case ChoixMarques::Importantes:
      return marque == Marque::ModificationImportante;
    case ChoixMarques::AFaire:
      return EstModification(marque);
  }
  return true;
}

Recherche::Recherche(std::string_view texte) : cle_(detail::CleNom(texte)) {}

bool Recherche::trouve(const LigneCompte& ligne) const {
  if (cle_.empty()) return true;
  // Each field is folded into one buffer, a NUL between fields so that a match
  // never spans two of them (a folded field holds no NUL unless typed).
  tampon_.clear();
  detail::AjouteCleNom(tampon_, ligne.login);
  for (std::size_t i : {kNomActuel, kPrenomsActuels, kNouveauNom, kNouveauxPrenoms}) {
    tampon_ += '\0';
    detail::AjouteCleNom(tampon_, ligne.sousItem(i));
  }
  return tampon_.find(cle_) != std::string::npos;
}

std::vector<std::size_t> LignesVisibles(const EtatRapprochement& etat,
                                        const FiltreComptes& filtre) {
  std::vector<std::size_t> visibles;
  visibles.reserve(etat.comptes.size());
  const Recherche recherche(filtre.recherche);
  for (std::size_t i = 0; i < etat.comptes.size(); ++i) {
    const LigneCompte& ligne = etat.comptes[i];
    if (MarqueRetenue(filtre.marques, ligne.marque) && recherche.trouve(ligne))
      visibles.push_back(i);
  }
  return visibles;
}

}  // namespace corrinom
