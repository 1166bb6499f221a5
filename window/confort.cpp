#include "window/confort.h"

#include <algorithm>

#include "window/surlignage.h"
#include "window/controles.h"

namespace corrinom::fenetre {

std::string_view IndicationRecherche(std::string_view controle) {
  if (controle == kNomEditRecherche) return kIndicationEditRecherche;
  if (controle == kNomComboMarques) return kIndicationComboMarques;
  return {};
}

std::vector<std::string_view> OrdreFocusAvecRecherche() {
  std::vector<std::string_view> ordre;
  for (const Controle* c : OrdreTabulation()) {
    if (c->nom == "ListViewUsers") {
      ordre.push_back(kNomEditRecherche);
      ordre.push_back(kNomComboMarques);
    }
    ordre.push_back(c->nom);
  }
  return ordre;
}

PlacesRecherche PlaceRecherche(int largeurCadre, int dpi) {
  // At 96 dpi: label 62, edit 150, combo 170 wide, 4 apart, 20 high, at the top.
  const auto e = [dpi](int v) { return AEchelle(v, dpi); };
  PlacesRecherche p;
  const int droite = largeurCadre - e(8);
  p.choix = {droite - e(170), 0, e(170), e(20)};
  p.edition = {p.choix.x - e(4) - e(150), 0, e(150), e(20)};
  p.libelle = {p.edition.x - e(4) - e(62), e(3), e(62), e(14)};
  return p;
}

std::vector<bool> LettresSurlignees(const LigneCompte& ligne, int colonne) {
  // "Nouv. noms" against "Noms actuels", "Nouv. prénoms" against "Prénoms actuels".
  const bool nom = colonne == 1 + static_cast<int>(kNouveauNom);
  if (!ligne.attachee() || (!nom && colonne != 1 + static_cast<int>(kNouveauxPrenoms))) return {};
  std::vector<bool> change = nom ? LettresChangees(ligne.sousItem(kNouveauNom), ligne.sousItem(kNomActuel))
                                 : LettresChangees(ligne.sousItem(kNouveauxPrenoms), ligne.sousItem(kPrenomsActuels));
  if (std::find(change.begin(), change.end(), true) == change.end()) change.clear();
  return change;
}

Couleur CouleurMarque(Marque marque) {
  switch (marque) {
    case Marque::NePasChanger: break;
    case Marque::DejaBon: return {0, 128, 0};
    case Marque::ModificationMineure: return {255, 0, 255};
    case Marque::ModificationImportante: return {255, 0, 0};
  }
  return {192, 192, 192};
}

ActionClavier ActionTouche(int touche, bool ctrl, bool majuscule, bool alt) {
  if (!ctrl || alt) return ActionClavier::Aucune;
  if (touche == kToucheZ) return majuscule ? ActionClavier::Retablir : ActionClavier::Annuler;
  if (touche == kToucheY && !majuscule) return ActionClavier::Retablir;
  if (touche == kToucheEntree && !majuscule) return ActionClavier::Placer;
  return ActionClavier::Aucune;
}

}  // namespace corrinom::fenetre
