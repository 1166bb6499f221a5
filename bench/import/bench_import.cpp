// Reading a large person file end to end into exact matching against a large
// account list: the student XML road (parse, probe, read, hand-over) and the
// delimited text road, next to the bare parse of the same XML file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "import/ouvrir.h"
#include "operator/dialogues_script.h"
#include "reconcile/etat.h"
#include "xml/xml.h"

namespace corrinom {
namespace {

constexpr int kPersonnes = 100'000;
constexpr int kComptes = 10'000;

// Invented but varied names: every person gets a distinct last name.
std::string Nom(int i) {
  static const char* const syllabes[] = {"MAR", "TIN", "DU", "PONT", "LE", "BRUN", "GAR", "CIA",
                                         "RO", "BERT", "FAU", "RE", "LAM", "BER", "NO", "WAK"};
  std::string s;
  for (int k = 0; k < 3; ++k, i /= 16) s += syllabes[i % 16];
  s += std::to_string(i);
  return s;
}
std::string Prenom(int i) {
  static const char* const prenoms[] = {"Jean", "L\xE9" "a", "Hugo", "Chlo\xE9", "In\xE8s",
                                        "Paul", "Camille", "No\xEBl"};
  return prenoms[i % 8];
}
std::string Date(int i) {
  char d[11];
  std::snprintf(d, sizeof d, "%02d/%02d/%04d", i % 28 + 1, i % 12 + 1, 2008 + i % 6);
  return d;
}

struct Fichiers {
  std::filesystem::path dossier;
  std::string xml;
  std::string csv;

  Fichiers() {
    dossier = std::filesystem::temp_directory_path() / "corrinom-bench-import";
    std::filesystem::create_directories(dossier);
    xml = (dossier / "eleves.xml").string();
    csv = (dossier / "eleves.csv").string();
    std::string x =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\n<BEE_ELEVES VERSION=\"3.1\">\n"
        "<PARAMETRES><UAJ>0339999Z</UAJ></PARAMETRES>\n<DONNEES>\n<ELEVES>\n";
    std::string c = "NOM;PRENOM;NE(E) LE;DIV;Pr\xE9nom 2;Pr\xE9nom 3\r\n";
    for (int i = 0; i < kPersonnes; ++i) {
      x += "<ELEVE ELEVE_ID=\"" + std::to_string(i) + "\"><ID_NATIONAL>0" + std::to_string(i) +
           "AB</ID_NATIONAL><NOM_DE_FAMILLE>" + Nom(i) + "</NOM_DE_FAMILLE><NOM_USAGE/><PRENOM>" +
           Prenom(i) + "</PRENOM><DATE_NAISS>" + Date(i) +
           "</DATE_NAISS><CODE_SEXE>1</CODE_SEXE><CODE_MEF>10310019110</CODE_MEF>"
           "<DATE_ENTREE>01/09/2023</DATE_ENTREE></ELEVE>\n";
      c += Nom(i) + ";" + Prenom(i) + ";" + Date(i) + ";4A;;\r\n";
    }
    x += "</ELEVES>\n</DONNEES>\n</BEE_ELEVES>\n";
    Ecrit(xml, x);
    Ecrit(csv, c);
  }
  ~Fichiers() {
    std::error_code ec;
    std::filesystem::remove_all(dossier, ec);
  }
  static void Ecrit(const std::string& nom, const std::string& octets) {
    std::FILE* f = std::fopen(nom.c_str(), "wb");
    std::fwrite(octets.data(), 1, octets.size(), f);
    std::fclose(f);
  }
};

const Fichiers& LesFichiers() {
  static const Fichiers f;
  return f;
}

// Every tenth person of the file has an account; the others go to the not-found list.
EtatRapprochement Comptes() {
  EtatRapprochement e;
  for (int k = 0; k < kComptes; ++k) {
    const int i = k * (kPersonnes / kComptes);
    e.comptes.push_back(LigneCompte::Libre("compte" + std::to_string(k), Nom(i), Prenom(i), Date(i)));
  }
  return e;
}

void Lecture(benchmark::State& state, const std::string& fichier) {
  const EtatRapprochement initial = Comptes();
  for (auto _ : state) {
    state.PauseTiming();
    EtatRapprochement etat = initial;
    DialoguesScript dialogues;
    state.ResumeTiming();
    const ResultatOuverture r = LitFichierPersonnes(etat, dialogues, fichier);
    benchmark::DoNotOptimize(r);
    if (!r.remis || etat.rebus.size() != kPersonnes - kComptes) state.SkipWithError("wrong result");
  }
}

void BM_RouteXmlEleves(benchmark::State& state) { Lecture(state, LesFichiers().xml); }
void BM_RouteTexteDelimite(benchmark::State& state) { Lecture(state, LesFichiers().csv); }

void BM_AnalyseXmlSeule(benchmark::State& state) {
  const std::string& fichier = LesFichiers().xml;
  for (auto _ : state) {
    TXMLDoc doc;
    doc.LoadFromFile(fichier);
    benchmark::DoNotOptimize(doc.Nodes().Count());
  }
}

BENCHMARK(BM_AnalyseXmlSeule)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RouteXmlEleves)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RouteTexteDelimite)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace corrinom

BENCHMARK_MAIN();
