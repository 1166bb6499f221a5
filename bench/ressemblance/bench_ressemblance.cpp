// The matching aids evaluated on invented schools, then the similarity aid timed on
// large lists.
//
// BM_Route runs the whole road on a school: exact matching of the file, the name
// aid, then either the birth-date aid (aide:0, the road before the similarity aid
// existed) or the similarity aid (aide:1), answering Yes to every question. Its
// counters are averages over the schools of one shape (see ecole.h):
//   corriges    pupils whose names or birth date were corrected between the exports
//   bien        corrected pupils placed on their own account at the end of the road
//   bien_pct    the same, in percent of corriges
//   faux        persons placed on an account that is not theirs, whole road
//   questions   questions asked
//   aide        attachments made by the last aid; aide_faux those that are wrong
//   faux_pct    aide_faux in percent of aide
//   q_par_bien  questions per right attachment of the last aid
// The time is that of one school's whole road.
//
// BM_Ressemblance times the similarity aid alone on n free accounts and n not-found
// persons (half of them corrected pupils, half new ones; half the accounts departed).
#include <benchmark/benchmark.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
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

Resultat Route(const Ecole& ecole, bool ressemblance) {
  Resultat r;
  r.etat.comptes = ecole.comptes;
  {
    RemiseFichier remise(r.etat);
    for (const LigneRebus& p : ecole.fichier) remise.RapprocheExact(p.nom, p.prenoms, p.dateNaiss);
  }
  AfficheNombres(r.etat);
  AfficheResume(r.etat);
  OperateurOui operateur;
  RapprocheNomPrenom(r.etat, operateur);
  for (const LigneCompte& l : r.etat.comptes) r.attacheeAvantAide.push_back(l.attachee());
  if (ressemblance)
    RapprocheRessemblance(r.etat, operateur);
  else
    RapprocheDateNaissance(r.etat, operateur);
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

const std::vector<Ecole>& Ecoles(std::size_t forme) {
  static std::vector<std::vector<Ecole>> cache(FormesEvaluation().size());
  std::vector<Ecole>& ecoles = cache[forme];
  if (ecoles.empty())
    for (unsigned graine = 1; graine <= kEcolesParForme; ++graine)
      ecoles.push_back(GenereEcole(FormesEvaluation()[forme], 7919 * graine + 13 * forme));
  return ecoles;
}

void BM_Route(benchmark::State& state) {
  const auto forme = static_cast<std::size_t>(state.range(0));
  const bool ressemblance = state.range(1) != 0;
  const std::vector<Ecole>& ecoles = Ecoles(forme);

  Bilan b;
  for (const Ecole& e : ecoles) b.ajoute(e, Route(e, ressemblance));

  std::size_t n = 0;
  for (auto _ : state) {
    Resultat r = Route(ecoles[n++ % ecoles.size()], ressemblance);
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
  state.counters["q_par_bien"] = b.aide > b.aideFaux ? b.questions / (b.aide - b.aideFaux) : 0;
}
BENCHMARK(BM_Route)
    ->ArgNames({"forme", "aide"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1}})
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

void BM_Ressemblance(benchmark::State& state) {
  const EtatRapprochement& source = GrandeListe(static_cast<std::size_t>(state.range(0)));
  std::size_t questions = 0;
  for (auto _ : state) {
    state.PauseTiming();
    EtatRapprochement etat = source;
    OperateurOui operateur;
    state.ResumeTiming();
    RapprocheRessemblance(etat, operateur);
    questions = operateur.questions;
    benchmark::DoNotOptimize(etat.rebus.data());
  }
  state.counters["comptes"] = static_cast<double>(source.comptes.size());
  state.counters["personnes"] = static_cast<double>(source.rebus.size());
  state.counters["questions"] = static_cast<double>(questions);
}
BENCHMARK(BM_Ressemblance)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corrinom::banc

BENCHMARK_MAIN();
