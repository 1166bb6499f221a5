#include "reconcile/marques.h"

#include <array>
#include <string>

#include "reconcile/textes.h"
#include "text/noms.h"

namespace corrinom {

int CompareNoms(std::string_view a, std::string_view b) {
  if (a == b) return 0;
  return EgalSansCasse(a, b) ? 1 : -1;
}

int CalculeMarque(const LigneCompte& ligne) {
  if (!ligne.attachee()) return kMarqueGris;
  const int r = CompareNoms(ligne.sousItems[kNomActuel], ligne.sousItems[kNouveauNom]);
  if (r == -1) return kMarqueRouge;
  const int s = CompareNoms(ligne.sousItems[kPrenomsActuels], ligne.sousItems[kNouveauxPrenoms]);
  if (s == -1) return kMarqueRouge;
  if (r == 1 || s == 1) return kMarqueRose;
  return kMarqueVert;
}

void MarqueLigne(LigneCompte& ligne) { ligne.marque = CalculeMarque(ligne); }

std::string_view Pluriel(std::int64_t nombre) { return nombre >= 2 ? "s" : ""; }

void AfficheResume(EtatRapprochement& etat) {
  std::array<std::int64_t, 4> n{};
  for (const LigneCompte& ligne : etat.comptes)
    if (ligne.marque >= kMarqueGris && ligne.marque <= kMarqueRouge) ++n[ligne.marque];

  auto texte = [](std::int64_t nombre, std::string_view mot, std::string_view suite,
                  bool suiteAuPluriel) {
    std::string s = std::to_string(nombre);
    s += mot;
    s += Pluriel(nombre);
    s += suite;
    if (suiteAuPluriel) s += Pluriel(nombre);
    return s;
  };
  etat.LabelRienAFaire = texte(n[kMarqueGris], textes::kCompte, textes::kANePasChanger, false);
  etat.LabelDejaBon = texte(n[kMarqueVert], textes::kCompte, textes::kDejaBon, true);
  etat.LabelAFaireMineur = texte(n[kMarqueRose], textes::kModification, textes::kMineure, true);
  etat.LabelAFaire = texte(n[kMarqueRouge], textes::kModification, textes::kImportante, true);
}

void AfficheNombres(EtatRapprochement& etat) {
  etat.indicationComptes = std::string(textes::kNombreDePersonnes);
  etat.indicationComptes += std::to_string(etat.comptes.size());
  etat.indicationRebus = std::string(textes::kNombreDePersonnes);
  etat.indicationRebus += std::to_string(etat.rebus.size());
}

}  // namespace corrinom
