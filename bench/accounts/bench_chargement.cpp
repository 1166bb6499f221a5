// ChargeUtilisateurs over an embedded base of 1,000, 10,000 and 100,000 TAVO
// accounts (plus one non-TAVO account in ten), with the largest page the load
// held and what the load adds to the resident memory; and the open of such a base.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>

#include <filesystem>
#include <map>
#include <random>

#include "accounts/store/magasin_sqlite.h"
#include "session/enumeration.h"

namespace corrinom {
namespace {

class DialoguesMuets : public Dialogues {
 public:
  void message(std::string_view, std::string_view) override {}
  Reponse question(std::string_view, std::string_view, Icone, Reponse r) override { return r; }
  void erreur(std::string_view, std::string_view) override {}
  std::optional<int> choisirChamp(const DemandeChamp&) override { return std::nullopt; }
  void debutAttente() override {}
  void finAttente() override {}
  void indication(std::string_view) override {}
};

// Passes every call to the base and notes the largest page handed out.
class MagasinCompteur : public MagasinComptes {
 public:
  explicit MagasinCompteur(MagasinComptes& m) : m_(m) {}
  std::uint32_t enumere(std::uint32_t l, std::vector<CompteStocke>& page, std::uint32_t& total,
                        std::uint32_t& reprise) override {
    const std::uint32_t s = m_.enumere(l, page, total, reprise);
    pageMax = std::max(pageMax, page.size());
    ++pages;
    return s;
  }
  std::uint32_t lit(std::string_view login, CompteStocke& c) override { return m_.lit(login, c); }
  std::uint32_t ecrit(std::string_view login, const CompteStocke& c) override {
    return m_.ecrit(login, c);
  }
  std::size_t pageMax = 0;
  std::size_t pages = 0;

 private:
  MagasinComptes& m_;
};

const char* kNoms[] = {"MARTIN", "BERNARD", "DUBOIS", "THOMAS", "ROBERT", "RICHARD", "PETIT",
                       "DURAND", "LEROY", "MOREAU", "SIMON", "LAURENT", "LEFEBVRE", "MICHEL",
                       "GARCIA", "DE LA FONTAINE", "LE GALL", "N'DIAYE"};
const char* kPrenoms[] = {"Lucas", "Emma", "Hugo", "L\xC3\xA9" "a", "Chlo\xC3\xA9" " Anne",
                          "Jean Paul", "Ma\xC3\xABlle", "In\xC3\xA8s", "Nathan Pierre", "Zo\xC3\xA9"};

// The bases made for this run, removed when it ends.
struct Bases {
  std::map<int, std::string> chemins;
  ~Bases() {
    std::error_code ec;
    for (const auto& [n, chemin] : chemins) std::filesystem::remove(chemin, ec);
  }
};

// One base per size, made once and kept in the temporary folder for the run.
const std::string& Base(int n) {
  static Bases bases;
  auto it = bases.chemins.find(n);
  if (it != bases.chemins.end()) return it->second;
  const std::string chemin =
      (std::filesystem::temp_directory_path() /
       ("corrinom-bench-" + std::to_string(getpid()) + "-" + std::to_string(n) + ".sqlite"))
          .string();
  std::mt19937 alea(static_cast<unsigned>(n));
  std::vector<CompteBase> comptes;
  for (int i = 0; i < n + n / 10; ++i) {
    const std::string nom = kNoms[alea() % std::size(kNoms)];
    const std::string prenoms = kPrenoms[alea() % std::size(kPrenoms)];
    CompteStocke c;
    c.name = ChampTexte::de("eleve" + std::to_string(i));
    c.full_name = ChampTexte::de(nom + " " + prenoms);
    const bool tavo = i % 11 != 10;
    c.usr_comment = ChampTexte::de(
        tavo ? "TAVO;E;2026;6A;E" + std::to_string(i) + ";;" + std::to_string(nom.size()) +
                   ";;" + std::to_string(1 + i % 28) + "/0" + std::to_string(1 + i % 9) + "/2011;LYC;;0;0"
             : "compte local");
    c.home_dir = ChampTexte::de("\\\\SRV-PEDA\\eleves$\\eleve" + std::to_string(i));
    c.script_path = ChampTexte::de("tavo.bat");
    c.logon_hours = std::array<std::uint8_t, 21>{};
    c.logon_hours->fill(0xFF);
    comptes.push_back({std::move(c), SorteCompte::Normal});
  }
  std::string erreur;
  auto base = MagasinSqlite::OuvreOuCree(chemin, erreur);
  if (!base || !base->ajoute(comptes, erreur)) std::abort();
  return bases.chemins[n] = chemin;
}

// The resident memory now, in bytes (Linux).
double MemoireResidente() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  if (!f) return 0;
  long taille = 0, residente = 0;
  const int lus = std::fscanf(f, "%ld %ld", &taille, &residente);
  std::fclose(f);
  return lus == 2 ? static_cast<double>(residente) * static_cast<double>(sysconf(_SC_PAGESIZE)) : 0;
}

void BM_ChargeUtilisateurs(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string& chemin = Base(n);
  std::string erreur;
  auto base = MagasinSqlite::Ouvre(chemin, erreur);
  MagasinCompteur compteur(*base);
  DialoguesMuets d;
  std::size_t lignes = 0;
  double croissance = 0;
  for (auto _ : state) {
    const double avant = MemoireResidente();
    EtatRapprochement etat;
    if (ChargeUtilisateurs(compteur, etat, d) != 0) state.SkipWithError("enumeration failed");
    lignes = etat.comptes.size();
    croissance = std::max(croissance, MemoireResidente() - avant);
    benchmark::DoNotOptimize(etat.comptes.data());
  }
  state.counters["lignes"] = static_cast<double>(lignes);
  state.counters["page_max"] = static_cast<double>(compteur.pageMax);
  state.counters["pages"] = static_cast<double>(compteur.pages / state.iterations());
  state.counters["base_Mo"] = static_cast<double>(std::filesystem::file_size(chemin)) / 1e6;
  // What the load adds to the resident memory while its rows are alive.
  state.counters["memoire_Mo"] = croissance / 1e6;
  state.counters["octets_par_ligne"] = lignes ? croissance / static_cast<double>(lignes) : 0;
  state.SetItemsProcessed(state.iterations() * n);
}

BENCHMARK(BM_ChargeUtilisateurs)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Opening a base: what the program does before the first page, checks included.
void BM_OuvreBase(benchmark::State& state) {
  const std::string& chemin = Base(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::string erreur;
    auto base = MagasinSqlite::Ouvre(chemin, erreur);
    if (!base) state.SkipWithError("the base did not open");
    benchmark::DoNotOptimize(base.get());
  }
  state.counters["base_Mo"] = static_cast<double>(std::filesystem::file_size(chemin)) / 1e6;
}

BENCHMARK(BM_OuvreBase)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corrinom

BENCHMARK_MAIN();
