// Throughput of the Samba store against the loopback test server: the whole
// enumeration, and 100 accounts read, changed and written back. Run by
// lance.sh, which starts and seeds the server; without it, says so and stops.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "accounts/store/samba_store.h"
#include "tests/samba/jeu_comptes.h"

namespace corrinom {
namespace {

std::unique_ptr<MagasinComptes> magasin;
int comptesSemes = 0;

// The whole enumeration at level 3 (every field) or 10 (what the load reads).
void Enumeration(benchmark::State& state) {
  const bool niveau10 = state.range(0) == 10;
  std::size_t lus = 0;
  for (auto _ : state) {
    std::uint32_t reprise = 0, total = 0, statut = 0;
    std::vector<CompteStocke> page;
    lus = 0;
    do {
      statut = niveau10 ? magasin->enumereNoms(4096, page, total, reprise)
                        : magasin->enumere(4096, page, total, reprise);
      lus += page.size();
    } while (statut == kErrorMoreData);
    if (statut != kNerrSuccess) state.SkipWithError("enumeration failed");
  }
  state.counters["comptes"] = static_cast<double>(lus);
  state.counters["comptes/s"] =
      benchmark::Counter(static_cast<double>(lus) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// NetUserGetInfo, the full name changed, NetUserSetInfo: what a write run does per row.
void Ecriture100(benchmark::State& state) {
  int tour = 0;
  for (auto _ : state) {
    for (int i = 1; i <= 100 && i <= comptesSemes; ++i) {
      CompteStocke c;
      const std::string login = essai_samba::Login(i);
      if (magasin->lit(login, c) != kNerrSuccess) state.SkipWithError("read failed");
      c.full_name = ChampTexte::de(essai_samba::NomDe(i) + (tour % 2 ? " Anne" : " Jean Paul"));
      if (magasin->ecrit(login, c) != kNerrSuccess) state.SkipWithError("write failed");
    }
    ++tour;
  }
  state.counters["comptes/s"] = benchmark::Counter(100.0 * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

BENCHMARK(Enumeration)->ArgName("niveau")->Arg(3)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Ecriture100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace corrinom

int main(int argc, char** argv) {
  const char* hote = std::getenv("CORRINOM_SAMBA_SERVEUR");
  const char* motDePasse = std::getenv("CORRINOM_SAMBA_MOT_DE_PASSE");
  const char* comptes = std::getenv("CORRINOM_SAMBA_COMPTES");
  if (hote == nullptr || motDePasse == nullptr || comptes == nullptr) {
    std::printf("bench_samba: no Samba test server; run bench/samba/lance.sh BUILD_DIR as root\n");
    return 0;
  }
  corrinom::comptesSemes = std::atoi(comptes);
  corrinom::ChoixMagasin choix;
  choix.serveur = hote;
  choix.utilisateur = "root";
  choix.motDePasse = motDePasse;
  std::string erreur;
  corrinom::magasin = corrinom::OuvreMagasinSamba(choix, erreur);
  if (corrinom::magasin == nullptr) {
    std::fprintf(stderr, "bench_samba: %s\n", erreur.c_str());
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  corrinom::magasin.reset();
  return 0;
}
