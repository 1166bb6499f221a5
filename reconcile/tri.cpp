#include "reconcile/tri.h"

#include <algorithm>
#include <array>
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

namespace {

// The hint after a sort names the list and what it follows.
std::string ListeRangee(std::string_view liste, std::string_view suivant) {
  return "La liste des utilisateurs " + std::string(liste) + " vient d'\xEAtre rang\xE9" "e suivant les " +
         std::string(suivant);
}

}  // namespace

void TrieComptesParColonne(EtatRapprochement& etat, Dialogues& dialogues, int colonne,
                           std::vector<std::uint32_t>* ordre) {
  struct Tri {
    ColonneComptes cle;
    std::string_view suivant;  // what the list follows, in the hint
  };
  // By column; the dates' columns (3 and 6) do not sort. The marks' column
  // sorts by mark and by login in turn.
  static constexpr std::array<Tri, 6> kTris{{
      {ColonneComptes::Marques, "ic\xF4nes"},
      {ColonneComptes::NomsActuels, "noms actuels"},
      {ColonneComptes::PrenomsActuels, "pr\xE9noms actuels"},
      {ColonneComptes::Logins, {}},  // 3: not sorted
      {ColonneComptes::NouveauxNoms, "Nouveaux noms"},
      {ColonneComptes::NouveauxPrenoms, "Nouveaux pr\xE9noms"},
  }};
  if (ordre) ordre->clear();
  if (colonne == 3 || colonne == 6) return dialogues.indication(textes::kPasDeTriDates);
  if (colonne < 0 || colonne > 5) return;
  Tri tri = kTris[static_cast<std::size_t>(colonne)];
  if (colonne == 0) {
    etat.DernierTriParMarques = !etat.DernierTriParMarques;
    if (!etat.DernierTriParMarques) tri = {ColonneComptes::Logins, "noms de login"};
  }
  TrieComptesPar(etat, tri.cle, ordre);
  dialogues.indication(ListeRangee("TAVO", tri.suivant));
}

void TrieRebusParColonne(EtatRapprochement& etat, Dialogues& dialogues, int colonne,
                         std::vector<std::uint32_t>* ordre) {
  if (ordre) ordre->clear();
  if (colonne == 2) return dialogues.indication(textes::kPasDeTriDates);
  if (colonne != 0 && colonne != 1) return;
  const bool noms = colonne == 0;
  TrieRebusPar(etat, noms ? ColonneRebus::Noms : ColonneRebus::Prenoms, ordre);
  dialogues.indication(ListeRangee("non trouv\xE9s", noms ? "noms" : "pr\xE9noms"));
}

}  // namespace corrinom
