#include "reconcile/tri.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "reconcile/cles.h"
#include "reconcile/textes.h"
#include "text/noms.h"
#include "text/octets.h"

namespace corrinom {
namespace {

int CompareFolded(std::string_view a, std::string_view b) {
  return CompareOrdre(EnleveAccents(a), EnleveAccents(b));
}

// Two keys, the second consulted only on a tie of the first.
int CompareDeux(std::string_view a1, std::string_view b1, std::string_view a2,
                std::string_view b2) {
  if (const int r = CompareFolded(a1, b1)) return r;
  return CompareFolded(a2, b2);
}

int CompareNouveaux(const LigneCompte& a, const LigneCompte& b, std::size_t premier,
                    std::size_t second) {
  if (a.attachee() != b.attachee()) return a.attachee() ? 1 : -1;
  if (!a.attachee()) return CompareLogins(a, b);
  return CompareDeux(a.sousItem(premier), b.sousItem(premier), a.sousItem(second),
                     b.sousItem(second));
}

// The column sorts compare each row many times, so each row's keys are computed
// once: a group number, then up to two texts already folded and upper-cased, whose
// plain byte order (unsigned, prefix first) is CompareOrdre of the folded texts.
struct CleTri {
  int groupe = 0;
  std::string premiere;
  std::string seconde;

  bool operator<(const CleTri& o) const {
    if (groupe != o.groupe) return groupe < o.groupe;
    if (const int r = premiere.compare(o.premiere)) return r < 0;
    return seconde.compare(o.seconde) < 0;
  }
};

enum class ColonneComptes { Marques, Logins, NomsActuels, PrenomsActuels, NouveauxNoms,
                            NouveauxPrenoms };
enum class ColonneRebus { Noms, Prenoms };

CleTri CleCompte(const LigneCompte& l, ColonneComptes colonne) {
  using detail::CleNom;
  switch (colonne) {
    case ColonneComptes::Marques:
      return {IndexMarque(l.marque), CleNom(l.sousItem(kNomActuel)), CleNom(l.sousItem(kPrenomsActuels))};
    case ColonneComptes::Logins:
      return {0, MajusculeAscii(l.login), {}};
    case ColonneComptes::NomsActuels:
      return {0, CleNom(l.sousItem(kNomActuel)), CleNom(l.sousItem(kPrenomsActuels))};
    case ColonneComptes::PrenomsActuels:
      return {0, CleNom(l.sousItem(kPrenomsActuels)), CleNom(l.sousItem(kNomActuel))};
    case ColonneComptes::NouveauxNoms:
      if (!l.attachee()) return {0, MajusculeAscii(l.login), {}};
      return {1, CleNom(l.sousItem(kNouveauNom)), CleNom(l.sousItem(kNouveauxPrenoms))};
    case ColonneComptes::NouveauxPrenoms:
      if (!l.attachee()) return {0, MajusculeAscii(l.login), {}};
      return {1, CleNom(l.sousItem(kNouveauxPrenoms)), CleNom(l.sousItem(kNouveauNom))};
  }
  return {};
}

CleTri CleRebus(const LigneRebus& l, ColonneRebus colonne) {
  using detail::CleNom;
  if (colonne == ColonneRebus::Noms) return {0, CleNom(l.nom), CleNom(l.prenoms)};
  return {0, CleNom(l.prenoms), CleNom(l.nom)};
}

// Stable sort of rows by precomputed keys.
template <typename Ligne, typename FaitCle>
void TrieParCles(std::vector<Ligne>& lignes, FaitCle faitCle,
                 std::vector<std::uint32_t>* ordre = nullptr) {
  std::vector<std::pair<CleTri, std::size_t>> cles;
  cles.reserve(lignes.size());
  for (std::size_t i = 0; i < lignes.size(); ++i) cles.emplace_back(faitCle(lignes[i]), i);
  std::stable_sort(cles.begin(), cles.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Ligne> triees;
  triees.reserve(lignes.size());
  for (const auto& c : cles) triees.push_back(std::move(lignes[c.second]));
  lignes = std::move(triees);
  if (ordre) {
    ordre->clear();
    ordre->reserve(cles.size());
    for (const auto& c : cles) ordre->push_back(static_cast<std::uint32_t>(c.second));
  }
}

void TrieComptesPar(EtatRapprochement& etat, ColonneComptes colonne,
                    std::vector<std::uint32_t>* ordre = nullptr) {
  TrieParCles(
      etat.comptes, [colonne](const LigneCompte& l) { return CleCompte(l, colonne); }, ordre);
}

void TrieRebusPar(EtatRapprochement& etat, ColonneRebus colonne,
                  std::vector<std::uint32_t>* ordre = nullptr) {
  TrieParCles(
      etat.rebus, [colonne](const LigneRebus& l) { return CleRebus(l, colonne); }, ordre);
}

}  // namespace

int CompareOrdre(std::string_view a, std::string_view b) { return CompareSansCasse(a, b); }

int CompareMarques(const LigneCompte& a, const LigneCompte& b) {
  if (a.marque != b.marque) return IndexMarque(a.marque) - IndexMarque(b.marque);
  return CompareDeux(a.sousItem(kNomActuel), b.sousItem(kNomActuel), a.sousItem(kPrenomsActuels),
                     b.sousItem(kPrenomsActuels));
}

int CompareLogins(const LigneCompte& a, const LigneCompte& b) {
  return CompareOrdre(a.login, b.login);
}

int CompareNomsActuels(const LigneCompte& a, const LigneCompte& b) {
  return CompareDeux(a.sousItem(kNomActuel), b.sousItem(kNomActuel), a.sousItem(kPrenomsActuels),
                     b.sousItem(kPrenomsActuels));
}

int ComparePrenomsActuels(const LigneCompte& a, const LigneCompte& b) {
  return CompareDeux(a.sousItem(kPrenomsActuels), b.sousItem(kPrenomsActuels),
                     a.sousItem(kNomActuel), b.sousItem(kNomActuel));
}

int CompareNouveauxNoms(const LigneCompte& a, const LigneCompte& b) {
  return CompareNouveaux(a, b, kNouveauNom, kNouveauxPrenoms);
}

int CompareNouveauxPrenoms(const LigneCompte& a, const LigneCompte& b) {
  return CompareNouveaux(a, b, kNouveauxPrenoms, kNouveauNom);
}

int CompareNomsNonTrouves(const LigneRebus& a, const LigneRebus& b) {
  return CompareDeux(a.nom, b.nom, a.prenoms, b.prenoms);
}

int ComparePrenomsNonTrouves(const LigneRebus& a, const LigneRebus& b) {
  return CompareDeux(a.prenoms, b.prenoms, a.nom, b.nom);
}

void TrieComptes(EtatRapprochement& etat, ComparaisonComptes compare) {
  // The comparisons of the column table go through their precomputed keys, which
  // order the rows exactly as the comparison does.
  const std::pair<ComparaisonComptes, ColonneComptes> connues[] = {
      {&CompareMarques, ColonneComptes::Marques},
      {&CompareLogins, ColonneComptes::Logins},
      {&CompareNomsActuels, ColonneComptes::NomsActuels},
      {&ComparePrenomsActuels, ColonneComptes::PrenomsActuels},
      {&CompareNouveauxNoms, ColonneComptes::NouveauxNoms},
      {&CompareNouveauxPrenoms, ColonneComptes::NouveauxPrenoms}};
  for (const auto& [fonction, colonne] : connues)
    if (compare == fonction) return TrieComptesPar(etat, colonne);
  std::stable_sort(etat.comptes.begin(), etat.comptes.end(),
                   [compare](const LigneCompte& a, const LigneCompte& b) {
                     return compare(a, b) < 0;
                   });
}

void TrieRebus(EtatRapprochement& etat, ComparaisonRebus compare) {
  if (compare == &CompareNomsNonTrouves) return TrieRebusPar(etat, ColonneRebus::Noms);
  if (compare == &ComparePrenomsNonTrouves) return TrieRebusPar(etat, ColonneRebus::Prenoms);
  std::stable_sort(etat.rebus.begin(), etat.rebus.end(),
                   [compare](const LigneRebus& a, const LigneRebus& b) {
                     return compare(a, b) < 0;
                   });
}

void TrieComptesParColonne(EtatRapprochement& etat, Dialogues& dialogues, int colonne,
                           std::vector<std::uint32_t>* ordre) {
  if (ordre) ordre->clear();
  switch (colonne) {
    case 0:
      if (!etat.DernierTriParMarques) {
        TrieComptesPar(etat, ColonneComptes::Marques, ordre);
        etat.DernierTriParMarques = true;
        dialogues.indication(textes::kTriIcones);
      } else {
        TrieComptesPar(etat, ColonneComptes::Logins, ordre);
        etat.DernierTriParMarques = false;
        dialogues.indication(textes::kTriLogins);
      }
      break;
    case 1:
      TrieComptesPar(etat, ColonneComptes::NomsActuels, ordre);
      dialogues.indication(textes::kTriNomsActuels);
      break;
    case 2:
      TrieComptesPar(etat, ColonneComptes::PrenomsActuels, ordre);
      dialogues.indication(textes::kTriPrenomsActuels);
      break;
    case 3:
    case 6:
      dialogues.indication(textes::kPasDeTriDates);
      break;
    case 4:
      TrieComptesPar(etat, ColonneComptes::NouveauxNoms, ordre);
      dialogues.indication(textes::kTriNouveauxNoms);
      break;
    case 5:
      TrieComptesPar(etat, ColonneComptes::NouveauxPrenoms, ordre);
      dialogues.indication(textes::kTriNouveauxPrenoms);
      break;
    default:
      break;
  }
}

void TrieRebusParColonne(EtatRapprochement& etat, Dialogues& dialogues, int colonne,
                         std::vector<std::uint32_t>* ordre) {
  if (ordre) ordre->clear();
  switch (colonne) {
    case 0:
      TrieRebusPar(etat, ColonneRebus::Noms, ordre);
      dialogues.indication(textes::kTriRebusNoms);
      break;
    case 1:
      TrieRebusPar(etat, ColonneRebus::Prenoms, ordre);
      dialogues.indication(textes::kTriRebusPrenoms);
      break;
    case 2:
      dialogues.indication(textes::kPasDeTriDates);
      break;
    default:
      break;
  }
}

}  // namespace corrinom
