#include "reconcile/rapprochement_exact.h"

#include "reconcile/cles.h"
#include "reconcile/marques.h"
#include "text/noms.h"

namespace corrinom {
namespace {

// One key for the pair (last name, first names): the length of the first part
// keeps ("AB", "C") apart from ("A", "BC").
std::string ClePaire(std::string_view nom, std::string_view prenoms) {
  std::string cleNom = detail::CleNom(nom);
  std::string cle = std::to_string(cleNom.size());
  cle += ':';
  cle += cleNom;
  cle += detail::CleNom(prenoms);
  return cle;
}

// Steps 4 and 5 of the visit, for a row whose folded names and date already agree:
// take a free row, or replace a person whose row names equal the read names without
// folding. False when the row is attached and not replaceable.
bool PrendOuRemplace(EtatRapprochement& etat, LigneCompte& ligne, const std::string& nom,
                     const std::string& prenoms, const std::string& dateNaiss) {
  if (!ligne.attachee()) {
    AttachePersonne(ligne, nom, prenoms, dateNaiss);
    MarqueLigne(ligne);
    return true;
  }
  if (!EgalSansCasse(ligne.sousItems[kNomActuel], nom) ||
      !EgalSansCasse(ligne.sousItems[kPrenomsActuels], prenoms))
    return false;
  etat.rebus.push_back({ligne.sousItems[kNouveauNom], ligne.sousItems[kNouveauxPrenoms],
                        ligne.sousItems[kNouvelleDateNaiss]});
  ligne.sousItems[kNouveauNom] = nom;
  ligne.sousItems[kNouveauxPrenoms] = prenoms;
  ligne.sousItems[kNouvelleDateNaiss] = dateNaiss;
  MarqueLigne(ligne);
  return true;
}

}  // namespace

bool DatesCompatibles(std::string_view dateCompte, std::string_view dateLue) {
  return dateCompte.empty() || dateLue.empty() || dateCompte == dateLue;
}

void RapprocheExact(EtatRapprochement& etat, const std::string& nom, const std::string& prenoms,
                    const std::string& dateNaiss) {
  const std::string nomPlie = EnleveAccents(nom);
  const std::string prenomsPlies = EnleveAccents(prenoms);
  for (LigneCompte& ligne : etat.comptes) {
    if (!EgalSansCasse(EnleveAccents(ligne.sousItem(kNomActuel)), nomPlie)) continue;
    if (!EgalSansCasse(EnleveAccents(ligne.sousItem(kPrenomsActuels)), prenomsPlies)) continue;
    if (!DatesCompatibles(ligne.sousItem(kDateNaissActuelle), dateNaiss)) continue;
    if (PrendOuRemplace(etat, ligne, nom, prenoms, dateNaiss)) return;
  }
  etat.rebus.push_back({nom, prenoms, dateNaiss});
}

RemiseFichier::RemiseFichier(EtatRapprochement& etat) : etat_(etat) {
  index_.reserve(etat_.comptes.size());
  for (std::size_t i = 0; i < etat_.comptes.size(); ++i) {
    const LigneCompte& ligne = etat_.comptes[i];
    index_[ClePaire(ligne.sousItem(kNomActuel), ligne.sousItem(kPrenomsActuels))].push_back(i);
  }
}

void RemiseFichier::RapprocheExact(const std::string& nom, const std::string& prenoms,
                                   const std::string& dateNaiss) {
  // The index holds, in list order, exactly the rows that pass the two name steps
  // of the visit, so walking it is the visit with the other rows skipped.
  const auto trouve = index_.find(ClePaire(nom, prenoms));
  if (trouve != index_.end()) {
    for (const std::size_t i : trouve->second) {
      LigneCompte& ligne = etat_.comptes[i];
      if (!DatesCompatibles(ligne.sousItem(kDateNaissActuelle), dateNaiss)) continue;
      if (PrendOuRemplace(etat_, ligne, nom, prenoms, dateNaiss)) return;
    }
  }
  etat_.rebus.push_back({nom, prenoms, dateNaiss});
}

}  // namespace corrinom
