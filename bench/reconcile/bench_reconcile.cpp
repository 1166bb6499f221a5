// Exact matching, the name aid and the column sorts on generated account lists and
// person files of realistic make-up: French names, compound names, several first
// names, a few percent of case, accent and first-name differences, some duplicates.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "reconcile/aides.h"
#include "operator/dialogues_script.h"
#include "reconcile/deplacements.h"
#include "reconcile/etat.h"
#include "reconcile/filtre.h"
#include "reconcile/historique.h"
#include "reconcile/rapprochement_exact.h"
#include "reconcile/tri.h"

namespace corrinom {
namespace {

const char* const kNoms[] = {
    "MARTIN",  "BERNARD",  "THOMAS",   "PETIT",    "ROBERT",   "RICHARD",  "DURAND",
    "DUBOIS",  "MOREAU",   "LAURENT",  "SIMON",    "MICHEL",   "LEFEBVRE", "LEROY",
    "ROUX",    "DAVID",    "BERTRAND", "MOREL",    "FOURNIER", "GIRARD",   "BONNET",
    "DUPONT",  "LAMBERT",  "FONTAINE", "ROUSSEAU", "VINCENT",  "MULLER",   "LEFEVRE",
    "FAURE",   "ANDRE",    "MERCIER",  "BLANC",    "GUERIN",   "BOYER",    "GARNIER",
    "CHEVALIER", "FRANCOIS", "LEGRAND", "GAUTHIER", "GARCIA",  "PERRIN",   "ROBIN",
    "CLEMENT", "MORIN",    "NICOLAS",  "HENRY",    "ROUSSEL",  "MATHIEU",  "GAUTIER",
    "MASSON",  "MARCHAND", "DUVAL",    "DENIS",    "DUMONT",   "MARIE",    "LEMAIRE",
    "NOEL",    "MEYER",    "DUFOUR",   "MEUNIER",  "BRUN",     "BLANCHARD", "GIRAUD",
    "JOLY",    "RIVIERE",  "LUCAS",    "BRUNET",   "GAILLARD", "BARBIER",  "ARNAUD",
    "MARTINEZ", "GERARD",  "ROCHE",    "RENARD",   "SCHMITT",  "ROY",      "LEROUX",
    "COLIN",   "VIDAL",    "CARON",    "PICARD",   "ROGER",    "FABRE",    "AUBERT",
    "LEMOINE", "RENAUD",   "DUMAS",    "LACROIX",  "OLIVIER",  "PHILIPPE", "BOURGEOIS",
    "PIERRE",  "BENOIT",   "REY",      "LECLERC",  "PAYET",    "ROLLAND",  "LECLERCQ",
    "GUILLAUME", "LECOMTE", "N'DIAYE", "DE LA FONTAINE", "LE GALL", "BEN AHMED"};

// First names, some with accents (the server's copy sometimes lost them).
const char* const kPrenoms[] = {
    "Jean",   "Marie",   "Pierre",  "Michel",  "Andr\xE9", "Philippe", "Ren\xE9",
    "Louis",  "Alain",   "Jacques", "Bernard", "Marcel",   "Daniel",   "Roger",
    "Paul",   "Robert",  "Claude",  "Henri",   "Christian", "Nicolas", "Julien",
    "Thomas", "Lucas",   "Hugo",    "Th\xE9o", "Nathan",   "Enzo",     "Louise",
    "Emma",   "Jade",    "L\xE9" "a", "Chlo\xE9", "Manon", "Camille", "In\xE8s",
    "Sarah",  "Lina",    "Zo\xE9",  "Ana\xEF" "s", "Juliette", "Ambre", "Alice",
    "Rose",   "Anna",    "Lou",     "Mathis",  "Noah",     "Adam",     "Gabriel",
    "Rapha\xEB" "l", "Arthur", "Ma\xEB" "l", "Sacha", "Jules", "Ethan", "Mohamed",
    "Yanis",  "Rayan",   "Amine",   "Sofia",   "Lyna",     "Nour",     "Eva",
    "H\xE9l\xE8ne", "\xC9lodie", "C\xE9line", "J\xE9r\xF4me", "St\xE9phane", "Fran\xE7ois",
    "No\xE9mie", "Ga\xEB" "lle", "Jos\xE9", "Val\xE9rie", "Beno\xEEt", "Ana"};

struct Jeu {
  EtatRapprochement base;            // the accounts, all free
  std::vector<LigneRebus> personnes;  // the file, in file order
  std::vector<LigneRebus> dansLOrdre; // the same persons in the order of their accounts
};

std::string Date(std::mt19937& alea) {
  char texte[16];
  std::snprintf(texte, sizeof texte, "%02d/%02d/%04d",
                std::uniform_int_distribution<int>(1, 28)(alea),
                std::uniform_int_distribution<int>(1, 12)(alea),
                std::uniform_int_distribution<int>(1950, 2015)(alea));
  return texte;
}

template <typename T, std::size_t N>
const char* Pioche(std::mt19937& alea, const T (&pool)[N]) {
  return pool[std::uniform_int_distribution<std::size_t>(0, N - 1)(alea)];
}

std::string SansAccents(std::string s) {
  for (char& c : s) {
    switch (static_cast<unsigned char>(c)) {
      case 0xE9: case 0xE8: case 0xEB: c = 'e'; break;
      case 0xEF: case 0xEE: c = 'i'; break;
      case 0xF4: c = 'o'; break;
      case 0xE7: c = 'c'; break;
      case 0xC9: c = 'E'; break;
      default: break;
    }
  }
  return s;
}

std::string Majuscules(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

Jeu Genere(std::size_t n, unsigned graine) {
  std::mt19937 alea(graine);
  Jeu jeu;
  jeu.base.comptes.reserve(n);
  jeu.personnes.reserve(n + n / 50);
  for (std::size_t i = 0; i < n; ++i) {
    std::string nom = Pioche(alea, kNoms);
    if (alea() % 8 == 0) nom += std::string("-") + Pioche(alea, kNoms);
    std::string prenoms = Pioche(alea, kPrenoms);
    const int autres = alea() % 3;
    for (int k = 0; k < autres; ++k) prenoms += std::string(" ") + Pioche(alea, kPrenoms);
    std::string date = Date(alea);

    const std::string login = "u" + std::to_string(i);
    const unsigned tirage = alea() % 100;
    // The account's copy of the names, then the file's.
    std::string nomCompte = nom, prenomsCompte = prenoms;
    if (tirage < 3) prenomsCompte = SansAccents(prenoms);        // accent lost on the server
    else if (tirage < 6) prenomsCompte = Majuscules(prenoms);    // case difference
    else if (tirage < 9) prenoms += std::string(" ") + Pioche(alea, kPrenoms);  // extra first name
    else if (tirage < 11) nom += "E";                            // spelling corrected
    jeu.base.comptes.push_back(LigneCompte::Libre(login, nomCompte, prenomsCompte, date));
    if (tirage >= 98) continue;                                  // account without a person
    jeu.personnes.push_back({nom, prenoms, tirage == 97 ? std::string() : date});
    if (alea() % 50 == 0) jeu.personnes.push_back(jeu.personnes.back());  // read twice
  }
  jeu.dansLOrdre = jeu.personnes;
  std::shuffle(jeu.personnes.begin(), jeu.personnes.end(), alea);
  return jeu;
}

// A fresh account list as the account load leaves it (LigneCompte::Libre reserves
// room for the person's sub-items; a plain copy of the rows would not).
EtatRapprochement ComptesCharges(const Jeu& jeu) {
  EtatRapprochement etat = jeu.base;
  for (LigneCompte& l : etat.comptes) l.sousItems.reserve(kSousItemsAttache);
  return etat;
}

const Jeu& JeuDeTaille(std::size_t n) {
  static std::vector<std::pair<std::size_t, Jeu>> cache;
  for (const auto& [taille, jeu] : cache)
    if (taille == n) return jeu;
  cache.emplace_back(n, Genere(n, static_cast<unsigned>(n)));
  return cache.back().second;
}

// range(1) = 1: the file lists the persons in the order of their accounts, so the
// rows are met in list order; this isolates the cost of the rows' cache misses that
// the file's own order (range(1) = 0) causes on large lists.
void BM_RemiseFichier(benchmark::State& state) {
  const Jeu& jeu = JeuDeTaille(static_cast<std::size_t>(state.range(0)));
  const std::vector<LigneRebus>& personnes = state.range(1) ? jeu.dansLOrdre : jeu.personnes;
  for (auto _ : state) {
    state.PauseTiming();
    EtatRapprochement etat = ComptesCharges(jeu);
    state.ResumeTiming();
    RemiseFichier remise(etat);
    for (const LigneRebus& p : personnes) remise.RapprocheExact(p.nom, p.prenoms, p.dateNaiss);
    benchmark::DoNotOptimize(etat.rebus.size());
    state.PauseTiming();
    etat = {};
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RemiseFichier)
    ->ArgNames({"personnes", "ordonne"})
    ->ArgsProduct({{1000, 10000, 50000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The floor of any linear pass on this machine: copy a loaded account list and
// attach a person to every row, in list order. Its growth from 10,000 to 50,000 rows
// shows how much of the hand-over's growth the memory hierarchy alone accounts for.
void BM_ParcoursLineaire(benchmark::State& state) {
  const Jeu& jeu = JeuDeTaille(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    EtatRapprochement etat = ComptesCharges(jeu);
    for (LigneCompte& l : etat.comptes)
      AttachePersonne(l, l.sousItems[kNomActuel], l.sousItems[kPrenomsActuels],
                      l.sousItems[kDateNaissActuelle]);
    benchmark::DoNotOptimize(etat.comptes.data());
  }
}
BENCHMARK(BM_ParcoursLineaire)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The worst shape for the replacement rule: every account carries the same names
// with accents, every person the same names without them, so each person passes
// over the rows already taken (they are not replaceable) before finding a free one,
// and once all are taken passes over every one of them.
void BM_RemiseComptesIdentiques(benchmark::State& state) {
  const std::size_t comptes = static_cast<std::size_t>(state.range(0));
  const std::size_t personnes = static_cast<std::size_t>(state.range(1));
  EtatRapprochement base;
  for (std::size_t i = 0; i < comptes; ++i)
    base.comptes.push_back(
        LigneCompte::Libre("u" + std::to_string(i), "DUPONT", "H\xE9l\xE8ne", ""));
  for (auto _ : state) {
    state.PauseTiming();
    EtatRapprochement etat = base;
    state.ResumeTiming();
    RemiseFichier remise(etat);
    for (std::size_t i = 0; i < personnes; ++i) remise.RapprocheExact("DUPONT", "Helene", "");
    benchmark::DoNotOptimize(etat.rebus.size());
  }
}
BENCHMARK(BM_RemiseComptesIdentiques)
    ->ArgNames({"comptes", "personnes"})
    ->Args({1000, 40000})
    ->Args({5000, 200000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_VisiteLigneParLigne(benchmark::State& state) {
  const Jeu& jeu = JeuDeTaille(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    EtatRapprochement etat = ComptesCharges(jeu);
    state.ResumeTiming();
    for (const LigneRebus& p : jeu.personnes) RapprocheExact(etat, p.nom, p.prenoms, p.dateNaiss);
    benchmark::DoNotOptimize(etat.rebus.size());
  }
}
BENCHMARK(BM_VisiteLigneParLigne)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// 50,000 not-found persons against 50,000 free accounts: the file's persons, none
// matched yet.
void BM_RapprocheNomPrenom(benchmark::State& state) {
  const Jeu& jeu = JeuDeTaille(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    EtatRapprochement etat = ComptesCharges(jeu);
    etat.rebus = jeu.personnes;
    DialoguesScript dialogues;
    state.ResumeTiming();
    RapprocheNomPrenom(etat, dialogues);
    benchmark::DoNotOptimize(etat.rebus.size());
  }
}
BENCHMARK(BM_RapprocheNomPrenom)->Arg(50000)->Unit(benchmark::kMillisecond);

// The sorts run on an account list after exact matching, so that all four marks occur.
const EtatRapprochement& Rapproche(std::size_t n) {
  static std::vector<std::pair<std::size_t, EtatRapprochement>> cache;
  for (const auto& [taille, etat] : cache)
    if (taille == n) return etat;
  const Jeu& jeu = JeuDeTaille(n);
  EtatRapprochement etat = jeu.base;
  RemiseFichier remise(etat);
  for (const LigneRebus& p : jeu.personnes) remise.RapprocheExact(p.nom, p.prenoms, p.dateNaiss);
  cache.emplace_back(n, std::move(etat));
  return cache.back().second;
}

void BM_TriComptes(benchmark::State& state) {
  const ComparaisonComptes comparaisons[] = {CompareMarques,      CompareLogins,
                                             CompareNomsActuels,  ComparePrenomsActuels,
                                             CompareNouveauxNoms, CompareNouveauxPrenoms};
  const EtatRapprochement& source = Rapproche(static_cast<std::size_t>(state.range(0)));
  const ComparaisonComptes compare = comparaisons[state.range(1)];
  for (auto _ : state) {
    state.PauseTiming();
    EtatRapprochement etat = source;
    state.ResumeTiming();
    TrieComptes(etat, compare);
    benchmark::DoNotOptimize(etat.comptes.data());
  }
}
BENCHMARK(BM_TriComptes)
    ->ArgNames({"lignes", "colonne"})
    ->ArgsProduct({{50000}, {0, 1, 2, 3, 4, 5}})
    ->Unit(benchmark::kMillisecond);

void BM_TriRebus(benchmark::State& state) {
  const Jeu& jeu = JeuDeTaille(static_cast<std::size_t>(state.range(0)));
  const ComparaisonRebus compare =
      state.range(1) == 0 ? CompareNomsNonTrouves : ComparePrenomsNonTrouves;
  for (auto _ : state) {
    state.PauseTiming();
    EtatRapprochement etat;
    etat.rebus = jeu.personnes;
    state.ResumeTiming();
    TrieRebus(etat, compare);
    benchmark::DoNotOptimize(etat.rebus.data());
  }
}
BENCHMARK(BM_TriRebus)
    ->ArgNames({"lignes", "colonne"})
    ->ArgsProduct({{50000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The account list after a file of 50,000 persons: most rows attached.
EtatRapprochement ApresFichier(std::size_t n) {
  const Jeu& jeu = JeuDeTaille(n);
  EtatRapprochement etat = ComptesCharges(jeu);
  RemiseFichier remise(etat);
  for (const LigneRebus& p : jeu.personnes) remise.RapprocheExact(p.nom, p.prenoms, p.dateNaiss);
  return etat;
}

// One key typed in the search field: the rows to show, from the whole list.
void BM_RechercheFrappe(benchmark::State& state) {
  static const EtatRapprochement etat = ApresFichier(50000);
  const char* const recherches[] = {"m", "mar", "martin", "h\xE9l\xE8ne", "zzzz"};
  const FiltreComptes filtre{recherches[state.range(0)], ChoixMarques::Tous};
  std::size_t visibles = 0;
  for (auto _ : state) visibles = LignesVisibles(etat, filtre).size();
  state.counters["visibles"] = static_cast<double>(visibles);
}
BENCHMARK(BM_RechercheFrappe)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// Undo then redo of one step at 50,000 accounts: a move, the name aid over the
// not-found list, and the opening of the file itself.
void BM_AnnuleRetablit(benchmark::State& state) {
  const Jeu& jeu = JeuDeTaille(50000);
  EtatRapprochement etat = ComptesCharges(jeu);
  Historique h;
  DialoguesScript d;
  const auto ouvre = [&] {
    RemiseFichier remise(etat);
    for (const LigneRebus& p : jeu.personnes) remise.RapprocheExact(p.nom, p.prenoms, p.dateNaiss);
  };
  EnregistrePas(h, etat, "ouverture", ouvre);
  if (state.range(0) >= 1) EnregistrePas(h, etat, "aide", [&] { RapprocheNomPrenom(etat, d); });
  if (state.range(0) >= 2) {
    std::size_t libre = 0;
    while (etat.comptes[libre].attachee()) ++libre;
    etat.rebus.push_back({"NOUVEAU", "Jean", ""});
    EnregistrePas(h, etat, "deplacement", [&] {
      DeposeSurCompte(etat, d, ListeSource::Rebus, etat.rebus.size() - 1, libre);
    });
  }
  for (auto _ : state) {
    h.Annule(etat);
    h.Retablit(etat);
  }
  state.counters["octets_pas"] = static_cast<double>(h.Octets());
}
BENCHMARK(BM_AnnuleRetablit)->ArgName("pas")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A history of 100 steps at 50,000 accounts: a file, the name aid, then moves
// and Deletes with a sort every tenth step. Reports the bytes the history holds.
void BM_HistoireCentPas(benchmark::State& state) {
  const Jeu& jeu = JeuDeTaille(50000);
  std::size_t octets = 0;
  for (auto _ : state) {
    state.PauseTiming();
    EtatRapprochement etat = ComptesCharges(jeu);
    state.ResumeTiming();
    Historique h;
    DialoguesScript d;
    EnregistrePas(h, etat, "ouverture", [&] {
      RemiseFichier remise(etat);
      for (const LigneRebus& p : jeu.personnes) remise.RapprocheExact(p.nom, p.prenoms, p.dateNaiss);
    });
    EnregistrePas(h, etat, "aide", [&] { RapprocheNomPrenom(etat, d); });
    std::vector<std::uint32_t> ordre;
    for (std::size_t pas = 2; pas < Historique::kPasMaximum; ++pas) {
      std::size_t ligne = pas * 487 % etat.comptes.size();
      if (pas % 2 == 0) {
        while (!etat.comptes[ligne].attachee()) ligne = (ligne + 1) % etat.comptes.size();
        EnregistrePas(h, etat, "liberation", [&] { LibereCompte(etat, ligne); });
      } else {
        while (etat.comptes[ligne].attachee()) ligne = (ligne + 1) % etat.comptes.size();
        EnregistrePas(h, etat, "deplacement", [&] {
          DeposeSurCompte(etat, d, ListeSource::Rebus, etat.rebus.size() - 1, ligne);
        });
      }
      if (pas % 10 == 0) {
        TrieComptesParColonne(etat, d, 1 + static_cast<int>(pas / 10 % 2), &ordre);
        h.Reordonne(ListeTriee::Comptes, ordre);
      }
    }
    octets = h.Octets();
    state.counters["pas"] = static_cast<double>(h.NombrePas());
  }
  state.counters["Mo"] = static_cast<double>(octets) / (1024.0 * 1024.0);
}
BENCHMARK(BM_HistoireCentPas)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace corrinom

BENCHMARK_MAIN();
