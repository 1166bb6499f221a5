#include "reconcile/deplacements.h"

#include <iterator>
#include <utility>

#include "reconcile/marque_compte.h"
#include "reconcile/marques.h"
#include "reconcile/textes.h"

namespace corrinom {
namespace {

std::string TexteDeplacement(std::string_view nom, std::string_view prenoms,
                             std::string_view fin) {
  std::string texte = AjouteEspace(nom);
  texte += prenoms;
  texte += fin;
  return texte;
}

void Rafraichit(EtatRapprochement& etat) {
  AfficheNombres(etat);
  AfficheResume(etat);
}

}  // namespace

std::string AjouteEspace(std::string_view texte) {
  std::string r(texte);
  if (!r.empty() && r.back() != ' ') r += ' ';
  return r;
}

bool AccepteGlisseVersComptes(ListeSource source) {
  return source == ListeSource::Comptes || source == ListeSource::Rebus;
}

bool AccepteGlisseVersRebus(ListeSource source) { return source == ListeSource::Comptes; }

bool DeposeSurCompte(EtatRapprochement& etat, Dialogues& dialogues, ListeSource source,
                     std::optional<std::size_t> selection, std::optional<std::size_t> cible) {
  if (!AccepteGlisseVersComptes(source)) return false;
  if (!cible || *cible >= etat.comptes.size()) return false;
  LigneCompte& arrivee = etat.comptes[*cible];
  if (arrivee.attachee()) {
    dialogues.indication(textes::kSupprimezAvant);
    return false;
  }

  if (source == ListeSource::Comptes) {
    if (!selection || *selection >= etat.comptes.size() || *selection == *cible) return false;
    LigneCompte& depart = etat.comptes[*selection];
    if (!depart.attachee() || depart.sousItems[kNouveauNom].empty()) return false;
    AttachePersonne(arrivee, depart.sousItems[kNouveauNom], depart.sousItems[kNouveauxPrenoms],
                    depart.sousItems[kNouvelleDateNaiss]);
    MarqueLigne(etat, arrivee);
    dialogues.indication(TexteDeplacement(depart.sousItems[kNouveauNom],
                                          depart.sousItems[kNouveauxPrenoms],
                                          textes::kVientDEtreDeplacePoint));
    DetachePersonne(depart);
    MarqueLigne(etat, depart);
    Rafraichit(etat);
    return true;
  }

  if (!selection || *selection >= etat.rebus.size()) return false;
  const auto position = etat.rebus.begin() + static_cast<std::ptrdiff_t>(*selection);
  if (position->nom.empty()) return false;
  dialogues.indication(
      TexteDeplacement(position->nom, position->prenoms, textes::kVientDEtreDeplacePoint));
  AttachePersonne(arrivee, std::move(position->nom), std::move(position->prenoms),
                  std::move(position->dateNaiss));
  MarqueLigne(etat, arrivee);
  etat.rebus.erase(position);
  Rafraichit(etat);
  return true;
}

bool DeposeSurNonTrouves(EtatRapprochement& etat, Dialogues& dialogues, ListeSource source,
                         std::optional<std::size_t> selection, std::optional<std::size_t> cible) {
  if (!AccepteGlisseVersRebus(source)) return false;
  if (!selection || *selection >= etat.comptes.size()) return false;
  LigneCompte& depart = etat.comptes[*selection];
  if (!depart.attachee()) return false;

  if (!depart.sousItems[kNouveauNom].empty()) {
    const std::size_t position =
        cible && *cible < etat.rebus.size() ? *cible : etat.rebus.size();
    etat.rebus.insert(etat.rebus.begin() + static_cast<std::ptrdiff_t>(position),
                      LigneRebus{depart.sousItems[kNouveauNom],
                                 depart.sousItems[kNouveauxPrenoms],
                                 depart.sousItems[kNouvelleDateNaiss]});
    dialogues.indication(TexteDeplacement(depart.sousItems[kNouveauNom],
                                          depart.sousItems[kNouveauxPrenoms],
                                          textes::kVientDEtreDeplace));
  }
  DetachePersonne(depart);
  MarqueLigne(etat, depart);
  Rafraichit(etat);
  return true;
}

bool PlacementPossible(std::optional<std::size_t> selectionRebus,
                       std::optional<std::size_t> selectionCompte) {
  return selectionRebus.has_value() && selectionCompte.has_value();
}

bool PlaceSurCompteSelectionne(EtatRapprochement& etat, Dialogues& dialogues,
                               std::optional<std::size_t> selectionRebus,
                               std::optional<std::size_t> selectionCompte) {
  if (!PlacementPossible(selectionRebus, selectionCompte)) return false;
  return DeposeSurCompte(etat, dialogues, ListeSource::Rebus, selectionRebus, selectionCompte);
}

bool LibereCompte(EtatRapprochement& etat, std::optional<std::size_t> selection) {
  if (!selection || *selection >= etat.comptes.size()) return false;
  LigneCompte& ligne = etat.comptes[*selection];
  if (!ligne.attachee()) return false;
  if (!ligne.sousItems[kNouveauNom].empty())
    etat.rebus.push_back({ligne.sousItems[kNouveauNom], ligne.sousItems[kNouveauxPrenoms],
                          ligne.sousItems[kNouvelleDateNaiss]});
  DetachePersonne(ligne);
  ligne.marque = Marque::NePasChanger;
  Rafraichit(etat);
  return true;
}

}  // namespace corrinom
