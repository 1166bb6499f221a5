#include "window/confort.h"

#include <algorithm>

#include "reconcile/deplacements.h"
#include "reconcile/marque_compte.h"
#include "reconcile/marques.h"
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

PlacesRecherche PlaceRecherche(int largeurCadre, int dpi, int finLegende) {
  // At 96 dpi: label 70, edit 150, combo 170 wide, 4 apart, 20 high, at the top.
  // The label is wide enough for "Rechercher :" in the wider stand-in faces.
  const auto e = [dpi](int v) { return AEchelle(v, dpi); };
  // A box too narrow for the whole line keeps its caption clear: the edit box
  // gives up width first, down to 60, then the combo, down to 110.
  const int debut = finLegende > 0 ? finLegende + e(8) : 0;
  const int droite = largeurCadre - e(8);
  int manque = std::max(0, e(70) + e(4) + e(150) + e(4) + e(170) - (droite - debut));
  const int edition = e(150) - std::min(manque, e(150) - e(60));
  manque -= e(150) - edition;
  const int choix = e(170) - std::min(manque, e(170) - e(110));
  PlacesRecherche p;
  p.choix = {droite - choix, 0, choix, e(20)};
  p.edition = {p.choix.x - e(4) - edition, 0, edition, e(20)};
  p.libelle = {p.edition.x - e(4) - e(70), e(3), e(70), e(14)};
  // The count of rows shown between the caption and the label, up to 200 wide.
  const int nombre = std::max(0, std::min(e(200), p.libelle.x - e(8) - debut));
  p.nombre = {p.libelle.x - e(8) - nombre, e(3), nombre, e(14)};
  return p;
}

std::span<const Controle> ControlesRecherche() {
  static constexpr std::array<Controle, 4> kTable{{
      {kNomLibelleRecherche, Genre::Libelle, "GroupBox1", kTexteLibelleRecherche, Ancrage::Aucun, {}, -1, kTexteADroite},
      {kNomEditRecherche, Genre::Edition, "GroupBox1", "", Ancrage::Aucun, {}, 0},
      {kNomComboMarques, Genre::Choix, "GroupBox1", "", Ancrage::Aucun, {}, 0},
      {kNomLabelNombreComptes, Genre::Libelle, "GroupBox1", "", Ancrage::Aucun, {}, -1, kTexteADroite},
  }};
  return kTable;
}

std::array<PlaceControle, 4> PlaceLigneRecherche(Rectangle cadre, int dpi, int finLegende) {
  const PlacesRecherche p = PlaceRecherche(cadre.largeur, dpi, finLegende);
  std::array<PlaceControle, 4> places{{{kNomLibelleRecherche, p.libelle},
                                       {kNomEditRecherche, p.edition},
                                       {kNomComboMarques, p.choix},
                                       {kNomLabelNombreComptes, p.nombre}}};
  for (PlaceControle& c : places) {
    c.place.x += cadre.x;
    c.place.y += cadre.y;
  }
  return places;
}

std::string TexteComptesAffiches(std::size_t affiches, std::size_t total) {
  if (affiches >= total) return {};
  const auto n = static_cast<std::int64_t>(affiches);
  std::string t = std::to_string(affiches) + " compte";
  t += Pluriel(n);
  t += " affich\xE9";
  t += Pluriel(n);
  t += " sur " + std::to_string(total);
  return t;
}

std::string TexteMasquesParFiltre(const EtatRapprochement& etat,
                                  const std::vector<std::size_t>& masquees) {
  if (masquees.empty()) return {};
  if (masquees.size() == 1) {
    const LigneCompte& l = etat.comptes.at(masquees.front());
    return AjouteEspace(l.sousItem(kNouveauNom)) + l.sousItem(kNouveauxPrenoms) +
           " vient d'\xEAtre d\xE9plac\xE9 sur " + l.login + ", masqu\xE9 par le filtre";
  }
  std::string t = std::to_string(masquees.size()) +
                  " personnes viennent d'\xEAtre d\xE9plac\xE9" "es sur des comptes masqu\xE9s par le filtre : ";
  constexpr std::size_t kNommes = 5;
  for (std::size_t i = 0; i < masquees.size() && i < kNommes; ++i) {
    if (i > 0) t += ", ";
    t += etat.comptes.at(masquees[i]).login;
  }
  if (masquees.size() > kNommes) t += ", ...";
  return t;
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

std::vector<Morceau> Morceaux(const std::vector<bool>& change) {
  std::vector<Morceau> morceaux;
  for (std::size_t i = 0; i < change.size(); ++i) {
    if (morceaux.empty() || morceaux.back().change != change[i]) morceaux.push_back({i, i, change[i]});
    morceaux.back().fin = i + 1;
  }
  return morceaux;
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
  for (const Raccourci& r : kRaccourcis)
    if (r.touche == touche && r.majuscule == majuscule) return r.action;
  return ActionClavier::Aucune;
}

}  // namespace corrinom::fenetre
