// The rows of the change list and its CSV form.
#include "session/liste_changements.h"

#include "reconcile/marque_compte.h"
#include "reconcile/marques.h"
#include "session/csv.h"
#include "text/encodage.h"
#include "text/noms.h"

namespace corrinom {

std::vector<LigneChangement> ListeChangements(const EtatRapprochement& etat) {
  std::vector<LigneChangement> r;
  for (const LigneCompte& c : etat.comptes) {
    if (!EstModification(c.marque)) continue;
    // The full name as the account holds it, only converted for display: the
    // columns show it cleaned (and its DOS letters repaired), which may hide
    // what the write changes.
    const TextesCompte* detenus = TextesDetenus(etat, c.login);
    r.push_back(LigneChangement{
        c.login,
        detenus ? Utf8VersCp1252Compte(detenus->nomComplet)
                : AssembleNoms(c.sousItem(kNomActuel), c.sousItem(kPrenomsActuels)),
        AssembleNoms(c.sousItem(kNouveauNom), c.sousItem(kNouveauxPrenoms)),
        c.sousItem(kDateNaissActuelle), c.sousItem(kNouvelleDateNaiss), c.marque});
  }
  return r;
}

const std::array<std::string_view, kColonnesChangements>& TitresChangements() {
  static const std::array<std::string_view, kColonnesChangements> titres{
      "Login", "Nom complet actuel", "Nouveau nom complet", "Date naiss actuelle",
      "Nouv. date naiss", "Changement"};
  return titres;
}

std::string_view NomMarqueChangement(Marque marque) {
  return marque == Marque::ModificationMineure ? "mineure" : "importante";
}

std::array<std::string, kColonnesChangements> TextesChangement(const LigneChangement& l) {
  return {l.login,
          l.nomCompletActuel,
          l.nouveauNomComplet,
          l.dateNaissActuelle,
          l.nouvelleDateNaiss,
          std::string(NomMarqueChangement(l.marque))};
}

std::string CsvChangements(const std::vector<LigneChangement>& lignes) {
  auto enUtf8 = [](const auto& textes) {
    std::vector<std::string> champs;
    for (const auto& t : textes) champs.push_back(Cp1252VersUtf8(t));
    return LigneCsv(champs);
  };
  std::string r(kBomUtf8);
  r += enUtf8(TitresChangements());
  for (const LigneChangement& l : lignes) r += enUtf8(TextesChangement(l));
  return r;
}

std::string EnTetePageChangements(std::string_view date, std::string_view magasin, int page,
                                  int pages) {
  std::string r = "Changements du " + std::string(date);
  if (!magasin.empty()) r += " - " + std::string(magasin);
  return r + " - page " + std::to_string(page) + "/" + std::to_string(pages);
}

}  // namespace corrinom
