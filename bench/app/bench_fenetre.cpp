// The window with a large account base (offscreen platform): start-up to a shown
// window, a column sort, a move and a search keystroke, each with the refresh of
// the views.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <map>

#include "accounts/store/magasin_sqlite.h"
#include "app/form_corrinom.h"
#include "app/liste_rapport.h"
#include "operator/dialogues_script.h"
#include "session/enumeration.h"

namespace {

using namespace corrinom;

constexpr const char* kPrenoms[] = {"Jean", "L\xE9" "a", "Paul", "Claire", "\xC9lodie", "Marc", "In\xE8s", "Hugo"};

// A base of n TAVO accounts in a temporary folder, built once per size.
struct Base {
  QTemporaryDir dossier;
  std::unique_ptr<MagasinSqlite> magasin;

  explicit Base(int n) {
    std::string erreur;
    magasin = MagasinSqlite::OuvreOuCree(dossier.filePath(QStringLiteral("b.db")).toStdString(), erreur);
    std::vector<CompteBase> comptes;
    comptes.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
      CompteBase c;
      const std::string nom = "NOM" + std::to_string((i * 7919) % n);
      c.compte.name = ChampTexte::de("login" + std::to_string(i));
      c.compte.full_name = ChampTexte::de(nom + " " + kPrenoms[i % 8]);
      c.compte.usr_comment = ChampTexte::de("TAVO;E;2026;;;;" + std::to_string(nom.size()) + ";;01/01/2010;;;0;0");
      comptes.push_back(std::move(c));
    }
    magasin->ajoute(comptes, erreur);
  }
};

Base& BaseDe(int n) {
  static std::map<int, std::unique_ptr<Base>> bases;
  auto& b = bases[n];
  if (!b) b = std::make_unique<Base>(n);
  return *b;
}

// From the account load to the window shown and painted once.
void BM_DemarrageFenetre(benchmark::State& state) {
  Base& base = BaseDe(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    EtatRapprochement etat;
    DialoguesScript script;
    ChargeUtilisateurs(*base.magasin, etat, script);
    app::TFormCorrinom f(etat, *base.magasin, {}, &script);
    f.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(f.ListViewUsers()->model()->rowCount());
  }
}
BENCHMARK(BM_DemarrageFenetre)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(3);

struct FenetreChargee {
  EtatRapprochement etat;
  DialoguesScript script;
  std::unique_ptr<app::TFormCorrinom> f;
  explicit FenetreChargee(int n) {
    Base& base = BaseDe(n);
    ChargeUtilisateurs(*base.magasin, etat, script);
    f = std::make_unique<app::TFormCorrinom>(etat, *base.magasin, QString(), &script);
    f->show();
    QApplication::processEvents();
  }
};

// A header click: the core's sort and the views' refresh, painted.
void BM_TriColonne(benchmark::State& state) {
  FenetreChargee w(static_cast<int>(state.range(0)));
  int colonne = 1;
  for (auto _ : state) {
    w.emit f->ListViewUsers()->header()->sectionClicked(colonne);
    QApplication::processEvents();
    colonne = colonne == 1 ? 2 : 1;  // alternate so that every click really reorders
  }
}
BENCHMARK(BM_TriColonne)->Arg(50000)->Unit(benchmark::kMillisecond);

// A key typed in the search field: the filter and the views' refresh, painted;
// every other key clears the field, so the list alternates between a ninth of
// its rows and all of them.
void BM_RechercheFenetre(benchmark::State& state) {
  FenetreChargee w(static_cast<int>(state.range(0)));
  w.f->ListViewUsers()->SelectionneLigne(static_cast<std::size_t>(state.range(0) / 2));
  bool filtre = false;
  for (auto _ : state) {
    filtre = !filtre;
    w.f->EditRecherche()->setText(filtre ? QStringLiteral("login4") : QString());
    QApplication::processEvents();
  }
  w.f->EditRecherche()->setText(QStringLiteral("login4"));
  if (w.f->ListViewUsers()->model()->rowCount() != 11111) state.SkipWithError("the filter did not apply");
}
BENCHMARK(BM_RechercheFenetre)->Arg(50000)->Unit(benchmark::kMillisecond);

// A drop of a not-found person onto a free row near the end, then back (two moves).
void BM_DeplacementAllerRetour(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  FenetreChargee w(n);
  w.etat.rebus.push_back({"DURAND", "Marc", "09/09/2009"});
  w.f->Rafraichit();
  const std::size_t cible = static_cast<std::size_t>(n - 10);
  for (auto _ : state) {
    w.f->ListViewRebus()->SelectionneLigne(0);
    w.emit f->ListViewUsers()->Depose(ListeSource::Rebus, cible);
    w.f->ListViewUsers()->SelectionneLigne(cible);
    w.emit f->ListViewRebus()->Depose(ListeSource::Comptes, std::nullopt);
    QApplication::processEvents();
  }
  if (w.etat.rebus.size() != 1) state.SkipWithError("the move did not go back and forth");
}
BENCHMARK(BM_DeplacementAllerRetour)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
