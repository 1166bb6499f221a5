// corrinom-cli base: building, exporting and breaking an embedded account base.
//
//   base importer BASE FICHIER              create or extend BASE from a TSV file
//   base exporter BASE                      every account as TSV, in enumeration order
//   base panne BASE get|set STATUT [LOGIN]  make reading/writing fail with STATUT
//   base panne BASE enum STATUT [PAGE]      make the enumeration fail at PAGE (1: the first call)
//   base panne BASE lent MS                 make every write take MS milliseconds
//   base --help                             all of these, explained
// A fault goes to the side file BASE.pannes, which `--base BASE` applies. The
// faults are for tests: the program's main usage shows only the first two.
#include <cstdio>
#include <filesystem>

#include "cli/command.h"
#include "text/encodage.h"
#include "text/fichier.h"
#include "text/octets.h"

#ifdef CORRINOM_WITH_SQLITE
#include "accounts/store/magasin_en_panne.h"
#include "accounts/store/magasin_sqlite.h"
#include "accounts/tsv_comptes.h"
#endif

namespace corrinom::cli {
namespace {

// The line of the program's main usage.
constexpr const char* kUsage = "base importer BASE FICHIER | base exporter BASE | base --help";

constexpr const char* kAide =
    "usage : corrinom-cli base ACTION BASE ...\n"
    "Bases de comptes d'essai, \xC3\xA0 ouvrir avec --base BASE :\n"
    "  corrinom-cli base importer BASE FICHIER\n"
    "      cr\xC3\xA9" "e BASE, ou la compl\xC3\xA8te, avec les comptes du FICHIER (TSV)\n"
    "  corrinom-cli base exporter BASE\n"
    "      \xC3\xA9" "crit tous les comptes de BASE en TSV, dans l'ordre de lecture\n"
    "Commandes de test : pannes simul\xC3\xA9" "es, gard\xC3\xA9" "es dans BASE.pannes\n"
    "  corrinom-cli base panne BASE get|set STATUT [LOGIN]\n"
    "      la lecture (get) ou l'\xC3\xA9" "criture (set) du compte LOGIN, ou de chaque compte,\n"
    "      \xC3\xA9" "choue avec le code STATUT\n"
    "  corrinom-cli base panne BASE enum STATUT [PAGE]\n"
    "      la lecture de la liste des comptes \xC3\xA9" "choue avec STATUT \xC3\xA0 la page PAGE\n"
    "      (1 : la premi\xC3\xA8re), ou \xC3\xA0 chaque page\n"
    "  corrinom-cli base panne BASE lent MS\n"
    "      chaque \xC3\xA9" "criture dure MS millisecondes\n";
constexpr int kRefus = 1;

int Usage(const std::string& raison) {
  std::fprintf(stderr, "corrinom-cli base: %s\n%s", raison.c_str(), kAide);
  return kExitUsage;
}

// `base --help`: the whole usage on stdout.
int Aide() {
  std::fputs(kAide, stdout);
  return std::fflush(stdout) == 0 ? 0 : kRefus;
}

int Refus(const std::string& texteCp1252) {
  std::fprintf(stderr, "corrinom-cli base: %s\n", Cp1252VersUtf8(texteCp1252).c_str());
  return kRefus;
}

#ifdef CORRINOM_WITH_SQLITE

int Importe(const std::string& chemin, const std::string& tsv) {
  std::string contenu;
  if (!LitFichier(tsv, contenu))
    return Refus("Impossible de lire le fichier " + Utf8VersCp1252Compte(tsv) + ".");
  std::vector<CompteBase> comptes;
  std::vector<std::size_t> lignes;
  std::string erreur;
  if (!ImporteTsv(contenu, comptes, erreur, &lignes)) return Refus(erreur);

  // The base's UTF-8 name as the system's path, as the base itself opens it.
  std::error_code ec;
  const std::filesystem::path fichier = CheminUtf8(chemin);
  const bool existait = std::filesystem::exists(fichier, ec);
  std::unique_ptr<MagasinSqlite> base = MagasinSqlite::OuvreOuCree(chemin, erreur);
  if (!base) return Refus(erreur);
  std::size_t echec = 0;
  if (!base->ajoute(comptes, erreur, &echec)) {
    base.reset();
    if (!existait) std::filesystem::remove(fichier, ec);  // leave nothing behind
    if (echec < lignes.size()) erreur = "Ligne " + std::to_string(lignes[echec]) + " : " + erreur;
    return Refus(erreur);
  }
  return 0;
}

int Exporte(const std::string& chemin) {
  std::string erreur;
  std::unique_ptr<MagasinSqlite> base = MagasinSqlite::Ouvre(chemin, erreur);
  if (!base) return Refus(erreur);
  const std::string tsv = ExporteTsv(base->tous());
  std::fwrite(tsv.data(), 1, tsv.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : kRefus;
}

int AjoutePanne(const std::vector<std::string>& args) {
  // args: panne BASE OPERATION STATUT [LOGIN|PAGE]
  if (args.size() < 4 || args.size() > 5) return Usage("panne attend BASE, une op\xC3\xA9ration et STATUT");
  Panne p;
  const std::string& op = args[2];
  if (op == "get")
    p.operation = OperationPanne::Lecture;
  else if (op == "set")
    p.operation = OperationPanne::Ecriture;
  else if (op == "enum")
    p.operation = OperationPanne::Enumeration;
  else if (op == "lent")
    p.operation = OperationPanne::Lenteur;
  else
    return Usage("op\xC3\xA9ration inconnue : " + op + " (get, set, enum ou lent)");
  const std::optional<std::uint32_t> statut = Nombre32(args[3]);
  if (p.operation == OperationPanne::Lenteur) {
    if (args.size() != 4 || !statut || *statut == 0)
      return Usage("lent attend MS, un nombre de millisecondes \xC3\xA0 partir de 1");
  } else if (!statut || *statut == kNerrSuccess)
    return Usage("STATUT doit \xC3\xAAtre un nombre d\xC3\xA9" "cimal non nul sur 32 bits");
  p.statut = *statut;
  if (p.operation == OperationPanne::Enumeration && p.statut == kErrorMoreData)
    return Usage("234 annonce d'autres pages, ce n'est pas un \xC3\xA9" "chec de la lecture");
  if (args.size() == 5) {
    if (p.operation == OperationPanne::Enumeration) {
      const std::optional<std::uint32_t> page = Nombre32(args[4]);
      if (!page || *page == 0) return Usage("PAGE doit \xC3\xAAtre un nombre \xC3\xA0 partir de 1");
      p.page = page;
    } else {
      p.login = args[4];
    }
  }
  std::string erreur;
  if (!MagasinSqlite::Ouvre(args[1], erreur)) return Refus(erreur);
  // The faults live beside the base, never in it: `--base BASE` reads them back.
  return AjoutePanne(FichierPannes(args[1]), p, erreur) ? 0 : Refus(erreur);
}

int run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage("action absente");
  const std::string& action = args[0];
  if (action == "--help" || action == "-h") return Aide();
  if (action == "importer") {
    if (args.size() != 3) return Usage("importer attend BASE et FICHIER");
    return Importe(args[1], args[2]);
  }
  if (action == "exporter") {
    if (args.size() != 2) return Usage("exporter attend BASE");
    return Exporte(args[1]);
  }
  if (action == "panne") return AjoutePanne(args);
  return Usage("action inconnue : " + action);
}

#else

int run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage("action absente");
  if (args[0] == "--help" || args[0] == "-h") return Aide();
  return Refus("Cette version de Corrinom a \xE9t\xE9 construite sans les bases de comptes int\xE9gr\xE9" "es.");
}

#endif

}  // namespace

const Commande kCommandeBase{"base", kUsage, &run, kAide};
}  // namespace corrinom::cli
