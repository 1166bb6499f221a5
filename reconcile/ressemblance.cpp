#include "reconcile/ressemblance.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "reconcile/marque_compte.h"
#include "reconcile/marques.h"
#include "reconcile/textes.h"

namespace corrinom {
namespace {

// The kinds of blocking key. The name keys only bring a pair in when the two birth
// dates are near (equal, or one of the date typos).
enum class Bloc : unsigned char {
  Date,         // the birth date
  Phonetique,   // the phonetic key of the last name
  Mot,          // one word of the last name, of three letters or more
  Suppression,  // the last name, or the last name with one letter removed
};

// Both the last name and the birth date are identical.
bool Jumeaux(const Ressemblance& r) {
  return r.nom == NiveauNom::Identique && r.date == NiveauDate::Identique;
}

bool DateProcheExigee(Bloc b) {
  return b == Bloc::Phonetique || b == Bloc::Mot || b == Bloc::Suppression;
}

// FNV-1a over the kind and the text. A collision only brings in one more pair to
// score, never a wrong score.
std::uint64_t Hache(Bloc bloc, std::string_view texte) {
  std::uint64_t h = 14695981039346656037ull;
  auto ajoute = [&h](unsigned char c) {
    h ^= c;
    h *= 1099511628211ull;
  };
  ajoute(static_cast<unsigned char>(bloc));
  for (const char c : texte) ajoute(static_cast<unsigned char>(c));
  return h;
}

constexpr std::size_t kLongueurSuppressions = 40;

// Calls ajoute(bloc, key) for each blocking key of a row.
template <class Ajoute>
void Cles(const FicheRessemblance& f, Ajoute&& ajoute) {
  if (!f.date.empty()) ajoute(Bloc::Date, Hache(Bloc::Date, f.date));
  if (!f.nom.empty()) {
    if (!f.phonetiqueNom.empty())
      ajoute(Bloc::Phonetique, Hache(Bloc::Phonetique, f.phonetiqueNom));
    for (const std::string& mot : f.motsNom)
      if (mot.size() >= 3) ajoute(Bloc::Mot, Hache(Bloc::Mot, mot));
    // Two names one edit apart share at least one of these; for two swapped
    // neighbours, one name without the first of them is the other without the
    // second. Their number
    // grows with the name, so names longer than any real one go without them.
    ajoute(Bloc::Suppression, Hache(Bloc::Suppression, f.nom));
    std::string sans;
    for (std::size_t i = 0; f.nom.size() <= kLongueurSuppressions && i < f.nom.size(); ++i) {
      if (i > 0 && f.nom[i] == f.nom[i - 1]) continue;
      sans.assign(f.nom, 0, i);
      sans.append(f.nom, i + 1);
      ajoute(Bloc::Suppression, Hache(Bloc::Suppression, sans));
    }
  }
}

struct Entree {
  std::uint64_t cle;
  std::uint32_t fiche;  // index into the free rows' fiches

  friend bool operator<(const Entree& a, const Entree& b) {
    return a.cle != b.cle ? a.cle < b.cle : a.fiche < b.fiche;
  }
};

// The free account rows, folded once and indexed by their blocking keys.
class IndexComptes {
 public:
  explicit IndexComptes(const EtatRapprochement& etat) {
    for (std::size_t i = 0; i < etat.comptes.size(); ++i) {
      const LigneCompte& l = etat.comptes[i];
      if (l.attachee()) continue;
      const auto fiche = static_cast<std::uint32_t>(fiches_.size());
      lignes_.push_back(i);
      fiches_.push_back(FicheDe(l.sousItem(kNomActuel), l.sousItem(kPrenomsActuels),
                                l.sousItem(kDateNaissActuelle)));
      Cles(fiches_.back(), [&](Bloc, std::uint64_t cle) { entrees_.push_back({cle, fiche}); });
    }
    std::sort(entrees_.begin(), entrees_.end());
  }

  // The free rows (as fiche indexes, sorted, without repeats) that share a key with
  // the person, the name keys counting only with a near date.
  void Candidats(const FicheRessemblance& personne, std::vector<std::uint32_t>& sortie) const {
    sortie.clear();
    Cles(personne, [&](Bloc bloc, std::uint64_t cle) {
      auto it = std::lower_bound(entrees_.begin(), entrees_.end(), Entree{cle, 0});
      for (; it != entrees_.end() && it->cle == cle; ++it) {
        if (DateProcheExigee(bloc) &&
            CompareDate(fiches_[it->fiche], personne) == NiveauDate::Differente)
          continue;
        sortie.push_back(it->fiche);
      }
    });
    std::sort(sortie.begin(), sortie.end());
    sortie.erase(std::unique(sortie.begin(), sortie.end()), sortie.end());
  }

  const FicheRessemblance& fiche(std::uint32_t f) const { return fiches_[f]; }
  std::size_t ligne(std::uint32_t f) const { return lignes_[f]; }

 private:
  std::vector<FicheRessemblance> fiches_;
  std::vector<std::size_t> lignes_;  // the account row of each fiche
  std::vector<Entree> entrees_;
};

}  // namespace

std::vector<PropositionRessemblance> CandidatsRessemblance(const EtatRapprochement& etat,
                                                           std::size_t parPersonne, int seuil) {
  std::vector<PropositionRessemblance> propositions;
  if (etat.rebus.empty() || parPersonne == 0) return propositions;
  const IndexComptes index(etat);

  // How many rows of the two lists bear each first first-name.
  std::unordered_map<std::string, int> porteurs;
  for (const LigneCompte& l : etat.comptes)
    ++porteurs[PremierPrenomPlie(l.sousItem(kPrenomsActuels))];
  for (const LigneRebus& r : etat.rebus) ++porteurs[PremierPrenomPlie(r.prenoms)];
  auto courant = [&porteurs](const std::vector<std::string>& prenoms) {
    if (prenoms.empty()) return false;
    const auto it = porteurs.find(prenoms.front());
    return it != porteurs.end() && it->second >= kPorteursPrenomCourant;
  };

  std::vector<std::uint32_t> candidats;
  std::vector<PropositionRessemblance> siennes;
  for (std::size_t p = 0; p < etat.rebus.size(); ++p) {
    const LigneRebus& personne = etat.rebus[p];
    if (personne.nom.empty()) continue;
    const FicheRessemblance fiche = FicheDe(personne.nom, personne.prenoms, personne.dateNaiss);
    index.Candidats(fiche, candidats);
    siennes.clear();
    const bool prenomCourant = courant(fiche.prenoms);
    for (const std::uint32_t f : candidats) {
      const FicheRessemblance& compte = index.fiche(f);
      const Ressemblance r = Compare(compte, fiche);
      if (r.score < seuil) continue;
      const bool courants = prenomCourant && courant(compte.prenoms) &&
                            compte.prenoms.front() != fiche.prenoms.front();
      siennes.push_back({p, index.ligne(f), r, courants});
    }
    // Fiches follow the account list, so a stable sort keeps equal scores in list order.
    std::stable_sort(siennes.begin(), siennes.end(), [](const auto& a, const auto& b) {
      return a.ressemblance.score > b.ressemblance.score;
    });
    if (siennes.size() > parPersonne) siennes.resize(parPersonne);
    propositions.insert(propositions.end(), siennes.begin(), siennes.end());
  }
  return propositions;
}

void TriePropositions(std::vector<PropositionRessemblance>& propositions) {
  std::sort(propositions.begin(), propositions.end(), [](const auto& a, const auto& b) {
    if (a.ressemblance.score != b.ressemblance.score)
      return a.ressemblance.score > b.ressemblance.score;
    if (a.rebus != b.rebus) return a.rebus < b.rebus;
    return a.compte < b.compte;
  });
}

std::vector<PropositionRessemblance> LignesRessemblance(const EtatRapprochement& etat) {
  std::vector<PropositionRessemblance> lignes = CandidatsRessemblance(etat);
  TriePropositions(lignes);
  return lignes;
}

Coches CochesOuverture(const std::vector<PropositionRessemblance>& lignes, int seuilSur) {
  // For each person and each account: its two best scores (equal when two lines share
  // the top) and how many of its lines pair an identical last name and birth date.
  struct Voisins {
    int premier = -1;
    int second = -1;
    int jumeaux = 0;
    void voit(const Ressemblance& r) {
      if (r.score > premier) {
        second = premier;
        premier = r.score;
      } else if (r.score > second) {
        second = r.score;
      }
      jumeaux += Jumeaux(r);
    }
    // The best score among the other lines than one scoring s.
    int autre(int s) const { return s == premier ? second : premier; }
  };
  std::unordered_map<std::size_t, Voisins> personnes, comptes;
  for (const PropositionRessemblance& l : lignes) {
    personnes[l.rebus].voit(l.ressemblance);
    comptes[l.compte].voit(l.ressemblance);
  }

  Coches coches(lignes.size(), 0);
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    const PropositionRessemblance& l = lignes[i];
    const Ressemblance& r = l.ressemblance;
    const Voisins& personne = personnes[l.rebus];
    const Voisins& compte = comptes[l.compte];
    const int jumeauxAutres = personne.jumeaux + compte.jumeaux - 2 * Jumeaux(r);
    // Twins bear other first first-names: a line agreeing on it and on the date is
    // the one of the twin it names.
    const bool departageJumeaux =
        (r.prenoms == NiveauPrenoms::Identiques || r.prenoms == NiveauPrenoms::MemePremier) &&
        r.date == NiveauDate::Identique;
    const bool seulContrePlusieurs = (r.prenomsCompte == 1 && r.prenomsPersonne > 1) ||
                                     (r.prenomsPersonne == 1 && r.prenomsCompte > 1);
    coches[i] = r.score >= seuilSur &&
                r.score >= std::max(personne.autre(r.score), compte.autre(r.score)) +
                               kEcartRessemblanceSure &&
                (jumeauxAutres == 0 || departageJumeaux) &&
                (r.nom != NiveauNom::Different || r.prenomsPersonne >= 2) &&
                (r.prenoms != NiveauPrenoms::PremierProche || !l.premiersPrenomsCourants) &&
                (!seulContrePlusieurs || r.date == NiveauDate::Identique);
  }
  return coches;
}

Coches CochesToutes(const std::vector<PropositionRessemblance>& lignes, int seuil) {
  Coches coches(lignes.size(), 0);
  std::unordered_set<std::size_t> personnes, comptes;
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    const PropositionRessemblance& l = lignes[i];
    if (l.ressemblance.score < seuil) continue;
    if (personnes.count(l.rebus) || comptes.count(l.compte)) continue;
    personnes.insert(l.rebus);
    comptes.insert(l.compte);
    coches[i] = 1;
  }
  return coches;
}

void CocheLigne(const std::vector<PropositionRessemblance>& lignes, Coches& coches, std::size_t i) {
  if (i >= lignes.size() || coches.size() != lignes.size()) return;
  const PropositionRessemblance& choisie = lignes[i];
  for (std::size_t j = 0; j < lignes.size(); ++j)
    if (lignes[j].rebus == choisie.rebus || lignes[j].compte == choisie.compte) coches[j] = 0;
  coches[i] = 1;
}

std::size_t PlaceRessemblances(EtatRapprochement& etat,
                               const std::vector<PropositionRessemblance>& lignes,
                               const Coches& coches) {
  std::size_t nombre = 0;
  std::vector<bool> placee(etat.rebus.size(), false);
  for (std::size_t i = 0; i < lignes.size() && i < coches.size(); ++i) {
    const PropositionRessemblance& p = lignes[i];
    if (!coches[i] || p.rebus >= etat.rebus.size() || p.compte >= etat.comptes.size()) continue;
    LigneCompte& compte = etat.comptes[p.compte];
    LigneRebus& personne = etat.rebus[p.rebus];
    // The refusals of a drop: a taken row, a person without a last name.
    if (placee[p.rebus] || compte.attachee() || personne.nom.empty()) continue;
    AttachePersonne(compte, std::move(personne.nom), std::move(personne.prenoms),
                    std::move(personne.dateNaiss));
    MarqueLigne(etat, compte);
    placee[p.rebus] = true;
    ++nombre;
  }

  if (nombre > 0) {
    std::vector<LigneRebus> restants;
    restants.reserve(etat.rebus.size() - nombre);
    for (std::size_t i = 0; i < etat.rebus.size(); ++i)
      if (!placee[i]) restants.push_back(std::move(etat.rebus[i]));
    etat.rebus = std::move(restants);
  }
  AfficheNombres(etat);
  AfficheResume(etat);
  return nombre;
}

std::string MessageFinRessemblance(std::size_t nombre) {
  std::string fin(textes::kResultatRessemblance);
  fin += std::to_string(nombre);
  fin += '\n';
  fin += textes::kVerifiezPointsRouges;
  return fin;
}

void RapprocheRessemblance(EtatRapprochement& etat, Dialogues& dialogues, const RevueLignes& revue) {
  if (etat.rebus.empty()) {
    dialogues.message(textes::kListeRebusVide);
    return;
  }
  const std::vector<PropositionRessemblance> lignes = LignesRessemblance(etat);
  std::size_t nombre = 0;
  if (lignes.empty()) {
    AfficheNombres(etat);
    AfficheResume(etat);
  } else {
    const std::optional<Coches> coches = revue(lignes, CochesOuverture(lignes));
    if (!coches) return;
    nombre = PlaceRessemblances(etat, lignes, *coches);
  }
  dialogues.message(MessageFinRessemblance(nombre));
}

}  // namespace corrinom
