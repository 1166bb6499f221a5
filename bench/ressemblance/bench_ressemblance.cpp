// The matching aids evaluated on invented schools, then the similarity aid's list
// timed on large lists.
//
// BM_Route runs the whole road on a school: exact matching of the file, the name
// aid, then the birth-date aid answering Yes to every question (aide:0, the road
// before the similarity aid existed), or the similarity aid placing the lines
// ticked at opening (aide:1) or every line whose person and account are still free
// (aide:2, what a Yes to each of its former questions placed). Its counters are
// averages over the schools of one shape (see ecole.h):
//   corriges    pupils whose names or birth date were corrected between the exports
//   bien        corrected pupils placed on their own account at the end of the road
//   bien_pct    the same, in percent of corriges
//   faux        persons placed on an account that is not theirs, whole road
//   questions   questions asked
//   aide        attachments made by the last aid; aide_faux those that are wrong
//   faux_pct    aide_faux in percent of aide
// The time is that of one school's whole road.
//
// BM_Revue evaluates the similarity aid's review list right after exact matching,
// on the schools the thresholds were chosen on (jeu:0, seeds 1 to 10 of each shape),
// on ten others never used to choose (jeu:1, seeds 11 to 20), and on forty more that
// the tick rules were checked on while they were chosen (jeu:2, seeds 21 to 60):
//   lignes         lines in the list, per school
//   cochees        lines ticked at opening, per school
//   coches_faux    ticked lines whose account is not the person's, all schools
//   couverture     right lines ticked, in percent of the right lines that
//                  accepting every free line best first places
//   dans_liste     corrected persons left by exact matching whose own account is
//                  on a line, in percent of them (liste_62, liste_66: the same with
//                  a lower threshold of 62, 66)
//   actions        per school, 1 + the lines whose tick must change to place every
//                  person whose own account is on a line, and nothing else
//   questions      per school, what the former one-question-per-proposal flow
//                  (lines of 66 and above) asked an operator answering each rightly
//   sur_min        the lowest sure threshold that ticks no wrong line in any school,
//                  the other conditions of the ticks kept
// The time is that of filling one school's list (lines and ticks).
//
// BM_Remplissage times the list's filling (lines and ticks) on n free accounts and
// n not-found persons (half corrected pupils, half new ones; half the accounts
// departed).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "bench/ressemblance/ecole.h"
#include "reconcile/aides.h"
#include "operator/dialogues.h"
#include "reconcile/etat.h"
#include "reconcile/marques.h"
#include "reconcile/rapprochement_exact.h"
#include "reconcile/ressemblance.h"

namespace corrinom::banc {
namespace {

constexpr unsigned kEcolesParForme = 10;

// The operator who trusts every proposal.
class OperateurOui : public Dialogues {
 public:
  std::size_t questions = 0;
  void message(std::string_view, std::string_view) override {}
  Reponse question(std::string_view, std::string_view, Icone, Reponse) override {
    ++questions;
    return Reponse::Oui;
  }
  void erreur(std::string_view, std::string_view) override {}
  std::optional<int> choisirChamp(const DemandeChamp&) override { return std::nullopt; }
  void debutAttente() override {}
  void finAttente() override {}
  void indication(std::string_view) override {}
};

struct Resultat {
  EtatRapprochement etat;
  std::vector<char> attacheeAvantAide;  // by account row, before the last aid
  std::size_t questions = 0;
};

EtatRapprochement ApresExact(const Ecole& ecole) {
  EtatRapprochement etat;
  etat.comptes = ecole.comptes;
  {
    RemiseFichier remise(etat);
    for (const LigneRebus& p : ecole.fichier) remise.RapprocheExact(p.nom, p.prenoms, p.dateNaiss);
  }
  AfficheNombres(etat);
  AfficheResume(etat);
  return etat;
}

Resultat Route(const Ecole& ecole, int aide) {
  Resultat r;
  r.etat = ApresExact(ecole);
  OperateurOui operateur;
  RapprocheNomPrenom(r.etat, operateur);
  for (const LigneCompte& l : r.etat.comptes) r.attacheeAvantAide.push_back(l.attachee());
  if (aide == 0)
    RapprocheDateNaissance(r.etat, operateur);
  else
    RapprocheRessemblance(r.etat, operateur,
                          [aide](const std::vector<PropositionRessemblance>& lignes,
                                 const Coches& ouverture) -> std::optional<Coches> {
                            return aide == 1 ? ouverture : CochesToutes(lignes);
                          });
  r.questions = operateur.questions;
  return r;
}

struct Bilan {
  double corriges = 0, bien = 0, faux = 0, questions = 0, aide = 0, aideFaux = 0;

  void ajoute(const Ecole& ecole, const Resultat& r) {
    corriges += static_cast<double>(ecole.nombreCorriges);
    questions += static_cast<double>(r.questions);
    for (std::size_t i = 0; i < r.etat.comptes.size(); ++i) {
      const LigneCompte& l = r.etat.comptes[i];
      if (!l.attachee()) continue;
      const int eleve = ecole.eleveDuCompte.at(l.login);
      const int personne = ecole.eleveDeLaPersonne.at(Identite(l.sousItems[kNouveauNom],
                                                               l.sousItems[kNouveauxPrenoms],
                                                               l.sousItems[kNouvelleDateNaiss]));
      const bool juste = eleve == personne;
      faux += !juste;
      bien += juste && ecole.corrige[static_cast<std::size_t>(eleve)];
      if (!r.attacheeAvantAide[i]) {
        ++aide;
        aideFaux += !juste;
      }
    }
  }
};

// The school of one seed and shape.
Ecole EcoleDe(std::size_t forme, unsigned graine) {
  return GenereEcole(FormesEvaluation()[forme], 7919 * graine + 13 * static_cast<unsigned>(forme));
}

// jeu 0: the schools the thresholds were chosen on (seeds 1 to 10); jeu 1: ten others
// (seeds 11 to 20).
const std::vector<Ecole>& Ecoles(std::size_t forme, int jeu = 0) {
  static std::vector<std::vector<Ecole>> cache(2 * FormesEvaluation().size());
  std::vector<Ecole>& ecoles = cache[2 * forme + static_cast<std::size_t>(jeu)];
  if (ecoles.empty())
    for (unsigned graine = 1; graine <= kEcolesParForme; ++graine)
      ecoles.push_back(EcoleDe(forme, graine + kEcolesParForme * static_cast<unsigned>(jeu)));
  return ecoles;
}

// Seeds 21 to 60: forty more schools per shape, on which the tick rules were checked
// while they were chosen, so that a rule fitting ten schools only shows.
constexpr unsigned kPremiereGraineControle = 21;
constexpr unsigned kEcolesControle = 40;

void BM_Route(benchmark::State& state) {
  const auto forme = static_cast<std::size_t>(state.range(0));
  const int aide = static_cast<int>(state.range(1));
  const std::vector<Ecole>& ecoles = Ecoles(forme);

  Bilan b;
  for (const Ecole& e : ecoles) b.ajoute(e, Route(e, aide));

  std::size_t n = 0;
  for (auto _ : state) {
    Resultat r = Route(ecoles[n++ % ecoles.size()], aide);
    benchmark::DoNotOptimize(r.etat.rebus.data());
    state.PauseTiming();
    r = {};
    state.ResumeTiming();
  }

  const double k = static_cast<double>(ecoles.size());
  state.SetLabel(FormesEvaluation()[forme].nom);
  state.counters["corriges"] = b.corriges / k;
  state.counters["bien"] = b.bien / k;
  state.counters["bien_pct"] = 100 * b.bien / b.corriges;
  state.counters["faux"] = b.faux / k;
  state.counters["questions"] = b.questions / k;
  state.counters["aide"] = b.aide / k;
  state.counters["aide_faux"] = b.aideFaux / k;
  state.counters["faux_pct"] = b.aide > 0 ? 100 * b.aideFaux / b.aide : 0;
}
BENCHMARK(BM_Route)
    ->ArgNames({"forme", "aide"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// The review list of one school against the truth.
struct Revue {
  double lignes = 0, cochees = 0, cochesFaux = 0, cochesJustes = 0, justesToutes = 0;
  double corrigesRestants = 0, dansListe = 0, dansListe62 = 0, dansListe66 = 0;
  double actions = 0, questions = 0;
  int surMin = 0;

  // Whether each line pairs a person with its own account.
  static std::vector<char> Justes(const Ecole& ecole, const EtatRapprochement& etat,
                                  const std::vector<PropositionRessemblance>& lignes) {
    std::vector<char> justes;
    for (const PropositionRessemblance& l : lignes) {
      const LigneRebus& p = etat.rebus[l.rebus];
      justes.push_back(ecole.eleveDuCompte.at(etat.comptes[l.compte].login) ==
                       ecole.eleveDeLaPersonne.at(Identite(p.nom, p.prenoms, p.dateNaiss)));
    }
    return justes;
  }

  // The corrected persons of the list whose own account is on a line.
  static double DansListe(const Ecole& ecole, const EtatRapprochement& etat,
                          const std::vector<PropositionRessemblance>& lignes) {
    const std::vector<char> justes = Justes(ecole, etat, lignes);
    std::vector<char> trouve(etat.rebus.size(), 0);
    for (std::size_t i = 0; i < lignes.size(); ++i)
      if (justes[i]) trouve[lignes[i].rebus] = 1;
    double n = 0;
    for (std::size_t p = 0; p < etat.rebus.size(); ++p) {
      const LigneRebus& r = etat.rebus[p];
      const int eleve = ecole.eleveDeLaPersonne.at(Identite(r.nom, r.prenoms, r.dateNaiss));
      n += trouve[p] && ecole.corrige[static_cast<std::size_t>(eleve)];
    }
    return n;
  }

  void ajoute(const Ecole& ecole) {
    const EtatRapprochement etat = ApresExact(ecole);
    const std::vector<PropositionRessemblance> l = LignesRessemblance(etat);
    const Coches coches = CochesOuverture(l);
    const Coches toutes = CochesToutes(l);
    const std::vector<char> justes = Justes(ecole, etat, l);
    lignes += static_cast<double>(l.size());

    // Ticks, their coverage, and the lowest sure threshold ticking nothing wrong.
    const Coches unique = CochesOuverture(l, 0);
    for (std::size_t i = 0; i < l.size(); ++i) {
      cochees += coches[i];
      cochesFaux += coches[i] && !justes[i];
      cochesJustes += coches[i] && justes[i];
      justesToutes += toutes[i] && justes[i];
      if (unique[i] && !justes[i]) surMin = std::max(surMin, l[i].ressemblance.score + 1);
    }

    for (const LigneRebus& p : etat.rebus) {
      const int eleve = ecole.eleveDeLaPersonne.at(Identite(p.nom, p.prenoms, p.dateNaiss));
      corrigesRestants += ecole.corrige[static_cast<std::size_t>(eleve)];
    }
    // Every person with its own account on a line is a corrected pupil.
    dansListe += DansListe(ecole, etat, l);
    dansListe62 += DansListe(ecole, etat, CandidatsRessemblance(etat, kCandidatsParPersonne, 62));
    dansListe66 += DansListe(ecole, etat, CandidatsRessemblance(etat, kCandidatsParPersonne, 66));

    // The operator's actions: tick each right line not ticked (which unticks what
    // shares its person or account), untick each wrong tick left.
    std::unordered_set<std::size_t> personnes, comptes;
    double gestes = 1;
    for (std::size_t i = 0; i < l.size(); ++i)
      if (justes[i] && !coches[i]) {
        ++gestes;
        personnes.insert(l[i].rebus);
        comptes.insert(l[i].compte);
      }
    for (std::size_t i = 0; i < l.size(); ++i)
      if (coches[i] && !justes[i] && !personnes.count(l[i].rebus) && !comptes.count(l[i].compte))
        ++gestes;
    actions += gestes;

    // The former flow: one question per line it proposed (kSeuilToutAccepter and
    // above) whose person and account are still free.
    personnes.clear();
    comptes.clear();
    for (std::size_t i = 0; i < l.size(); ++i) {
      if (l[i].ressemblance.score < kSeuilToutAccepter) continue;
      if (personnes.count(l[i].rebus) || comptes.count(l[i].compte)) continue;
      ++questions;
      if (justes[i]) {
        personnes.insert(l[i].rebus);
        comptes.insert(l[i].compte);
      }
    }
  }
};

void BM_Revue(benchmark::State& state) {
  const auto forme = static_cast<std::size_t>(state.range(0));
  const int jeu = static_cast<int>(state.range(1));
  // jeu 2's schools are made one at a time and not kept; its timing uses jeu 0's.
  const std::vector<Ecole>& ecoles = Ecoles(forme, jeu == 2 ? 0 : jeu);
  // Benchmark calls this more than once; the evaluation is made once.
  static std::vector<std::optional<Revue>> revues(3 * FormesEvaluation().size());
  std::optional<Revue>& revue = revues[3 * forme + static_cast<std::size_t>(jeu)];
  if (!revue) {
    revue.emplace();
    if (jeu == 2)
      for (unsigned g = 0; g < kEcolesControle; ++g)
        revue->ajoute(EcoleDe(forme, kPremiereGraineControle + g));
    else
      for (const Ecole& e : ecoles) revue->ajoute(e);
  }
  const Revue& r = *revue;

  std::size_t n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const EtatRapprochement etat = ApresExact(ecoles[n++ % ecoles.size()]);
    state.ResumeTiming();
    const std::vector<PropositionRessemblance> l = LignesRessemblance(etat);
    benchmark::DoNotOptimize(CochesOuverture(l).data());
  }

  const double k = jeu == 2 ? kEcolesControle : static_cast<double>(ecoles.size());
  state.SetLabel(FormesEvaluation()[forme].nom);
  state.counters["lignes"] = r.lignes / k;
  state.counters["cochees"] = r.cochees / k;
  state.counters["coches_faux"] = r.cochesFaux;
  state.counters["couverture"] = 100 * r.cochesJustes / r.justesToutes;
  state.counters["dans_liste"] = 100 * r.dansListe / r.corrigesRestants;
  state.counters["liste_62"] = 100 * r.dansListe62 / r.corrigesRestants;
  state.counters["liste_66"] = 100 * r.dansListe66 / r.corrigesRestants;
  state.counters["actions"] = r.actions / k;
  state.counters["questions"] = r.questions / k;
  state.counters["sur_min"] = r.surMin;
}
BENCHMARK(BM_Revue)
    ->ArgNames({"forme", "jeu"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// n free accounts against n not-found persons.
const EtatRapprochement& GrandeListe(std::size_t n) {
  static std::vector<std::pair<std::size_t, EtatRapprochement>> cache;
  for (const auto& [taille, etat] : cache)
    if (taille == n) return etat;
  FormeEcole forme;
  forme.comptes = n;
  forme.corriges = n / 2;
  forme.partis = n / 2;
  forme.nouveaux = n / 2;
  forme.pourcentPersonnel = 0;
  Ecole ecole = GenereEcole(forme, 2026);
  EtatRapprochement etat;
  etat.comptes = std::move(ecole.comptes);
  etat.rebus = std::move(ecole.fichier);
  cache.emplace_back(n, std::move(etat));
  return cache.back().second;
}

void BM_Remplissage(benchmark::State& state) {
  const EtatRapprochement& etat = GrandeListe(static_cast<std::size_t>(state.range(0)));
  std::size_t lignes = 0, cochees = 0;
  for (auto _ : state) {
    const std::vector<PropositionRessemblance> l = LignesRessemblance(etat);
    const Coches coches = CochesOuverture(l);
    lignes = l.size();
    cochees = static_cast<std::size_t>(std::count(coches.begin(), coches.end(), 1));
    benchmark::DoNotOptimize(coches.data());
  }
  state.counters["comptes"] = static_cast<double>(etat.comptes.size());
  state.counters["personnes"] = static_cast<double>(etat.rebus.size());
  state.counters["lignes"] = static_cast<double>(lignes);
  state.counters["cochees"] = static_cast<double>(cochees);
}
BENCHMARK(BM_Remplissage)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corrinom::banc

BENCHMARK_MAIN();
