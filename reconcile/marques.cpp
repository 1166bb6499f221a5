#include "reconcile/marques.h"

#include <string>

#include "reconcile/textes.h"
#include "text/noms.h"

namespace corrinom {

int CompareNoms(std::string_view a, std::string_view b) {
  if (a == b) return 0;
  return EgalSansCasse(a, b) ? 1 : -1;
}

Marque CalculeMarque(const LigneCompte& ligne) {
  if (!ligne.attachee()) return Marque::NePasChanger;
  const int r = CompareNoms(ligne.sousItems[kNomActuel], ligne.sousItems[kNouveauNom]);
  if (r == -1) return Marque::ModificationImportante;
  const int s = CompareNoms(ligne.sousItems[kPrenomsActuels], ligne.sousItems[kNouveauxPrenoms]);
  if (s == -1) return Marque::ModificationImportante;
  if (r == 1 || s == 1) return Marque::ModificationMineure;
  return Marque::DejaBon;
}

void MarqueLigne(LigneCompte& ligne) { ligne.marque = CalculeMarque(ligne); }

std::string_view Pluriel(std::int64_t nombre) { return nombre >= 2 ? "s" : ""; }

void AfficheResume(EtatRapprochement& etat) {
  Compteurs n;
  for (const LigneCompte& ligne : etat.comptes) {
    switch (ligne.marque) {
      case Marque::NePasChanger: ++n.nePasChanger; break;
      case Marque::DejaBon: ++n.dejaBon; break;
      case Marque::ModificationMineure: ++n.modificationsMineures; break;
      case Marque::ModificationImportante: ++n.modificationsImportantes; break;
    }
  }
  etat.compteurs = n;
}

void AfficheNombres(EtatRapprochement& etat) {
  etat.indicationComptes = std::string(textes::kNombreDePersonnes);
  etat.indicationComptes += std::to_string(etat.comptes.size());
  etat.indicationRebus = std::string(textes::kNombreDePersonnes);
  etat.indicationRebus += std::to_string(etat.rebus.size());
}

}  // namespace corrinom
