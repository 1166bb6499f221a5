// Throughput of the Samba store against the loopback test server: the whole
// enumeration, and 100 accounts read, changed and written back, without and with
// the change journal (two lines per account, one wait for the disk per account).
// Run by lance.sh, which starts and seeds the server; without it, says so and stops.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <ctime>
#include <filesystem>

#include "accounts/store/samba_store.h"
#include "session/ecriture_journalisee.h"
#include "tests/samba/jeu_comptes.h"

namespace corrinom {
namespace {

std::unique_ptr<MagasinComptes> magasin;
int comptesSemes = 0;

// The whole enumeration at level 3 (every field) or 10 (what the load reads).
void Enumeration(benchmark::State& state) {
  const bool niveau10 = state.range(0) == 10;
  std::size_t lus = 0, pages = 0;
  for (auto _ : state) {
    std::uint32_t reprise = 0, total = 0, statut = 0;
    std::vector<CompteStocke> page;
    lus = 0;
    pages = 0;
    do {
      statut = niveau10 ? magasin->enumereNoms(4096, page, total, reprise)
                        : magasin->enumere(4096, page, total, reprise);
      lus += page.size();
      ++pages;
    } while (statut == kErrorMoreData);
    if (statut != kNerrSuccess) state.SkipWithError("enumeration failed");
  }
  state.counters["comptes"] = static_cast<double>(lus);
  // The start-up window repaints between two pages: its refresh rate.
  state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages) * static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate);
  state.counters["comptes/s"] =
      benchmark::Counter(static_cast<double>(lus) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// NetUserGetInfo, the full name changed, NetUserSetInfo: what a write run does per
// row; with a journal, the write goes between its intention and result lines.
void Ecriture100(benchmark::State& state, JournalChangements* journal) {
  int tour = 0;
  for (auto _ : state) {
    for (int i = 1; i <= 100 && i <= comptesSemes; ++i) {
      CompteStocke lu;
      const std::string login = essai_samba::Login(i);
      if (magasin->lit(login, lu) != kNerrSuccess) state.SkipWithError("read failed");
      CompteStocke c = lu;
      c.full_name = ChampTexte::de(essai_samba::NomDe(i) + (tour % 2 ? " Anne" : " Jean Paul"));
      const bool ecrit =
          journal ? EcritCompteJournalise(*magasin, login, lu, c, *journal).issue ==
                        EcritureJournalisee::Issue::Ecrit
                  : magasin->ecrit(login, c) == kNerrSuccess;
      if (!ecrit) state.SkipWithError("write failed");
    }
    ++tour;
  }
  state.counters["comptes/s"] = benchmark::Counter(100.0 * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

void Ecriture100SansJournal(benchmark::State& state) { Ecriture100(state, nullptr); }

// A journal in a folder of its own on the same disk as the per-user folder.
class JournalTemporaire {
 public:
  JournalTemporaire() : dossier_((std::filesystem::current_path() / "journaux-bench-XXXXXX").string()) {
    if (mkdtemp(dossier_.data()) == nullptr) return;
    std::string erreur;
    journal_ = JournalChangements::CreeDansDossier(dossier_, std::time(nullptr), "127.0.0.1", erreur);
  }
  ~JournalTemporaire() {
    journal_.reset();
    std::error_code ec;
    std::filesystem::remove_all(dossier_, ec);
  }
  JournalChangements* get() const { return journal_.get(); }

 private:
  std::string dossier_;
  std::unique_ptr<JournalChangements> journal_;
};

void Ecriture100AvecJournal(benchmark::State& state) {
  JournalTemporaire journal;
  if (!journal.get()) state.SkipWithError("journal not created");
  else Ecriture100(state, journal.get());
}

// The journal's own share of a write run: the two lines of 100 accounts, as a
// write run writes them, without the server.
void Journal100(benchmark::State& state) {
  JournalTemporaire journal;
  if (!journal.get()) {
    state.SkipWithError("journal not created");
    return;
  }
  const ChangementCompte c{"eleve0001", "NOMB Jean Paul", "TAVO;6B;eleve;;;x;4;;02/02/2001;;;0;0",
                           "NOMB Anne", "TAVO;6B;eleve;;;x;4;;02/02/2001;;;0;0"};
  std::string erreur;
  for (auto _ : state)
    for (int i = 0; i < 100; ++i)
      if (!journal.get()->intention(c, erreur) || !journal.get()->resultat(c, 0, erreur))
        state.SkipWithError("journal not written");
}

BENCHMARK(Enumeration)->ArgName("niveau")->Arg(3)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Ecriture100SansJournal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);
BENCHMARK(Ecriture100AvecJournal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);
BENCHMARK(Journal100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);

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
